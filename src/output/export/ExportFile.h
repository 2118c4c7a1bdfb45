#pragma once
#include <QString>
#include <functional>
class Recordset;
enum class ExportFormat { Spreadsheet, Document, Text };
// ".xls"->".xlsx", ".doc"->".docx" (any case); no extension -> the format's; otherwise unchanged.
QString finalExportName(const QString& chosen, ExportFormat format);
struct ExportOutcome { bool ok = false; QString message; }; // message: Spanish reason on failure
// Writes every company of rs (current position restored) to finalPath through a temporary file in
// the same folder, moved over the target only when complete. progress returns false to cancel.
ExportOutcome exportCompanies(Recordset& rs, ExportFormat format, const QString& finalPath,
                              const std::function<bool(qint64 done, qint64 total)>& progress = {});
