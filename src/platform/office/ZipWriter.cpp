#include "platform/office/ZipWriter.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryFile>
#include <zip.h>

namespace {

QString zipErrorText(zip_t* archive)
{
    return archive ? QString::fromLocal8Bit(zip_strerror(archive)) : QString();
}

// MS-DOS date and time fields, as a zip entry stores them, from a local time.
void dosTime(const QDateTime& time, zip_uint16_t& dtime, zip_uint16_t& ddate)
{
    const QDate d = time.date();
    const QTime t = time.time();
    ddate = zip_uint16_t(((qMax(d.year(), 1980) - 1980) << 9) | (d.month() << 5) | d.day());
    dtime = zip_uint16_t((t.hour() << 11) | (t.minute() << 5) | (t.second() / 2));
}

// Gathers the many small writes of an XML writer and hands them on in large blocks.
class BlockWriter : public QIODevice
{
public:
    explicit BlockWriter(QIODevice& target)
        : m_target(target)
    {
        m_block.reserve(kBlock);
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    bool flushBlock()
    {
        const bool ok = m_ok && (m_block.isEmpty() || m_target.write(m_block) == m_block.size());
        m_block.clear();
        return m_ok = ok;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        m_block.append(data, size);
        if (m_block.size() >= kBlock && !flushBlock())
            return -1;
        return size;
    }

private:
    static constexpr qsizetype kBlock = 1 << 18;
    QIODevice& m_target;
    QByteArray m_block;
    bool m_ok = true;
};

} // namespace

ZipWriter::ZipWriter(QIODevice& out)
    : m_out(out)
    , m_timestamp(QDateTime::currentDateTime())
{
}

ZipWriter::~ZipWriter()
{
    if (m_archive)
        zip_discard(m_archive);
}

bool ZipWriter::fail(const QString& reason)
{
    if (m_error.isEmpty())
        m_error = reason;
    return false;
}

bool ZipWriter::open()
{
    if (m_archive)
        return true;
    if (!m_error.isEmpty())
        return false;
    // Only the name is kept: libzip writes the archive beside it and renames it over it.
    m_archiveName = std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("zip-XXXXXX")));
    if (!m_archiveName->open())
        return fail(m_archiveName->errorString());
    m_archiveName->close();
    int code = 0;
    m_archive = zip_open(
        QFile::encodeName(m_archiveName->fileName()).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!m_archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
        zip_error_fini(&error);
        return fail(text);
    }
    return true;
}

bool ZipWriter::add(const QString& name, zip_source_t* source)
{
    if (!source)
        return fail(zipErrorText(m_archive));
    const zip_int64_t index
        = zip_file_add(m_archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(source);
        return fail(zipErrorText(m_archive));
    }
    zip_uint16_t dtime = 0;
    zip_uint16_t ddate = 0;
    dosTime(m_timestamp, dtime, ddate);
    if (zip_set_file_compression(m_archive, zip_uint64_t(index), ZIP_CM_DEFLATE, zip_uint32_t(m_level)) < 0
        || zip_file_set_dostime(m_archive, zip_uint64_t(index), dtime, ddate, 0) < 0)
        return fail(zipErrorText(m_archive));
    return true;
}

bool ZipWriter::addEntry(const QString& name, const QByteArray& content)
{
    if (!open())
        return false;
    // libzip reads the buffer when the archive is closed; the copy keeps it alive until then.
    m_buffers.push_back(content);
    const QByteArray& kept = m_buffers.back();
    return add(name, zip_source_buffer(m_archive, kept.constData(), zip_uint64_t(kept.size()), 0));
}

bool ZipWriter::addEntry(const QString& name, const ContentWriter& writeContent)
{
    if (!open())
        return false;
    auto file = std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("zip-entry-XXXXXX")));
    if (!file->open())
        return fail(file->errorString());
    BlockWriter blocks(*file);
    if (!writeContent(blocks) || !blocks.flushBlock() || !file->flush())
        return fail(file->errorString());
    zip_source_t* source = zip_source_file(m_archive, QFile::encodeName(file->fileName()).constData(), 0, -1);
    m_files.push_back(std::move(file));
    return add(name, source);
}

bool ZipWriter::finish()
{
    if (!open())
        return false;
    zip_t* archive = m_archive;
    m_archive = nullptr;
    if (m_packing) {
        zip_register_cancel_callback_with_state(
            archive,
            [](zip_t*, void* callback) { return (*static_cast<PackingCallback*>(callback))() ? 0 : 1; },
            nullptr, &m_packing);
    }
    if (zip_close(archive) < 0) {
        const QString reason = zipErrorText(archive);
        zip_discard(archive);
        return fail(reason);
    }
    m_buffers.clear();
    m_files.clear();
    QFile packed(m_archiveName->fileName());
    if (!packed.open(QIODevice::ReadOnly))
        return fail(packed.errorString());
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = packed.read(chunk.data(), chunk.size());
        if (n < 0)
            return fail(packed.errorString());
        if (n == 0)
            break;
        if (m_out.write(chunk.constData(), n) != n)
            return fail(m_out.errorString());
    }
    return true;
}
