#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A Word document (.docx) of the publisher on A4: the title, headings, paragraphs and tables with an
// orange header row, in the WordprocessingML any word processor reads. Fixed dates, so the same text
// gives the same bytes.
class WordDocument
{
public:
    struct Column
    {
        QString caption;
        qreal share; // of the text width
        bool number = false; // right aligned
    };

    // The title opens the document; `subtitle` goes under it.
    WordDocument(const QString& title, const QString& subtitle);

    void heading(const QString& text);
    void paragraph(const QString& text);
    void table(const QList<Column>& columns, const QList<QStringList>& rows);

    QByteArray data() const;

private:
    QString m_title;
    QString m_body;
};
