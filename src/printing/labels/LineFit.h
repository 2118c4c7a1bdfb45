#pragma once

#include "platform/print/PrintFont.h"

#include <QStringList>

// Lines of text made to fit a width on the page: the type is narrowed down to a legible minimum, and
// a line still too wide is then cut with an ellipsis. Measured as every print surface lays text out,
// so that the preview and the paper fit alike.
namespace LineFit {

// The narrowest type, in percent of its own width.
constexpr int kMinStretch = 60;

struct Fitted
{
    QStringList lines;
    PrintFont font;
};

// Lines that share one font: narrowed together as far as the widest needs, then each line still wider
// than `widthCm` cut. A width too small for even the ellipsis leaves the line empty.
Fitted fit(const QStringList& lines, const PrintFont& font, double widthCm);

} // namespace LineFit
