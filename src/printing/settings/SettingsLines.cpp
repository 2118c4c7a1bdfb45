#include "printing/settings/SettingsLines.h"

#include <QRegularExpression>
#include <cmath>

namespace SettingsText {

SettingsLines parse(const QString& text)
{
    SettingsLines lines;
    QStringList raw = text.split(QLatin1Char('\n'));
    // Text ending with a line end has nothing after it.
    if (!raw.isEmpty() && raw.last().isEmpty())
        raw.removeLast();
    for (QString& one : raw) {
        if (one.endsWith(QLatin1Char('\r')))
            one.chop(1);
        const qsizetype eq = one.indexOf(QLatin1Char('='));
        if (eq < 0)
            lines.append(bare(one));
        else
            lines.append(line(one.left(eq), one.mid(eq + 1)));
    }
    return lines;
}

QString format(const SettingsLines& lines)
{
    QString text;
    for (const auto& one : lines) {
        text += one.first;
        if (!one.second.isNull())
            text += QLatin1Char('=') + one.second;
        text += QStringLiteral("\r\n");
    }
    return text;
}

SettingsLines::value_type line(const QString& key, const QString& value)
{
    // An empty value stays distinct from no value at all.
    return {key, value.isNull() ? QString(0, QChar()) : value};
}

SettingsLines::value_type bare(const QString& text)
{
    return {text, QString()};
}

QString value(const SettingsLines::value_type& line)
{
    return line.second.isNull() ? line.first : line.second;
}

qsizetype findSection(const SettingsLines& lines, const QString& name)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].second.isNull() && lines[i].first.trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::optional<double> toNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    const QString trimmed = text.trimmed();
    if (trimmed.size() > 32 || !number.match(trimmed).hasMatch())
        return std::nullopt;
    QString c = trimmed;
    c.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double result = c.toDouble(&ok);
    if (!ok || !std::isfinite(result))
        return std::nullopt;
    return result;
}

std::optional<int> toWhole(const QString& text)
{
    const std::optional<double> number = toNumber(text);
    if (!number || std::floor(*number) != *number || qAbs(*number) > 1e6)
        return std::nullopt;
    return int(*number);
}

QString fromNumber(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    if (text.startsWith(QLatin1Char('-'))
        && text.mid(1).remove(QLatin1Char('0')).remove(QLatin1Char(',')).isEmpty())
        text.remove(0, 1);
    return text;
}

} // namespace SettingsText
