#pragma once

#include "printing/settings/SettingsLines.h"

#include <optional>

// The settings files in the program's folder, Windows-1252 text with CR LF line ends.
// At the merge with the shared settings codec these two calls become calls into it.
namespace SettingsFile {

// The real path of a program file such as "\Etiqueta.ini".
QString path(const QString& programFile);

// The file's lines; nothing when it is missing or cannot be read.
std::optional<SettingsLines> read(const QString& programFile);

// Replaces the file whole through a temporary file, so a failed write leaves the old one. False, with
// the reason in Spanish in `error`, when it could not be written.
bool write(const QString& programFile, const SettingsLines& lines, QString* error = nullptr);

} // namespace SettingsFile
