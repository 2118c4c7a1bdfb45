#include "platform/print/PrintFont.h"

#include "platform/ui/Fonts.h"

QFont PrintFont::toFont() const
{
    return Fonts::font(name, pointSize > 0 ? pointSize : 1, bold, italic, underline);
}
