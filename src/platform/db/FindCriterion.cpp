#include "platform/db/FindCriterion.h"

#include "platform/db/DbError.h"
#include "platform/db/SpanishText.h"

namespace {

DbError badCriterion(const QString& text)
{
    return DbError(DbError::BadCriterion, QStringLiteral("Criterio de búsqueda no válido: %1").arg(text));
}

// ADO wildcards (* and %) become SQL's %; everything else, [x] included, is a literal.
QByteArray toLikePattern(const QString& value)
{
    QString out;
    out.reserve(value.size() + 4);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('*') || c == QLatin1Char('%')) {
            out += QLatin1Char('%');
            continue;
        }
        QChar literal = c;
        if (c == QLatin1Char('[') && i + 2 < value.size() && value.at(i + 2) == QLatin1Char(']')) {
            literal = value.at(i + 1);
            i += 2;
        }
        if (literal == QLatin1Char('%') || literal == QLatin1Char('_') || literal == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        out += literal;
    }
    return out.toUtf8();
}

} // namespace

FindCriterion FindCriterion::parse(const QString& text)
{
    FindCriterion c;
    const QString s = text.trimmed();
    qsizetype i = 0;
    // Field: a name, or a name in brackets.
    if (s.startsWith(QLatin1Char('['))) {
        const qsizetype close = s.indexOf(QLatin1Char(']'));
        if (close < 0)
            throw badCriterion(text);
        c.m_field = s.mid(1, close - 1);
        i = close + 1;
    } else {
        while (i < s.size() && (s.at(i).isLetterOrNumber() || s.at(i) == QLatin1Char('_')))
            ++i;
        c.m_field = s.left(i);
    }
    if (c.m_field.isEmpty())
        throw badCriterion(text);
    while (i < s.size() && s.at(i).isSpace())
        ++i;

    static const struct
    {
        const char* token;
        Op op;
    } ops[] = {{"<>", Op::NotEqual}, {"<=", Op::LessEqual}, {">=", Op::GreaterEqual}, {"=", Op::Equal},
        {"<", Op::Less}, {">", Op::Greater}, {"LIKE", Op::Like}};
    bool found = false;
    for (const auto& o : ops) {
        const QLatin1String token(o.token);
        if (s.mid(i, token.size()).compare(token, Qt::CaseInsensitive) == 0) {
            c.m_op = o.op;
            i += token.size();
            found = true;
            break;
        }
    }
    if (!found)
        throw badCriterion(text);
    while (i < s.size() && s.at(i).isSpace())
        ++i;

    const QString rest = s.mid(i);
    if (rest.startsWith(QLatin1Char('\''))) {
        QString value;
        qsizetype j = 1;
        bool closed = false;
        while (j < rest.size()) {
            if (rest.at(j) == QLatin1Char('\'')) {
                if (j + 1 < rest.size() && rest.at(j + 1) == QLatin1Char('\'')) {
                    value += QLatin1Char('\'');
                    j += 2;
                    continue;
                }
                closed = true;
                ++j;
                break;
            }
            value += rest.at(j++);
        }
        if (!closed || !rest.mid(j).trimmed().isEmpty())
            throw badCriterion(text);
        c.m_value = value;
    } else if (rest.startsWith(QLatin1Char('#')) && rest.endsWith(QLatin1Char('#')) && rest.size() >= 2) {
        c.m_value = rest.mid(1, rest.size() - 2);
    } else {
        bool ok = false;
        c.m_number = rest.toDouble(&ok);
        if (!ok)
            throw badCriterion(text);
        c.m_numeric = true;
        c.m_value = rest;
    }
    if (c.m_op == Op::Like && c.m_numeric)
        throw badCriterion(text);
    c.m_utf8Value = c.m_value.toUtf8();
    if (c.m_op == Op::Like)
        c.m_likePattern = toLikePattern(c.m_value);
    const char first = c.m_likePattern.isEmpty() ? 0 : c.m_likePattern.at(0);
    if ((first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z') || (first >= '0' && first <= '9'))
        c.m_leadingAscii = char(first | (first >= 'A' && first <= 'Z' ? 0x20 : 0));
    return c;
}

bool FindCriterion::holds(int cmp) const
{
    switch (m_op) {
    case Op::Equal:
        return cmp == 0;
    case Op::NotEqual:
        return cmp != 0;
    case Op::Less:
        return cmp < 0;
    case Op::Greater:
        return cmp > 0;
    case Op::LessEqual:
        return cmp <= 0;
    case Op::GreaterEqual:
        return cmp >= 0;
    case Op::Like:
        break;
    }
    return false;
}

bool FindCriterion::matchesText(QByteArrayView text) const
{
    if (m_op == Op::Like) {
        // Most texts are told apart by their first letter, without the whole comparison: an ASCII
        // letter folds only to itself in the other case. Anything else is left to like().
        if (m_leadingAscii && !text.isEmpty()) {
            const auto c = static_cast<unsigned char>(text.at(0));
            if (c < 0x80 && char(c >= 'A' && c <= 'Z' ? c | 0x20 : c) != m_leadingAscii)
                return false;
        }
        return SpanishText::like(m_likePattern, text, U'\\');
    }
    return holds(SpanishText::compare(text, m_utf8Value));
}

bool FindCriterion::matchesNumber(double number) const
{
    if (m_op == Op::Like)
        return false;
    const int cmp = number < m_number ? -1 : (number > m_number ? 1 : 0);
    return holds(cmp);
}
