#pragma once

#include <QRectF>
#include <QString>

class QPainter;

// The product's larger pictures: splash, working notice, screen titles, window icon, and the title and
// publisher's logo they share with the menu's background.
class BannerPainter
{
public:
    explicit BannerPainter(QPainter& painter);

    void splash(const QRectF& rect, const QString& title, const QString& subtitle) const;
    void working(const QRectF& rect, const QString& caption) const;
    // The name of the screen shown: cream text, orange marker and underline, on the dark frame.
    void titleBand(const QRectF& rect, const QString& caption) const;
    void productIcon(const QRectF& rect) const;
    // A borderless dialog's background: the title band with its name in capitals over a cream page.
    // A shorter band leaves room for controls placed high on a small dialog.
    void dialogBackground(const QRectF& rect, const QString& caption, qreal band = 65) const;
    // The same inside a dark frame, the orange line along its top edge.
    void framedDialogBackground(const QRectF& rect, const QString& caption) const;

    // The product's title from its left baseline point, its year in orange, fitted to the width.
    void productTitle(const QPointF& baseline, const QString& title, qreal pixelSize, qreal width) const;
    // The publisher's mark and name, right-aligned in the box and as high as it.
    void publisherLogo(const QRectF& box) const;
    // The publisher's logo on a dark band, for the head of a printed page.
    void reportLogo(const QRectF& rect) const;

private:
    QPainter& m_painter;
};
