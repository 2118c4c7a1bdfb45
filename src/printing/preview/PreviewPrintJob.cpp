#include "printing/preview/PreviewPrintJob.h"

#include "platform/print/PrinterSurface.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QProgressDialog>
#include <algorithm>

namespace {

// Which sheet of how many is being printed, with the button that cancels the job.
class Progress
{
public:
    Progress(QWidget* parent, int total)
        : m_dialog(parent)
        , m_total(total)
    {
        m_dialog.setObjectName(QStringLiteral("progresoImpresion"));
        m_dialog.setWindowTitle(QStringLiteral("Imprimir"));
        m_dialog.setCancelButtonText(QStringLiteral("Cancelar"));
        // The window it covers stays painted but takes no clicks: only Cancel can interrupt.
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(0);
        m_dialog.setAutoReset(false);
        m_dialog.setAutoClose(false);
        m_dialog.setRange(0, qMax(0, total));
    }

    // Shows sheet `sheet` (from 1) as the one being printed; false once the user cancelled.
    bool at(int sheet)
    {
        m_dialog.setLabelText(m_total >= sheet
                ? QStringLiteral("Imprimiendo la página %1 de %2").arg(sheet).arg(m_total)
                : QStringLiteral("Imprimiendo la página %1").arg(sheet));
        if (m_total >= sheet)
            m_dialog.setValue(sheet - 1);
        return !cancelled();
    }

    bool cancelled()
    {
        QCoreApplication::processEvents();
        return m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
    int m_total;
};

} // namespace

PreviewPrintJob::Request PreviewPrintJob::Request::from(const QPrinter& printer)
{
    Request request;
    if (printer.printRange() == QPrinter::PageRange)
        request.pages = printer.pageRanges();
    // A printer that makes the copies itself is sent each page once.
    request.copies = printer.supportsMultipleCopies() ? 1 : qMax(1, printer.copyCount());
    request.collate = printer.collateCopies();
    request.reverse = printer.pageOrder() == QPrinter::LastPageFirst;
    return request;
}

PreviewPrintJob::PreviewPrintJob(PreviewDocument& document, PrinterSurface& printer)
    : m_document(document)
    , m_printer(printer)
{
}

PreviewPrintJob::Result PreviewPrintJob::print(const Request& request, QWidget* parent)
{
    if (request.pages.isEmpty() && !request.reverse && request.copies == 1)
        return printOnward(parent);
    const QSizeF area = m_printer.pageSize();
    QList<PreviewPage> pages;
    const int first = request.pages.isEmpty() ? 1 : request.pages.firstPage();
    const int last = request.pages.isEmpty() ? m_document.pageCount(area) : request.pages.lastPage();
    // A document that cannot say its length is asked page by page until it ends.
    for (int number = first; last <= 0 || number <= last; ++number) {
        if (!request.pages.isEmpty() && !request.pages.contains(number))
            continue;
        const int start = m_document.pageStart(number, area);
        if (start <= 0)
            break;
        pages.append(PreviewPage {start, number, true});
    }
    if (request.reverse)
        std::reverse(pages.begin(), pages.end());
    return printPages(pages, request, parent);
}

PreviewPrintJob::Result PreviewPrintJob::printAll(QWidget* parent)
{
    return print(Request(), parent);
}

PreviewPrintJob::Result PreviewPrintJob::printOne(
    int start, int number, QWidget* parent, const Request& copies)
{
    return printPages({PreviewPage {start, number, true}}, copies, parent);
}

PreviewPrintJob::Result PreviewPrintJob::printOnward(QWidget* parent)
{
    const int total = m_document.pageCount(m_printer.pageSize());
    Progress progress(parent, total);
    int start = 1;
    for (int number = 1;; ++number) {
        if (!progress.at(number)) {
            m_printer.abort();
            return Result::Cancelled;
        }
        if (number > 1)
            m_printer.newPage();
        const int next = m_document.drawPage(m_printer, PreviewPage {start, number, true});
        if (m_printer.isFinished())
            return Result::Abandoned;
        // A document that does not move on has ended.
        if (next <= start)
            break;
        start = next;
    }
    if (progress.cancelled()) {
        m_printer.abort();
        return Result::Cancelled;
    }
    return finish();
}

PreviewPrintJob::Result PreviewPrintJob::printPages(
    const QList<PreviewPage>& pages, const Request& copies, QWidget* parent)
{
    const int count = int(pages.size());
    const int sheets = count * qMax(1, copies.copies);
    Progress progress(parent, sheets);
    for (int sheet = 0; sheet < sheets; ++sheet) {
        if (!progress.at(sheet + 1)) {
            m_printer.abort();
            return Result::Cancelled;
        }
        if (sheet > 0)
            m_printer.newPage();
        // Collated: the whole set again for each copy; otherwise each page its copies in a row.
        const PreviewPage& page = pages.at(copies.collate ? sheet % count : sheet / qMax(1, copies.copies));
        m_document.drawPage(m_printer, page);
        if (m_printer.isFinished())
            return Result::Abandoned;
    }
    if (progress.cancelled()) {
        m_printer.abort();
        return Result::Cancelled;
    }
    return finish();
}

PreviewPrintJob::Result PreviewPrintJob::finish()
{
    if (m_printer.isFinished())
        return Result::Abandoned;
    return m_printer.end() ? Result::Printed : Result::Failed;
}
