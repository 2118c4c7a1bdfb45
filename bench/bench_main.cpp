// Measures the database layer, the query service, the grid, the exports and the company listing on
// generated databases. One line per figure; `--smoke` runs one small size only, `--listing` the listing
// only, `--labels` the labels only, `--docx` LibreOffice opening the .docx export only. Every timed
// action is checked to have taken place: one that did not is named on stderr and fails the run.

#include "BenchSupport.h"
#include "GuideBench.h"
#include "ListingBench.h"
#include "OfficeOpenBench.h"
#include "OutputChecks.h"
#include "core/clsDatosBD.h"
#include "guide/GridBinding.h"
#include "output/export/ExportFile.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/SpanishText.h"
#include "platform/print/PrinterSurface.h"
#include "platform/print/Printers.h"
#include "platform/print/RecordingSurface.h"
#include "platform/ui/FlexGrid.h"
#include "printing/AttentionControls.h"
#include "printing/PreviewPanels.h"
#include "printing/labels/ImprimeEtiquetas.h"
#include "printing/labels/LabelDocument.h"
#include "printing/preview/PreviewPageWidget.h"
#include "printing/preview/frmVPreliminar.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <utility>
#include <vector>

using namespace Bench;

namespace {

// The three exports of every company, each timed and its memory peak measured above what was resident
// before it; with LibreOffice on the machine, its conversion of the same data from CSV to .xlsx.
void measureExports(int companies, Connection& conn, const QString& folder)
{
    Recordset rs;
    rs.open(kSelect, conn);
    const int runs = companies > 50000 ? 3 : 5;
    double xlsxMs = 0;
    // Each file holds a row of titles and a row of every company: a line, a sheet row, a table row.
    const struct
    {
        ExportFormat format;
        const char* name;
        const char* figure;
        const char* memoryFigure;
        const char* entry;
        QByteArray rowEnd;
    } formats[] = {
        {ExportFormat::Text, "export.txt", "export to .txt", "export to .txt: peak memory above", "", "\r\n"},
        {ExportFormat::Spreadsheet, "export.xlsx", "export to .xlsx", "export to .xlsx: peak memory above",
            "xl/worksheets/sheet1.xml", "</row>"},
        {ExportFormat::Document, "export.docx", "export to .docx", "export to .docx: peak memory above",
            "word/document.xml", "</w:tr>"},
    };
    for (const auto& f : formats) {
        const QString path = QDir(folder).filePath(QLatin1String(f.name));
        int written = 0;
        const double ms = median(runs, [&] { written += exportCompanies(rs, f.format, path).ok ? 1 : 0; });
        report(companies, f.figure, ms, "ms");
        const qint64 rows = occurrences(path, f.rowEnd, QLatin1String(f.entry));
        expect(written == runs && rows == rs.recordCount() + 1, f.figure,
            QStringLiteral("wrote %1 of %2 files, the last of %3 rows, not %4")
                .arg(written)
                .arg(runs)
                .arg(rows)
                .arg(rs.recordCount() + 1));
        if (f.format == ExportFormat::Spreadsheet)
            xlsxMs = ms;
        // Freed memory goes back to the system first, so the peak counts what the export itself holds.
        malloc_trim(0);
        if (resetPeakResident()) {
            const long before = residentKb("VmRSS:");
            const bool ok = exportCompanies(rs, f.format, path).ok;
            report(companies, f.memoryFigure, (residentKb("VmHWM:") - before) / 1024.0, "MiB");
            expect(ok, f.memoryFigure, QStringLiteral("measured an export that wrote no file"));
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
    expect(QFileInfo(QDir(folder).filePath(QStringLiteral("lo-out/soffice.xlsx"))).size() > 0,
        "soffice CSV to .xlsx", QStringLiteral("wrote no .xlsx file"));
    report(companies, "soffice CSV to .xlsx / export to .xlsx", xlsxMs > 0 ? sofficeMs / xlsxMs : 0, "x");
}

// One page of labels laid out, and the page shown redrawn in the preview for each key typed into the
// attention line's free text, as the user sees it (drawn and painted).
void measureLabels(int companies, const Recordset& rs)
{
    const LabelSheet sheet;
    const AttentionChoice atencion {
        QStringLiteral("Sr."), 1, QStringLiteral("Personalizado"), QStringLiteral("Ana")};
    const char* const laidOut = "labels: one page laid out (recording surface)";
    int pages = 0;
    report(companies, laidOut,
        median(21,
            [&] {
                RecordingSurface surface;
                pages = ImprimeEtiquetas(surface, rs, sheet, atencion, rs.recordCount() / 2, true).paginas;
            }),
        "ms");
    expect(pages == 1, laidOut, QStringLiteral("laid out %1 pages").arg(pages));

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
    // Each keystroke adds its letter to the free text, and the page shown draws the text it makes.
    const char* const keystroke = "labels: attention keystroke redraw";
    const auto drawn = [&frame](const QString& text) {
        const PrintPage page = frame.picTexto()->page();
        return std::any_of(
            page.cbegin(), page.cend(), [&text](const PrintItem& item) { return item.text.contains(text); });
    };
    int tecla = 0;
    QString missed;
    report(companies, keystroke,
        medianOf(41,
            [&] {
                // Short enough to be drawn whole on its label.
                if (texto->text().size() >= 8)
                    texto->clear();
                const QString antes = texto->text();
                const QString letra(QChar(u'a' + (tecla++ % 26)));
                QElapsedTimer t;
                t.start();
                QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, letra);
                QApplication::sendEvent(texto, &press);
                frame.picTexto()->repaint();
                const double ms = t.nsecsElapsed() / 1e6;
                if (texto->text() != antes + letra || !drawn(texto->text()))
                    missed = antes + letra;
                return ms;
            }),
        "ms");
    expect(missed.isEmpty(), keystroke, QStringLiteral("timed no redraw of the text \"%1\"").arg(missed));
    frame.setDocumento(nullptr);
}

// Every label of a database printed to a PDF file, in a process of its own so that its peak memory
// is the print's alone.
void measureLabelPrint(const QString& path)
{
    runSelf({QStringLiteral("--print-labels"), path});
}

// The labels alone on a generated database.
void measureLabelsOnly(int companies)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("DATA"));
    const QString path = dir.filePath(QStringLiteral("DATA/DIdarari.idb"));
    if (!generate(path, companies))
        return;
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
    bool ended = false;
    int pages = 0;
    {
        PrinterSurface surface(*printer);
        ImprimeEtiquetas(surface, rs, LabelSheet(), atencion, 1, false);
        pages = LabelSheetLayout::pageCount(
            companies, LabelSheetLayout::labelsPerPage(LabelSheet(), surface.pageSize()));
        ended = surface.end();
    }
    const double ms = double(t.elapsed());
    // Every company's label, on as many pages as they fill.
    const char* const figure = "labels: print all to PDF";
    const int printed = pdfPages(output);
    report(companies, figure, ended && printed == pages ? ms : -1, "ms");
    expect(ended && printed == pages, figure,
        QStringLiteral("printed %1 of the %2 pages of %3 labels")
            .arg(std::max(printed, 0))
            .arg(pages)
            .arg(companies));
    report(companies, "labels: pages printed", printed, "pages");
    report(companies, "labels: PDF size", QFileInfo(output).size() / (1024.0 * 1024.0), "MiB");
    report(companies, "labels: peak memory, companies loaded", loadedKb / 1024.0, "MiB");
    report(companies, "labels: peak memory, printed", peakResidentKb() / 1024.0, "MiB");
    if (peakReset)
        report(companies, "labels: print all to PDF: peak memory above",
            (peakResidentKb() - residentKb) / 1024.0, "MiB");
    return failed() ? 1 : 0;
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
        if (!generate(path, companies))
            return;
        report(companies, "generate the database", t.elapsed(), "ms");
    }

    Connection conn;
    conn.open(path);
    const int runs = companies > 50000 ? 5 : 9;

    // The companies the database holds, which every figure below reads.
    qint64 rows = 0;
    report(companies, "raw SQLite step loop (floor)", median(runs, [&] { rows = rawStepLoop(conn); }), "ms");
    expect(rows > 0, "raw SQLite step loop (floor)", QStringLiteral("read no rows"));
    if (installation.isEmpty())
        expect(rows == companies, "generate the database", QStringLiteral("made %1 companies").arg(rows));

    clsDatosBD datos;
    datos.setConexion(&conn);
    datos.setCampoBusqueda(QStringLiteral("empresa"));
    report(companies, "setDatos, all companies", median(runs, [&] { datos.setDatos(kSelect); }), "ms");
    expect(datos.getRecordset()->recordCount() == rows, "setDatos, all companies",
        QStringLiteral("read %1 of %2 companies").arg(datos.getRecordset()->recordCount()).arg(rows));
    report(companies, "recordset storage", datos.getRecordset()->memoryBytes() / (1024.0 * 1024.0), "MiB");

    FlexGrid grid;
    grid.resize(1000, 600);
    grid.show();
    QApplication::processEvents();
    Recordset* rs = datos.getRecordset();
    // The grid shows a title row and every company, the first company's name (column 3) first.
    const auto gridShows
        = [&grid, rs, rows] { return grid.rows() == rows + 1 && grid.textMatrix(1, 3) == rs->textAt(0, 2); };
    report(companies, "bind the grid and paint",
        median(runs,
            [&] {
                grid.setDataSource(nullptr);
                GridBinding::muestraDatos(datos, &grid);
                grid.repaint();
            }),
        "ms");
    expect(gridShows(), "bind the grid and paint",
        QStringLiteral("bound a grid of %1 rows, not %2").arg(grid.rows()).arg(rows + 1));

    // Each sort turns the order by company name round (ascending, descending), so the first row changes.
    const char* const sortFigure = "header sort: setOrden(empresa), bind, paint";
    QString unsorted;
    report(companies, sortFigure,
        medianOf(runs,
            [&] {
                const QString before = rs->source();
                const QString firstBefore = grid.textMatrix(1, 3);
                QElapsedTimer t;
                t.start();
                QString campo = QStringLiteral("empresa");
                datos.setOrden(campo);
                GridBinding::muestraDatos(datos, &grid);
                grid.repaint();
                const double ms = t.nsecsElapsed() / 1e6;
                const bool turned
                    = !before.contains(QStringLiteral("ORDER BY")) || grid.textMatrix(1, 3) != firstBefore;
                if (rs->source() == before || !rs->source().contains(QStringLiteral("ORDER BY empresa"))
                    || !gridShows() || !turned)
                    unsorted = rs->source();
                return ms;
            }),
        "ms");
    expect(unsorted.isEmpty(), sortFigure, QStringLiteral("timed no change of order: %1").arg(unsorted));

    const QString prefix = rs->textAt(rs->recordCount() * 2 / 3, 2).left(3);
    const QString criterion = clsDatosBD::criterioComienzaPor(QStringLiteral("empresa"), prefix);
    // A search finds a company whose name begins with the prefix, one for a name no company has none.
    const auto found = [&](int position) {
        return position > 0
            && SpanishText::fold(rs->textAt(position - 1, 2)).startsWith(SpanishText::fold(prefix));
    };
    int position = 0;
    report(companies, "getPosicionBusqueda, 3-letter prefix",
        median(21, [&] { position = datos.getPosicionBusqueda(criterion); }), "ms");
    expect(found(position), "getPosicionBusqueda, 3-letter prefix",
        QStringLiteral("found no company named \"%1...\"").arg(prefix));
    report(companies, "getPosicionBusqueda, no match",
        median(21,
            [&] {
                position = datos.getPosicionBusqueda(
                    clsDatosBD::criterioComienzaPor(QStringLiteral("empresa"), QStringLiteral("ZZZZ")));
            }),
        "ms");
    expect(position == Recordset::PosEOF, "getPosicionBusqueda, no match",
        QStringLiteral("ended at position %1, not past the last company").arg(position));
    // The first search after the rows are read on its own: the ones above find what it left.
    report(companies, "getPosicionBusqueda, first after the read",
        medianOf(runs,
            [&] {
                rs->requery();
                QElapsedTimer t;
                t.start();
                position = datos.getPosicionBusqueda(criterion);
                return t.nsecsElapsed() / 1e6;
            }),
        "ms");
    expect(found(position), "getPosicionBusqueda, first after the read",
        QStringLiteral("found no company named \"%1...\"").arg(prefix));
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
    runSelf({QStringLiteral("--guide"), dir.path(), QString::number(companies)});
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
        return failed() ? 1 : 0;
    }
    if (arguments.contains(QStringLiteral("--labels"))) {
        for (int companies : smoke ? std::vector<int> {2000} : std::vector<int> {10000, 100000})
            measureLabelsOnly(companies);
        return failed() ? 1 : 0;
    }
    // `--listing` measures the listing alone, at `--companies N` if given.
    const bool listingOnly = arguments.contains(QStringLiteral("--listing"));
    if (!listingOnly) {
        for (int companies : sizes)
            measure(companies, installation);
    }
    if (!oneSize || listingOnly) {
        const std::vector<int> listingSizes = oneSize ? sizes
            : smoke                                   ? std::vector<int> {2000}
                                                      : std::vector<int> {10000, 100000};
        for (int companies : listingSizes)
            measureListing(companies);
    }
    // A figure that timed an action which did not take place fails the run (it said which).
    return failed() ? 1 : 0;
}
