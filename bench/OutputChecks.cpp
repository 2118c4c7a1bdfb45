#include "OutputChecks.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <functional>
#include <zip.h>

namespace Bench {
namespace {

constexpr qint64 kChunk = 1 << 20;

// Counts `needle` in what `read` gives, chunk by chunk (a negative count: an error), a needle that
// spans two chunks included.
qint64 count(const QByteArray& needle, const std::function<qint64(char*, qint64)>& read)
{
    QByteArray buffer;
    qint64 found = 0;
    for (;;) {
        const qsizetype kept = buffer.size();
        buffer.resize(kept + kChunk);
        const qint64 n = read(buffer.data() + kept, kChunk);
        if (n < 0)
            return -1;
        buffer.resize(kept + n);
        found += buffer.count(needle);
        if (n == 0)
            return found;
        // The tail shorter than the needle may begin one that the next chunk ends.
        buffer = buffer.right(needle.size() - 1);
    }
}

} // namespace

int pdfPages(const QString& path)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    if (!pdfinfo.waitForFinished(-1) || pdfinfo.exitStatus() != QProcess::NormalExit
        || pdfinfo.exitCode() != 0)
        return -1;
    const QRegularExpressionMatch pages
        = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption)
              .match(QString::fromUtf8(pdfinfo.readAllStandardOutput()));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

qint64 occurrences(const QString& path, const QByteArray& needle, const QString& entry)
{
    if (entry.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return -1;
        return count(needle, [&file](char* data, qint64 size) { return file.read(data, size); });
    }
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!archive)
        return -1;
    qint64 found = -1;
    if (zip_file_t* file = zip_fopen(archive, entry.toUtf8().constData(), 0)) {
        found = count(needle,
            [file](char* data, qint64 size) { return qint64(zip_fread(file, data, zip_uint64_t(size))); });
        zip_fclose(file);
    }
    zip_discard(archive);
    return found;
}

} // namespace Bench
