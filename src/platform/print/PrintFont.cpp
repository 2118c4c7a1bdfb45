#include "platform/print/PrintFont.h"

#include "platform/ui/Fonts.h"

QFont PrintFont::toFont() const
{
    QFont font = Fonts::font(name, pointSize > 0 ? pointSize : 1, bold, italic, underline);
    if (stretch != 100)
        font.setStretch(qBound(1, stretch, 4000));
    return font;
}
