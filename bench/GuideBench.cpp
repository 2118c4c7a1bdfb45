#include "GuideBench.h"

#include "BenchSupport.h"
#include "core/Installation.h"
#include "guide/GuideGrid.h"
#include "guide/clsGuia.h"
#include "output/frmOrden.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
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
#include <QMouseEvent>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Bench;

namespace {

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

    const auto shownSql = [&] { return grid()->dataSource() ? grid()->dataSource()->source() : kSelect; };
    const double fromMenu = median(runs, [&] {
        gMenu().Muestra(Screen::Guide);
        QApplication::processEvents();
        // As the program's event loop does once the click is handled: the screen left is deleted.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        grid()->repaint();
    });
    reportAgainstFloor(companies, "guide: from the menu, all companies marked", fromMenu, shownSql());
    auto* guia = dynamic_cast<clsGuia*>(gMenu().pantalla());
    const double again = median(runs, [&] {
        guia->muestraDatos(clsGuia::kTodas);
        QApplication::processEvents();
        grid()->repaint();
    });
    reportAgainstFloor(companies, "guide: all companies again, marks painted", again, shownSql());

    // Show-marked: the filter on the companies shown, until repainted; all companies back untimed.
    auto* versel = ControlRegistry::find<ImageButton>(gFormMenu, QStringLiteral("versel"));
    QString filtered;
    std::vector<double> filterTimes;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        Q_EMIT versel->clicked();
        QApplication::processEvents();
        grid()->repaint();
        filterTimes.push_back(t.nsecsElapsed() / 1e6);
        filtered = shownSql();
        guia->muestraDatos(clsGuia::kTodas);
        QApplication::processEvents();
    }
    std::sort(filterTimes.begin(), filterTimes.end());
    reportAgainstFloor(companies, "guide: show-marked filter until repainted",
        filterTimes[filterTimes.size() / 2], filtered);

    auto* busqueda = ControlRegistry::find<QLineEdit>(gFormMenu, QStringLiteral("busqueda"));
    const QString prefix = grid()->textMatrix(grid()->rows() * 2 / 3, 3).left(3);
    // One character typed after the text before it, until the grid is repainted.
    const auto keystroke = [&](const QString& before, const QString& key) {
        std::vector<double> times;
        for (int i = 0; i < 21; ++i) {
            busqueda->setText(before);
            QApplication::processEvents();
            QElapsedTimer t;
            t.start();
            busqueda->insert(key);
            grid()->repaint();
            times.push_back(t.nsecsElapsed() / 1e6);
        }
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };
    // The first character typed after all companies are shown again, on its own line.
    const double first = medianOf(runs, [&] {
        busqueda->clear();
        guia->muestraDatos(clsGuia::kTodas);
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        busqueda->insert(prefix.left(1));
        grid()->repaint();
        return t.nsecsElapsed() / 1e6;
    });
    report(companies, "guide: first search keystroke after the load", first, "ms");
    report(companies, "guide: search keystroke, a name found", keystroke(prefix.left(2), prefix.mid(2, 1)),
        "ms");
    report(companies, "guide: search keystroke, no such name",
        keystroke(QStringLiteral("ZZ"), QStringLiteral("Z")), "ms");
    busqueda->clear();

    const auto clickHeader = [&](int col) {
        QWidget* header = grid()->horizontalHeader()->viewport();
        const QPoint pos(grid()->horizontalHeader()->sectionViewportPosition(col - 1) + 3,
            grid()->horizontalHeader()->height() / 2);
        QMouseEvent move(
            QEvent::MouseMove, pos, header->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(header, &move);
        QMouseEvent press(QEvent::MouseButtonPress, pos, header->mapToGlobal(pos), Qt::LeftButton,
            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(header, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, pos, header->mapToGlobal(pos), Qt::LeftButton,
            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(header, &release);
        QApplication::processEvents();
        grid()->repaint();
    };
    const double headerSort = median(runs, [&] { clickHeader(3); });
    reportAgainstFloor(companies, "guide: header sort until repainted", headerSort, shownSql());

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
        const double ms = median(sortRuns, [&] { clickHeader(col); });
        const QByteArray name = grid()->dataSource()->fieldName(col - 1).toUtf8();
        if (!shownSql().contains(QString::fromUtf8("ORDER BY " + name)))
            std::fprintf(stderr, "the heading of %s did not sort\n", name.constData());
        report(companies, QByteArray("guide: header sort by " + name + ", until repainted").constData(), ms,
            "ms");
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
    const double dialogSort = median(runs, [&] {
        sentido = 1 - sentido;
        DialogService::queueForm([sentido](QDialog& form) {
            auto* orden = qobject_cast<frmOrden*>(&form);
            orden->setPulsado(frmOrden::posicionCampo(0), sentido);
            Q_EMIT ControlRegistry::find<ImageButton>(&form, QStringLiteral("iaceptar"))
                ->released(Qt::LeftButton);
        });
        Q_EMIT ordenar->released(Qt::LeftButton);
        QApplication::processEvents();
        grid()->repaint();
    });
    reportAgainstFloor(companies, "guide: sort dialog accept until repainted", dialogSort, shownSql());

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
    return 0;
}
