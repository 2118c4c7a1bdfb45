#pragma once

#include <QRectF>
#include <QSizeF>

// Where the preview window puts its parts, in centimetres of the window (567 twips each), for an
// inner window size, a button bar of one or two rows and a page area; and how far the scroll bars
// can move the page (each step a quarter of a centimetre).
struct PreviewLayout
{
    // The window's scale: 567 twips to the centimetre, 15 twips to the pixel.
    static constexpr double kPixelsPerCm = 567.0 / 15.0;
    static constexpr double kScrollBarCm = 0.45;
    static constexpr double kRulerCm = 0.5;
    // One scroll step moves the page this far.
    static constexpr double kScrollStepCm = 0.25;

    QRectF bar; // picBotones
    QRectF frame; // picFondo, holding the page
    QRectF verticalRuler; // picVScroll
    QRectF horizontalRuler; // picHScroll
    QRectF verticalBar; // VScroll1
    QRectF horizontalBar; // HScroll1
    int horizontalMaximum = 0;
    int verticalMaximum = 0;

    // `twoRows`: the bar also shows the attention line (labels and envelopes).
    static PreviewLayout compute(const QSizeF& windowCm, bool twoRows, const QSizeF& pageCm);
    // Steps that move a page over the whole of `excessCm` less a centimetre: four to the whole
    // centimetre nearest to it (a half to the even one); 0 when the page fits.
    static int scrollMaximum(double pageCm, double frameCm);
    // The scroll value, from `value`, that brings the stretch from `startCm` to `endCm` of the page
    // into a view `viewCm` long, clear of the scroll bar along the view's far edge; where both ends
    // cannot show, the start does.
    static int scrollToShow(double startCm, double endCm, double viewCm, int value, int maximum);
    // The page's offset for a scroll value.
    static double offsetCm(int value) { return value == 0 ? 0.0 : -value * kScrollStepCm; }
    static QRect toPixels(const QRectF& cm);
};
