#include "PublisherDocument.h"

#include <QBuffer>
#include <QTimeZone>

namespace {

// Arial (or its metric twin) as the rest of the product; headings dark with the orange rule.
const char kStyles[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii="Arial" w:hAnsi="Arial" w:cs="Arial" w:eastAsia="Arial"/><w:sz w:val="20"/><w:szCs w:val="20"/><w:lang w:val="es-ES"/></w:rPr></w:rPrDefault><w:pPrDefault><w:pPr><w:spacing w:after="120" w:line="264" w:lineRule="auto"/></w:pPr></w:pPrDefault></w:docDefaults><w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/><w:pPr><w:jc w:val="both"/></w:pPr></w:style><w:style w:type="paragraph" w:styleId="Title"><w:name w:val="Title"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:pPr><w:spacing w:after="60"/><w:jc w:val="left"/></w:pPr><w:rPr><w:b/><w:color w:val="2E2E2E"/><w:sz w:val="40"/></w:rPr></w:style><w:style w:type="paragraph" w:styleId="Subtitle"><w:name w:val="Subtitle"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:pPr><w:pBdr><w:bottom w:val="single" w:sz="18" w:space="4" w:color="F08214"/></w:pBdr><w:spacing w:after="240"/><w:jc w:val="left"/></w:pPr><w:rPr><w:color w:val="BE5C06"/><w:sz w:val="24"/></w:rPr></w:style><w:style w:type="paragraph" w:styleId="Heading1"><w:name w:val="heading 1"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:pPr><w:keepNext/><w:spacing w:before="240" w:after="120"/><w:jc w:val="left"/><w:outlineLvl w:val="0"/></w:pPr><w:rPr><w:b/><w:color w:val="2E2E2E"/><w:sz w:val="28"/></w:rPr></w:style><w:style w:type="paragraph" w:styleId="Cell"><w:name w:val="Cell"/><w:basedOn w:val="Normal"/><w:pPr><w:spacing w:after="0" w:line="240" w:lineRule="auto"/><w:jc w:val="left"/></w:pPr><w:rPr><w:sz w:val="17"/></w:rPr></w:style><w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/><w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar><w:top w:w="0" w:type="dxa"/><w:left w:w="108" w:type="dxa"/><w:bottom w:w="0" w:type="dxa"/><w:right w:w="108" w:type="dxa"/></w:tblCellMar></w:tblPr></w:style></w:styles>
)";

} // namespace

PublisherDocument::PublisherDocument(const QString& title, const QString& subtitle)
{
    DocxWriter::Properties properties;
    properties.title = title;
    properties.author = QStringLiteral("KORVAN");
    properties.company = QStringLiteral("KORVAN");
    properties.created = QDateTime(QDate(2010, 3, 1), QTime(10, 0), QTimeZone::utc());
    m_writer.setProperties(properties);
    m_writer.setStyles(kStyles);
    // The house margins: 2.5 cm above and below, 2 cm at the sides.
    m_writer.setMargins(1418, 1134, 1418, 1134);
    m_writer.setCompressionLevel(9);
    m_writer.addParagraph(title, QStringLiteral("Title"));
    m_writer.addParagraph(subtitle, QStringLiteral("Subtitle"));
}

void PublisherDocument::heading(const QString& text)
{
    m_writer.addParagraph(text, QStringLiteral("Heading1"));
}

void PublisherDocument::paragraph(const QString& text)
{
    m_writer.addParagraph(text);
}

void PublisherDocument::table(const QList<Column>& columns, const QList<QStringList>& rows)
{
    QList<DocxWriter::Column> laid;
    for (const Column& column : columns)
        laid.append({column.caption, qRound(column.share * m_writer.textWidth()), column.number});
    DocxWriter::TableLook look;
    look.headerFill = QStringLiteral("F08214");
    look.headerColor = QStringLiteral("FFFFFF");
    look.bandFill = QStringLiteral("EDE6D6");
    look.ruleColor = QStringLiteral("F08214");
    m_writer.addTable(laid, rows, look);
}

QByteArray PublisherDocument::data(QString& error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!m_writer.write(buffer)) {
        error = m_writer.errorString();
        return {};
    }
    return bytes;
}
