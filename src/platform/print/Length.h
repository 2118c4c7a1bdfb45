#pragma once

#include <QPointF>
#include <QSizeF>
#include <compare>

// A length on the page. Built by its unit (Length::cm(2), Length::twips(567)) and read back in any
// unit, so that no code passes a bare number whose unit it must guess.
class Length
{
public:
    constexpr Length() = default;

    static constexpr Length cm(double value) { return Length(value); }
    static constexpr Length mm(double value) { return Length(value / 10); }
    static constexpr Length inches(double value) { return Length(value * kCmPerInch); }
    static constexpr Length twips(double value) { return Length(value * kCmPerInch / 1440); }
    static constexpr Length points(double value) { return Length(value * kCmPerInch / 72); }
    // A length of pixels on a device with the given resolution.
    static constexpr Length pixels(double value, double dotsPerInch)
    {
        return Length(value * kCmPerInch / dotsPerInch);
    }

    constexpr double toCm() const { return m_cm; }
    constexpr double toMm() const { return m_cm * 10; }
    constexpr double toTwips() const { return m_cm * 1440 / kCmPerInch; }
    constexpr double toPoints() const { return m_cm * 72 / kCmPerInch; }
    constexpr double toPixels(double dotsPerInch) const { return m_cm * dotsPerInch / kCmPerInch; }

    constexpr Length operator-() const { return Length(-m_cm); }
    constexpr Length& operator+=(Length other)
    {
        m_cm += other.m_cm;
        return *this;
    }
    constexpr Length& operator-=(Length other)
    {
        m_cm -= other.m_cm;
        return *this;
    }
    constexpr Length& operator*=(double factor)
    {
        m_cm *= factor;
        return *this;
    }
    constexpr Length& operator/=(double divisor)
    {
        m_cm /= divisor;
        return *this;
    }

    friend constexpr Length operator+(Length a, Length b) { return a += b; }
    friend constexpr Length operator-(Length a, Length b) { return a -= b; }
    friend constexpr Length operator*(Length a, double factor) { return a *= factor; }
    friend constexpr Length operator*(double factor, Length a) { return a *= factor; }
    friend constexpr Length operator/(Length a, double divisor) { return a /= divisor; }
    // How many times one length holds the other.
    friend constexpr double operator/(Length a, Length b) { return a.m_cm / b.m_cm; }
    friend constexpr auto operator<=>(Length a, Length b) = default;
    friend constexpr bool operator==(Length a, Length b) = default;

private:
    static constexpr double kCmPerInch = 2.54;

    // Centimetres, the unit of the page layouts, so that their numbers come back exactly.
    constexpr explicit Length(double cm)
        : m_cm(cm)
    {
    }

    double m_cm = 0;
};

// A place on the page, from the page area's top-left corner.
struct PagePoint
{
    Length x;
    Length y;

    // In centimetres, as the painters take it.
    constexpr QPointF toCm() const { return QPointF(x.toCm(), y.toCm()); }
    static constexpr PagePoint fromCm(const QPointF& point)
    {
        return PagePoint {Length::cm(point.x()), Length::cm(point.y())};
    }
    friend constexpr bool operator==(const PagePoint&, const PagePoint&) = default;
};

// A size on the page.
struct PageExtent
{
    Length width;
    Length height;

    constexpr QSizeF toCm() const { return QSizeF(width.toCm(), height.toCm()); }
    static constexpr PageExtent fromCm(const QSizeF& size)
    {
        return PageExtent {Length::cm(size.width()), Length::cm(size.height())};
    }
    friend constexpr bool operator==(const PageExtent&, const PageExtent&) = default;
};
