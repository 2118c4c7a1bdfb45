#pragma once

#include <QColor>
#include <QPoint>
#include <QRectF>
#include <QString>

class QPainter;

// The small drawings the pictures are made of: the hand pointer, the printer, the calculator and the
// plate-and-cutlery emblem of the trade.
class GlyphPainter
{
public:
    explicit GlyphPainter(QPainter& painter);

    // A pointing hand drawn on a 32 x 32 grid scaled to the box.
    void hand(const QRectF& box) const;
    // Where the fingertip is on that grid.
    static QPoint handHotSpot() { return {12, 1}; }

    // A printer in the box: body in the body colour, sheets in paper, slot and lines in ink.
    void printer(const QRectF& box, const QColor& body, const QColor& paper, const QColor& ink,
        const QColor& light) const;

    // A pocket calculator drawn pixel by pixel: it is meant for 31 x 32 pixels at the given corner.
    void calculator(const QPoint& topLeft) const;

    // A plate between a fork and a knife, outlined in the given colour, centred in the box.
    void emblem(const QRectF& box, const QColor& colour, qreal penWidth) const;

    // A document of the explorer's list, a page with a turned corner and a badge naming its kind:
    // "PDF" (red), "XLS" (green, a spreadsheet) or "DOC" (blue, a word-processor text).
    void fileIcon(const QRectF& box, const QString& kind) const;

    // An open folder in the product's orange, with a sheet showing.
    void folder(const QRectF& box) const;

    // The export dialog's formats: "XLS" a green spreadsheet, "DOC" a blue document, "TXT" a notepad.
    void formatIcon(const QRectF& box, const QString& kind) const;

private:
    QPainter& m_painter;
};
