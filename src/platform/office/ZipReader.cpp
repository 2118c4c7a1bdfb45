#include "platform/office/ZipReader.h"

#include <QFile>
#include <zip.h>

ZipReader::ZipReader(const QByteArray& archive)
    : m_data(archive)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source
        = zip_source_buffer_create(m_data.constData(), zip_uint64_t(m_data.size()), 0, &error);
    if (source) {
        m_archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
        if (!m_archive)
            zip_source_free(source);
    }
    zip_error_fini(&error);
}

ZipReader::~ZipReader()
{
    if (m_archive)
        zip_discard(m_archive);
}

QStringList ZipReader::entryNames() const
{
    QStringList names;
    if (!m_archive)
        return names;
    const zip_int64_t count = zip_get_num_entries(m_archive, 0);
    for (zip_int64_t i = 0; i < count; ++i)
        names.append(QString::fromUtf8(zip_get_name(m_archive, zip_uint64_t(i), ZIP_FL_ENC_GUESS)));
    return names;
}

QByteArray ZipReader::entry(const QString& name) const
{
    if (!m_archive)
        return {};
    zip_stat_t stat;
    if (zip_stat(m_archive, name.toUtf8().constData(), 0, &stat) < 0 || !(stat.valid & ZIP_STAT_SIZE))
        return {};
    zip_file_t* file = zip_fopen(m_archive, name.toUtf8().constData(), 0);
    if (!file)
        return {};
    QByteArray content(qsizetype(stat.size), Qt::Uninitialized);
    const zip_int64_t n = zip_fread(file, content.data(), stat.size);
    zip_fclose(file);
    return n == zip_int64_t(stat.size) ? content : QByteArray();
}

qint64 ZipReader::entrySize(const QString& path, const QString& name)
{
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!archive)
        return -1;
    zip_stat_t stat;
    const bool known
        = zip_stat(archive, name.toUtf8().constData(), 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE);
    zip_discard(archive);
    return known ? qint64(stat.size) : -1;
}
