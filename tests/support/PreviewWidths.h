#pragma once

#include "platform/print/PrintItem.h"

#include <QList>
#include <QPointF>
#include <QString>

class QWidget;

// How wide each line of a preview's page is on screen and on paper.
namespace PreviewWidths {

struct Line
{
    QString text; // as the preview draws it
    QString printed; // the words printed where it lies, joined by one blank
    double screenCm = -1; // -1 when the screen drew no such line
    double paperCm = -1;
};

// Every line of text of `page` without blanks at its ends, as `sheet` paints it at `pixelsPerCm`
// and as the first page of `pdf` prints it, whose page area begins `origin` points into the sheet.
QList<Line> measure(
    QWidget& sheet, const PrintPage& page, double pixelsPerCm, const QString& pdf, const QPointF& origin);

// The first of `lines` printed with other words than shown, or wider or narrower on screen than on
// paper by more than `tolerance` (a fraction of its width on paper); empty when there is none.
QString difference(const QList<Line>& lines, double tolerance);

} // namespace PreviewWidths
