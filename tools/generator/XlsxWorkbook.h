#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A spreadsheet of the publisher, written with libxlsxwriter: sheets with a bold header row that stays
// in view, filters and columns wide enough for their data. The file carries a fixed date, so the same
// data gives the same bytes.
class XlsxWorkbook
{
public:
    struct Column
    {
        QString caption;
        double width; // in characters, as the spreadsheet counts them
        bool number = false; // digits are written as numbers, with thousands separators
    };

    explicit XlsxWorkbook(QString title);

    // Sheet names are at most 31 characters, without []:*?/\ .
    void addSheet(const QString& name, const QList<Column>& columns, const QList<QStringList>& rows);
    // A sheet of plain lines of text, for notes on where the figures come from.
    void addNotes(const QString& name, const QStringList& lines);

    // Writes the workbook under a temporary name beside `path` and renames it over any older copy.
    bool save(const QString& path, QString& error) const;

private:
    struct Sheet
    {
        QString name;
        QList<Column> columns;
        QList<QStringList> rows;
        bool notes = false;
    };

    QString m_title;
    QList<Sheet> m_sheets;
};
