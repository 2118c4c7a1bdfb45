#include "platform/print/PrintSurface.h"

#include <QFontMetricsF>

namespace {

constexpr double kCmPerInch = 2.54;
constexpr int kReferenceDpi = 1200;

// Measurements of a surface without a device of its own are those of a 1200 dpi page.
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

void PrintSurface::text(const QPointF& at, const QString& text, const PrintFont& font)
{
    // An empty text draws nothing, so it begins no page.
    if (text.isEmpty() || !prepare())
        return;
    PrintItem item;
    item.kind = PrintItem::Kind::Text;
    item.at = at;
    item.text = text;
    item.font = font;
    draw(item);
}

void PrintSurface::picture(const QPointF& at, const QImage& picture)
{
    if (picture.isNull() || !prepare())
        return;
    PrintItem item;
    item.kind = PrintItem::Kind::Picture;
    item.at = at;
    item.picture = picture;
    draw(item);
}

void PrintSurface::line(const QPointF& from, const QPointF& to)
{
    if (!prepare())
        return;
    PrintItem item;
    item.kind = PrintItem::Kind::Line;
    item.at = from;
    item.to = to;
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

QSizeF PrintSurface::textSize(const QString& text, const PrintFont& font) const
{
    const QFontMetricsF metrics(font.toFont(), &referenceDevice());
    return QSizeF(metrics.horizontalAdvance(text), metrics.height()) * (kCmPerInch / kReferenceDpi);
}

double PrintSurface::lineHeight(const PrintFont& font) const
{
    return QFontMetricsF(font.toFont(), &referenceDevice()).lineSpacing() * (kCmPerInch / kReferenceDpi);
}

QSizeF PrintSurface::pictureSize(const QImage& picture)
{
    const double dotsPerCmX = picture.dotsPerMeterX() > 0 ? picture.dotsPerMeterX() / 100.0 : 96 / kCmPerInch;
    const double dotsPerCmY = picture.dotsPerMeterY() > 0 ? picture.dotsPerMeterY() / 100.0 : 96 / kCmPerInch;
    return QSizeF(picture.width() / dotsPerCmX, picture.height() / dotsPerCmY);
}
