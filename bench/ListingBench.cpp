#include "ListingBench.h"

#include "BenchSupport.h"
#include "OutputChecks.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/print/Printers.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/ImageButton.h"
#include "printing/CompanyReport.h"
#include "printing/ListingDocument.h"
#include "printing/preview/PreviewPageWidget.h"
#include "printing/preview/frmVPreliminar.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <memory>

using namespace Bench;

namespace {

// The listing opened as the launcher opens it: on the preview's own printer, A4 landscape, the default
// columns. The printer writes to `pdf`.
struct ListingPreview
{
    ListingPreview(const Recordset& rs, const QString& pdf)
        : report(rs, QImage(), QStringLiteral("Sector: Todos"), ReportFields::defaultChoice())
        , document(report)
    {
        Printers::setPdfOutput(pdf);
        frame = std::make_unique<frmVPreliminar>();
        frame->impresora().setPageSize(QPageSize(QPageSize::A4));
        frame->setConfiguracion(frmVPreliminar::Informe);
        frame->setDocumento(&document);
    }

    // Shows the window and paints it whole, with the page it draws, as soon as it can be seen.
    void show()
    {
        frame->show();
        while (!frame->windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        frame->repaint();
    }

    // A click on one of the preview's buttons, and the page painted.
    void press(const char* button)
    {
        click(frame->findChild<ImageButton*>(QLatin1String(button)));
        frame->picTexto()->repaint();
    }

    int pages() const { return document.pageCount(frame->areaPagina().toCm()); }

    // The page number the page shown bears ("Página: 1 de 35"); empty when it bears none.
    QString pageLabel() const
    {
        for (const PrintItem& item : frame->picTexto()->page()) {
            if (item.text.startsWith(QStringLiteral("Página: ")))
                return item.text;
        }
        return QString();
    }

    // Whether the page shown is page `page` of `pages`, for the preview and on the page itself.
    bool shows(int page, int pages) const
    {
        return frame->paginacion().pagina() == page
            && pageLabel() == QStringLiteral("Página: %1 de %2").arg(page).arg(pages);
    }

    // What the page shown is, for a message.
    QString shown() const
    {
        return QStringLiteral("page %1 shown (\"%2\")").arg(frame->paginacion().pagina()).arg(pageLabel());
    }

    CompanyReport report;
    ListingDocument document;
    std::unique_ptr<frmVPreliminar> frame;
};

} // namespace

void measureListing(int companies)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("DATA"));
    const QString path = dir.filePath(QStringLiteral("DATA/DIdarari.idb"));
    if (!generate(path, companies))
        return;
    DialogService::setScripted(true);
    Connection conn;
    conn.open(path);
    Recordset rs;
    rs.open(kSelect, conn);
    const QString pdf = dir.filePath(QStringLiteral("listado.pdf"));
    const char* const firstShown = "listing: first page shown";
    int pages = 0;
    QString wrong;
    report(companies, firstShown,
        medianOf(21,
            [&] {
                QElapsedTimer t;
                t.start();
                ListingPreview preview(rs, pdf);
                preview.show();
                const double ms = t.nsecsElapsed() / 1e6;
                if (pages == 0)
                    pages = preview.pages();
                if (!preview.shows(1, pages))
                    wrong = preview.shown();
                return ms;
            }),
        "ms");
    expect(wrong.isEmpty() && pages > 0, firstShown,
        QStringLiteral("timed no first page: %1 of %2 pages").arg(wrong).arg(pages));

    // Each turn shows the page after (before) the one shown: so many turns, so many pages on (back).
    const int turns = 21;
    ListingPreview preview(rs, pdf);
    preview.show();
    report(companies, "listing: page turn", median(turns, [&] { preview.press("cmdSiguiente"); }), "ms");
    expect(preview.shows(1 + turns, pages), "listing: page turn",
        QStringLiteral("timed no page turn: %1 after %2 turns from page 1 of %3")
            .arg(preview.shown())
            .arg(turns)
            .arg(pages));
    const int from = preview.frame->paginacion().pagina();
    report(companies, "listing: page turn back", median(turns, [&] { preview.press("cmdAnterior"); }), "ms");
    expect(from == 1 + turns && preview.shows(1, pages), "listing: page turn back",
        QStringLiteral("timed no page turn: %1 after %2 turns back from page %3 of %4")
            .arg(preview.shown())
            .arg(turns)
            .arg(from)
            .arg(pages));

    runSelf({QStringLiteral("--print-listing"), path});
}

int printListing(const QString& path, const QString& pdf)
{
    DialogService::setScripted(true);
    Connection conn;
    conn.open(path);
    Recordset rs;
    rs.open(kSelect, conn);
    const int companies = rs.recordCount();
    QTemporaryDir dir;
    const QString output = pdf.isEmpty() ? dir.filePath(QStringLiteral("listado.pdf")) : pdf;
    ListingPreview preview(rs, output);
    preview.show();
    const long shownKb = peakResidentKb();
    const int pages = preview.pages();
    // The printer dialog accepted; every page.
    DialogService::queueAnswer(DialogService::Answer::Ok);
    DialogService::queueAnswer(DialogService::Answer::Yes);
    QElapsedTimer t;
    t.start();
    preview.press("cmdImprime");
    const double ms = double(t.elapsed());
    const char* const figure = "listing: print all to PDF";
    const int printed = pdfPages(output);
    const bool asked = DialogService::shown().size() == 2;
    report(companies, figure, printed == pages && asked ? ms : -1, "ms");
    expect(asked, figure,
        QStringLiteral("showed %1 dialogs, not the printer dialog and the question of all pages")
            .arg(DialogService::shown().size()));
    expect(printed == pages, figure,
        QStringLiteral("printed %1 of the listing's %2 pages").arg(std::max(printed, 0)).arg(pages));
    report(companies, "listing: pages printed", printed, "pages");
    report(companies, "listing: PDF size", QFileInfo(output).size() / (1024.0 * 1024.0), "MiB");
    report(companies, "listing: peak memory, preview shown", shownKb / 1024.0, "MiB");
    report(companies, "listing: peak memory, printed", peakResidentKb() / 1024.0, "MiB");
    return failed() ? 1 : 0;
}
