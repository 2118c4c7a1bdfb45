#pragma once

#include <QString>

// The program's folder and the files under it, named as the program names them: with backslashes
// and in any case ("\DATA\AYUDA\index.html" and "\data\ayuda\index.html" are the same file).
namespace AppPaths {

// The folder of the executable, or TARVESA_PROGRAM_DIR when set (tests run on a copy).
QString programFolder();

// A real path for a program path: each part is matched without regard to case against what exists;
// parts that do not exist are kept as written.
QString localPath(const QString& programPath);

} // namespace AppPaths
