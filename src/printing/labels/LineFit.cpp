#include "printing/labels/LineFit.h"

#include "platform/print/PrintSurface.h"

#include <cmath>

namespace LineFit {

namespace {

// Rounding in the measures: a line exactly as wide as its room fits.
constexpr double kToleranceCm = 1e-6;
const QString kEllipsis = QStringLiteral("…");

double lineWidth(const QString& line, const PrintFont& font)
{
    return line.isEmpty() ? 0.0 : PrintSurface::measure(line, font).width.toCm();
}

bool fits(double width, double widthCm)
{
    return width <= widthCm + kToleranceCm;
}

// The longest start of `line` that fits with the ellipsis after it.
QString cut(const QString& line, const PrintFont& font, double widthCm)
{
    if (!fits(lineWidth(kEllipsis, font), widthCm))
        return QString();
    const auto shortened = [&](qsizetype n) {
        // Never between the two halves of a character.
        if (n > 0 && line.at(n - 1).isHighSurrogate())
            --n;
        QString head = line.left(n);
        while (head.endsWith(QLatin1Char(' ')))
            head.chop(1);
        return head + kEllipsis;
    };
    qsizetype low = 0;
    qsizetype high = line.size() - 1;
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (fits(lineWidth(shortened(middle), font), widthCm))
            low = middle;
        else
            high = middle - 1;
    }
    return shortened(low);
}

// The widest of the lines in that font.
double width(const QStringList& lines, const PrintFont& font)
{
    double widest = 0;
    for (const QString& line : lines)
        widest = qMax(widest, lineWidth(line, font));
    return widest;
}

} // namespace

Fitted fit(const QStringList& lines, const PrintFont& font, double widthCm)
{
    Fitted fitted {lines, font};
    const double widest = width(lines, font);
    if (fits(widest, widthCm))
        return fitted;
    // Letters do not narrow exactly in proportion: a step narrower while the widest still overflows.
    const int guess = widthCm > 0 ? int(std::floor(font.stretch * widthCm / widest)) : 0;
    fitted.font.stretch = qMin(font.stretch, qMax(kMinStretch, guess));
    while (fitted.font.stretch > kMinStretch && !fits(width(lines, fitted.font), widthCm))
        --fitted.font.stretch;
    for (QString& line : fitted.lines) {
        if (!fits(lineWidth(line, fitted.font), widthCm))
            line = cut(line, fitted.font, widthCm);
    }
    return fitted;
}

} // namespace LineFit
