#include "platform/print/PrintPainter.h"

#include "platform/print/PrintSurface.h"

#include <QPaintDevice>
#include <QPainter>

namespace {
// A hairline that still shows on a 1200 dpi page: half a point.
constexpr double kLineWidthCm = 2.54 / 144;
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

void PrintPainter::paintText(const PrintItem& item)
{
    QFont font = item.font.toFont();
    // Points are physical: scale them from the device's own resolution to the page's.
    const int dpi = m_painter.device() ? m_painter.device()->logicalDpiY() : 96;
    font.setPointSizeF(font.pointSizeF() * m_pixelsPerCm * 2.54 / qMax(1, dpi));
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    // Placed by the surfaces' common measures, not the device's, so that a page keeps its lines
    // where the layout put them at every zoom and on paper.
    QPointF baseline = (item.at + QPointF(0, PrintSurface::ascent(item.font).toCm())) * m_pixelsPerCm;
    const double pitch = PrintSurface::lineSpacing(item.font).toCm() * m_pixelsPerCm;
    const QStringList lines = item.text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        m_painter.drawText(baseline, line);
        baseline.ry() += pitch;
    }
}
