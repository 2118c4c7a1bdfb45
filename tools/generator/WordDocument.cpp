#include "WordDocument.h"

#include "ZipArchive.h"

namespace {

// The text width of an A4 page with 2 cm margins, in twentieths of a point.
constexpr int kTextWidth = 11906 - 2 * 1134;

QString run(const QString& text, const QString& properties = {})
{
    const QString rPr
        = properties.isEmpty() ? QString() : QStringLiteral("<w:rPr>%1</w:rPr>").arg(properties);
    return QStringLiteral("<w:r>%1<w:t xml:space=\"preserve\">%2</w:t></w:r>").arg(rPr, text.toHtmlEscaped());
}

QString styled(const QString& style, const QString& text)
{
    return QStringLiteral("<w:p><w:pPr><w:pStyle w:val=\"%1\"/></w:pPr>%2</w:p>").arg(style, run(text));
}

const char kContentTypes[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/><Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/><Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/><Override PartName="/docProps/core.xml" ContentType="application/vnd.openxmlformats-package.core-properties+xml"/><Override PartName="/docProps/app.xml" ContentType="application/vnd.openxmlformats-officedocument.extended-properties+xml"/></Types>
)";

const char kPackageRelations[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/><Relationship Id="rId2" Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" Target="docProps/core.xml"/><Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties" Target="docProps/app.xml"/></Relationships>
)";

const char kDocumentRelations[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/></Relationships>
)";

const char kApp[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"><Application>Tarvesa 2010</Application><Company>KORVAN</Company></Properties>
)";

// Arial (or its metric twin) as the rest of the product; headings dark with the orange rule.
const char kStyles[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii="Arial" w:hAnsi="Arial" w:cs="Arial" w:eastAsia="Arial"/><w:sz w:val="20"/><w:szCs w:val="20"/><w:lang w:val="es-ES"/></w:rPr></w:rPrDefault><w:pPrDefault><w:pPr><w:spacing w:after="120" w:line="264" w:lineRule="auto"/></w:pPr></w:pPrDefault></w:docDefaults><w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/><w:pPr><w:jc w:val="both"/></w:pPr></w:style><w:style w:type="paragraph" w:styleId="Title"><w:name w:val="Title"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:pPr><w:spacing w:after="60"/><w:jc w:val="left"/></w:pPr><w:rPr><w:b/><w:color w:val="2E2E2E"/><w:sz w:val="40"/></w:rPr></w:style><w:style w:type="paragraph" w:styleId="Subtitle"><w:name w:val="Subtitle"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:pPr><w:pBdr><w:bottom w:val="single" w:sz="18" w:space="4" w:color="F08214"/></w:pBdr><w:spacing w:after="240"/><w:jc w:val="left"/></w:pPr><w:rPr><w:color w:val="BE5C06"/><w:sz w:val="24"/></w:rPr></w:style><w:style w:type="paragraph" w:styleId="Heading1"><w:name w:val="heading 1"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:pPr><w:keepNext/><w:spacing w:before="240" w:after="120"/><w:jc w:val="left"/><w:outlineLvl w:val="0"/></w:pPr><w:rPr><w:b/><w:color w:val="2E2E2E"/><w:sz w:val="28"/></w:rPr></w:style><w:style w:type="paragraph" w:styleId="Cell"><w:name w:val="Cell"/><w:basedOn w:val="Normal"/><w:pPr><w:spacing w:after="0" w:line="240" w:lineRule="auto"/><w:jc w:val="left"/></w:pPr><w:rPr><w:sz w:val="17"/></w:rPr></w:style><w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/><w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar><w:top w:w="0" w:type="dxa"/><w:left w:w="108" w:type="dxa"/><w:bottom w:w="0" w:type="dxa"/><w:right w:w="108" w:type="dxa"/></w:tblCellMar></w:tblPr></w:style></w:styles>
)";

} // namespace

WordDocument::WordDocument(const QString& title, const QString& subtitle)
    : m_title(title)
{
    m_body += styled(QStringLiteral("Title"), title);
    m_body += styled(QStringLiteral("Subtitle"), subtitle);
}

void WordDocument::heading(const QString& text)
{
    m_body += styled(QStringLiteral("Heading1"), text);
}

void WordDocument::paragraph(const QString& text)
{
    m_body += QStringLiteral("<w:p>%1</w:p>").arg(run(text));
}

void WordDocument::table(const QList<Column>& columns, const QList<QStringList>& rows)
{
    const auto cell
        = [](const QString& text, int width, bool number, const QString& fill, const QString& font) {
              return QStringLiteral("<w:tc><w:tcPr><w:tcW w:w=\"%1\" w:type=\"dxa\"/>"
                                    "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"%2\"/></w:tcPr>"
                                    "<w:p><w:pPr><w:pStyle w:val=\"Cell\"/>%3</w:pPr>%4</w:p></w:tc>")
                  .arg(QString::number(width), fill,
                      number ? QStringLiteral("<w:jc w:val=\"right\"/>") : QString(), run(text, font));
          };
    QList<int> widths;
    QString grid;
    for (const Column& column : columns) {
        widths.append(qRound(column.share * kTextWidth));
        grid += QStringLiteral("<w:gridCol w:w=\"%1\"/>").arg(widths.last());
    }
    QString xml = QStringLiteral(
        "<w:tbl><w:tblPr><w:tblW w:w=\"%1\" w:type=\"dxa\"/><w:tblBorders>"
        "<w:bottom w:val=\"single\" w:sz=\"6\" w:space=\"0\" w:color=\"F08214\"/></w:tblBorders>"
        "<w:tblLayout w:type=\"fixed\"/></w:tblPr><w:tblGrid>%2</w:tblGrid>")
                      .arg(QString::number(kTextWidth), grid);
    // The header row is repeated on every page the table runs over.
    xml += QStringLiteral("<w:tr><w:trPr><w:tblHeader/></w:trPr>");
    for (int i = 0; i < columns.size(); ++i)
        xml += cell(columns[i].caption, widths[i], columns[i].number, QStringLiteral("F08214"),
            QStringLiteral("<w:b/><w:color w:val=\"FFFFFF\"/>"));
    xml += QStringLiteral("</w:tr>");
    for (int r = 0; r < rows.size(); ++r) {
        xml += QStringLiteral("<w:tr><w:trPr><w:cantSplit/></w:trPr>");
        const QString fill = r % 2 ? QStringLiteral("EDE6D6") : QStringLiteral("FFFFFF");
        for (int i = 0; i < columns.size(); ++i)
            xml += cell(rows[r].value(i), widths[i], columns[i].number, fill, QString());
        xml += QStringLiteral("</w:tr>");
    }
    xml += QStringLiteral("</w:tbl><w:p/>");
    m_body += xml;
}

QByteArray WordDocument::data() const
{
    const QString document = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>%1"
        "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:top=\"1418\" w:right=\"1134\" "
        "w:bottom=\"1418\" w:left=\"1134\" w:header=\"709\" w:footer=\"709\" w:gutter=\"0\"/></w:sectPr>"
        "</w:body></w:document>\n")
                                 .arg(m_body);
    const QString core = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<cp:coreProperties "
        "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
        "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><dc:title>%1</dc:title>"
        "<dc:creator>KORVAN</dc:creator><cp:lastModifiedBy>KORVAN</cp:lastModifiedBy>"
        "<dcterms:created xsi:type=\"dcterms:W3CDTF\">2010-03-01T10:00:00Z</dcterms:created>"
        "<dcterms:modified xsi:type=\"dcterms:W3CDTF\">2010-03-01T10:00:00Z</dcterms:modified>"
        "</cp:coreProperties>\n")
                             .arg(m_title.toHtmlEscaped());
    ZipArchive zip;
    zip.add(QStringLiteral("[Content_Types].xml"), kContentTypes);
    zip.add(QStringLiteral("_rels/.rels"), kPackageRelations);
    zip.add(QStringLiteral("word/document.xml"), document.toUtf8());
    zip.add(QStringLiteral("word/_rels/document.xml.rels"), kDocumentRelations);
    zip.add(QStringLiteral("word/styles.xml"), kStyles);
    zip.add(QStringLiteral("docProps/core.xml"), core.toUtf8());
    zip.add(QStringLiteral("docProps/app.xml"), kApp);
    return zip.data();
}
