#include "resources/FacePainter.h"

#include "resources/GlyphPainter.h"
#include "resources/PictureStyle.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

using namespace PictureStyle;

FacePainter::FacePainter(QPainter& painter, PictureFace face)
    : m_painter(painter)
    , m_face(face)
{
}

void FacePainter::key(const QRectF& rect) const
{
    const QRectF body = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = qMin(rect.height(), rect.width()) * 0.16;
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    QColor border;
    switch (m_face) {
    case PictureFace::Normal:
        fill.setColorAt(0, QColor(78, 78, 78));
        fill.setColorAt(1, QColor(46, 46, 46));
        border = QColor(kEdge);
        break;
    case PictureFace::Rollover:
        fill.setColorAt(0, QColor(kAccentLight));
        fill.setColorAt(0.55, QColor(kAccent));
        fill.setColorAt(1, QColor(kAccentDeep));
        border = QColor(120, 56, 0);
        break;
    case PictureFace::Disabled:
        fill.setColorAt(0, QColor(96, 96, 96));
        fill.setColorAt(1, QColor(78, 78, 78));
        border = QColor(56, 56, 56);
        break;
    }
    m_painter.setPen(QPen(border, 1));
    m_painter.setBrush(fill);
    m_painter.drawRoundedRect(body, radius, radius);
    // A light top edge gives the key its relief.
    m_painter.setPen(QPen(QColor(255, 255, 255, m_face == PictureFace::Rollover ? 110 : 40), 1));
    m_painter.drawLine(
        QPointF(body.left() + radius, body.top() + 1), QPointF(body.right() - radius, body.top() + 1));
    if (m_face == PictureFace::Normal) {
        const qreal rule = qMax(2.0, rect.height() / 18);
        m_painter.fillRect(
            QRectF(body.left() + radius, body.bottom() - rule - 1.5, body.width() - 2 * radius, rule),
            QColor(kAccent));
    }
}

void FacePainter::captionButton(const QRectF& rect, const QString& caption) const
{
    key(rect);
    const qreal padding = qMax(4.0, rect.height() * 0.16);
    const QRectF textBox = rect.adjusted(padding, 0, -padding, -1);
    const QFont f = fitted(font(rect.height() * 0.38), caption, textBox.size());
    m_painter.setFont(f);
    const qreal baseline = rect.center().y() + QFontMetricsF(f).capHeight() / 2 - 0.5;
    const qreal width = QFontMetricsF(f).horizontalAdvance(caption);
    const QPointF at(rect.center().x() - width / 2, baseline);
    if (m_face != PictureFace::Disabled) {
        m_painter.setPen(m_face == PictureFace::Rollover ? QColor(120, 50, 0, 170) : QColor(0, 0, 0, 200));
        m_painter.drawText(at + QPointF(0, 1), caption);
    }
    switch (m_face) {
    case PictureFace::Normal:
        m_painter.setPen(QColor(kPage));
        break;
    case PictureFace::Rollover:
        m_painter.setPen(Qt::white);
        break;
    case PictureFace::Disabled:
        m_painter.setPen(QColor(kGreyed));
        break;
    }
    m_painter.drawText(at, caption);
}

void FacePainter::printerButton(const QRectF& rect) const
{
    key(rect);
    const qreal inset = rect.height() * 0.17;
    const QRectF box = rect.adjusted(inset, inset * 0.7, -inset, -inset * 1.3);
    const GlyphPainter glyphs(m_painter);
    switch (m_face) {
    case PictureFace::Normal:
        glyphs.printer(box, QColor(kPage), Qt::white, QColor(kEdge), QColor(kAccent));
        break;
    case PictureFace::Rollover:
        glyphs.printer(box, Qt::white, Qt::white, QColor(110, 48, 0), QColor(kFrame));
        break;
    case PictureFace::Disabled:
        glyphs.printer(
            box, QColor(150, 150, 150), QColor(170, 170, 170), QColor(70, 70, 70), QColor(110, 110, 110));
        break;
    }
}
