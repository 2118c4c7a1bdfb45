#include "ZipArchive.h"

#include <QtEndian>
#include <array>

namespace {

// 1 March 2010, 10:00, as MS-DOS writes dates.
constexpr quint16 kDosDate = ((2010 - 1980) << 9) | (3 << 5) | 1;
constexpr quint16 kDosTime = 10 << 11;

constexpr std::array<quint32, 256> crcTable()
{
    std::array<quint32, 256> table {};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

void put16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

quint32 ZipArchive::crc32(const QByteArray& data)
{
    static constexpr std::array<quint32, 256> table = crcTable();
    quint32 c = 0xFFFFFFFFu;
    for (const char byte : data)
        c = table[(c ^ quint8(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void ZipArchive::add(const QString& name, const QByteArray& content)
{
    // qCompress gives a 4-byte length and a zlib stream: its 2-byte head and 4-byte check wrap the
    // raw deflate data a zip entry holds.
    const QByteArray compressed = qCompress(content, 9);
    QByteArray packed = compressed.size() > 10 ? compressed.mid(6, compressed.size() - 10) : QByteArray();
    const bool deflated = !packed.isEmpty() && packed.size() < content.size();
    if (!deflated)
        packed = content;
    m_entries.append({name.toUtf8(), packed, crc32(content), quint32(content.size()), deflated});
}

QByteArray ZipArchive::data() const
{
    QByteArray out;
    QByteArray directory;
    for (const Entry& entry : m_entries) {
        const quint32 offset = quint32(out.size());
        const quint16 method = entry.deflated ? 8 : 0;
        // Bit 11: the names are UTF-8.
        constexpr quint16 flags = 0x0800;
        put32(out, 0x04034b50);
        put16(out, 20);
        put16(out, flags);
        put16(out, method);
        put16(out, kDosTime);
        put16(out, kDosDate);
        put32(out, entry.crc);
        put32(out, quint32(entry.packed.size()));
        put32(out, entry.size);
        put16(out, quint16(entry.name.size()));
        put16(out, 0);
        out.append(entry.name);
        out.append(entry.packed);

        put32(directory, 0x02014b50);
        put16(directory, 20);
        put16(directory, 20);
        put16(directory, flags);
        put16(directory, method);
        put16(directory, kDosTime);
        put16(directory, kDosDate);
        put32(directory, entry.crc);
        put32(directory, quint32(entry.packed.size()));
        put32(directory, entry.size);
        put16(directory, quint16(entry.name.size()));
        put16(directory, 0); // extra field
        put16(directory, 0); // comment
        put16(directory, 0); // disk
        put16(directory, 0); // internal attributes
        put32(directory, 0); // external attributes
        put32(directory, offset);
        directory.append(entry.name);
    }
    const quint32 directoryOffset = quint32(out.size());
    out.append(directory);
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint16(m_entries.size()));
    put16(out, quint16(m_entries.size()));
    put32(out, quint32(directory.size()));
    put32(out, directoryOffset);
    put16(out, 0);
    return out;
}
