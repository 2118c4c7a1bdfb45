#include "platform/db/ConnectionString.h"

namespace ConnectionString {

namespace {

// Reads one "key=value" pair from `pos`; false at the end of the text.
bool readPair(const QString& text, qsizetype& pos, QString& key, QString& value, bool& hasValue)
{
    const qsizetype n = text.size();
    while (pos < n && (text[pos] == QLatin1Char(';') || text[pos].isSpace()))
        ++pos;
    if (pos >= n)
        return false;

    key.clear();
    value = QString();
    hasValue = false;
    while (pos < n && text[pos] != QLatin1Char(';')) {
        if (text[pos] == QLatin1Char('=')) {
            if (pos + 1 < n && text[pos + 1] == QLatin1Char('=')) {
                key += QLatin1Char('=');
                pos += 2;
                continue;
            }
            hasValue = true;
            ++pos;
            break;
        }
        key += text[pos++];
    }
    key = key.trimmed();
    if (!hasValue)
        return true;

    while (pos < n && text[pos].isSpace() && text[pos] != QLatin1Char(';'))
        ++pos;
    if (pos < n && (text[pos] == QLatin1Char('"') || text[pos] == QLatin1Char('\''))) {
        const QChar quote = text[pos++];
        value = QStringLiteral(""); // an empty quoted value is empty, not absent
        while (pos < n) {
            if (text[pos] == quote) {
                if (pos + 1 < n && text[pos + 1] == quote) {
                    value += quote;
                    pos += 2;
                    continue;
                }
                ++pos;
                break;
            }
            value += text[pos++];
        }
        // Anything between the closing quote and the next ";" is not part of the value.
        while (pos < n && text[pos] != QLatin1Char(';'))
            ++pos;
        return true;
    }
    const qsizetype start = pos;
    while (pos < n && text[pos] != QLatin1Char(';'))
        ++pos;
    value = text.mid(start, pos - start).trimmed();
    if (value.isNull())
        value = QStringLiteral("");
    return true;
}

} // namespace

QString value(const QString& connectionString, const QString& key)
{
    QString found;
    qsizetype pos = 0;
    QString k;
    QString v;
    bool hasValue = false;
    while (readPair(connectionString, pos, k, v, hasValue)) {
        if (hasValue && k.compare(key, Qt::CaseInsensitive) == 0)
            found = v;
    }
    return found;
}

QString quoted(const QString& text)
{
    const bool plain = !text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\'')) && text == text.trimmed();
    if (plain)
        return text;
    QString out = text;
    out.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

} // namespace ConnectionString
