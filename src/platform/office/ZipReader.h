#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct zip;

// Reads the entries of a zip archive held in memory, as the office formats are packed.
class ZipReader
{
public:
    explicit ZipReader(const QByteArray& archive);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    bool isValid() const { return m_archive != nullptr; }
    QStringList entryNames() const;
    // An empty array for an entry that is missing or cannot be read.
    QByteArray entry(const QString& name) const;

    // The unpacked size of the entry `name` of the archive file `path`; -1 when it cannot be told.
    static qint64 entrySize(const QString& path, const QString& name);

private:
    QByteArray m_data;
    zip* m_archive = nullptr;
};
