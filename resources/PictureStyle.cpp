#include "resources/PictureStyle.h"

#include <QFontMetricsF>
#include <QPainter>

namespace PictureStyle {

namespace {
constexpr qreal kSmallestFont = 7;
}

QFont font(qreal pixelSize, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    // Grey anti-aliasing: the pictures are shown on any screen, some on transparent corners.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setBold(bold);
    return f;
}

QFont fitted(const QFont& font, const QString& text, const QSizeF& box)
{
    QFont f = font;
    for (int px = f.pixelSize(); px > kSmallestFont; --px) {
        f.setPixelSize(px);
        const QFontMetricsF metrics(f);
        if (metrics.horizontalAdvance(text) <= box.width() && metrics.capHeight() <= box.height())
            return f;
    }
    f.setPixelSize(int(kSmallestFont));
    return f;
}

QImage canvas(const QSize& size, bool opaque)
{
    QImage image(size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? QColor(kFrame) : QColor(Qt::transparent));
    return image;
}

void greyOut(QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            // Premultiplied or not, a grey of the same alpha stays valid.
            const int grey = (qGray(c) + qRound(qGray(kFrame) * qAlpha(c) / 255.0)) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(c));
        }
    }
}

void prepare(QPainter& painter)
{
    painter.setRenderHints(
        QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

} // namespace PictureStyle
