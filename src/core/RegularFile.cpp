#include "core/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {
namespace {

QString quoted(const QString& path)
{
    return QStringLiteral("«%1»").arg(QDir::toNativeSeparators(path));
}

Kind kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return Kind::Regular;
    if (S_ISLNK(mode))
        return Kind::Link;
    if (S_ISDIR(mode))
        return Kind::Folder;
    return Kind::Other;
}

QString notAFile(Kind kind)
{
    switch (kind) {
    case Kind::Link:
        return QStringLiteral("no es un archivo sino un enlace");
    case Kind::Folder:
        return QStringLiteral("no es un archivo sino una carpeta");
    default:
        return QStringLiteral("no es un archivo normal");
    }
}

QString systemReason(int error, const QString& folder)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("no tiene permiso para escribir en la carpeta %1").arg(quoted(folder));
    case EROFS:
        return QStringLiteral("la carpeta %1 está en un disco de solo lectura").arg(quoted(folder));
    case ENOSPC:
    case EDQUOT:
    case EFBIG: // the file-size limit reached
        return QStringLiteral("no queda espacio libre en el disco");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("la carpeta %1 no existe").arg(quoted(folder));
    case EIO:
        return QStringLiteral("el disco dio un error de lectura o escritura");
    default:
        return QStringLiteral("el sistema no lo ha permitido (error %1)").arg(error);
    }
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // A write that takes nothing is a full disk.
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

// A new file beside `path`, created for this write alone; -1 with errno set when it cannot be.
int createBeside(const QString& path, QByteArray& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = QFile::encodeName(path) + QByteArray(".")
            + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

Kind kindAt(const QString& path)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return Kind::Missing;
    return kindOf(info.st_mode);
}

std::optional<QByteArray> read(const QString& path, qint64 maxBytes)
{
    // Looked at first, so that no device or pipe is even opened.
    if (kindAt(path) != Kind::Regular)
        return std::nullopt;
    const int fd
        = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info = {};
    std::optional<QByteArray> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= maxBytes) {
        // One byte more than allowed tells a file that grew past the limit.
        QByteArray buffer(maxBytes + 1, Qt::Uninitialized);
        qsizetype got = 0;
        bool failed = false;
        while (got < buffer.size()) {
            const ssize_t n = ::read(fd, buffer.data() + got, size_t(buffer.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                failed = n < 0;
                break;
            }
            got += n;
        }
        if (!failed && got <= maxBytes)
            bytes = buffer.left(got);
    }
    ::close(fd);
    return bytes;
}

bool replace(const QString& path, const QByteArray& bytes, QString* reason)
{
    const auto fail = [reason](const QString& text) {
        if (reason)
            *reason = text;
        return false;
    };
    const QByteArray target = QFile::encodeName(path);
    const QString folder = QFileInfo(path).absolutePath();
    struct stat old = {};
    const bool exists = ::lstat(target.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return fail(notAFile(kindOf(old.st_mode)));
    if (exists && ::access(target.constData(), W_OK) != 0 && errno != EROFS)
        return fail((old.st_mode & 0222) == 0 ? QStringLiteral("el archivo es de solo lectura")
                                              : QStringLiteral("no tiene permiso para cambiar el archivo"));

    QByteArray temporary;
    const int fd = createBeside(path, temporary);
    if (fd < 0)
        return fail(systemReason(errno, folder));
    bool written = writeAll(fd, bytes);
    // The file keeps its owner, where that is allowed, and the permissions it had.
    if (written && exists) {
        [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
        written = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    if (written)
        written = ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    // A rename replaces whatever name stands there, never what a link leads to.
    if (written && ::rename(temporary.constData(), target.constData()) == 0)
        return true;
    if (written)
        error = errno;
    ::unlink(temporary.constData());
    return fail(systemReason(error, folder));
}

} // namespace RegularFile
