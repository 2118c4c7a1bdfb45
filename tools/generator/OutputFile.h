#pragma once

#include <QByteArray>
#include <QString>

// Writes one file of the installation under a temporary name beside it and renames it over any older
// copy once complete, so an interrupted run leaves the old file or none, never half of one.
class OutputFile
{
public:
    // Creates the missing folders; on failure says why in `error`.
    static bool write(const QString& path, const QByteArray& content, QString& error);
};
