#pragma once

#include "resources/PictureSpec.h"

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

// The drawings on the company guide's toolbar keys: a record card, an export arrow, a sort, the
// whole table, a folder, a question mark, a listing, an envelope, a sheet of labels, the marked
// companies, the clearing of the marks and the print preview's settings. Named by the row's caption.
class ToolGlyphPainter
{
public:
    ToolGlyphPainter(QPainter& painter, PictureFace face);

    // Draws `glyph` centred in `box`; an unknown name draws nothing.
    void draw(const QString& glyph, const QRectF& box) const;

private:
    QPointF at(qreal x, qreal y) const;
    QRectF box(qreal x, qreal y, qreal w, qreal h) const;
    void pen(const QColor& colour, qreal width) const;

    void card() const;
    void exportSheet() const;
    void sort() const;
    void table() const;
    void folder() const;
    void question() const;
    void listing() const;
    void envelope() const;
    void labels() const;
    void marked() const;
    void unmark() const;
    void settings() const;

    QPainter& m_painter;
    QColor m_paper; // the glyph's body
    QColor m_ink; // its lines
    QColor m_accent; // its highlight
    mutable QPointF m_origin;
    mutable qreal m_size = 0;
};
