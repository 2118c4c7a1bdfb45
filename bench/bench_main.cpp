// Measures the database layer, the query service, the grid, the exports and the company listing on
// generated databases. One line per figure; `--smoke` runs one small size only, `--listing` the listing
// only, `--labels` the labels only, `--docx` LibreOffice opening the .docx export only.

#include "BenchSupport.h"
#include "GuideBench.h"
#include "OfficeOpenBench.h"
#include "core/clsDatosBD.h"
#include "generator/CompanyGenerator.h"
#include "guide/GridBinding.h"
#include "output/export/ExportFile.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/SpanishText.h"
#include "platform/print/PrinterSurface.h"
#include "platform/print/Printers.h"
#include "platform/print/RecordingSurface.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ImageButton.h"
#include "printing/AttentionControls.h"
#include "printing/CompanyReport.h"
#include "printing/ListingDocument.h"
#include "printing/PreviewPanels.h"
#include "printing/labels/ImprimeEtiquetas.h"
#include "printing/labels/LabelDocument.h"
#include "printing/preview/PreviewPageWidget.h"
#include "printing/preview/frmVPreliminar.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <sqlite3.h>
#include <utility>
#include <vector>

using namespace Bench;

namespace {

bool generate(const QString& path, int companies)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) != SQLITE_OK)
        return false;
    SpanishText::install(db);
    sqlite3_exec(db, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    CompanyGenerator generator(20100301);
    const bool ok = generator.generate(db, companies);
    sqlite3_close(db);
    return ok;
}

// The three exports of every company, each timed and its memory peak measured above what was resident
// before it; with LibreOffice on the machine, its conversion of the same data from CSV to .xlsx.
void measureExports(int companies, Connection& conn, const QString& folder)
{
    Recordset rs;
    rs.open(kSelect, conn);
    const int runs = companies > 50000 ? 3 : 5;
    double xlsxMs = 0;
    const struct
    {
        ExportFormat format;
        const char* name;
        const char* figure;
        const char* memoryFigure;
    } formats[] = {
        {ExportFormat::Text, "export.txt", "export to .txt", "export to .txt: peak memory above"},
        {ExportFormat::Spreadsheet, "export.xlsx", "export to .xlsx", "export to .xlsx: peak memory above"},
        {ExportFormat::Document, "export.docx", "export to .docx", "export to .docx: peak memory above"},
    };
    for (const auto& f : formats) {
        const QString path = QDir(folder).filePath(QLatin1String(f.name));
        bool ok = true;
        const double ms = median(runs, [&] { ok = exportCompanies(rs, f.format, path).ok && ok; });
        if (!ok)
            std::fprintf(stderr, "%s failed\n", f.figure);
        report(companies, f.figure, ms, "ms");
        if (f.format == ExportFormat::Spreadsheet)
            xlsxMs = ms;
        // Freed memory goes back to the system first, so the peak counts what the export itself holds.
        malloc_trim(0);
        if (resetPeakResident()) {
            const long before = residentKb("VmRSS:");
            exportCompanies(rs, f.format, path);
            report(companies, f.memoryFigure, (residentKb("VmHWM:") - before) / 1024.0, "MiB");
        }
    }

    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        std::printf("%8d  %-44s %10s\n", companies, "soffice CSV to .xlsx", "(no soffice)");
        return;
    }
    // The text export is the CSV: TAB-separated, Windows-1252 (LibreOffice's character set 1).
    const QString csv = QDir(folder).filePath(QStringLiteral("soffice.csv"));
    exportCompanies(rs, ExportFormat::Text, csv);
    QElapsedTimer t;
    t.start();
    QProcess process;
    process.start(soffice,
        {QStringLiteral("-env:UserInstallation=file://") + QDir(folder).filePath(QStringLiteral("lo")),
            QStringLiteral("--headless"), QStringLiteral("--infilter=CSV:9,34,1"),
            QStringLiteral("--convert-to"), QStringLiteral("xlsx"), QStringLiteral("--outdir"),
            QDir(folder).filePath(QStringLiteral("lo-out")), csv});
    process.waitForFinished(-1);
    const double sofficeMs = t.nsecsElapsed() / 1e6;
    report(companies, "soffice CSV to .xlsx", sofficeMs, "ms");
    report(companies, "soffice CSV to .xlsx / export to .xlsx", xlsxMs > 0 ? sofficeMs / xlsxMs : 0, "x");
}

// One page of labels laid out, and the page shown redrawn in the preview for each key typed into the
// attention line's free text, as the user sees it (drawn and painted).
void measureLabels(int companies, const Recordset& rs)
{
    const LabelSheet sheet;
    const AttentionChoice atencion {
        QStringLiteral("Sr."), 1, QStringLiteral("Personalizado"), QStringLiteral("Ana")};
    report(companies, "labels: one page laid out (recording surface)",
        median(21,
            [&] {
                RecordingSurface surface;
                ImprimeEtiquetas(surface, rs, sheet, atencion, rs.recordCount() / 2, true);
            }),
        "ms");

    frmVPreliminar frame;
    frame.setConfiguracion(frmVPreliminar::Etiquetas);
    AttentionControls* controls = PreviewPanels::atencion(frame);
    controls->insertaContactos();
    LabelDocument labels(rs, LabelSettings(), [controls] { return controls->eleccion(); });
    frame.setDocumento(&labels);
    frame.show();
    QApplication::processEvents();
    frame.findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(1);
    auto* texto = frame.findChild<QLineEdit*>(QStringLiteral("txtAtt"));
    int tecla = 0;
    report(companies, "labels: attention keystroke redraw",
        median(41,
            [&] {
                const QString letra(QChar(u'a' + (tecla++ % 26)));
                QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, letra);
                QApplication::sendEvent(texto, &press);
                frame.picTexto()->repaint();
            }),
        "ms");
    frame.setDocumento(nullptr);
}

// Every label of a database printed to a PDF file, in a process of its own so that its peak memory
// is the print's alone.
void measureLabelPrint(const QString& path)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--print-labels"), path});
    child.waitForFinished(-1);
    std::fputs(child.readAllStandardOutput().constData(), stdout);
    std::fflush(stdout);
}

// The labels alone on a generated database.
void measureLabelsOnly(int companies)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("DATA"));
    const QString path = dir.filePath(QStringLiteral("DATA/DIdarari.idb"));
    if (!generate(path, companies)) {
        std::fprintf(stderr, "generation of %d companies failed\n", companies);
        return;
    }
    Connection conn;
    conn.open(path);
    Recordset rs;
    rs.open(kSelect, conn);
    measureLabels(companies, rs);
    measureLabelPrint(path);
}

int printLabels(const QString& path, const QString& pdf)
{
    Connection conn;
    conn.open(path);
    Recordset rs;
    rs.open(kSelect, conn);
    const int companies = rs.recordCount();
    const long loadedKb = peakResidentKb();
    QTemporaryDir dir;
    const QString output = pdf.isEmpty() ? dir.filePath(QStringLiteral("etiquetas.pdf")) : pdf;
    // What the print itself holds: the peak from here on, above what is resident now.
    malloc_trim(0);
    const bool peakReset = resetPeakResident();
    const long residentKb = ::residentKb("VmRSS:");
    Printers::setPdfOutput(output);
    const std::unique_ptr<QPrinter> printer = Printers::create();
    const AttentionChoice atencion {
        QStringLiteral("Sr."), 1, QStringLiteral("Personalizado"), QStringLiteral("Ana")};
    QElapsedTimer t;
    t.start();
    bool printed = false;
    int pages = 0;
    {
        PrinterSurface surface(*printer);
        ImprimeEtiquetas(surface, rs, LabelSheet(), atencion, 1, false);
        pages = surface.pageCount();
        printed = surface.end();
    }
    report(companies, "labels: print all to PDF", printed ? double(t.elapsed()) : -1, "ms");
    report(companies, "labels: pages printed", pages, "pages");
    report(companies, "labels: PDF size", QFileInfo(output).size() / (1024.0 * 1024.0), "MiB");
    report(companies, "labels: peak memory, companies loaded", loadedKb / 1024.0, "MiB");
    report(companies, "labels: peak memory, printed", peakResidentKb() / 1024.0, "MiB");
    if (peakReset)
        report(companies, "labels: print all to PDF: peak memory above",
            (peakResidentKb() - residentKb) / 1024.0, "MiB");
    return printed ? 0 : 1;
}

// `installation`: an installation folder to measure instead of a newly generated one.
void measure(int companies, const QString& installation)
{
    QTemporaryDir temporary;
    QDir dir(installation.isEmpty() ? temporary.path() : installation);
    dir.mkpath(QStringLiteral("DATA"));
    const QString path = dir.filePath(QStringLiteral("DATA/DIdarari.idb"));
    if (installation.isEmpty()) {
        QElapsedTimer t;
        t.start();
        if (!generate(path, companies)) {
            std::fprintf(stderr, "generation of %d companies failed\n", companies);
            return;
        }
        report(companies, "generate the database", t.elapsed(), "ms");
    }

    Connection conn;
    conn.open(path);
    const int runs = companies > 50000 ? 5 : 9;

    report(companies, "raw SQLite step loop (floor)", median(runs, [&] { rawStepLoop(conn); }), "ms");

    clsDatosBD datos;
    datos.setConexion(&conn);
    datos.setCampoBusqueda(QStringLiteral("empresa"));
    report(companies, "setDatos, all companies", median(runs, [&] { datos.setDatos(kSelect); }), "ms");
    report(companies, "recordset storage", datos.getRecordset()->memoryBytes() / (1024.0 * 1024.0), "MiB");

    FlexGrid grid;
    grid.resize(1000, 600);
    grid.show();
    QApplication::processEvents();
    report(companies, "bind the grid and paint",
        median(runs,
            [&] {
                grid.setDataSource(nullptr);
                GridBinding::muestraDatos(datos, &grid);
                grid.repaint();
            }),
        "ms");

    report(companies, "header sort: setOrden(empresa), bind, paint",
        median(runs,
            [&] {
                QString campo = QStringLiteral("empresa");
                datos.setOrden(campo);
                GridBinding::muestraDatos(datos, &grid);
                grid.repaint();
            }),
        "ms");

    Recordset* rs = datos.getRecordset();
    const QString prefix = rs->textAt(rs->recordCount() * 2 / 3, 2).left(3);
    const QString criterion = clsDatosBD::criterioComienzaPor(QStringLiteral("empresa"), prefix);
    report(companies, "getPosicionBusqueda, 3-letter prefix",
        median(21, [&] { datos.getPosicionBusqueda(criterion); }), "ms");
    report(companies, "getPosicionBusqueda, no match",
        median(21,
            [&] {
                datos.getPosicionBusqueda(
                    clsDatosBD::criterioComienzaPor(QStringLiteral("empresa"), QStringLiteral("ZZZZ")));
            }),
        "ms");
    // The first search after the rows are read on its own: the ones above find what it left.
    report(companies, "getPosicionBusqueda, first after the read",
        medianOf(runs,
            [&] {
                rs->requery();
                QElapsedTimer t;
                t.start();
                datos.getPosicionBusqueda(criterion);
                return t.nsecsElapsed() / 1e6;
            }),
        "ms");
    // The exports and labels are judged at 100,000; at a million they would only lengthen the run.
    if (companies <= 100000) {
        measureExports(companies, conn, dir.path());
        // LibreOffice opens a sector's export, once: it takes minutes for a plain table.
        static bool docxOpened = false;
        if (!std::exchange(docxOpened, true))
            measureDocxOpen(conn, std::min(4000, companies / 3), dir.path());
        measureLabels(companies, *datos.getRecordset());
        measureLabelPrint(path);
    }
    report(companies, "process peak resident memory", peakResidentKb() / 1024.0, "MiB");
    // The guide in a process of its own, so that its peak is the program's: one guide, one snapshot.
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
        {QStringLiteral("--guide"), dir.path(), QString::number(companies)});
    child.waitForFinished(-1);
    std::fputs(child.readAllStandardOutput().constData(), stdout);
    std::fflush(stdout);
}

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

    // Shows the window and paints it whole, with the page it draws.
    // Shows the window and paints it whole, with the page it draws, as soon as it can be seen.
    void show()
    {
        frame->show();
        while (!frame->windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        frame->repaint();
    }

    void press(const char* button)
    {
        Q_EMIT frame->findChild<ImageButton*>(QLatin1String(button))->released(Qt::LeftButton);
        frame->picTexto()->repaint();
    }

    CompanyReport report;
    ListingDocument document;
    std::unique_ptr<frmVPreliminar> frame;
};

void measureListing(int companies)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("DATA"));
    const QString path = dir.filePath(QStringLiteral("DATA/DIdarari.idb"));
    if (!generate(path, companies)) {
        std::fprintf(stderr, "generation of %d companies failed\n", companies);
        return;
    }
    DialogService::setScripted(true);
    Connection conn;
    conn.open(path);
    Recordset rs;
    rs.open(kSelect, conn);
    const QString pdf = dir.filePath(QStringLiteral("listado.pdf"));
    report(companies, "listing: first page shown",
        medianOf(21,
            [&] {
                QElapsedTimer t;
                t.start();
                ListingPreview preview(rs, pdf);
                preview.show();
                return t.nsecsElapsed() / 1e6;
            }),
        "ms");
    ListingPreview preview(rs, pdf);
    preview.show();
    report(companies, "listing: page turn", median(21, [&] { preview.press("cmdSiguiente"); }), "ms");
    report(companies, "listing: page turn back", median(21, [&] { preview.press("cmdAnterior"); }), "ms");

    // Printed in a process of its own, so that its peak memory is the print's alone.
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--print-listing"), path});
    child.waitForFinished(-1);
    std::fputs(child.readAllStandardOutput().constData(), stdout);
    std::fflush(stdout);
}

// Every page printed from the preview, as its print button does; `pdf` keeps the document where
// given, to look at.
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
    const int pages = preview.document.pageCount(preview.frame->areaPagina().toCm());
    // The printer dialog accepted; every page.
    DialogService::queueAnswer(DialogService::Answer::Ok);
    DialogService::queueAnswer(DialogService::Answer::Yes);
    QElapsedTimer t;
    t.start();
    preview.press("cmdImprime");
    const double ms = double(t.elapsed());
    const bool printed = QFileInfo(output).size() > 0 && DialogService::shown().size() == 2;
    report(companies, "listing: print all to PDF", printed ? ms : -1, "ms");
    report(companies, "listing: pages printed", pages, "pages");
    report(companies, "listing: PDF size", QFileInfo(output).size() / (1024.0 * 1024.0), "MiB");
    report(companies, "listing: peak memory, preview shown", shownKb / 1024.0, "MiB");
    report(companies, "listing: peak memory, printed", peakResidentKb() / 1024.0, "MiB");
    return printed ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() >= 3 && arguments.at(1) == QLatin1String("--print-listing"))
        return printListing(arguments.at(2), arguments.value(3));
    if (arguments.size() >= 4 && arguments.at(1) == QLatin1String("--guide"))
        return guideProcess(arguments.at(2), arguments.at(3).toInt());
    if (arguments.size() >= 3 && arguments.at(1) == QLatin1String("--print-labels"))
        return printLabels(arguments.at(2), arguments.value(3));
    const bool smoke = arguments.contains(QStringLiteral("--smoke"));
    std::vector<int> sizes = smoke ? std::vector<int> {2000} : std::vector<int> {12000, 100000};
    // `--companies N` measures that size alone (1,000,000 is opt-in: it takes a while).
    const qsizetype at = arguments.indexOf(QStringLiteral("--companies"));
    const bool oneSize = at >= 0 && at + 1 < arguments.size() && arguments.at(at + 1).toInt() > 0;
    if (oneSize)
        sizes = {arguments.at(at + 1).toInt()};
    // `--installation DIR` measures that installation's database (of `--companies N`) instead of generating
    // one.
    const qsizetype folder = arguments.indexOf(QStringLiteral("--installation"));
    const QString installation = oneSize && folder >= 0 ? arguments.value(folder + 1) : QString();
    std::printf("%8s  %-44s %10s\n", "companies", "figure", "value");
    if (arguments.contains(QStringLiteral("--docx"))) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("empresas.idb"));
        const int rows = smoke ? 500 : 4000;
        if (!generate(path, rows))
            return 1;
        Connection conn;
        conn.open(path);
        measureDocxOpen(conn, rows, dir.path());
        return 0;
    }
    if (arguments.contains(QStringLiteral("--labels"))) {
        for (int companies : smoke ? std::vector<int> {2000} : std::vector<int> {10000, 100000})
            measureLabelsOnly(companies);
        return 0;
    }
    // `--listing` measures the listing alone.
    if (!arguments.contains(QStringLiteral("--listing"))) {
        for (int companies : sizes)
            measure(companies, installation);
    }
    if (!oneSize) {
        for (int companies : smoke ? std::vector<int> {2000} : std::vector<int> {10000, 100000})
            measureListing(companies);
    }
    return 0;
}
