#include "platform/print/PrintSurface.h"

#include <QFontMetricsF>

namespace {

constexpr double kCmPerInch = 2.54;
constexpr int kReferenceDpi = PrintSurface::kLayoutDpi;

// Text is measured on a page of the layout's resolution.
const QImage& referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(kReferenceDpi / kCmPerInch * 100);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

} // namespace

PrintSurface::~PrintSurface() = default;

bool PrintSurface::prepare()
{
    if (m_finished)
        return false;
    if (m_pages == 0 || m_pageWanted) {
        beginPage(m_pages);
        ++m_pages;
        m_pageWanted = false;
    }
    return true;
}

void PrintSurface::text(const QPointF& atCm, const QString& text, const PrintFont& font)
{
    this->text(PagePoint::fromCm(atCm), text, font);
}

void PrintSurface::picture(const QPointF& atCm, const QImage& picture)
{
    this->picture(PagePoint::fromCm(atCm), picture);
}

void PrintSurface::line(const QPointF& fromCm, const QPointF& toCm)
{
    line(PagePoint::fromCm(fromCm), PagePoint::fromCm(toCm));
}

void PrintSurface::text(const PagePoint& at, const QString& text, const PrintFont& font)
{
    // An empty text draws nothing, so it begins no page.
    if (text.isEmpty() || !prepare())
        return;
    PrintItem item;
    item.kind = PrintItem::Kind::Text;
    item.at = at.toCm();
    item.text = text;
    item.font = font;
    draw(item);
}

void PrintSurface::picture(const PagePoint& at, const QImage& picture)
{
    if (picture.isNull() || !prepare())
        return;
    PrintItem item;
    item.kind = PrintItem::Kind::Picture;
    item.at = at.toCm();
    item.picture = picture;
    draw(item);
}

void PrintSurface::line(const PagePoint& from, const PagePoint& to)
{
    if (!prepare())
        return;
    PrintItem item;
    item.kind = PrintItem::Kind::Line;
    item.at = from.toCm();
    item.to = to.toCm();
    draw(item);
}

void PrintSurface::newPage()
{
    if (m_pages > 0)
        m_pageWanted = true;
}

bool PrintSurface::end()
{
    if (m_finished)
        return false;
    m_finished = true;
    return finish();
}

void PrintSurface::abort()
{
    if (m_finished)
        return;
    m_finished = true;
    discard();
}

bool PrintSurface::setPage(const QPageSize& paper, QPageLayout::Orientation orientation)
{
    return paper.isValid() && applyPage(paper, orientation);
}

bool PrintSurface::setPage(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation)
{
    return setPage(QPageSize(paper), orientation);
}

QPageSize PrintSurface::paper(Length width, Length height)
{
    if (width <= Length() || height <= Length())
        return QPageSize();
    // Exactly the size asked for, even where a standard sheet is close to it.
    return QPageSize(
        QSizeF(width.toMm(), height.toMm()), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

PageExtent PrintSurface::textExtent(const QString& text, const PrintFont& font) const
{
    return measure(text, font);
}

PageExtent PrintSurface::measure(const QString& text, const PrintFont& font)
{
    const QFontMetricsF metrics(font.toFont(), &referenceDevice());
    return PageExtent {Length::pixels(metrics.horizontalAdvance(text), kReferenceDpi),
        Length::pixels(metrics.height(), kReferenceDpi)};
}

Length PrintSurface::lineSpacing(const PrintFont& font)
{
    return Length::pixels(QFontMetricsF(font.toFont(), &referenceDevice()).lineSpacing(), kReferenceDpi);
}

Length PrintSurface::linePitch(const PrintFont& font)
{
    return Length::cm(0.04 * font.pointSize);
}

Length PrintSurface::textHeight(qsizetype lines, const PrintFont& font)
{
    if (lines < 1)
        return Length();
    return Length::cm(linePitch(font).toCm() * double(lines - 1) + lineSpacing(font).toCm());
}

Length PrintSurface::ascent(const PrintFont& font)
{
    return Length::pixels(QFontMetricsF(font.toFont(), &referenceDevice()).ascent(), kReferenceDpi);
}

QSizeF PrintSurface::pictureSize(const QImage& picture)
{
    const double dotsPerCmX = picture.dotsPerMeterX() > 0 ? picture.dotsPerMeterX() / 100.0 : 96 / kCmPerInch;
    const double dotsPerCmY = picture.dotsPerMeterY() > 0 ? picture.dotsPerMeterY() / 100.0 : 96 / kCmPerInch;
    return QSizeF(picture.width() / dotsPerCmX, picture.height() / dotsPerCmY);
}
