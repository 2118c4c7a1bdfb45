#pragma once

#include <QColor>

// Lengths of the forms are in twips: 15 to a pixel at 96 dots per inch.
namespace Twips {

inline constexpr int kPerPixel = 15;

constexpr int toPixels(int twips)
{
    return twips / kPerPixel;
}
constexpr int fromPixels(int pixels)
{
    return pixels * kPerPixel;
}
constexpr double toPixelsF(double twips)
{
    return twips / kPerPixel;
}

} // namespace Twips

// Colours are written &HBBGGRR: blue in the high byte.
constexpr QRgb bgrToRgb(quint32 bbggrr)
{
    return qRgb(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

inline QColor bgrColor(quint32 bbggrr)
{
    return QColor::fromRgb(bgrToRgb(bbggrr));
}

constexpr quint32 rgbToBgr(QRgb rgb)
{
    return quint32(qRed(rgb)) | (quint32(qGreen(rgb)) << 8) | (quint32(qBlue(rgb)) << 16);
}

#include <QWidget>

namespace Twips {

// Places a control by the form's twips, relative to its container.
inline void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(toPixels(left), toPixels(top), qMax(0, toPixels(width)), qMax(0, toPixels(height)));
}

inline void move(QWidget* widget, int left, int top)
{
    widget->move(toPixels(left), toPixels(top));
}

inline int left(const QWidget* w)
{
    return fromPixels(w->x());
}
inline int top(const QWidget* w)
{
    return fromPixels(w->y());
}
inline int width(const QWidget* w)
{
    return fromPixels(w->width());
}
inline int height(const QWidget* w)
{
    return fromPixels(w->height());
}

} // namespace Twips
