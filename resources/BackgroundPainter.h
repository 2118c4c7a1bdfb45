#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// The full window of the menu form: header with the product's title, the strip the menu buttons sit
// on, the cream page the screens fill, the footer with the help and exit buttons and the calculator.
class BackgroundPainter
{
public:
    explicit BackgroundPainter(QPainter& painter);

    // Draws the layout that fits the size: 800 x 600 or 1024 x 768.
    void menu(const QSize& size, const QString& title, const QString& subtitle) const;

private:
    struct Layout
    {
        int header; // the title band ends here
        QPoint menu; // first menu button
        int menuHeight;
        QRect page; // the screens' panel
        int footerButtons; // top of the help and exit buttons
        QPoint calculator;
    };
    static Layout layoutFor(const QSize& size);

    QPainter& m_painter;
};
