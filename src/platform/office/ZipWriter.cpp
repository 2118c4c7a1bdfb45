#include "platform/office/ZipWriter.h"

#include "platform/office/WriteAll.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryFile>
#include <cerrno>
#include <zip.h>

namespace {

// Whether libzip stopped on a full disk.
bool zipOutOfSpace(zip_t* archive)
{
    const int system = archive ? zip_error_code_system(zip_get_error(archive)) : 0;
    return noRoomLeft(system);
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
        const bool ok = m_ok && (m_block.isEmpty() || writeAll(m_target, m_block, m_full));
        m_block.clear();
        return m_ok = ok;
    }
    bool full() const { return m_full; }

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
    bool m_full = false;
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

bool ZipWriter::failWriting(bool full)
{
    m_outOfSpace = m_outOfSpace || full;
    return fail(full ? QStringLiteral("No queda espacio libre en el disco.")
                     : QStringLiteral("No se pudo escribir un archivo temporal."));
}

std::unique_ptr<QTemporaryFile> ZipWriter::temporaryFile(const char* pattern)
{
    const QDir folder(m_workFolder.isEmpty() ? QDir::tempPath() : m_workFolder);
    auto file = std::make_unique<QTemporaryFile>(folder.filePath(QLatin1String(pattern)));
    if (file->open())
        return file;
    // From the failed creation's own error.
    const bool full = noRoomLeft(errno) || file->error() == QFileDevice::ResourceError;
    m_outOfSpace = m_outOfSpace || full;
    fail(full ? QStringLiteral("No queda espacio libre en el disco.")
              : QStringLiteral("No se pudo crear un archivo temporal en la carpeta «%1».")
                    .arg(QDir::toNativeSeparators(folder.absolutePath())));
    return nullptr;
}

bool ZipWriter::open()
{
    if (m_archive)
        return true;
    if (!m_error.isEmpty())
        return false;
    // Only the name is kept: libzip writes the archive beside it and renames it over it.
    m_archiveName = temporaryFile(".zip-XXXXXX");
    if (!m_archiveName)
        return false;
    m_archiveName->close();
    int code = 0;
    m_archive = zip_open(
        QFile::encodeName(m_archiveName->fileName()).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!m_archive)
        return fail(QStringLiteral("No se pudo crear el archivo comprimido."));
    return true;
}

bool ZipWriter::add(const QString& name, zip_source_t* source)
{
    const QString failure = QStringLiteral("No se pudo añadir «%1» al archivo comprimido.").arg(name);
    if (!source)
        return fail(failure);
    const zip_int64_t index
        = zip_file_add(m_archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(source);
        return fail(failure);
    }
    zip_uint16_t dtime = 0;
    zip_uint16_t ddate = 0;
    dosTime(m_timestamp, dtime, ddate);
    if (zip_set_file_compression(m_archive, zip_uint64_t(index), ZIP_CM_DEFLATE, zip_uint32_t(m_level)) < 0
        || zip_file_set_dostime(m_archive, zip_uint64_t(index), dtime, ddate, 0) < 0)
        return fail(failure);
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
    std::unique_ptr<QTemporaryFile> file = temporaryFile(".zip-entry-XXXXXX");
    if (!file)
        return false;
    BlockWriter blocks(*file);
    const bool written = writeContent(blocks);
    if (!blocks.flushBlock() || !file->flush())
        return failWriting(blocks.full() || file->error() == QFileDevice::ResourceError);
    // The content's own writer stopped: its reason is its own.
    if (!written)
        return fail(QStringLiteral("No se pudo escribir «%1».").arg(name));
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
        const bool cancelled = zip_error_code_zip(zip_get_error(archive)) == ZIP_ER_CANCELLED;
        const bool full = zipOutOfSpace(archive);
        zip_discard(archive);
        if (cancelled)
            return fail(QStringLiteral("Se canceló el archivo comprimido."));
        return full ? failWriting(true) : fail(QStringLiteral("No se pudo escribir el archivo comprimido."));
    }
    m_buffers.clear();
    m_files.clear();
    QFile packed(m_archiveName->fileName());
    if (!packed.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("No se pudo leer el archivo comprimido recién escrito."));
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = packed.read(chunk.data(), chunk.size());
        if (n < 0)
            return fail(QStringLiteral("No se pudo leer el archivo comprimido recién escrito."));
        if (n == 0)
            break;
        bool full = false;
        if (!writeAll(m_out, QByteArrayView(chunk.constData(), n), full))
            return full ? failWriting(true) : fail(QStringLiteral("No se pudo escribir el archivo."));
    }
    return true;
}
