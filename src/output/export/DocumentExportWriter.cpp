#include "output/export/DocumentExportWriter.h"

#include "platform/db/Recordset.h"
#include "platform/office/ColumnFit.h"
#include "platform/office/DocxWriter.h"

#include <QElapsedTimer>

namespace {

// Arial of the size given (in half points) with no space between paragraphs, Spanish proofing: the
// whole document is the table, so its cells need no style of their own.
const char kStyles[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii="Arial" w:hAnsi="Arial" w:cs="Arial" w:eastAsia="Arial"/><w:sz w:val="%1"/><w:szCs w:val="%1"/><w:lang w:val="es-ES"/></w:rPr></w:rPrDefault><w:pPrDefault><w:pPr><w:spacing w:after="0" w:line="240" w:lineRule="auto"/></w:pPr></w:pPrDefault></w:docDefaults><w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/></w:style><w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/><w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar><w:top w:w="0" w:type="dxa"/><w:left w:w="40" w:type="dxa"/><w:bottom w:w="0" w:type="dxa"/><w:right w:w="40" w:type="dxa"/></w:tblCellMar></w:tblPr></w:style></w:styles>
)";

// Twentieths of a point beside a cell's text, and the width of a rule.
constexpr int kCellMargin = 40;
constexpr int kRule = 10;
// Type sizes in half points, the largest that lets the words fit.
const QList<int> kSizes {14, 13, 12};
// Rows of each of the tables the long one is written as.
constexpr int kRowsPerTable = 50;
// Fields of codes, each kept on one line: CIF, postal code, phone and fax.
constexpr int kCodes[] = {4, 9, 10, 11};

} // namespace

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
    document.setWorkFolder(workFolder());

    const qint64 total = rs.recordCount();
    const QStringList titles = textTitles(false);
    // Each column as wide as its words need, so that a word never breaks inside.
    ColumnFit measured(titles);
    for (const int field : kCodes)
        measured.keepOnOneLine(field - kFirstField);
    QStringList cells;
    for (int row = 0; row < total; ++row) {
        cells.clear();
        for (int field = kFirstField; field <= kLastPlainField; ++field)
            cells.append(fieldText(rs, row, field));
        measured.addRow(cells);
    }
    const ColumnFit::Fit fit = measured.fit(document.textWidth(), 2 * kCellMargin + kRule, kSizes);
    document.setStyles(QString::fromLatin1(kStyles).arg(fit.halfPoints).toUtf8());

    QList<DocxWriter::Column> columns;
    for (qsizetype i = 0; i < titles.size(); ++i)
        columns.append({titles.at(i), fit.widths.value(i)});
    DocxWriter::TableLook look;
    look.headerFill = QStringLiteral("D9D9D9");
    look.gridLines = true;
    look.cellStyle.clear();
    look.cellMargin = kCellMargin;
    look.rowsPerTable = kRowsPerTable;

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
        return failWriting(document.outOfSpace(),
            QStringLiteral("No se pudo escribir el documento: %1").arg(document.errorString()));
    return !stopped;
}
