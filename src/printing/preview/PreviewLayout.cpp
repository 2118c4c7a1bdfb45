#include "printing/preview/PreviewLayout.h"

#include <cmath>

PreviewLayout PreviewLayout::compute(const QSizeF& windowCm, bool twoRows, const QSizeF& pageCm)
{
    const double w = windowCm.width();
    const double h = windowCm.height();
    const double b = twoRows ? 2.0 : 1.2;
    PreviewLayout layout;
    layout.bar = QRectF(0, 0, w, b);
    layout.frame = QRectF(0.55, b + 0.55, w - 1.0, h - b - 1.0);
    layout.verticalRuler = QRectF(0, layout.frame.top(), kRulerCm, layout.frame.height());
    layout.horizontalRuler = QRectF(layout.frame.left(), b, layout.frame.width(), kRulerCm);
    layout.verticalBar = QRectF(w - kScrollBarCm - 0.02, b, kScrollBarCm, h - b - 0.5);
    layout.horizontalBar = QRectF(0, layout.frame.bottom() - 0.04, w - kScrollBarCm, kScrollBarCm);
    layout.horizontalMaximum = scrollMaximum(pageCm.width(), layout.frame.width());
    layout.verticalMaximum = scrollMaximum(pageCm.height(), layout.frame.height());
    return layout;
}

int PreviewLayout::scrollMaximum(double pageCm, double frameCm)
{
    const double excess = pageCm - (frameCm - 1.0);
    if (excess <= 0)
        return 0;
    // nearbyint rounds a half to the even neighbour.
    return int(4 * std::nearbyint(excess));
}

int PreviewLayout::scrollToShow(double startCm, double endCm, double viewCm, int value, int maximum)
{
    // The scroll bar lies over the view's far edge; a step more keeps the stretch clear of it.
    const double clear = viewCm - kScrollBarCm - kScrollStepCm;
    int wanted = value;
    if (endCm > -offsetCm(wanted) + clear)
        wanted = int(std::ceil((endCm - clear) / kScrollStepCm));
    if (startCm < -offsetCm(wanted))
        wanted = int(std::floor(startCm / kScrollStepCm));
    return qBound(0, wanted, maximum);
}

QRect PreviewLayout::toPixels(const QRectF& cm)
{
    const QRectF px(cm.topLeft() * kPixelsPerCm, cm.size() * kPixelsPerCm);
    return QRect(
        qRound(px.left()), qRound(px.top()), qMax(0, qRound(px.width())), qMax(0, qRound(px.height())));
}
