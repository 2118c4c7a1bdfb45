#pragma once

#include <QBuffer>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class QFont;
class QPainter;
class QPdfWriter;

// A printed report of the publisher on A4: a title page in the product's colours, then pages with a
// running head, numbered at the foot, that take headings, paragraphs and tables which run on to the
// next page as needed. The bytes do not depend on the day they are made; the writer lists its fonts in
// hash order, so they are the same from run to run only under a deterministic QHash seed.
class PdfReport
{
public:
    struct Column
    {
        QString caption;
        qreal share; // of the text width
        bool number = false; // right aligned
    };

    // `kind` is written above the title ("Informe sectorial"), `summary` below it.
    PdfReport(const QString& kind, const QString& title, const QString& summary);
    ~PdfReport();
    PdfReport(const PdfReport&) = delete;
    PdfReport& operator=(const PdfReport&) = delete;

    void heading(const QString& text);
    void paragraph(const QString& text);
    void note(const QString& text);
    // Rows that do not fit go on to the next page under the column captions again.
    void table(const QList<Column>& columns, const QList<QStringList>& rows);

    // Closes the document and gives its bytes.
    QByteArray finish();

private:
    void close();
    qreal units(qreal points) const;
    QFont font(qreal points, bool bold = false, bool italic = false) const;
    void titlePage(const QString& kind, const QString& summary);
    void newPage();
    bool fits(qreal points) const;
    void tableHeader(const QList<Column>& columns);
    void tableRow(const QList<Column>& columns, const QStringList& cells, bool shaded);

    QBuffer m_buffer;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    QString m_title;
    int m_page = 1;
    qreal m_y = 0; // in points from the top of the page
};
