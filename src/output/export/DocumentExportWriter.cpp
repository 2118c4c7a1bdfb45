#include "output/export/DocumentExportWriter.h"

#include "platform/db/Recordset.h"
#include "platform/office/DocxWriter.h"

bool DocumentExportWriter::write(Recordset& rs, QIODevice& out, const Progress& progress)
{
    if (!begin(rs, kLastPlainField))
        return false;
    DocxWriter document;
    DocxWriter::Properties properties;
    properties.title = QStringLiteral("Empresas");
    document.setProperties(properties);
    document.setOrientation(DocxWriter::Orientation::Landscape);
    // Narrow side margins leave twenty columns as much room as the page has.
    document.setMargins(851, 567, 851, 567);
    // The table's XML repeats itself, so the quickest deflate packs it nearly as small as the best.
    document.setCompressionLevel(1);

    QList<DocxWriter::Column> columns;
    for (const QString& title : textTitles(false))
        columns.append({title});
    DocxWriter::TableLook look;
    look.headerFill = QStringLiteral("D9D9D9");
    look.gridLines = true;

    const qint64 total = rs.recordCount();
    int row = 0;
    bool stopped = false;
    document.addTable(
        columns,
        [&](QStringList& cells) {
            if (row >= total || stopped)
                return false;
            cells.clear();
            for (int field = kFirstField; field <= kLastPlainField; ++field)
                cells.append(fieldText(rs, row, field));
            ++row;
            stopped = !advance(progress, row, total);
            return !stopped;
        },
        look);
    if (!document.write(out) && !stopped)
        return fail(QStringLiteral("No se pudo escribir el documento: %1").arg(document.errorString()));
    return !stopped;
}
