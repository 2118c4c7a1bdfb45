#include "platform/print/PrintPainter.h"

#include "platform/print/PrintSurface.h"

#include <QPaintDevice>
#include <QPainter>

namespace {
constexpr double kCmPerInch = 2.54;
// A hairline that still shows on a 1200 dpi page: half a point.
constexpr double kLineWidthCm = kCmPerInch / 144;
} // namespace

PrintPainter::PrintPainter(QPainter& painter, double pixelsPerCm)
    : m_painter(painter)
    , m_pixelsPerCm(pixelsPerCm)
{
}

void PrintPainter::paint(const PrintPage& page)
{
    for (const PrintItem& item : page)
        paint(item);
}

void PrintPainter::paint(const PrintItem& item)
{
    const QPointF at = item.at * m_pixelsPerCm;
    switch (item.kind) {
    case PrintItem::Kind::Text:
        paintText(item);
        break;
    case PrintItem::Kind::Picture: {
        const QSizeF size = PrintSurface::pictureSize(item.picture) * m_pixelsPerCm;
        m_painter.drawImage(QRectF(at, size), item.picture);
        break;
    }
    case PrintItem::Kind::Line: {
        QPen pen(Qt::black);
        pen.setWidthF(qMax(1.0, kLineWidthCm * m_pixelsPerCm));
        m_painter.setPen(pen);
        m_painter.drawLine(at, item.to * m_pixelsPerCm);
        break;
    }
    }
}

const PrintPainter::DeviceFont& PrintPainter::useFont(const PrintFont& font)
{
    if (m_font && m_font->font == font)
        return *m_font;
    const double layoutPerCm = PrintSurface::kLayoutDpi / kCmPerInch;
    QFont deviceFont = font.toFont();
    // Points are physical: from the device's own resolution to the layout's.
    const int dpi = m_painter.device() ? m_painter.device()->logicalDpiY() : 96;
    deviceFont.setPointSizeF(deviceFont.pointSizeF() * PrintSurface::kLayoutDpi / qMax(1, dpi));
    m_font = DeviceFont {font, deviceFont, PrintSurface::ascent(font).toCm() * layoutPerCm,
        PrintSurface::linePitch(font).toCm() * layoutPerCm};
    m_painter.setFont(deviceFont);
    return *m_font;
}

void PrintPainter::paintText(const PrintItem& item)
{
    // Laid out at the layout's resolution, as the surfaces measured it, and scaled to the device's:
    // each glyph stands where it stands on paper, at any zoom and on any printer.
    const double layoutPerCm = PrintSurface::kLayoutDpi / kCmPerInch;
    const DeviceFont& font = useFont(item.font);
    const QTransform deviceTransform = m_painter.worldTransform();
    const double scale = m_pixelsPerCm / layoutPerCm;
    // A printer at the layout's resolution takes the text as laid out, without a change of transform.
    const bool scaled = qAbs(scale - 1) > 1e-9;
    if (scaled)
        m_painter.scale(scale, scale);
    m_painter.setPen(Qt::black);
    QPointF baseline = item.at * layoutPerCm + QPointF(0, font.ascent);
    const QStringList lines = item.text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        m_painter.drawText(baseline, line);
        baseline.ry() += font.pitch;
    }
    if (scaled)
        m_painter.setWorldTransform(deviceTransform);
}
