#include "platform/print/PreviewSurface.h"

#include "platform/print/Printers.h"

#include <QStringList>

namespace {
// A line is hit within a millimetre of it.
constexpr double kLineReachCm = 0.1;
} // namespace

PreviewSurface::PreviewSurface(const PageExtent& pageArea)
    : m_pageArea(pageArea)
{
}

PreviewSurface::~PreviewSurface() = default;

bool PreviewSurface::applyPage(const QPageSize& paper, QPageLayout::Orientation orientation)
{
    const QSizeF area = Printers::pdfPageArea(paper, orientation);
    if (area.isEmpty())
        return false;
    m_pageArea = PageExtent::fromCm(area);
    return true;
}

void PreviewSurface::beginPage(int index)
{
    m_drawingPage = index;
}

void PreviewSurface::draw(const PrintItem& item)
{
    if (m_drawingPage == 0)
        m_page.append(item);
}

bool PreviewSurface::finish()
{
    return true;
}

void PreviewSurface::discard()
{
    m_page.clear();
}

QRectF PreviewSurface::bounds(const PrintItem& item)
{
    switch (item.kind) {
    case PrintItem::Kind::Text: {
        const QStringList lines = item.text.split(QLatin1Char('\n'));
        double width = 0;
        for (const QString& line : lines)
            width = qMax(width, measure(line, item.font).width.toCm());
        const double height = textHeight(lines.size(), item.font).toCm();
        return QRectF(item.at, QSizeF(width, height));
    }
    case PrintItem::Kind::Picture:
        return QRectF(item.at, pictureSize(item.picture));
    case PrintItem::Kind::Line:
        return QRectF(item.at, item.to)
            .normalized()
            .adjusted(-kLineReachCm, -kLineReachCm, kLineReachCm, kLineReachCm);
    }
    return {};
}

int PreviewSurface::itemAt(const PrintPage& page, const QPointF& atCm)
{
    for (qsizetype i = page.size() - 1; i >= 0; --i) {
        if (bounds(page.at(i)).contains(atCm))
            return int(i);
    }
    return -1;
}
