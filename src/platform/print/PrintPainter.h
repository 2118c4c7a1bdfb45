#pragma once

#include "platform/print/PrintItem.h"

#include <QFont>
#include <optional>

class QPainter;

// Paints the items of a page with a painter whose device has `pixelsPerCm` pixels to the centimetre
// (a printer, or the preview's page at any zoom), so that every surface shows the same page. Text is
// laid out at the surfaces' layout resolution and scaled to the device's.
class PrintPainter
{
public:
    PrintPainter(QPainter& painter, double pixelsPerCm);

    void paint(const PrintPage& page);
    void paint(const PrintItem& item);

private:
    // A font as the device takes it, with the places of its lines in layout pixels.
    struct DeviceFont
    {
        PrintFont font;
        QFont deviceFont;
        double ascent = 0;
        double pitch = 0;
    };

    void paintText(const PrintItem& item);
    // The painter's font made `font`, unless it already is.
    const DeviceFont& useFont(const PrintFont& font);

    QPainter& m_painter;
    double m_pixelsPerCm;
    // The painter's font: the items of a page mostly share a few fonts, one after another.
    std::optional<DeviceFont> m_font;
};
