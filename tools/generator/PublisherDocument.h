#pragma once

#include "platform/office/DocxWriter.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A document of the publisher (.docx) on A4 in its house style: the title, headings, paragraphs and
// tables with an orange header row. Fixed dates, so the same text gives the same bytes.
class PublisherDocument
{
public:
    struct Column
    {
        QString caption;
        qreal share; // of the text width
        bool number = false; // right aligned
    };

    // The title opens the document; `subtitle` goes under it.
    PublisherDocument(const QString& title, const QString& subtitle);

    void heading(const QString& text);
    void paragraph(const QString& text);
    void table(const QList<Column>& columns, const QList<QStringList>& rows);

    // The packed document; empty on failure, with the reason in `error`.
    QByteArray data(QString& error);

private:
    DocxWriter m_writer;
};
