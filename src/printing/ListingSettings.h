#pragma once

#include "printing/ReportFields.h"

#include <QList>
#include <QString>

class SettingsFile;

// "\Listado.ini": the listing's field choice, one "Key=0|1" line per field under "#Campos". The
// launcher and the field chooser read it by key through here, so they always agree; a missing or
// broken file, section or line falls back to the default of each field it fails to give.
namespace ListingSettings {

// One line of the file, in the order the file and the chooser's boxes follow.
struct Entry
{
    const char* writtenKey; // as written: "Sector", "E-Mail", …
    const char* fieldKey; // the report's key: "SECTOR", "E-MAIL", …
    const char* caption; // the chooser's caption beside the box, UTF-8
};

const QList<Entry>& entries();

// The real path of the program's "\Listado.ini".
QString path();

FieldChoice read(const QString& filePath);
FieldChoice fromFile(const SettingsFile& file);
// The 22 lines the file holds for `choice`.
QStringList lines(const FieldChoice& choice);
// Writes the file unless it already gives `choice`. False, with the message in Spanish in `error`,
// when the file could not be written; the old one is then left as it was.
bool write(const QString& filePath, const FieldChoice& choice, QString* error = nullptr);

} // namespace ListingSettings
