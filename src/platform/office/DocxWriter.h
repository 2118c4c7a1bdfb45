#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QIODevice;
class QXmlStreamWriter;

// A word-processor document (.docx, WordprocessingML) on A4: paragraphs and tables, one section,
// written with QXmlStreamWriter and packed by ZipWriter. A line break inside a text stays inside its
// paragraph or cell. Tables may come from a row source, so a table of any length streams to the
// device without being held in memory.
class DocxWriter
{
public:
    enum class Orientation { Portrait, Landscape };

    struct Column
    {
        QString caption;
        int width = 0; // twentieths of a point; 0 shares what the other columns leave of the text width
        bool alignRight = false;
    };

    // Colours are RRGGBB; an empty colour leaves that part out.
    struct TableLook
    {
        QString headerFill;
        QString headerColor;
        bool headerBold = true;
        QString bandFill; // every second data row
        QString ruleColor; // a rule under the table
        bool gridLines = false; // thin lines around every cell
        QString cellStyle = QStringLiteral("Cell"); // paragraph style of every cell
        int cellMargin = -1; // twentieths of a point left and right of a cell's text; the style's if < 0
        // Above 0, the table is written as tables of this many rows that show as one, and its titles
        // head every page after the first from the page header.
        int rowsPerTable = 0;
    };

    // Fills `cells` with the next row; false when there are no more rows.
    using RowSource = std::function<bool(QStringList& cells)>;

    struct Properties
    {
        QString title;
        QString author;
        QString company;
        QString application = QStringLiteral("Tarvesa 2010");
        QDateTime created = QDateTime::currentDateTime();
    };

    DocxWriter();

    void setProperties(const Properties& properties) { m_properties = properties; }
    void setOrientation(Orientation orientation) { m_orientation = orientation; }
    // Page margins in twentieths of a point.
    void setMargins(int top, int right, int bottom, int left);
    // The styles part; a plain Arial set with the "Cell" paragraph style when not given.
    void setStyles(const QByteArray& stylesXml) { m_styles = stylesXml; }
    // 1 (fastest) to 9 (smallest); 6 by default.
    void setCompressionLevel(int level) { m_compressionLevel = level; }
    // Called now and then while the written parts are packed; false cancels the document.
    void setPackingCallback(const std::function<bool()>& callback) { m_packing = callback; }
    // Where the temporary files of the packing go (the system's temporary folder by default).
    void setWorkFolder(const QString& folder) { m_workFolder = folder; }

    // The width between the margins, in twentieths of a point.
    int textWidth() const;

    void addParagraph(const QString& text, const QString& style = {});
    void addTable(const QList<Column>& columns, const QList<QStringList>& rows, const TableLook& look);
    void addTable(const QList<Column>& columns, const RowSource& rows, const TableLook& look);

    bool write(QIODevice& out);
    QString errorString() const { return m_error; }
    // Whether writing failed because a disk was full.
    bool outOfSpace() const { return m_outOfSpace; }

private:
    struct Block
    {
        QString text; // a paragraph's text
        QString style;
        QList<Column> columns; // a table when not empty
        TableLook look;
        RowSource rows;
    };

    bool writeDocument(QIODevice& device);
    QList<int> columnWidths(const Block& table) const;
    void startTable(QXmlStreamWriter& xml, const Block& table, const QList<int>& widths) const;
    void writeRow(QXmlStreamWriter& xml, const Block& table, const QList<int>& widths,
        const QStringList& cells, bool header, const QString& fill) const;
    void writeTable(QXmlStreamWriter& xml, const Block& table);
    // The first table written in parts, whose titles head the pages.
    const Block* tableInParts() const;
    // A page header holding the titles of `titlesOf`, or nothing.
    QByteArray headerPart(const Block* titlesOf) const;
    QByteArray corePart() const;
    QByteArray appPart() const;

    Properties m_properties;
    Orientation m_orientation = Orientation::Portrait;
    int m_margins[4] = {1418, 1134, 1418, 1134};
    QByteArray m_styles;
    int m_compressionLevel = 6;
    std::function<bool()> m_packing;
    std::vector<Block> m_blocks;
    QString m_workFolder;
    QString m_error;
    bool m_outOfSpace = false;
};
