#include "resources/FacePainter.h"

#include "resources/GlyphPainter.h"
#include "resources/PictureStyle.h"
#include "resources/ToolGlyphPainter.h"

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

QColor FacePainter::markColour() const
{
    switch (m_face) {
    case PictureFace::Normal:
        return QColor(kPage);
    case PictureFace::Rollover:
        return Qt::white;
    case PictureFace::Disabled:
        break;
    }
    return QColor(kGreyed);
}

void FacePainter::acceptButton(const QRectF& rect) const
{
    key(rect);
    const qreal s = qMin(rect.width(), rect.height());
    const QPointF o(rect.center().x() - s / 2, rect.top() + (rect.height() - s) / 2 - s * 0.03);
    const QPointF points[]
        = {o + QPointF(s * 0.26, s * 0.50), o + QPointF(s * 0.43, s * 0.66), o + QPointF(s * 0.75, s * 0.30)};
    m_painter.save();
    m_painter.setBrush(Qt::NoBrush);
    if (m_face != PictureFace::Disabled) {
        m_painter.setPen(QPen(QColor(0, 0, 0, 150), s * 0.13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painter.translate(0, 1);
        m_painter.drawPolyline(points, 3);
        m_painter.translate(0, -1);
    }
    m_painter.setPen(QPen(markColour(), s * 0.13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.drawPolyline(points, 3);
    m_painter.restore();
}

void FacePainter::cancelButton(const QRectF& rect) const
{
    key(rect);
    const qreal s = qMin(rect.width(), rect.height());
    const QRectF cross(rect.center().x() - s * 0.2, rect.center().y() - s * 0.23, s * 0.4, s * 0.4);
    m_painter.save();
    for (const bool shadow : {true, false}) {
        if (shadow && m_face == PictureFace::Disabled)
            continue;
        const QPointF offset = shadow ? QPointF(0, 1) : QPointF();
        m_painter.setPen(
            QPen(shadow ? QColor(0, 0, 0, 150) : markColour(), s * 0.12, Qt::SolidLine, Qt::RoundCap));
        m_painter.drawLine(cross.topLeft() + offset, cross.bottomRight() + offset);
        m_painter.drawLine(cross.topRight() + offset, cross.bottomLeft() + offset);
    }
    m_painter.restore();
}

void FacePainter::helpButton(const QRectF& rect) const
{
    key(rect);
    const QString mark = QStringLiteral("?");
    const QFont f = font(qMin(rect.width() * 0.95, rect.height() * 0.62));
    const QFontMetricsF metrics(f);
    const QPointF at(rect.center().x() - metrics.horizontalAdvance(mark) / 2,
        rect.center().y() + metrics.capHeight() / 2 - rect.height() * 0.04);
    m_painter.save();
    m_painter.setFont(f);
    if (m_face != PictureFace::Disabled) {
        m_painter.setPen(QColor(0, 0, 0, 160));
        m_painter.drawText(at + QPointF(0, 1), mark);
    }
    m_painter.setPen(markColour());
    m_painter.drawText(at, mark);
    m_painter.restore();
}

void FacePainter::toolButton(const QRectF& rect, const QString& glyph) const
{
    key(rect);
    const qreal inset = qMin(rect.width(), rect.height()) * 0.17;
    // Above the orange rule of the normal face.
    const QRectF box = rect.adjusted(inset, inset * 0.8, -inset, -inset * 1.3);
    ToolGlyphPainter(m_painter, m_face).draw(glyph, box);
}

void FacePainter::arrowButton(const QRectF& rect, bool back) const
{
    key(rect);
    const qreal s = qMin(rect.width(), rect.height());
    const qreal half = s * 0.24;
    // Above the orange rule of the normal face.
    const QPointF centre(rect.center().x(), rect.center().y() - s * 0.04);
    const qreal tipX = back ? centre.x() - half : centre.x() + half;
    const qreal baseX = back ? centre.x() + half * 0.8 : centre.x() - half * 0.8;
    const QPointF arrow[]
        = {QPointF(tipX, centre.y()), QPointF(baseX, centre.y() - half), QPointF(baseX, centre.y() + half)};
    m_painter.save();
    m_painter.setPen(Qt::NoPen);
    if (m_face != PictureFace::Disabled) {
        m_painter.setBrush(QColor(0, 0, 0, 150));
        m_painter.translate(0, 1);
        m_painter.drawPolygon(arrow, 3);
        m_painter.translate(0, -1);
    }
    m_painter.setBrush(markColour());
    m_painter.drawPolygon(arrow, 3);
    m_painter.restore();
}

void FacePainter::checkBox(const QRectF& rect, bool checked) const
{
    const QRectF box = rect.adjusted(2.5, 2.5, -2.5, -2.5);
    m_painter.save();
    m_painter.setPen(QPen(QColor(kEdge), 1.5));
    m_painter.setBrush(QColor(kPage));
    m_painter.drawRoundedRect(box, 3, 3);
    if (checked) {
        const qreal s = box.width();
        const QPointF o = box.topLeft();
        const QPointF points[] = {
            o + QPointF(s * 0.2, s * 0.52), o + QPointF(s * 0.42, s * 0.74), o + QPointF(s * 0.82, s * 0.24)};
        m_painter.setPen(QPen(QColor(kAccentDeep), s * 0.18, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawPolyline(points, 3);
    }
    m_painter.restore();
}

void FacePainter::directionButton(const QRectF& rect, bool up, bool chosen) const
{
    const qreal s = qMin(rect.width(), rect.height());
    if (chosen) {
        // Pressed in: flat, darker, shadow along the top edge; the taken arrow is grey.
        const QRectF body = rect.adjusted(0.5, 0.5, -0.5, -0.5);
        const qreal radius = s * 0.16;
        m_painter.setPen(QPen(QColor(kEdge), 1));
        m_painter.setBrush(m_face == PictureFace::Rollover ? QColor(kAccentDeep) : QColor(34, 34, 34));
        m_painter.drawRoundedRect(body, radius, radius);
        m_painter.setPen(QPen(QColor(0, 0, 0, 160), 2));
        m_painter.drawLine(QPointF(body.left() + radius, body.top() + 1.5),
            QPointF(body.right() - radius, body.top() + 1.5));
    } else {
        key(rect);
    }
    const qreal half = s * 0.26;
    const QPointF centre(rect.center().x(), rect.center().y() - (chosen ? 0 : s * 0.05));
    const qreal tipY = up ? centre.y() - half : centre.y() + half;
    const qreal baseY = up ? centre.y() + half * 0.7 : centre.y() - half * 0.7;
    const QPointF arrow[]
        = {QPointF(centre.x(), tipY), QPointF(centre.x() - half, baseY), QPointF(centre.x() + half, baseY)};
    m_painter.save();
    m_painter.setPen(Qt::NoPen);
    if (!chosen && m_face != PictureFace::Disabled) {
        m_painter.setBrush(QColor(0, 0, 0, 150));
        m_painter.translate(0, 1);
        m_painter.drawPolygon(arrow, 3);
        m_painter.translate(0, -1);
    }
    m_painter.setBrush(
        chosen ? (m_face == PictureFace::Disabled ? QColor(96, 96, 96) : QColor(kGreyed)) : markColour());
    m_painter.drawPolygon(arrow, 3);
    m_painter.restore();
}
