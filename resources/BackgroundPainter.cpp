#include "resources/BackgroundPainter.h"

#include "resources/BannerPainter.h"
#include "resources/GlyphPainter.h"
#include "resources/PictureStyle.h"

#include <QLinearGradient>
#include <QPainter>

using namespace PictureStyle;

BackgroundPainter::BackgroundPainter(QPainter& painter)
    : m_painter(painter)
{
}

BackgroundPainter::Layout BackgroundPainter::layoutFor(const QSize& size)
{
    // Where the menu form puts its buttons, status picture and screens.
    if (size.width() < 1024)
        return {60, {33, 66}, 36, QRect(QPoint(10, 246), QPoint(783, 499)), 563, {0, 566}};
    return {95, {26, 100}, 45, QRect(QPoint(16, 310), QPoint(1009, 663)), 720, {0, 730}};
}

void BackgroundPainter::menu(const QSize& size, const QString& title, const QString& subtitle) const
{
    const Layout l = layoutFor(size);
    const int w = size.width();
    const int h = size.height();
    const qreal scale = w / 800.0;
    m_painter.fillRect(QRect(QPoint(0, 0), size), QColor(kFrame));

    // Header: emblem, title and subtitle on the left, the publisher on the right.
    QLinearGradient header(0, 0, 0, l.header);
    header.setColorAt(0, QColor(72, 72, 72));
    header.setColorAt(1, QColor(44, 44, 44));
    m_painter.fillRect(QRect(0, 0, w, l.header), header);
    const qreal rule = qRound(3 * scale);
    m_painter.fillRect(QRectF(0, l.header - rule, w, rule), QColor(kAccent));
    const qreal emblem = l.header * 0.74;
    const qreal top = (l.header - rule - emblem) / 2;
    GlyphPainter(m_painter).emblem(QRectF(14 * scale, top, emblem, emblem), QColor(kAccent), 2.2 * scale);
    const qreal left = 24 * scale + emblem;
    BannerPainter banner(m_painter);
    banner.productTitle(QPointF(left, top + emblem * 0.56), title, l.header * 0.44, w * 0.45);
    m_painter.setFont(font(l.header * 0.2, false));
    m_painter.setPen(QColor(kMuted));
    m_painter.drawText(QPointF(left + 1, top + emblem * 0.9), subtitle);
    banner.publisherLogo(QRectF(0, (l.header - rule) / 2 - 11 * scale, w - 18 * scale, 22 * scale));

    // The strip of the menu buttons.
    const int stripBottom = l.menu.y() + l.menuHeight + qRound(4 * scale);
    m_painter.fillRect(QRect(0, l.header, w, stripBottom - l.header), QColor(kFrameDeep));
    m_painter.fillRect(QRect(0, stripBottom, w, 1), QColor(kFrameLight));

    // The trade's emblem, faint, on the free right side above the page.
    const int free = l.page.top() - stripBottom;
    GlyphPainter(m_painter).emblem(
        QRectF(w - free * 1.25, stripBottom + free * 0.1, free * 0.85, free * 0.85), QColor(52, 52, 52),
        3 * scale);

    // The page: plain cream in a thin dark frame; the status picture above it carries the accent.
    m_painter.setPen(Qt::NoPen);
    m_painter.fillRect(l.page.adjusted(-2, -2, 2, 2), QColor(kFrameLight));
    m_painter.fillRect(l.page.adjusted(-1, -1, 1, 1), QColor(kEdge));
    m_painter.fillRect(l.page, QColor(kPage));

    // Below the page the screens write their captions, counts and titles in black: a light band,
    // with the help and exit buttons at its foot and the calculator at its left.
    const int band = l.page.bottom() + qRound(6 * scale);
    m_painter.fillRect(QRect(0, band, w, h - band), QColor(234, 228, 214));
    m_painter.fillRect(QRect(0, band, w, qRound(2 * scale)), QColor(kAccent));
    GlyphPainter(m_painter).calculator(l.calculator);
}
