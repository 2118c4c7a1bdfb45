#pragma once

#include "resources/PictureSpec.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

// The table of the program's pictures: a row per name with its size, kind of drawing, face and caption.
// A new picture is a new row; a new kind of drawing is a new PictureKind and a case in render().
class PictureCatalog
{
public:
    static const PictureCatalog& instance();

    // The row of that name, compared without regard to case; null when there is none.
    const PictureSpec* find(const QString& name) const;
    QStringList names() const;

    // Draws the row's picture at its size; needs a QGuiApplication for the fonts.
    static QImage render(const PictureSpec& spec);

private:
    PictureCatalog();

    QHash<QString, const PictureSpec*> m_byName;
};
