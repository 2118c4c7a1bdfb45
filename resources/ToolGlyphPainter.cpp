#include "resources/ToolGlyphPainter.h"

#include "resources/PictureStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

using namespace PictureStyle;

ToolGlyphPainter::ToolGlyphPainter(QPainter& painter, PictureFace face)
    : m_painter(painter)
{
    switch (face) {
    case PictureFace::Normal:
        m_paper = QColor(kPage);
        m_ink = QColor(kFrameDeep);
        m_accent = QColor(kAccent);
        break;
    case PictureFace::Rollover:
        m_paper = Qt::white;
        m_ink = QColor(110, 48, 0);
        m_accent = QColor(kFrame);
        break;
    case PictureFace::Disabled:
        m_paper = QColor(170, 170, 170);
        m_ink = QColor(70, 70, 70);
        m_accent = QColor(120, 120, 120);
        break;
    }
}

QPointF ToolGlyphPainter::at(qreal x, qreal y) const
{
    return m_origin + QPointF(x * m_size, y * m_size);
}

QRectF ToolGlyphPainter::box(qreal x, qreal y, qreal w, qreal h) const
{
    return {at(x, y), QSizeF(w * m_size, h * m_size)};
}

void ToolGlyphPainter::pen(const QColor& colour, qreal width) const
{
    m_painter.setPen(QPen(colour, qMax(1.0, width * m_size), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void ToolGlyphPainter::draw(const QString& glyph, const QRectF& area) const
{
    using Drawing = void (ToolGlyphPainter::*)() const;
    static const std::pair<const char*, Drawing> drawings[]
        = {{"ficha", &ToolGlyphPainter::card}, {"exportar", &ToolGlyphPainter::exportSheet},
            {"ordenar", &ToolGlyphPainter::sort}, {"todos", &ToolGlyphPainter::table},
            {"ficheros", &ToolGlyphPainter::folder}, {"ayuda", &ToolGlyphPainter::question},
            {"listados", &ToolGlyphPainter::listing}, {"sobres", &ToolGlyphPainter::envelope},
            {"etiquetas", &ToolGlyphPainter::labels}, {"versel", &ToolGlyphPainter::marked},
            {"desmarcar", &ToolGlyphPainter::unmark}, {"configurar", &ToolGlyphPainter::settings}};
    m_size = qMin(area.width(), area.height());
    m_origin = area.center() - QPointF(m_size / 2, m_size / 2);
    for (const auto& [name, drawing] : drawings) {
        if (glyph.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            m_painter.save();
            (this->*drawing)();
            m_painter.restore();
            return;
        }
    }
}

void ToolGlyphPainter::card() const
{
    pen(m_ink, 0.06);
    m_painter.setBrush(m_paper);
    m_painter.drawRoundedRect(box(0.04, 0.16, 0.92, 0.68), m_size * 0.06, m_size * 0.06);
    m_painter.setBrush(m_accent);
    m_painter.setPen(Qt::NoPen);
    m_painter.drawRect(box(0.13, 0.28, 0.26, 0.30));
    pen(m_ink, 0.06);
    for (const qreal y : {0.32, 0.46, 0.60})
        m_painter.drawLine(at(0.48, y), at(0.84, y));
    m_painter.drawLine(at(0.13, 0.72), at(0.84, 0.72));
}

void ToolGlyphPainter::exportSheet() const
{
    pen(m_ink, 0.06);
    m_painter.setBrush(m_paper);
    QPainterPath sheet;
    sheet.moveTo(at(0.08, 0.04));
    sheet.lineTo(at(0.50, 0.04));
    sheet.lineTo(at(0.66, 0.20));
    sheet.lineTo(at(0.66, 0.96));
    sheet.lineTo(at(0.08, 0.96));
    sheet.closeSubpath();
    m_painter.drawPath(sheet);
    for (const qreal y : {0.34, 0.48, 0.62, 0.76})
        m_painter.drawLine(at(0.18, y), at(0.50, y));
    // The arrow leaving the sheet.
    pen(m_ink, 0.05);
    m_painter.setBrush(m_accent);
    const QPointF arrow[] = {at(0.40, 0.44), at(0.68, 0.44), at(0.68, 0.30), at(0.97, 0.55), at(0.68, 0.80),
        at(0.68, 0.66), at(0.40, 0.66)};
    m_painter.drawPolygon(arrow, 7);
}

void ToolGlyphPainter::sort() const
{
    QFont f = font(m_size * 0.44);
    m_painter.setFont(f);
    m_painter.setPen(m_paper);
    m_painter.drawText(box(0.0, 0.0, 0.55, 0.5), Qt::AlignCenter, QStringLiteral("A"));
    m_painter.drawText(box(0.0, 0.5, 0.55, 0.5), Qt::AlignCenter, QStringLiteral("Z"));
    pen(m_accent, 0.11);
    m_painter.drawLine(at(0.76, 0.08), at(0.76, 0.84));
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(m_accent);
    const QPointF head[] = {at(0.56, 0.66), at(0.96, 0.66), at(0.76, 0.98)};
    m_painter.drawPolygon(head, 3);
}

void ToolGlyphPainter::table() const
{
    pen(m_ink, 0.05);
    m_painter.setBrush(m_paper);
    const QRectF whole = box(0.04, 0.12, 0.92, 0.76);
    m_painter.drawRect(whole);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(m_accent);
    m_painter.drawRect(box(0.04, 0.12, 0.92, 0.19));
    pen(m_ink, 0.05);
    m_painter.setBrush(Qt::NoBrush);
    for (const qreal y : {0.31, 0.50, 0.69})
        m_painter.drawLine(at(0.04, y), at(0.96, y));
    for (const qreal x : {0.35, 0.65})
        m_painter.drawLine(at(x, 0.12), at(x, 0.88));
}

void ToolGlyphPainter::folder() const
{
    pen(m_ink, 0.06);
    m_painter.setBrush(m_accent);
    QPainterPath back;
    back.moveTo(at(0.04, 0.86));
    back.lineTo(at(0.04, 0.16));
    back.lineTo(at(0.36, 0.16));
    back.lineTo(at(0.44, 0.26));
    back.lineTo(at(0.92, 0.26));
    back.lineTo(at(0.92, 0.86));
    back.closeSubpath();
    m_painter.drawPath(back);
    m_painter.setBrush(m_paper);
    const QPointF front[] = {at(0.04, 0.86), at(0.16, 0.40), at(0.98, 0.40), at(0.92, 0.86)};
    m_painter.drawPolygon(front, 4);
}

void ToolGlyphPainter::question() const
{
    // The help key is tall: the mark may be taller than the square it is centred in.
    const QFont f = font(m_size * 1.3);
    m_painter.setFont(f);
    m_painter.setPen(QColor(0, 0, 0, 150));
    m_painter.drawText(box(-0.5, -0.47, 2, 2), Qt::AlignCenter, QStringLiteral("?"));
    m_painter.setPen(m_paper);
    m_painter.drawText(box(-0.5, -0.5, 2, 2), Qt::AlignCenter, QStringLiteral("?"));
}

void ToolGlyphPainter::listing() const
{
    pen(m_ink, 0.06);
    m_painter.setBrush(m_paper);
    m_painter.drawRect(box(0.14, 0.04, 0.72, 0.92));
    for (const qreal y : {0.22, 0.40, 0.58, 0.76}) {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(m_accent);
        m_painter.drawEllipse(at(0.28, y), m_size * 0.05, m_size * 0.05);
        pen(m_ink, 0.06);
        m_painter.drawLine(at(0.40, y), at(0.76, y));
    }
}

void ToolGlyphPainter::envelope() const
{
    pen(m_ink, 0.06);
    m_painter.setBrush(m_paper);
    const QRectF body = box(0.04, 0.20, 0.92, 0.62);
    m_painter.drawRect(body);
    m_painter.setBrush(Qt::NoBrush);
    const QPointF flap[] = {body.topLeft(), at(0.50, 0.58), body.topRight()};
    m_painter.drawPolyline(flap, 3);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(m_accent);
    m_painter.drawRect(box(0.72, 0.28, 0.14, 0.14));
}

void ToolGlyphPainter::labels() const
{
    pen(m_ink, 0.05);
    m_painter.setBrush(m_paper);
    m_painter.drawRect(box(0.10, 0.02, 0.80, 0.96));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 2; ++column) {
            m_painter.setBrush(row == 0 && column == 0 ? m_accent : m_paper);
            const QRectF label = box(0.17 + column * 0.35, 0.09 + row * 0.30, 0.31, 0.24);
            m_painter.drawRoundedRect(label, m_size * 0.04, m_size * 0.04);
        }
    }
}

void ToolGlyphPainter::marked() const
{
    // Three rows, the marked ones with their page-coloured marker and a tick.
    for (int row = 0; row < 3; ++row) {
        const qreal y = 0.10 + row * 0.30;
        pen(m_ink, 0.05);
        m_painter.setBrush(row == 1 ? QColor(kFrameLight) : m_paper);
        m_painter.drawRect(box(0.04, y, 0.18, 0.22));
        m_painter.setBrush(m_paper);
        m_painter.drawRect(box(0.28, y, 0.44, 0.22));
    }
    pen(m_accent, 0.13);
    m_painter.setBrush(Qt::NoBrush);
    const QPointF tick[] = {at(0.62, 0.62), at(0.76, 0.80), at(0.98, 0.40)};
    m_painter.drawPolyline(tick, 3);
}

void ToolGlyphPainter::unmark() const
{
    pen(m_ink, 0.06);
    m_painter.setBrush(m_paper);
    m_painter.drawRect(box(0.08, 0.12, 0.70, 0.70));
    pen(m_ink, 0.10);
    const QPointF tick[] = {at(0.20, 0.46), at(0.36, 0.64), at(0.66, 0.26)};
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolyline(tick, 3);
    // The cross that clears it.
    pen(m_accent, 0.13);
    m_painter.drawLine(at(0.60, 0.58), at(0.94, 0.92));
    m_painter.drawLine(at(0.94, 0.58), at(0.60, 0.92));
}

void ToolGlyphPainter::settings() const
{
    // A page of columns and the toothed wheel that sets them.
    pen(m_ink, 0.06);
    m_painter.setBrush(m_paper);
    m_painter.drawRect(box(0.08, 0.10, 0.62, 0.80));
    for (const qreal x : {0.28, 0.48})
        m_painter.drawLine(at(x, 0.22), at(x, 0.78));
    const QPointF centre = at(0.70, 0.68);
    pen(m_accent, 0.10);
    for (int tooth = 0; tooth < 8; ++tooth) {
        const qreal angle = tooth * M_PI / 4;
        m_painter.drawLine(centre, centre + QPointF(std::cos(angle), std::sin(angle)) * (0.24 * m_size));
    }
    pen(m_ink, 0.05);
    m_painter.setBrush(m_accent);
    m_painter.drawEllipse(centre, 0.17 * m_size, 0.17 * m_size);
    m_painter.setBrush(m_paper);
    m_painter.drawEllipse(centre, 0.06 * m_size, 0.06 * m_size);
}
