#pragma once

#include <QWidget>

class QTextBrowser;

// The help window: a sizable window, kept above the others, whose browser fills it; Esc closes it.
class frmAyudaGrande : public QWidget
{
    Q_OBJECT
public:
    explicit frmAyudaGrande(QWidget* parent = nullptr);

    // Shows the page at `ruta` (a program path, a file path or an address); a missing page shows a
    // page of our own saying so.
    void navega(const QString& ruta);
    QTextBrowser* navegador() const { return m_WebBrowser1; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The help page's browser, filling the window.
    QTextBrowser* m_WebBrowser1;
};
