#include "printing/preview/PreviewPrintJob.h"

#include "platform/print/PrinterSurface.h"
#include "printing/preview/PreviewDocument.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {

QString progressText(int page, int total)
{
    if (total >= page)
        return QStringLiteral("Imprimiendo la página %1 de %2").arg(page).arg(total);
    return QStringLiteral("Imprimiendo la página %1").arg(page);
}

} // namespace

PreviewPrintJob::PreviewPrintJob(PreviewDocument& document, PrinterSurface& printer)
    : m_document(document)
    , m_printer(printer)
{
}

PreviewPrintJob::Result PreviewPrintJob::printAll(QWidget* parent)
{
    const int total = m_document.pageCount(m_printer.pageSize());
    QProgressDialog progress(parent);
    progress.setObjectName(QStringLiteral("progresoImpresion"));
    progress.setWindowTitle(QStringLiteral("Imprimir"));
    progress.setCancelButtonText(QStringLiteral("Cancelar"));
    // The window it covers stays painted but takes no clicks: only Cancel can interrupt.
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setRange(0, qMax(0, total));

    int start = 1;
    for (int number = 1;; ++number) {
        progress.setLabelText(progressText(number, total));
        if (total >= number)
            progress.setValue(number - 1);
        QCoreApplication::processEvents();
        if (progress.wasCanceled()) {
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
    QCoreApplication::processEvents();
    if (progress.wasCanceled()) {
        m_printer.abort();
        return Result::Cancelled;
    }
    return finish();
}

PreviewPrintJob::Result PreviewPrintJob::printOne(int start, int number)
{
    m_document.drawPage(m_printer, PreviewPage {start, number, true});
    return finish();
}

PreviewPrintJob::Result PreviewPrintJob::finish()
{
    if (m_printer.isFinished())
        return Result::Abandoned;
    return m_printer.end() ? Result::Printed : Result::Failed;
}
