#include "output/export/ExportFile.h"

#include <QFileInfo>

QString finalExportName(const QString& chosen, ExportFormat format)
{
    const QString suffix = QFileInfo(chosen).suffix();
    if (suffix.compare(QLatin1String("xls"), Qt::CaseInsensitive) == 0
        || suffix.compare(QLatin1String("doc"), Qt::CaseInsensitive) == 0) {
        const bool upper = suffix.at(0).isUpper();
        return chosen + (upper ? QStringLiteral("X") : QStringLiteral("x"));
    }
    if (!suffix.isEmpty() || chosen.isEmpty())
        return chosen;
    switch (format) {
    case ExportFormat::Spreadsheet:
        return chosen + QStringLiteral(".xlsx");
    case ExportFormat::Document:
        return chosen + QStringLiteral(".docx");
    case ExportFormat::Text:
        return chosen + QStringLiteral(".txt");
    }
    return chosen;
}

ExportOutcome exportCompanies(Recordset&, ExportFormat, const QString&,
                              const std::function<bool(qint64, qint64)>&)
{
    return {false, QStringLiteral("no disponible")};
}
