#include "platform/db/SqlText.h"

#include <QStringList>

namespace SqlText {
namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Length of the keyword sequence matched at `pos`, or 0.
qsizetype matchAt(const QString& sql, qsizetype pos, const QStringList& words)
{
    if (pos > 0 && isWordChar(sql.at(pos - 1)))
        return 0;
    qsizetype i = pos;
    for (qsizetype w = 0; w < words.size(); ++w) {
        if (w > 0) {
            const qsizetype blanks = i;
            while (i < sql.size() && sql.at(i).isSpace())
                ++i;
            if (i == blanks)
                return 0;
        }
        const QString& word = words.at(w);
        if (QStringView(sql).mid(i, word.size()).compare(word, Qt::CaseInsensitive) != 0)
            return 0;
        i += word.size();
    }
    if (i < sql.size() && isWordChar(sql.at(i)))
        return 0;
    return i - pos;
}

} // namespace

qsizetype indexOfKeyword(const QString& sql, const QString& keyword, qsizetype from)
{
    const QStringList words = keyword.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return -1;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            continue;
        }
        if (c == QLatin1Char('[')) {
            quote = QLatin1Char(']');
            continue;
        }
        if (i >= from && matchAt(sql, i, words) > 0)
            return i;
    }
    return -1;
}

QString literal(const QString& value)
{
    return QLatin1Char('\'') + doubleApostrophes(value) + QLatin1Char('\'');
}

QString doubleApostrophes(const QString& value)
{
    QString out = value;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return out;
}

QString findLiteral(const QString& value)
{
    QString out;
    out.reserve(value.size() + 8);
    for (const QChar c : value) {
        if (c == QLatin1Char('\''))
            out += QLatin1String("''");
        else if (c == QLatin1Char('*') || c == QLatin1Char('%') || c == QLatin1Char('['))
            out += QLatin1Char('[') + c + QLatin1Char(']');
        else
            out += c;
    }
    return out;
}

} // namespace SqlText
