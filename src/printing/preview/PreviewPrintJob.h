#pragma once

class PreviewDocument;
class PrinterSurface;
class QProgressDialog;
class QWidget;

// Prints a preview's document on the printer, page after page as each is drawn, showing which page
// of how many is being printed with a button that cancels the job; the window keeps repainting.
class PreviewPrintJob
{
public:
    // Abandoned: the document gave the job up itself (and said why); Failed: the printer could not
    // output it.
    enum class Result { Printed, Cancelled, Abandoned, Failed };

    PreviewPrintJob(PreviewDocument& document, PrinterSurface& printer);
    PreviewPrintJob(const PreviewPrintJob&) = delete;
    PreviewPrintJob& operator=(const PreviewPrintJob&) = delete;

    // Every page from the first record, numbered from 1.
    Result printAll(QWidget* parent);
    // One page: the one that begins at record `start`, labelled `number`.
    Result printOne(int start, int number);

private:
    Result finish();

    PreviewDocument& m_document;
    PrinterSurface& m_printer;
};
