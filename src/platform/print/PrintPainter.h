#pragma once

#include "platform/print/PrintItem.h"

class QPainter;

// Paints the items of a page with a painter whose device has `pixelsPerCm` pixels to the centimetre
// (a printer, or the preview's page at any zoom), so that every surface shows the same page.
class PrintPainter
{
public:
    PrintPainter(QPainter& painter, double pixelsPerCm);

    void paint(const PrintPage& page);
    void paint(const PrintItem& item);

private:
    void paintText(const PrintItem& item);

    QPainter& m_painter;
    double m_pixelsPerCm;
};
