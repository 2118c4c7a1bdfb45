#pragma once

#include <QString>
#include <functional>

class QFileInfo;
class Recordset;

enum class ExportFormat { Spreadsheet, Document, Text };

// The name a chosen file is saved under: ".xls" becomes ".xlsx" for a spreadsheet and ".doc" becomes
// ".docx" for a document (compared without regard to case, the case of the name kept: ".XLS" gives
// ".XLSX"); a name without an extension gets the format's (.xlsx, .docx, .txt); any other name stays.
QString finalExportName(const QString& chosen, ExportFormat format);

// Why `path` cannot name an exported file, in Spanish: a name in it, or the whole path, takes more bytes
// than its file system allows, counting the temporary name the file is written under beside it where
// the save needs one (replacing a file, or a file system that cannot hold an unnamed file). Empty when
// it can.
QString nameTooLong(const QString& path);

// Why `target` could not be created, in Spanish, from the system's error for the creation that failed
// (errno), not from a reading of the free space, which would blame a full disk for a folder of no disk
// at all (/proc, /sys). A refusal is put down to an old file of that name when it is not the user's or
// is read-only, and otherwise to the folder.
QString creationFailure(const QFileInfo& target, int error);

struct ExportOutcome
{
    bool ok = false;
    QString message; // on failure, the reason in Spanish
    bool cancelled = false; // the progress callback asked to stop; nothing was written
    QString notice {}; // on success, what the user should know of the file (values cut to fit)
};

// Writes every company of `rs` to `finalPath` in `format`: into a temporary file in the same folder,
// moved over the target only once complete, so a failed or cancelled export leaves any older file of
// that name as it was and no partial file behind; the writers' own temporary files go to that folder
// too. An empty recordset gives a file of titles only.
// The recordset's current record is left where it was.
ExportOutcome exportCompanies(Recordset& rs, ExportFormat format, const QString& finalPath,
    const std::function<bool(qint64, qint64)>& progress = {});
