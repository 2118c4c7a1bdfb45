#pragma once

#include "resources/PictureSpec.h"

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

// The faces of the buttons: a rounded dark key with an orange rule, lit orange with white text for the
// roll-over face, greyed for the disabled one. Every face of a button fills the same rectangle.
class FacePainter
{
public:
    FacePainter(QPainter& painter, PictureFace face);

    // A key with its caption, shrunk to fit on one line.
    void captionButton(const QRectF& rect, const QString& caption) const;
    // A key with a printer on it.
    void printerButton(const QRectF& rect) const;
    // A key of the guide's toolbar with the drawing that `glyph` names.
    void toolButton(const QRectF& rect, const QString& glyph) const;
    // Keys of the dialogs: a tick to accept, a cross to cancel, a question mark for help.
    void acceptButton(const QRectF& rect) const;
    void cancelButton(const QRectF& rect) const;
    void helpButton(const QRectF& rect) const;
    // A key with an arrow pointing back (left) or forward (right).
    void arrowButton(const QRectF& rect, bool back) const;
    // A cream box in a dark frame, ticked in orange when checked.
    void checkBox(const QRectF& rect, bool checked) const;
    // A key with an arrow up (ascending) or down; a chosen direction is a pressed key, arrow greyed.
    void directionButton(const QRectF& rect, bool up, bool chosen) const;

private:
    void key(const QRectF& rect) const;
    QColor markColour() const;

    QPainter& m_painter;
    PictureFace m_face;
};
