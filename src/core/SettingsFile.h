#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The program's small settings files ("\Listado.ini", "\Etiqueta.ini", "\Sobre.ini"): Windows-1252
// text, CR LF line ends, section lines beginning with "#" and "key=value" lines. Reading never
// fails on a stray line; each reader takes what it needs and falls back to its own defaults.
class SettingsFile
{
public:
    struct Entry
    {
        QString key; // the text before the first "=", trimmed and in capitals
        QString value; // the text after the first "="; the whole line when it has none
        bool hasEquals = false;
    };

    struct Section
    {
        QString name; // the section line trimmed and in capitals ("#CAMPOS"); empty before the first
        QList<Entry> entries; // in file order; blank lines left out
    };

    // No real settings file comes near this size; a larger one is not read.
    static constexpr qint64 kMaxBytes = 64 * 1024;

    // False when the file is missing, unreadable, larger than kMaxBytes, or anything but a regular
    // file (a link, a pipe, a device); the file then has no sections.
    bool load(const QString& path);
    static SettingsFile parse(const QByteArray& bytes);

    const QList<Section>& sections() const { return m_sections; }
    // The first section of that name (any case), or null.
    const Section* section(const QString& name) const;
    // The value of the first line of `key` (any case) in the section, if there is one.
    std::optional<QString> value(const QString& sectionName, const QString& key) const;

    // Lines of text to and from the file's bytes: Windows-1252, or the encoding a byte-order mark names
    // (editors save UTF-8 with one).
    static QStringList decode(const QByteArray& bytes);
    static QByteArray encode(const QStringList& lines);
    // Replaces the regular file whole, or creates it: the lines go to a new file that is moved over the
    // old one only when complete; a file that already holds them, in any encoding or line ends, is left
    // as it is. False, with the old file untouched and the message in Spanish in `error`, when it could
    // not be written; a link or anything else that is no regular file is left alone with its target
    // ("No se pueden guardar los ajustes…").
    static bool save(const QString& path, const QStringList& lines, QString* error = nullptr);
    // The same, and a regular file that already gives the values the lines hold (`gives` says so of
    // the file as read), however it writes them, is left as it is too.
    static bool save(const QString& path, const QStringList& lines,
        const std::function<bool(const SettingsFile&)>& gives, QString* error = nullptr);

    // The real path of a file of the program's folder named as the program names it ("\Sobre.ini").
    static QString programPath(const QString& programFile);

    // The value of the line `index` (from 0) of the section, taken by its place whatever its key;
    // nothing when the file has no such section or line.
    std::optional<QString> valueAt(const QString& sectionName, qsizetype index) const;

    // A number written with a decimal comma or point, whatever the locale, with blanks around it;
    // nothing for any other text, infinities included.
    static std::optional<double> toNumber(const QString& text);
    // A whole number in the same way ("9" or "9,0").
    static std::optional<int> toWhole(const QString& text);
    // A number as the files write it: the decimal comma, `decimals` digits after it (none for 0).
    static QString fromNumber(double value, int decimals);

private:
    QList<Section> m_sections;
};
