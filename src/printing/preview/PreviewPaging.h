#pragma once

#include <QList>

// The preview's place in its document: the page shown (`pagina`), the first record of every page
// from the first to the one shown (`iniciosPagina`), and where the page after it begins
// (`posicionSiguiente`, 0 when the page shown is the last).
class PreviewPaging
{
public:
    // Back to the first page, which begins at `firstStart`; nothing is known of the pages after it.
    void reset(int firstStart = 1);
    // On the last of the pages that begin at `inicios`, from the first page on, as after paging to it.
    void reset(const QList<int>& inicios);

    int pagina() const { return int(m_inicios.size()); }
    // The first record of the page shown.
    int start() const { return m_inicios.last(); }
    QList<int> iniciosPagina() const { return m_inicios; }

    int posicionSiguiente() const { return m_siguiente; }
    // What drawing the page shown found: the first record of the next page, or 0 for none.
    void setPosicionSiguiente(int posicion) { m_siguiente = posicion > start() ? posicion : 0; }

    bool hasNext() const { return m_siguiente > 0; }
    bool hasPrevious() const { return pagina() > 1; }
    // Each false, changing nothing, when there is no such page.
    bool next();
    bool previous();

private:
    QList<int> m_inicios {1};
    int m_siguiente = 0;
};
