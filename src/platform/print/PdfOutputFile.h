#pragma once

#include <QString>

class QPrinter;

// Printing to a PDF file: the printer writes a temporary file beside it, and only a completed
// document takes the file's place, so a cancelled or failed print leaves an existing file as it was.
class PdfOutputFile
{
public:
    // Points `printer` at the temporary file; nothing for a printer that writes no PDF file.
    explicit PdfOutputFile(QPrinter& printer);
    // Removes the temporary file unless it was put in place; the printer gets its file name back.
    ~PdfOutputFile();
    PdfOutputFile(const PdfOutputFile&) = delete;
    PdfOutputFile& operator=(const PdfOutputFile&) = delete;

    // Puts the finished file in place of the one asked for; false when it could not.
    bool commit();

private:
    QPrinter& m_printer;
    QString m_target;
    QString m_temporary;
};
