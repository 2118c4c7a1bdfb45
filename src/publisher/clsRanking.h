#pragma once

#include "shell/Pantalla.h"

#include <QPointer>

class ActiveLabel;
class ImageButton;
class PictureBox;
class QLabel;

// Screen 2 of the menu: the rankings of the sector's leading companies. It lays the menu form's own
// ranking panel (the sector options, the page and its print button) over its panel and chooses the
// first sector; the form loads and prints the pages. Its two mode switches are built but stay hidden.
class clsRanking : public Pantalla
{
public:
    clsRanking();
    ~clsRanking() override;
    clsRanking(const clsRanking&) = delete;
    clsRanking& operator=(const clsRanking&) = delete;

    void Desmarcar() override;

private:
    void pintaPantalla();

    QPointer<QLabel> m_lblBienvenidos;
    QPointer<PictureBox> m_pantalla;
    QPointer<ActiveLabel> m_lblGrupo;
    QPointer<ActiveLabel> m_lblRanking;
    QPointer<ImageButton> m_imgGrupo;
    QPointer<ImageButton> m_imgRanking;
};
