#include "core/SettingsFile.h"

#include "core/AppPaths.h"
#include "core/RegularFile.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cmath>

bool SettingsFile::load(const QString& path)
{
    m_sections.clear();
    const std::optional<QByteArray> bytes = RegularFile::read(path, kMaxBytes);
    if (!bytes)
        return false;
    *this = parse(*bytes);
    return true;
}

SettingsFile SettingsFile::parse(const QByteArray& bytes)
{
    SettingsFile file;
    const QStringList lines = decode(bytes);
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (trimmed.startsWith(QLatin1Char('#'))) {
            file.m_sections.append(Section {trimmed.toUpper(), {}});
            continue;
        }
        if (file.m_sections.isEmpty())
            file.m_sections.append(Section());
        Entry entry;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        entry.hasEquals = equals >= 0;
        entry.key = entry.hasEquals ? line.left(equals).trimmed().toUpper() : QString();
        entry.value = entry.hasEquals ? line.mid(equals + 1) : line;
        file.m_sections.last().entries.append(entry);
    }
    return file;
}

const SettingsFile::Section* SettingsFile::section(const QString& name) const
{
    const QString wanted = name.trimmed().toUpper();
    for (const Section& s : m_sections) {
        if (s.name == wanted)
            return &s;
    }
    return nullptr;
}

std::optional<QString> SettingsFile::value(const QString& sectionName, const QString& key) const
{
    const Section* s = section(sectionName);
    if (!s)
        return std::nullopt;
    const QString wanted = key.trimmed().toUpper();
    for (const Entry& entry : s->entries) {
        if (entry.hasEquals && entry.key == wanted)
            return entry.value;
    }
    return std::nullopt;
}

std::optional<QString> SettingsFile::valueAt(const QString& sectionName, qsizetype index) const
{
    const Section* s = section(sectionName);
    if (!s || index < 0 || index >= s->entries.size())
        return std::nullopt;
    return s->entries.at(index).value;
}

QString SettingsFile::programPath(const QString& programFile)
{
    return AppPaths::localPath(AppPaths::programFolder() + programFile);
}

QStringList SettingsFile::decode(const QByteArray& bytes)
{
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder = marked ? QStringDecoder(*marked) : QStringDecoder("windows-1252");
    QString text = decoder(bytes);
    if (decoder.hasError())
        text = QString::fromLatin1(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    // The line end of the last line ends it; it does not begin another.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray SettingsFile::encode(const QStringList& lines)
{
    QStringEncoder encoder("windows-1252");
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encoder(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool SettingsFile::save(const QString& path, const QStringList& lines, QString* error)
{
    const QByteArray bytes = encode(lines);
    // Nothing changed, nothing to write (a read-only folder then has nothing to refuse).
    const std::optional<QByteArray> held = RegularFile::read(path, kMaxBytes);
    if (held && (*held == bytes || decode(*held) == lines))
        return true;
    QString reason;
    if (RegularFile::replace(path, bytes, &reason))
        return true;
    if (error) {
        const QString file = QDir::toNativeSeparators(path);
        const RegularFile::Kind kind = RegularFile::kindAt(path);
        *error = kind == RegularFile::Kind::Missing || kind == RegularFile::Kind::Regular
            ? QStringLiteral("No se pudo guardar el archivo «%1»: %2.").arg(file, reason)
            : QStringLiteral("No se pueden guardar los ajustes: «%1» %2; se ha dejado como estaba.")
                  .arg(file, reason);
    }
    return false;
}

bool SettingsFile::save(const QString& path, const QStringList& lines,
    const std::function<bool(const SettingsFile&)>& gives, QString* error)
{
    SettingsFile file;
    if (file.load(path) && gives(file))
        return true;
    return save(path, lines, error);
}

std::optional<double> SettingsFile::toNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    QString t = text.trimmed();
    // No setting is written with so many digits; a longer text is not one of ours.
    if (t.size() > 32 || !number.match(t).hasMatch())
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> SettingsFile::toWhole(const QString& text)
{
    const std::optional<double> number = toNumber(text);
    if (!number || std::floor(*number) != *number || qAbs(*number) > 1e6)
        return std::nullopt;
    return int(*number);
}

QString SettingsFile::fromNumber(double value, int decimals)
{
    QString text = QString::number(value, 'f', qMax(0, decimals));
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    // A value that rounds to nothing is written without a sign.
    if (text.startsWith(QLatin1Char('-'))
        && text.mid(1).remove(QLatin1Char('0')).remove(QLatin1Char(',')).isEmpty())
        text.remove(0, 1);
    return text;
}
