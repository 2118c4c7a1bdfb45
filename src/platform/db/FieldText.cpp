#include "platform/db/FieldText.h"

#include <algorithm>

namespace {

bool breaksLine(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line
        || category == QChar::Separator_Paragraph;
}

} // namespace

namespace FieldText {

QString oneLine(const QString& text)
{
    // Most fields have no break: the grid asks for every cell it paints.
    if (std::none_of(text.cbegin(), text.cend(), breaksLine))
        return text;
    QString line;
    line.reserve(text.size());
    bool corte = false;
    for (const QChar c : text) {
        if (breaksLine(c)) {
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
