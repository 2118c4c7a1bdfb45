#include "output/export/ExportFile.h"

#include "output/export/DocumentExportWriter.h"
#include "output/export/SpreadsheetExportWriter.h"
#include "output/export/TextExportWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

// Below this much free space a failed write is put down to a full disk.
constexpr qint64 kNearlyFull = 1 << 20;
// A file written under a temporary name has the target's name and ".XXXXXX".
constexpr qsizetype kTemporarySuffix = 7;

std::unique_ptr<ExportWriter> writerFor(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Spreadsheet:
        return std::make_unique<SpreadsheetExportWriter>();
    case ExportFormat::Document:
        return std::make_unique<DocumentExportWriter>();
    case ExportFormat::Text:
        break;
    }
    return std::make_unique<TextExportWriter>(true);
}

ExportOutcome failure(const QString& message)
{
    return {false, message, false};
}

QString nativeName(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString noSpace(const QString& folder)
{
    return QStringLiteral("No queda espacio libre en el disco de la carpeta «%1»: libere espacio o guarde el "
                          "archivo en otro disco.")
        .arg(nativeName(folder));
}

bool diskFull(const QString& folder)
{
    const QStorageInfo storage(folder);
    return storage.isValid() && storage.bytesAvailable() >= 0 && storage.bytesAvailable() < kNearlyFull;
}

// The nearest folder of `path` that exists: the file system the save would write to.
QString existingFolder(const QString& path)
{
    QString folder = QFileInfo(path).absolutePath();
    while (!QFileInfo(folder).isDir()) {
        const QString up = QFileInfo(folder).absolutePath();
        if (up == folder)
            break;
        folder = up;
    }
    return folder;
}

// A limit of pathconf() (_PC_NAME_MAX, _PC_PATH_MAX) for the file system of `folder`.
long limitFor(const QString& folder, int name, long fallback)
{
    const long limit = ::pathconf(QFile::encodeName(folder).constData(), name);
    return limit > 0 ? limit : fallback;
}

// Whether QSaveFile writes a new file in `folder` unnamed (O_TMPFILE, linked under its name once
// complete) rather than under a temporary name beside it; it tries the same as QSaveFile does.
bool writesUnnamed(const QString& folder)
{
#ifdef O_TMPFILE
    // The unnamed file is given its name through /proc.
    if (::access("/proc/version", F_OK) != 0)
        return false;
    const int fd = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    // Any other failure stops the save before a name is used.
    return errno != EOPNOTSUPP && errno != EISDIR;
#else
    return false;
#endif
}

// "Tiene … caracteres y caben como mucho …", counting as the limit does: bytes.
QString lengthSaid(const QString& name, qsizetype bytes, qsizetype most, bool replacing)
{
    const qsizetype characters = name.toUcs4().size();
    QString said = QStringLiteral("Tiene %1 caracteres").arg(characters);
    if (bytes != characters)
        said += QStringLiteral(", que cuentan como %1 (una letra con acento o una eñe cuenta como dos),")
                    .arg(bytes);
    said += QStringLiteral(" y caben como mucho %1").arg(most);
    if (replacing)
        said += QStringLiteral(" al reemplazar un archivo");
    return said + QLatin1Char('.');
}

} // namespace

QString creationFailure(const QFileInfo& target, int error)
{
    const QString folder = nativeName(target.absolutePath());
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return noSpace(target.absolutePath());
    case EACCES:
    case EPERM:
        // An old file of that name that is not the user's to replace, whatever the folder allows.
        if (target.exists() && target.ownerId() != ::geteuid())
            return QStringLiteral("No se puede reemplazar el archivo «%1»: es de otro usuario.")
                .arg(nativeName(target.filePath()));
        if (target.exists() && !(target.permissions() & QFileDevice::WriteOwner))
            return QStringLiteral("No se puede reemplazar el archivo «%1»: es de solo lectura.")
                .arg(nativeName(target.filePath()));
        return QStringLiteral("No tiene permiso para escribir en la carpeta «%1».").arg(folder);
    case EROFS:
        return QStringLiteral("La carpeta «%1» está en un disco de solo lectura: guarde el archivo en otra "
                              "carpeta.")
            .arg(folder);
    default:
        return QStringLiteral("No se pudo crear el archivo «%1» en la carpeta «%2».")
            .arg(nativeName(target.filePath()), folder);
    }
}

QString nameTooLong(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QStringList names = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const QString folder = existingFolder(absolute);
    // A new file is written unnamed where the file system allows it; replacing one, it is first
    // named beside the old one and then renamed over it.
    const QFileInfo existing(absolute);
    const bool replacing = existing.exists() && !existing.isDir();
    const bool named = replacing || !writesUnnamed(folder);
    const qsizetype allowance = named ? kTemporarySuffix : 0;
    const long nameMax = limitFor(folder, _PC_NAME_MAX, NAME_MAX);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const bool file = i == names.size() - 1;
        const qsizetype most = nameMax - (file ? allowance : 0);
        const qsizetype bytes = QFile::encodeName(names.at(i)).size();
        if (bytes <= most)
            continue;
        const QString whose
            = file ? QStringLiteral("del archivo") : QStringLiteral("de la carpeta «%1»").arg(names.at(i));
        return QStringLiteral("No se puede guardar «%1»: el nombre %2 es demasiado largo. %3\nEscriba un "
                              "nombre más corto.")
            .arg(nativeName(absolute), whose, lengthSaid(names.at(i), bytes, most, file && replacing));
    }
    const long pathMax = limitFor(folder, _PC_PATH_MAX, PATH_MAX);
    // The limit holds the path's closing NUL.
    const qsizetype most = pathMax - 1 - allowance;
    const qsizetype bytes = QFile::encodeName(absolute).size();
    if (bytes <= most)
        return {};
    // Quoted whole, such a path would run off the screen.
    const QString shown = nativeName(absolute.left(120) + QStringLiteral("…") + absolute.right(120));
    return QStringLiteral("No se puede guardar el archivo: su ruta es demasiado larga. %1\n«%2»\nGuárdelo en "
                          "una carpeta de ruta más corta.")
        .arg(lengthSaid(absolute, bytes, most, replacing), shown);
}

QString finalExportName(const QString& chosen, ExportFormat format)
{
    const QString suffix = QFileInfo(chosen).suffix();
    if (suffix.isEmpty()) {
        const char* extension = format == ExportFormat::Spreadsheet ? "xlsx"
            : format == ExportFormat::Document                      ? "docx"
                                                                    : "txt";
        const QString dot = chosen.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".");
        return chosen + dot + QLatin1String(extension);
    }
    const QLatin1String old(format == ExportFormat::Spreadsheet ? "xls"
            : format == ExportFormat::Document                  ? "doc"
                                                                : "");
    if (old.isEmpty() || suffix.compare(old, Qt::CaseInsensitive) != 0)
        return chosen;
    return chosen + (suffix.back().isUpper() ? QLatin1Char('X') : QLatin1Char('x'));
}

ExportOutcome exportCompanies(Recordset& rs, ExportFormat format, const QString& finalPath,
    const std::function<bool(qint64, qint64)>& progress)
{
    const QFileInfo target(finalPath);
    if (target.fileName().isEmpty())
        return failure(QStringLiteral("No se ha indicado el nombre del archivo."));
    // Said before anything is written, not once the whole file has been.
    if (const QString tooLong = nameTooLong(finalPath); !tooLong.isEmpty())
        return failure(tooLong);
    if (target.isDir())
        return failure(QStringLiteral("Ya existe una carpeta llamada «%1».").arg(nativeName(finalPath)));
    if (!QFileInfo(target.absolutePath()).isDir())
        return failure(QStringLiteral("La carpeta «%1» no existe.").arg(nativeName(target.absolutePath())));

    QSaveFile file(finalPath);
    // Never write in place: an older file stays whole until the new one is complete.
    file.setDirectWriteFallback(false);
    // Unbuffered, so that a full disk shows at the write that meets it.
    // A failed open leaves the error of the creation that failed, as QSaveFile itself reads it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(creationFailure(target, errno));

    const std::unique_ptr<ExportWriter> writer = writerFor(format);
    writer->setWorkFolder(target.absolutePath());
    if (!writer->write(rs, file, progress)) {
        // Seen before the partial file is removed, which gives its room back.
        const bool full = writer->outOfSpace() || file.error() == QFileDevice::ResourceError
            || (file.error() != QFileDevice::NoError && diskFull(target.absolutePath()));
        file.cancelWriting();
        if (writer->wasCancelled())
            return {false, writer->errorString(), true};
        return failure(full ? noSpace(target.absolutePath()) : writer->errorString());
    }
    if (!file.commit()) {
        if (file.error() == QFileDevice::ResourceError || diskFull(target.absolutePath()))
            return failure(noSpace(target.absolutePath()));
        return failure(QStringLiteral("No se pudo guardar el archivo «%1».").arg(nativeName(finalPath)));
    }
    return {true, QString(), false, writer->notice()};
}
