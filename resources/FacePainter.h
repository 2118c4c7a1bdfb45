#pragma once

#include "resources/PictureSpec.h"

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

private:
    void key(const QRectF& rect) const;

    QPainter& m_painter;
    PictureFace m_face;
};
