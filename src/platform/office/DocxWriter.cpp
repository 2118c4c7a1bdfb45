#include "platform/office/DocxWriter.h"

#include "platform/office/ZipWriter.h"

#include <QIODevice>
#include <QXmlStreamWriter>
#include <algorithm>
#include <iterator>
#include <numeric>

namespace {

// A4 in twentieths of a point.
constexpr int kA4Short = 11906;
constexpr int kA4Long = 16838;

const char kContentTypes[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/><Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/><Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/><Override PartName="/docProps/core.xml" ContentType="application/vnd.openxmlformats-package.core-properties+xml"/><Override PartName="/docProps/app.xml" ContentType="application/vnd.openxmlformats-officedocument.extended-properties+xml"/></Types>
)";

const char kPackageRelations[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/><Relationship Id="rId2" Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" Target="docProps/core.xml"/><Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties" Target="docProps/app.xml"/></Relationships>
)";

const char kDocumentRelations[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/></Relationships>
)";

// Arial 10 pt, Spanish proofing; cells in 7 pt with no space between paragraphs.
const char kDefaultStyles[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii="Arial" w:hAnsi="Arial" w:cs="Arial" w:eastAsia="Arial"/><w:sz w:val="20"/><w:szCs w:val="20"/><w:lang w:val="es-ES"/></w:rPr></w:rPrDefault><w:pPrDefault><w:pPr><w:spacing w:after="120" w:line="240" w:lineRule="auto"/></w:pPr></w:pPrDefault></w:docDefaults><w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/></w:style><w:style w:type="paragraph" w:styleId="Cell"><w:name w:val="Cell"/><w:basedOn w:val="Normal"/><w:pPr><w:spacing w:after="0"/></w:pPr><w:rPr><w:sz w:val="14"/><w:szCs w:val="14"/></w:rPr></w:style><w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/><w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar><w:top w:w="0" w:type="dxa"/><w:left w:w="57" w:type="dxa"/><w:bottom w:w="0" w:type="dxa"/><w:right w:w="57" w:type="dxa"/></w:tblCellMar></w:tblPr></w:style></w:styles>
)";

const QString kW = QStringLiteral("w:val");
const QString kWordNamespace = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString kRelationsNamespace
    = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
// The page headers of a table written in parts: its titles, and an empty one for the first page.
const QString kTitlesHeader = QStringLiteral("word/header1.xml");
const QString kFirstHeader = QStringLiteral("word/header2.xml");

bool isXmlChar(QChar c)
{
    const char16_t u = c.unicode();
    return u >= 0x20 ? u != 0xFFFE && u != 0xFFFF : u == '\t' || u == '\n' || u == '\r';
}

// Characters XML cannot carry (control codes) are left out rather than making the part unreadable.
void writeText(QXmlStreamWriter& xml, const QString& text)
{
    xml.writeStartElement(QStringLiteral("w:t"));
    if (text.front().isSpace() || text.back().isSpace() || text.contains(QLatin1String("  ")))
        xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    if (std::all_of(text.begin(), text.end(), isXmlChar)) {
        xml.writeCharacters(text);
    } else {
        QString clean;
        std::copy_if(text.begin(), text.end(), std::back_inserter(clean), isXmlChar);
        xml.writeCharacters(clean);
    }
    xml.writeEndElement();
}

// One run; CR LF, CR and LF become line breaks and TABs tab stops, all inside the run.
void writeRun(QXmlStreamWriter& xml, const QString& text, bool bold, const QString& color)
{
    if (text.isEmpty())
        return;
    xml.writeStartElement(QStringLiteral("w:r"));
    if (bold || !color.isEmpty()) {
        xml.writeStartElement(QStringLiteral("w:rPr"));
        if (bold)
            xml.writeEmptyElement(QStringLiteral("w:b"));
        if (!color.isEmpty()) {
            xml.writeEmptyElement(QStringLiteral("w:color"));
            xml.writeAttribute(kW, color);
        }
        xml.writeEndElement();
    }
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n' && c != u'\t')
            continue;
        if (i > start)
            writeText(xml, text.mid(start, i - start));
        if (c == u'\t') {
            xml.writeEmptyElement(QStringLiteral("w:tab"));
        } else {
            xml.writeEmptyElement(QStringLiteral("w:br"));
            if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
                ++i;
        }
        start = i + 1;
    }
    if (start < size)
        writeText(xml, start == 0 ? text : text.mid(start));
    xml.writeEndElement();
}

void writeParagraph(QXmlStreamWriter& xml, const QString& text, const QString& style, bool alignRight = false,
    bool bold = false, const QString& color = {})
{
    xml.writeStartElement(QStringLiteral("w:p"));
    if (!style.isEmpty() || alignRight) {
        xml.writeStartElement(QStringLiteral("w:pPr"));
        if (!style.isEmpty()) {
            xml.writeEmptyElement(QStringLiteral("w:pStyle"));
            xml.writeAttribute(kW, style);
        }
        if (alignRight) {
            xml.writeEmptyElement(QStringLiteral("w:jc"));
            xml.writeAttribute(kW, QStringLiteral("right"));
        }
        xml.writeEndElement();
    }
    writeRun(xml, text, bold, color);
    xml.writeEndElement();
}

// An empty paragraph that shows nothing and takes no room.
void writeHiddenParagraph(QXmlStreamWriter& xml)
{
    xml.writeStartElement(QStringLiteral("w:p"));
    xml.writeStartElement(QStringLiteral("w:pPr"));
    xml.writeEmptyElement(QStringLiteral("w:spacing"));
    xml.writeAttribute(QStringLiteral("w:before"), QStringLiteral("0"));
    xml.writeAttribute(QStringLiteral("w:after"), QStringLiteral("0"));
    xml.writeAttribute(QStringLiteral("w:line"), QStringLiteral("20"));
    xml.writeAttribute(QStringLiteral("w:lineRule"), QStringLiteral("exact"));
    xml.writeStartElement(QStringLiteral("w:rPr"));
    xml.writeEmptyElement(QStringLiteral("w:vanish"));
    xml.writeEmptyElement(QStringLiteral("w:sz"));
    xml.writeAttribute(kW, QStringLiteral("2"));
    xml.writeEndElement(); // rPr
    xml.writeEndElement(); // pPr
    xml.writeEndElement(); // p
}

void writeBorder(QXmlStreamWriter& xml, const QString& side, const QString& color, int size)
{
    xml.writeEmptyElement(side);
    xml.writeAttribute(kW, QStringLiteral("single"));
    xml.writeAttribute(QStringLiteral("w:sz"), QString::number(size));
    xml.writeAttribute(QStringLiteral("w:space"), QStringLiteral("0"));
    xml.writeAttribute(QStringLiteral("w:color"), color);
}

} // namespace

DocxWriter::DocxWriter()
    : m_styles(kDefaultStyles)
{
}

void DocxWriter::setMargins(int top, int right, int bottom, int left)
{
    m_margins[0] = top;
    m_margins[1] = right;
    m_margins[2] = bottom;
    m_margins[3] = left;
}

int DocxWriter::textWidth() const
{
    const int pageWidth = m_orientation == Orientation::Landscape ? kA4Long : kA4Short;
    return pageWidth - m_margins[1] - m_margins[3];
}

void DocxWriter::addParagraph(const QString& text, const QString& style)
{
    Block block;
    block.text = text;
    block.style = style;
    m_blocks.push_back(std::move(block));
}

void DocxWriter::addTable(const QList<Column>& columns, const QList<QStringList>& rows, const TableLook& look)
{
    qsizetype next = 0;
    addTable(
        columns,
        [rows, next](QStringList& cells) mutable {
            if (next >= rows.size())
                return false;
            cells = rows.at(next++);
            return true;
        },
        look);
}

void DocxWriter::addTable(const QList<Column>& columns, const RowSource& rows, const TableLook& look)
{
    Block block;
    block.columns = columns;
    block.look = look;
    block.rows = rows;
    m_blocks.push_back(std::move(block));
}

QList<int> DocxWriter::columnWidths(const Block& table) const
{
    QList<int> widths;
    int fixed = 0;
    int shared = 0;
    for (const Column& column : table.columns) {
        fixed += column.width;
        shared += column.width > 0 ? 0 : 1;
    }
    const int share = shared ? qMax(1, (textWidth() - fixed) / shared) : 0;
    for (const Column& column : table.columns)
        widths.append(column.width > 0 ? column.width : share);
    return widths;
}

void DocxWriter::startTable(QXmlStreamWriter& xml, const Block& table, const QList<int>& widths) const
{
    const TableLook& look = table.look;
    xml.writeStartElement(QStringLiteral("w:tbl"));
    xml.writeStartElement(QStringLiteral("w:tblPr"));
    xml.writeEmptyElement(QStringLiteral("w:tblW"));
    xml.writeAttribute(
        QStringLiteral("w:w"), QString::number(std::accumulate(widths.begin(), widths.end(), 0)));
    xml.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
    if (look.gridLines || !look.ruleColor.isEmpty()) {
        xml.writeStartElement(QStringLiteral("w:tblBorders"));
        // The sides in the order the schema gives them; the bottom is the rule when there is one.
        const QString grey = QStringLiteral("808080");
        for (const char* side : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}) {
            const QLatin1String name(side);
            if (name == QLatin1String("w:bottom") && !look.ruleColor.isEmpty())
                writeBorder(xml, name, look.ruleColor, 6);
            else if (look.gridLines)
                writeBorder(xml, name, grey, 4);
        }
        xml.writeEndElement();
    }
    xml.writeEmptyElement(QStringLiteral("w:tblLayout"));
    xml.writeAttribute(QStringLiteral("w:type"), QStringLiteral("fixed"));
    if (look.cellMargin >= 0) {
        // Given on the table itself: not every word processor reads the default table style.
        xml.writeStartElement(QStringLiteral("w:tblCellMar"));
        for (const char* side : {"w:left", "w:right"}) {
            xml.writeEmptyElement(QLatin1String(side));
            xml.writeAttribute(QStringLiteral("w:w"), QString::number(look.cellMargin));
            xml.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
        }
        xml.writeEndElement();
    }
    xml.writeEndElement(); // tblPr
    xml.writeStartElement(QStringLiteral("w:tblGrid"));
    for (int width : widths) {
        xml.writeEmptyElement(QStringLiteral("w:gridCol"));
        xml.writeAttribute(QStringLiteral("w:w"), QString::number(width));
    }
    xml.writeEndElement();
}

void DocxWriter::writeRow(QXmlStreamWriter& xml, const Block& table, const QList<int>& widths,
    const QStringList& cells, bool header, const QString& fill) const
{
    const TableLook& look = table.look;
    xml.writeStartElement(QStringLiteral("w:tr"));
    xml.writeStartElement(QStringLiteral("w:trPr"));
    // The header row is repeated on every page; a company's row is not split between pages. A table
    // written in parts has its titles in the page header instead.
    const bool repeated = header && look.rowsPerTable <= 0;
    xml.writeEmptyElement(repeated ? QStringLiteral("w:tblHeader") : QStringLiteral("w:cantSplit"));
    xml.writeEndElement();
    for (qsizetype i = 0; i < table.columns.size(); ++i) {
        xml.writeStartElement(QStringLiteral("w:tc"));
        // The fixed layout takes the widths from the grid and the first row; later rows leave them out.
        if (header || !fill.isEmpty()) {
            xml.writeStartElement(QStringLiteral("w:tcPr"));
            if (header) {
                xml.writeEmptyElement(QStringLiteral("w:tcW"));
                xml.writeAttribute(QStringLiteral("w:w"), QString::number(widths.at(i)));
                xml.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
            }
            if (!fill.isEmpty()) {
                xml.writeEmptyElement(QStringLiteral("w:shd"));
                xml.writeAttribute(kW, QStringLiteral("clear"));
                xml.writeAttribute(QStringLiteral("w:color"), QStringLiteral("auto"));
                xml.writeAttribute(QStringLiteral("w:fill"), fill);
            }
            xml.writeEndElement(); // tcPr
        }
        writeParagraph(xml, i < cells.size() ? cells.at(i) : QString(), look.cellStyle,
            table.columns.at(i).alignRight, header && look.headerBold, header ? look.headerColor : QString());
        xml.writeEndElement(); // tc
    }
    xml.writeEndElement(); // tr
}

void DocxWriter::writeTable(QXmlStreamWriter& xml, const Block& table)
{
    const TableLook& look = table.look;
    const QList<int> widths = columnWidths(table);
    QStringList titles;
    for (const Column& column : table.columns)
        titles.append(column.caption);
    startTable(xml, table, widths);
    writeRow(xml, table, widths, titles, true, look.headerFill);
    QStringList cells;
    for (qint64 row = 0; table.rows(cells); ++row) {
        // A word processor converts the cells of one table in a time that grows with the square of
        // their number: a long table is written in parts, joined by hidden paragraphs.
        if (look.rowsPerTable > 0 && row > 0 && row % look.rowsPerTable == 0) {
            xml.writeEndElement(); // tbl
            writeHiddenParagraph(xml);
            startTable(xml, table, widths);
        }
        writeRow(xml, table, widths, cells, false, row % 2 ? look.bandFill : QString());
    }
    xml.writeEndElement(); // tbl
    // A body ends with a paragraph, and a table is kept apart from whatever follows it.
    xml.writeEmptyElement(QStringLiteral("w:p"));
}

const DocxWriter::Block* DocxWriter::tableInParts() const
{
    for (const Block& block : m_blocks) {
        if (!block.columns.isEmpty() && block.look.rowsPerTable > 0)
            return &block;
    }
    return nullptr;
}

QByteArray DocxWriter::headerPart(const Block* titlesOf) const
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    xml.writeStartElement(QStringLiteral("w:hdr"));
    xml.writeAttribute(QStringLiteral("xmlns:w"), kWordNamespace);
    if (titlesOf) {
        const QList<int> widths = columnWidths(*titlesOf);
        QStringList titles;
        for (const Column& column : titlesOf->columns)
            titles.append(column.caption);
        startTable(xml, *titlesOf, widths);
        writeRow(xml, *titlesOf, widths, titles, true, titlesOf->look.headerFill);
        xml.writeEndElement(); // tbl
    }
    // A header ends with a paragraph; this one takes no room.
    writeHiddenParagraph(xml);
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

bool DocxWriter::writeDocument(QIODevice& device)
{
    QXmlStreamWriter xml(&device);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    xml.writeStartElement(QStringLiteral("w:document"));
    xml.writeAttribute(QStringLiteral("xmlns:w"), kWordNamespace);
    xml.writeAttribute(QStringLiteral("xmlns:r"), kRelationsNamespace);
    xml.writeStartElement(QStringLiteral("w:body"));
    for (const Block& block : m_blocks) {
        if (block.columns.isEmpty())
            writeParagraph(xml, block.text, block.style);
        else
            writeTable(xml, block);
        if (xml.hasError())
            return false;
    }
    const bool landscape = m_orientation == Orientation::Landscape;
    xml.writeStartElement(QStringLiteral("w:sectPr"));
    const bool headers = tableInParts() != nullptr;
    if (headers) {
        for (const auto& [type, id] : {std::pair {"default", "rId2"}, std::pair {"first", "rId3"}}) {
            xml.writeEmptyElement(QStringLiteral("w:headerReference"));
            xml.writeAttribute(QStringLiteral("w:type"), QLatin1String(type));
            xml.writeAttribute(QStringLiteral("r:id"), QLatin1String(id));
        }
    }
    xml.writeEmptyElement(QStringLiteral("w:pgSz"));
    xml.writeAttribute(QStringLiteral("w:w"), QString::number(landscape ? kA4Long : kA4Short));
    xml.writeAttribute(QStringLiteral("w:h"), QString::number(landscape ? kA4Short : kA4Long));
    if (landscape)
        xml.writeAttribute(QStringLiteral("w:orient"), QStringLiteral("landscape"));
    xml.writeEmptyElement(QStringLiteral("w:pgMar"));
    xml.writeAttribute(QStringLiteral("w:top"), QString::number(m_margins[0]));
    xml.writeAttribute(QStringLiteral("w:right"), QString::number(m_margins[1]));
    xml.writeAttribute(QStringLiteral("w:bottom"), QString::number(m_margins[2]));
    xml.writeAttribute(QStringLiteral("w:left"), QString::number(m_margins[3]));
    xml.writeAttribute(QStringLiteral("w:header"), QStringLiteral("709"));
    xml.writeAttribute(QStringLiteral("w:footer"), QStringLiteral("709"));
    xml.writeAttribute(QStringLiteral("w:gutter"), QStringLiteral("0"));
    // The first page shows the table's own title row.
    if (headers)
        xml.writeEmptyElement(QStringLiteral("w:titlePg"));
    xml.writeEndElement(); // sectPr
    xml.writeEndElement(); // body
    xml.writeEndElement(); // document
    xml.writeEndDocument();
    return !xml.hasError();
}

QByteArray DocxWriter::corePart() const
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    xml.writeStartElement(QStringLiteral("cp:coreProperties"));
    xml.writeAttribute(QStringLiteral("xmlns:cp"),
        QStringLiteral("http://schemas.openxmlformats.org/package/2006/metadata/core-properties"));
    xml.writeAttribute(QStringLiteral("xmlns:dc"), QStringLiteral("http://purl.org/dc/elements/1.1/"));
    xml.writeAttribute(QStringLiteral("xmlns:dcterms"), QStringLiteral("http://purl.org/dc/terms/"));
    xml.writeAttribute(
        QStringLiteral("xmlns:xsi"), QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"));
    if (!m_properties.title.isEmpty())
        xml.writeTextElement(QStringLiteral("dc:title"), m_properties.title);
    if (!m_properties.author.isEmpty()) {
        xml.writeTextElement(QStringLiteral("dc:creator"), m_properties.author);
        xml.writeTextElement(QStringLiteral("cp:lastModifiedBy"), m_properties.author);
    }
    const QString when = m_properties.created.toUTC().toString(Qt::ISODate);
    for (const QString& name : {QStringLiteral("dcterms:created"), QStringLiteral("dcterms:modified")}) {
        xml.writeStartElement(name);
        xml.writeAttribute(QStringLiteral("xsi:type"), QStringLiteral("dcterms:W3CDTF"));
        xml.writeCharacters(when);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

QByteArray DocxWriter::appPart() const
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    xml.writeStartElement(QStringLiteral("Properties"));
    xml.writeAttribute(QStringLiteral("xmlns"),
        QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"));
    xml.writeTextElement(QStringLiteral("Application"), m_properties.application);
    if (!m_properties.company.isEmpty())
        xml.writeTextElement(QStringLiteral("Company"), m_properties.company);
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

bool DocxWriter::write(QIODevice& out)
{
    m_error.clear();
    m_outOfSpace = false;
    ZipWriter zip(out);
    zip.setWorkFolder(m_workFolder);
    zip.setTimestamp(m_properties.created);
    zip.setCompressionLevel(m_compressionLevel);
    zip.setPackingCallback(m_packing);
    QByteArray contentTypes(kContentTypes);
    QByteArray relations(kDocumentRelations);
    const Block* titles = tableInParts();
    if (titles) {
        const char header[] = "application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml";
        contentTypes.insert(contentTypes.lastIndexOf("</Types>"),
            QByteArray("<Override PartName=\"/word/header1.xml\" ContentType=\"") + header
                + "\"/><Override PartName=\"/word/header2.xml\" ContentType=\"" + header + "\"/>");
        const char type[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/header";
        relations.insert(relations.lastIndexOf("</Relationships>"),
            QByteArray("<Relationship Id=\"rId2\" Type=\"") + type
                + "\" Target=\"header1.xml\"/><Relationship Id=\"rId3\" Type=\"" + type
                + "\" Target=\"header2.xml\"/>");
    }
    bool ok = zip.addEntry(QStringLiteral("[Content_Types].xml"), contentTypes)
        && zip.addEntry(QStringLiteral("_rels/.rels"), QByteArray(kPackageRelations))
        && zip.addEntry(
            QStringLiteral("word/document.xml"), [this](QIODevice& device) { return writeDocument(device); })
        && zip.addEntry(QStringLiteral("word/_rels/document.xml.rels"), relations)
        && zip.addEntry(QStringLiteral("word/styles.xml"), m_styles)
        && zip.addEntry(QStringLiteral("docProps/core.xml"), corePart())
        && zip.addEntry(QStringLiteral("docProps/app.xml"), appPart());
    if (titles) {
        ok = ok && zip.addEntry(kTitlesHeader, headerPart(titles))
            && zip.addEntry(kFirstHeader, headerPart(nullptr));
    }
    ok = ok && zip.finish();
    if (!ok) {
        m_error = zip.errorString();
        m_outOfSpace = zip.outOfSpace();
    }
    return ok;
}
