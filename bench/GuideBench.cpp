#include "GuideBench.h"

#include "BenchSupport.h"
#include "core/Installation.h"
#include "guide/GuideGrid.h"
#include "guide/clsGuia.h"
#include "output/frmOrden.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/SpanishText.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ImageButton.h"
#include "shell/clsMenu.h"
#include "shell/mdMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Bench;

namespace {

// The companies of the database that meet `where`.
int countOf(const QString& where)
{
    Recordset count;
    count.open(QStringLiteral("SELECT count(*) FROM tbl_empresas WHERE ") + where, gConexion());
    return count.textAt(0, 0).toInt();
}

// The guide screen on the menu form, over the installation in `folder`; a few companies marked.
void measureGuide(int companies, const QString& folder)
{
    qputenv("TARVESA_PROGRAM_DIR", QFile::encodeName(folder));
    qputenv("TARVESA_SCREEN_WIDTH", "1024");
    DialogService::setScripted(true);
    clsMenu::registraPantalla(Screen::Guide, [] { return std::make_unique<clsGuia>(); });
    mdMain::Main();
    gConexion().execute(QStringLiteral("UPDATE tbl_empresas SET seleccionada = (id_emp % 7 = 0)"));
    QApplication::processEvents();
    const int runs = companies > 50000 ? 5 : 9;
    const int sortRuns = companies > 50000 ? 3 : 5;
    const auto grid = [] { return ControlRegistry::find<FlexGrid>(gFormMenu, QStringLiteral("mfgdatos")); };
    const int all = countOf(QStringLiteral("1"));
    const int marked = countOf(QStringLiteral("seleccionada"));
    // The grid shows a title row and a row for each of `rows` companies.
    const auto shows = [&grid](int rows) { return grid() && grid()->rows() == rows + 1; };
    const auto showing = [&grid] { return QStringLiteral("%1 rows shown").arg(grid() ? grid()->rows() : 0); };

    const auto shownSql = [&] { return grid()->dataSource() ? grid()->dataSource()->source() : kSelect; };
    const char* const fromMenuFigure = "guide: from the menu, all companies marked";
    const double fromMenu = median(runs, [&] {
        gMenu().Muestra(Screen::Guide);
        QApplication::processEvents();
        // As the program's event loop does once the click is handled: the screen left is deleted.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        grid()->repaint();
    });
    auto* guia = dynamic_cast<clsGuia*>(gMenu().pantalla());
    if (!expect(guia && shows(all), fromMenuFigure, QStringLiteral("timed no guide: ") + showing()))
        return;
    reportAgainstFloor(companies, fromMenuFigure, fromMenu, shownSql());
    const double again = median(runs, [&] {
        guia->muestraDatos(clsGuia::kTodas);
        QApplication::processEvents();
        grid()->repaint();
    });
    reportAgainstFloor(companies, "guide: all companies again, marks painted", again, shownSql());
    expect(shows(all), "guide: all companies again, marks painted", showing());

    // Show-marked: the filter on the companies shown, until repainted; all companies back untimed.
    const char* const filterFigure = "guide: show-marked filter until repainted";
    auto* versel = ControlRegistry::find<ImageButton>(gFormMenu, QStringLiteral("versel"));
    QString filtered;
    QString unfiltered;
    std::vector<double> filterTimes;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        click(versel);
        QApplication::processEvents();
        grid()->repaint();
        filterTimes.push_back(t.nsecsElapsed() / 1e6);
        filtered = shownSql();
        if (!shows(marked))
            unfiltered = showing();
        guia->muestraDatos(clsGuia::kTodas);
        QApplication::processEvents();
    }
    std::sort(filterTimes.begin(), filterTimes.end());
    reportAgainstFloor(companies, filterFigure, filterTimes[filterTimes.size() / 2], filtered);
    expect(unfiltered.isEmpty(), filterFigure,
        QStringLiteral("timed no filter: %1, not the %2 marked").arg(unfiltered).arg(marked));

    auto* busqueda = ControlRegistry::find<QLineEdit>(gFormMenu, QStringLiteral("busqueda"));
    const QString prefix = grid()->textMatrix(grid()->rows() * 2 / 3, 3).left(3);
    // The row the search is on, and whether it names a company that begins with the text typed (a name
    // no company has leaves the row where it was).
    const auto searchRow = [&grid] { return grid()->row(); };
    const auto onMatch = [&grid, &busqueda] {
        return SpanishText::fold(grid()->textMatrix(grid()->row(), 3))
            .startsWith(SpanishText::fold(busqueda->text()));
    };
    // One character typed after the text before it, until the grid is repainted; the figure is named when
    // the search did not end as it should.
    const auto keystroke = [&](const char* figure, const QString& before, const QString& key, bool match) {
        std::vector<double> times;
        QString missed;
        for (int i = 0; i < 21; ++i) {
            busqueda->setText(before);
            QApplication::processEvents();
            const int rowBefore = searchRow();
            QElapsedTimer t;
            t.start();
            busqueda->insert(key);
            grid()->repaint();
            times.push_back(t.nsecsElapsed() / 1e6);
            if (busqueda->text() != before + key || (match ? !onMatch() : searchRow() != rowBefore))
                missed = busqueda->text();
        }
        std::sort(times.begin(), times.end());
        report(companies, figure, times[times.size() / 2], "ms");
        expect(missed.isEmpty(), figure,
            QStringLiteral("timed no search for \"%1\": on row %2").arg(missed).arg(searchRow()));
    };
    // The first character typed after all companies are shown again, on its own line.
    const char* const firstFigure = "guide: first search keystroke after the load";
    bool firstFound = true;
    const double first = medianOf(runs, [&] {
        busqueda->clear();
        guia->muestraDatos(clsGuia::kTodas);
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        busqueda->insert(prefix.left(1));
        grid()->repaint();
        const double ms = t.nsecsElapsed() / 1e6;
        firstFound = firstFound && onMatch();
        return ms;
    });
    report(companies, firstFigure, first, "ms");
    expect(firstFound, firstFigure, QStringLiteral("timed no search for \"%1\"").arg(prefix.left(1)));
    keystroke("guide: search keystroke, a name found", prefix.left(2), prefix.mid(2, 1), true);
    keystroke("guide: search keystroke, no such name", QStringLiteral("ZZ"), QStringLiteral("Z"), false);
    busqueda->clear();

    const auto clickHeader = [&](int col) {
        click(grid()->horizontalHeader()->viewport(),
            QPoint(grid()->horizontalHeader()->sectionViewportPosition(col - 1) + 3,
                grid()->horizontalHeader()->height() / 2));
        QApplication::processEvents();
        grid()->repaint();
    };
    struct Sorted
    {
        double ms = 0; // the median
        QString field;
        QString unsorted; // what was shown after a sort that did not take place
    };
    // The median of `times` sorts, each of which must change the order of every company shown to one by
    // the field at record position `position` (a heading clicked again turns its order round).
    const auto timedSorts = [&](int times, const std::function<void()>& sort, int position) {
        Sorted out;
        out.ms = medianOf(times, [&] {
            const QString before = shownSql();
            QElapsedTimer t;
            t.start();
            sort();
            const double ms = t.nsecsElapsed() / 1e6;
            out.field = grid()->dataSource() ? grid()->dataSource()->fieldName(position) : QString();
            if (out.field.isEmpty() || shownSql() == before
                || !shownSql().contains(QStringLiteral("ORDER BY ") + out.field) || !shows(all))
                out.unsorted = QStringLiteral("%1, %2").arg(shownSql(), showing());
            return ms;
        });
        return out;
    };
    const auto expectSorted = [](const char* figure, const Sorted& sorted) {
        expect(sorted.unsorted.isEmpty(), figure,
            QStringLiteral("timed no sort by %1: %2").arg(sorted.field, sorted.unsorted));
    };
    const char* const headerFigure = "guide: header sort until repainted";
    const Sorted headerSort = timedSorts(
        runs, [&] { clickHeader(3); }, 2);
    reportAgainstFloor(companies, headerFigure, headerSort.ms, shownSql());
    expectSorted(headerFigure, headerSort);

    // Every column a heading sorts by, scrolled into view; the slowest named, beside SQLite's own
    // step loop over the same ORDER BY.
    double slowest = -1;
    QByteArray slowestName;
    QString slowestSql;
    for (int col = 2; col < GuideGrid::kColumns; ++col) {
        if (grid()->colWidth(col) == 0)
            continue;
        grid()->setLeftCol(col);
        QApplication::processEvents();
        const Sorted sorted = timedSorts(
            sortRuns, [&] { clickHeader(col); }, col - 1);
        const double ms = sorted.ms;
        const QByteArray name = sorted.field.toUtf8();
        const QByteArray figure = "guide: header sort by " + name + ", until repainted";
        report(companies, figure.constData(), ms, "ms");
        expectSorted(figure.constData(), sorted);
        if (ms > slowest) {
            slowest = ms;
            slowestName = name;
            slowestSql = shownSql();
        }
    }
    grid()->setLeftCol(1);
    reportAgainstFloor(companies, "guide: header sort, slowest column, until repainted", slowest, slowestSql,
        QByteArray("ms (" + slowestName + ")").constData());

    // The toolbar's sort: the dialog is answered at once, by company in either direction in turn.
    auto* ordenar = ControlRegistry::find<ImageButton>(gFormMenu, QStringLiteral("ordenar"));
    int sentido = 0;
    const char* const dialogFigure = "guide: sort dialog accept until repainted";
    const Sorted dialogSort = timedSorts(
        runs,
        [&] {
            sentido = 1 - sentido;
            DialogService::queueForm([sentido](QDialog& form) {
                auto* orden = qobject_cast<frmOrden*>(&form);
                orden->setPulsado(frmOrden::posicionCampo(0), sentido);
                click(ControlRegistry::find<ImageButton>(&form, QStringLiteral("iaceptar")));
            });
            click(ordenar);
            QApplication::processEvents();
            grid()->repaint();
        },
        frmOrden::posicionCampo(0));
    reportAgainstFloor(companies, dialogFigure, dialogSort.ms, shownSql());
    expectSorted(dialogFigure, dialogSort);

    delete gFormMenu.data();
    liberaGlobales();
    gConexion().close();
}

} // namespace

// The guide alone, run by measure() in a process of its own.
int guideProcess(const QString& folder, int companies)
{
    measureGuide(companies, folder);
    report(companies, "guide: process peak resident memory", peakOutsideFloorsKb() / 1024.0, "MiB");
    return failed() ? 1 : 0;
}
