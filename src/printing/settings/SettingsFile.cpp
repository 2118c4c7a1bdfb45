#include "printing/settings/SettingsFile.h"

#include "core/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Far more than any settings file holds; a larger file is not one of ours.
constexpr qint64 kMaxBytes = 64 * 1024;

} // namespace

namespace SettingsFile {

QString path(const QString& programFile)
{
    return AppPaths::localPath(AppPaths::programFolder() + programFile);
}

std::optional<SettingsLines> read(const QString& programFile)
{
    QFile file(path(programFile));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxBytes)
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxBytes);
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        return SettingsText::parse(QString::fromLatin1(bytes));
    return SettingsText::parse(decoder.decode(bytes));
}

bool write(const QString& programFile, const SettingsLines& lines, QString* error)
{
    const QString target = path(programFile);
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
    const QString text = SettingsText::format(lines);
    const QByteArray bytes = encoder.isValid() ? QByteArray(encoder.encode(text)) : text.toLatin1();
    QSaveFile file(target);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = QStringLiteral("No se pudo guardar el archivo %1").arg(QDir::toNativeSeparators(target));
    return false;
}

} // namespace SettingsFile
