#pragma once

#include <QList>
#include <QPaintDevice>
#include <QPointF>
#include <QSize>
#include <QString>
#include <memory>

// A paint device that keeps, instead of pixels, the text painted on it as the painter laid it out:
// each line's start on its baseline and its advance, in the device's pixels. A widget rendered on it
// tells how wide its texts are on screen.
class TextCapture : public QPaintDevice
{
public:
    struct Line
    {
        QString text;
        QPointF start; // on the baseline
        double width = 0;
    };

    // A device of that size and resolution.
    explicit TextCapture(const QSize& size, int dotsPerInch = 96);
    ~TextCapture() override;

    QPaintEngine* paintEngine() const override;

    // The lines painted, in painting order: runs a painter laid out one after the other on one
    // baseline (a line in several fonts) are one line.
    QList<Line> lines() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    std::unique_ptr<QPaintEngine> m_engine;
    QSize m_size;
    int m_dpi;
};
