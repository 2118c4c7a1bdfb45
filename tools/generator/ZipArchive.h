#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A zip file built in memory, as the office formats are packed: deflated entries with a fixed date,
// so the same entries give the same bytes.
class ZipArchive
{
public:
    void add(const QString& name, const QByteArray& content);
    QByteArray data() const;

    static quint32 crc32(const QByteArray& data);

private:
    struct Entry
    {
        QByteArray name;
        QByteArray packed;
        quint32 crc;
        quint32 size;
        bool deflated;
    };

    QList<Entry> m_entries;
};
