#pragma once

#include "printing/preview/PreviewDocument.h"

#include <QList>
#include <QPageRanges>

class PrinterSurface;
class QPrinter;
class QWidget;

// Prints a preview's document on the printer, page after page as each is drawn, showing which page
// of how many is being printed with a button that cancels the job; the window keeps repainting.
class PreviewPrintJob
{
public:
    // Abandoned: the document gave the job up itself (and said why); Failed: the printer could not
    // output it.
    enum class Result { Printed, Cancelled, Abandoned, Failed };

    // Which pages, how many times and in what order: what the print dialog asked for, as far as the
    // job must do it itself.
    struct Request
    {
        // Pages of the document by number, from 1; empty: every page.
        QPageRanges pages;
        int copies = 1;
        // Each copy whole before the next, or each page as many times as copies.
        bool collate = true;
        // Last page first.
        bool reverse = false;

        // The pages, copies and order set on `printer` (copies only where it does not make them).
        static Request from(const QPrinter& printer);
    };

    PreviewPrintJob(PreviewDocument& document, PrinterSurface& printer);
    PreviewPrintJob(const PreviewPrintJob&) = delete;
    PreviewPrintJob& operator=(const PreviewPrintJob&) = delete;

    // The pages asked for, numbered as in the whole document.
    Result print(const Request& request, QWidget* parent);
    // Every page from the first record, numbered from 1.
    Result printAll(QWidget* parent);
    // One page, the one that begins at record `start`, labelled `number`, as many copies as asked.
    Result printOne(int start, int number, QWidget* parent, const Request& copies);

private:
    // Every page from the first, each drawn where the one before ended.
    Result printOnward(QWidget* parent);
    // The pages given, in that order, `copies` times over.
    Result printPages(const QList<PreviewPage>& pages, const Request& copies, QWidget* parent);
    Result finish();

    PreviewDocument& m_document;
    PrinterSurface& m_printer;
};
