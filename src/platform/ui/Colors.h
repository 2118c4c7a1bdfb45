#pragma once

#include <QColor>

// Colours are written &HBBGGRR: blue in the high byte.
constexpr QRgb bgrToRgb(quint32 bbggrr)
{
    return qRgb(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

inline QColor bgrColor(quint32 bbggrr)
{
    return QColor::fromRgb(bgrToRgb(bbggrr));
}
