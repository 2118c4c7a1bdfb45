#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class QTemporaryFile;
struct zip;

// A zip archive (the package of the office formats) written with libzip into a device. Entries are
// deflated and carry one timestamp, so the same entries give the same bytes. The archive is built in a
// temporary file and copied into the device by finish(); large entries are written through a
// temporary file too, so neither has to fit in memory. Failures are told in Spanish.
class ZipWriter
{
public:
    // Writes the content of one entry; false stops the archive (the writer's reason is its own).
    using ContentWriter = std::function<bool(QIODevice& entry)>;
    // Called now and then while finish() packs the entries; false cancels the archive.
    using PackingCallback = std::function<bool()>;

    explicit ZipWriter(QIODevice& out);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // Local time given to the entries added after it; the current time by default.
    void setTimestamp(const QDateTime& time) { m_timestamp = time; }
    // 1 (fastest) to 9 (smallest) for the entries added after it; 6 by default.
    void setCompressionLevel(int level) { m_level = level; }
    void setPackingCallback(const PackingCallback& callback) { m_packing = callback; }
    // Where the temporary files go (the system's temporary folder by default); set before adding.
    void setWorkFolder(const QString& folder) { m_workFolder = folder; }

    bool addEntry(const QString& name, const QByteArray& content);
    bool addEntry(const QString& name, const ContentWriter& writeContent);

    // Packs the entries and copies the archive into the device; nothing is written to it before.
    bool finish();

    QString errorString() const { return m_error; }
    // Whether the archive failed because a disk was full.
    bool outOfSpace() const { return m_outOfSpace; }

private:
    bool open();
    bool add(const QString& name, struct zip_source* source);
    bool fail(const QString& reason);
    bool failWriting(bool full);
    std::unique_ptr<QTemporaryFile> temporaryFile(const char* pattern);

    QIODevice& m_out;
    QDateTime m_timestamp;
    int m_level = 6;
    PackingCallback m_packing;
    std::unique_ptr<QTemporaryFile> m_archiveName;
    zip* m_archive = nullptr;
    std::vector<QByteArray> m_buffers;
    std::vector<std::unique_ptr<QTemporaryFile>> m_files;
    QString m_workFolder;
    QString m_error;
    bool m_outOfSpace = false;
};
