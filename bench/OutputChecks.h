#pragma once

#include <QByteArray>
#include <QString>

// What a file the benchmark wrote holds, read a piece at a time so that no figure of memory counts it.
namespace Bench {

// Pages of a PDF file, as poppler's pdfinfo counts them; -1 when it cannot tell.
int pdfPages(const QString& path);
// How often `needle` occurs in the file `path`, or in its zip entry `entry` where given; -1 when it
// cannot be read.
qint64 occurrences(const QString& path, const QByteArray& needle, const QString& entry = QString());

} // namespace Bench
