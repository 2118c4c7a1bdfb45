#include "platform/ui/Fonts.h"

#include <QStringList>

namespace Fonts {

void install()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const struct
    {
        const char* windows;
        QStringList faces;
    } map[] = {
        {"Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"}},
        {"Courier New", {"Liberation Mono", "Cousine", "DejaVu Sans Mono"}},
        {"Century Gothic", {"URW Gothic", "URW Gothic L", "Liberation Sans"}},
        {"Tahoma", {"DejaVu Sans", "Liberation Sans"}},
        {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
    };
    for (const auto& m : map)
        QFont::insertSubstitutions(QString::fromLatin1(m.windows), m.faces);
}

QFont font(const QString& name, double pointSize, bool bold, bool italic, bool underline)
{
    install();
    QFont f(name);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

} // namespace Fonts
