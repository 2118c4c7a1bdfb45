#pragma once

#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// A printed PDF read back through poppler-utils (pdfinfo, pdftotext), as the print tests check it.
namespace PdfReader {

// What a program prints on its standard output, however long it takes on a busy machine.
QString output(const QString& program, const QStringList& arguments);

int pages(const QString& pdf);
// The first page's size in points.
QSizeF pageSize(const QString& pdf);

struct Word
{
    QString text;
    QPointF topLeft; // points
    double right = 0; // where its last letter's advance ends, in points
};

// The words of a page (1-based), or of every page with 0, each at its top-left corner, unescaped.
QList<Word> words(const QString& pdf, int page = 0);

} // namespace PdfReader
