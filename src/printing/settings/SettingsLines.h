#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

// A settings file as its lines, in order: each line's key and value split at its first '='. A line
// without '=' (a section header, an empty line) has its whole text as key and a null value.
using SettingsLines = QList<QPair<QString, QString>>;

namespace SettingsText {

// Splits text at CR LF (or a bare LF) into lines; a last line without an ending counts.
SettingsLines parse(const QString& text);
// Every line followed by CR LF.
QString format(const SettingsLines& lines);

SettingsLines::value_type line(const QString& key, const QString& value);
SettingsLines::value_type bare(const QString& text);

// What a reader takes from a line read by its position: the text after the first '=', or the whole
// line when it has none.
QString value(const SettingsLines::value_type& line);

// The index of the section header `name` (compared trimmed and without regard to case), or -1.
qsizetype findSection(const SettingsLines& lines, const QString& name);

// A number written with a decimal comma or a point, whatever the locale; blanks around it are allowed.
// Nothing for anything else, infinities included.
std::optional<double> toNumber(const QString& text);
// A whole number in the same way ("9" or "9,0").
std::optional<int> toWhole(const QString& text);
// A number with `decimals` decimals after a decimal comma ("2,0", "10,5").
QString fromNumber(double value, int decimals);

} // namespace SettingsText
