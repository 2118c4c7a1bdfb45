#pragma once

#include <QWidget>

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
