#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A small file of the program's folder read and replaced only as a regular file: never through a
// link, never from a pipe or a device, never by writing in place.
namespace RegularFile {

// What stands at a path, the path itself and not what a link leads to.
enum class Kind { Missing, Regular, Link, Folder, Other };
Kind kindAt(const QString& path);

// The bytes of the regular file at `path`; nothing when it is missing, a link, anything but a regular
// file, unreadable, or larger than `maxBytes`. A pipe is never waited on.
std::optional<QByteArray> read(const QString& path, qint64 maxBytes);

// Puts `bytes` in place of the regular file at `path`, or creates it: they go to a new file beside it
// that is renamed over it only when complete. Whatever else stands there (a link and its target, a
// folder, a pipe) and a read-only file are left alone. False, with the reason in Spanish in `reason`
// ("no tiene permiso para escribir en la carpeta «…»", "no es un archivo sino un enlace", …).
bool replace(const QString& path, const QByteArray& bytes, QString* reason);

} // namespace RegularFile
