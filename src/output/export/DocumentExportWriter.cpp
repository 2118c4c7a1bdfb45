#include "output/export/DocumentExportWriter.h"

#include "platform/db/Recordset.h"
#include "platform/office/DocxWriter.h"

#include <QElapsedTimer>

namespace {

// Arial 7 pt with no space between paragraphs, Spanish proofing: the whole document is the table, so
// its cells need no style of their own.
const char kStyles[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii="Arial" w:hAnsi="Arial" w:cs="Arial" w:eastAsia="Arial"/><w:sz w:val="14"/><w:szCs w:val="14"/><w:lang w:val="es-ES"/></w:rPr></w:rPrDefault><w:pPrDefault><w:pPr><w:spacing w:after="0" w:line="240" w:lineRule="auto"/></w:pPr></w:pPrDefault></w:docDefaults><w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/></w:style><w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/><w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar><w:top w:w="0" w:type="dxa"/><w:left w:w="57" w:type="dxa"/><w:bottom w:w="0" w:type="dxa"/><w:right w:w="57" w:type="dxa"/></w:tblCellMar></w:tblPr></w:style></w:styles>
)";

} // namespace

bool DocumentExportWriter::write(Recordset& rs, QIODevice& out, const Progress& progress)
{
    if (!begin(rs, kLastPlainField))
        return false;
    DocxWriter document;
    DocxWriter::Properties properties;
    properties.title = QStringLiteral("Empresas");
    document.setProperties(properties);
    document.setStyles(kStyles);
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
    look.cellStyle.clear();

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
    // Packing the table takes a while after its last row: the caller hears of it as all rows written.
    QElapsedTimer sincePacking;
    document.setPackingCallback([&] {
        if (!progress || stopped || (sincePacking.isValid() && sincePacking.elapsed() < 50))
            return !stopped;
        sincePacking.start();
        stopped = !advance(progress, total, total);
        return !stopped;
    });
    if (!document.write(out) && !stopped)
        return fail(QStringLiteral("No se pudo escribir el documento: %1").arg(document.errorString()));
    return !stopped;
}
