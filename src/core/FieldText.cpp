#include "core/FieldText.h"

namespace FieldText {

QString oneLine(const QString& text)
{
    QString line;
    line.reserve(text.size());
    bool corte = false;
    for (const QChar c : text) {
        const QChar::Category category = c.category();
        const bool control = category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph;
        if (control) {
            corte = true;
            continue;
        }
        if (corte) {
            corte = false;
            if (!line.isEmpty() && !line.endsWith(QLatin1Char(' ')))
                line.append(QLatin1Char(' '));
            if (c == QLatin1Char(' ') && line.endsWith(QLatin1Char(' ')))
                continue;
        }
        line.append(c);
    }
    return line;
}

} // namespace FieldText
