#pragma once

#include "platform/print/PrintFont.h"

#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>

// One thing drawn on a page, in centimetres from the page area's top-left corner.
struct PrintItem
{
    enum class Kind { Text, Picture, Line };

    Kind kind = Kind::Text;
    QPointF at; // text and picture: top-left corner; line: first end
    QPointF to; // line: second end
    QString text; // its lines separated by '\n'
    PrintFont font;
    QImage picture;
};

using PrintPage = QList<PrintItem>;
