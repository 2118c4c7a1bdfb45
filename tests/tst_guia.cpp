#include "TestInstallation.h"
#include "guide/CaptionHistory.h"
#include "guide/GuideGrid.h"
#include "guide/GuideLayout.h"
#include "guide/GuideQueries.h"
#include "guide/clsGuia.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/SpanishText.h"
#include "platform/db/SqlText.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/MouseEvents.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/Twips.h"
#include "resources/Pictures.h"
#include "shell/MenuForm.h"
#include "shell/clsMenu.h"
#include "shell/mdMain.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sqlite3.h>

namespace {

const QStringList kToolbar
    = {"ficha", "exportar", "ordenar", "todos", "ficheros", "ayuda", "listado", "sobres", "etiquetas"};
const QStringList kCaptions = {
    "iFicha", "iExportar", "iOrdenar", "iTodos", "iFicheros", "iAyuda", "iListado", "iSobres", "iEtiquetas"};
// Every control the guide puts on the menu form, directly or inside its pages.
const QStringList kControles = {"guia", "exploradorficheros", "arboldistri", "arbolequipa", "arbolcatering",
    "arbolescuelas", "arbolfranq", "arbolhotel", "arbolprinci", "arbolvending", "mfgdatos", "registros",
    "titulo", "mail", "busqueda", "lbusqueda", "ficha", "exportar", "ordenar", "todos", "ayuda", "listado",
    "sobres", "etiquetas", "ficheros", "versel", "desmarcarsel", "aviso", "iFicha", "iExportar", "iOrdenar",
    "iTodos", "iAyuda", "iListado", "iSobres", "iEtiquetas", "iFicheros", "iSectorCatering",
    "iSectorDistribucion", "iSectorVending", "iSectorHoteles", "iSectorTransporte", "iSectorEquipamiento",
    "iSectorEscuelas", "iSectorFranquicias", "Separador1", "Separador2", "Separador3", "Separador4",
    "Separador5", "Separador6", "Separador7", "cabecera"};

QString hasta(int id)
{
    return GuideQueries::selectList() + QStringLiteral(" FROM tbl_empresas WHERE id_emp <= %1").arg(id);
}

using TestInstallation::control;
using TestInstallation::guideGrid;

clsGuia* guia()
{
    return dynamic_cast<clsGuia*>(gMenu().pantalla());
}

QString registros()
{
    auto* label = control<QLabel>(QStringLiteral("registros"));
    return label ? label->text() : QString();
}

QPoint headerPoint(FlexGrid* g, int col, int offset)
{
    QHeaderView* header = g->horizontalHeader();
    return {header->sectionViewportPosition(col - 1) + offset, header->height() / 2};
}

QPoint markerPoint(FlexGrid* g, int row)
{
    QHeaderView* header = g->verticalHeader();
    return {header->width() / 2, header->sectionViewportPosition(row - 1) + header->sectionSize(row - 1) / 2};
}

void moveTo(QWidget* widget, QPoint pos)
{
    QMouseEvent move(
        QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// What the window system sends for a double-click: the second press arrives as the double-click.
void doubleClick(QWidget* widget, QPoint pos)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

// Typing as the keyboard does, any letter included.
void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// A click on a heading where the hand shows, at the start of its caption.
void sortBy(int col)
{
    QWidget* header = guideGrid()->horizontalHeader()->viewport();
    const QPoint pos = headerPoint(guideGrid(), col, 3);
    moveTo(header, pos);
    QCOMPARE(guideGrid()->mousePointer(), FlexGrid::Pointer::Custom);
    QTest::mouseClick(header, Qt::LeftButton, {}, pos);
}

void doubleClickMarker(int row)
{
    doubleClick(guideGrid()->verticalHeader()->viewport(), markerPoint(guideGrid(), row));
}

QRgb marker(int row)
{
    return guideGrid()->flexModel()->cellBackColor(row, 0).rgb();
}

// Every row's marker shows whether its company (known by its unique name) is marked.
bool marksFollow(const QSet<QString>& marcadas, QString* fallo)
{
    const QRgb si = GuideGrid::markedColor().rgb();
    const QRgb no = GuideGrid::unmarkedColor().rgb();
    for (int r = 1; r < guideGrid()->rows(); ++r) {
        const QString nombre = guideGrid()->textMatrix(r, 3);
        const QRgb esperado = marcadas.contains(nombre) ? si : no;
        if (marker(r) != esperado) {
            *fallo = QStringLiteral("row %1 (%2)").arg(r).arg(nombre);
            return false;
        }
    }
    return true;
}

bool storedMark(const QString& nombre)
{
    return TestInstallation::scalar(QStringLiteral("SELECT seleccionada FROM tbl_empresas WHERE empresa = %1")
                                        .arg(SqlText::literal(nombre)))
               .toInt()
        != 0;
}

} // namespace

class TestGuia : public QObject
{
    Q_OBJECT

private:
    // Companies whose names no other company shares, marked in the database.
    QSet<QString> marca(const QList<int>& ids)
    {
        QSet<QString> nombres;
        for (int id : ids) {
            const QString nombre = TestInstallation::scalar(
                QStringLiteral("SELECT empresa FROM tbl_empresas WHERE id_emp = %1").arg(id))
                                       .toString();
            [&] {
                QCOMPARE(TestInstallation::count(
                             QStringLiteral("SELECT count(*) FROM tbl_empresas WHERE empresa = %1")
                                 .arg(SqlText::literal(nombre))),
                    1);
            }();
            gConexion().execute(
                QStringLiteral("UPDATE tbl_empresas SET seleccionada = 1 WHERE id_emp = %1").arg(id));
            nombres.insert(nombre);
        }
        return nombres;
    }

private Q_SLOTS:
    void initTestCase()
    {
        DialogService::setScripted(true);
        MouseEvents::keepDoubleClicksToOneWidget();
        clsMenu::registraPantalla(Screen::Guide, [] { return std::make_unique<clsGuia>(); });
    }

    void init()
    {
        DialogService::clearShown();
        QVERIFY(TestInstallation::showGuide(1024));
        gConexion().execute(QStringLiteral("UPDATE tbl_empresas SET seleccionada = 0"));
        guia()->muestraDatos(clsGuia::kTodas);
    }

    void cleanupTestCase()
    {
        delete gFormMenu.data();
        liberaGlobales();
    }

    // Pure parts.

    void sectorQueriesShowTheirSector_data()
    {
        QTest::addColumn<int>("indice");
        for (int i = 0; i < GuideQueries::kSectorCount; ++i)
            QTest::newRow(qPrintable(GuideQueries::sectorCaption(i))) << i;
    }

    void sectorQueriesShowTheirSector()
    {
        QFETCH(int, indice);
        const QString sector = GuideQueries::sectorCaption(indice).section(QStringLiteral(": "), 1);
        const int esperado = TestInstallation::count(
            QStringLiteral("SELECT count(*) FROM tbl_empresas WHERE sector = '%1'").arg(sector));
        QVERIFY(esperado > 0);
        QCOMPARE(guia()->setDatosGrid(GuideQueries::sectorSql(indice), GuideQueries::sectorCaption(indice)),
            esperado);
        QCOMPARE(guideGrid()->rows(), esperado + 1);
        // Stored in any case: the query matches them all.
        for (int r = 1; r < guideGrid()->rows(); ++r)
            QCOMPARE(SpanishText::compare(guideGrid()->textMatrix(r, 2), sector), 0);
        QCOMPARE(guia()->getTitulo(), GuideQueries::sectorCaption(indice));
    }

    void noSectorHasNoQuery()
    {
        QVERIFY(GuideQueries::sectorSql(GuideQueries::kNoSector).isEmpty());
        QVERIFY(GuideQueries::sectorSql(-1).isEmpty());
    }

    void markedFromTheStoredValue_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("marked");
        QTest::newRow("true") << QVariant(true) << true;
        QTest::newRow("false") << QVariant(false) << false;
        QTest::newRow("null") << QVariant() << false;
        QTest::newRow("one") << QVariant(1) << true;
        QTest::newRow("zero") << QVariant(0) << false;
        QTest::newRow("Spanish true text") << QVariant(QStringLiteral("Verdadero")) << true;
        QTest::newRow("Spanish false text") << QVariant(QStringLiteral("Falso")) << false;
        QTest::newRow("English false text") << QVariant(QStringLiteral("False")) << false;
        QTest::newRow("English true text") << QVariant(QStringLiteral("True")) << true;
        QTest::newRow("empty text") << QVariant(QString()) << false;
    }

    void markedFromTheStoredValue()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, marked);
        QCOMPARE(GuideGrid::isMarked(stored), marked);
    }

    void captionsAreKnownByQueryWhateverTheOrder()
    {
        CaptionHistory h;
        const QString a = GuideQueries::allCompaniesSql();
        const QString b = GuideQueries::sectorSql(0);
        h.remember(a, QStringLiteral("A"));
        h.remember(b, QStringLiteral("B"));
        QCOMPARE(h.captionFor(a + QStringLiteral(" ORDER BY empresa DESC"), QStringLiteral("?")),
            QStringLiteral("A"));
        QCOMPARE(h.captionFor(b.toLower(), QStringLiteral("?")), QStringLiteral("B"));
        QCOMPARE(h.captionFor(QStringLiteral("SELECT 1"), QStringLiteral("?")), QStringLiteral("?"));
        // A literal that reads ORDER BY is part of the query.
        const QString literal = a + QStringLiteral(" WHERE empresa = 'X ORDER BY Y'");
        QCOMPARE(h.captionFor(literal, QStringLiteral("?")), QStringLiteral("?"));
        h.remember(a, QStringLiteral("A2"));
        QCOMPARE(h.captionFor(a, QString()), QStringLiteral("A2"));
        for (int i = 0; i < CaptionHistory::kKept; ++i)
            h.remember(QStringLiteral("SELECT %1").arg(i), QString::number(i));
        QCOMPARE(h.captionFor(a, QStringLiteral("gone")), QStringLiteral("gone"));
    }

    void buttonsCentreByWholeHalves_data()
    {
        QTest::addColumn<int>("captionLeft");
        QTest::addColumn<int>("captionWidth");
        QTest::addColumn<int>("buttonWidth");
        QTest::newRow("narrower button") << 450 << 615 << 450;
        QTest::newRow("wider button") << 300 << 345 << 525;
        QTest::newRow("odd both") << 1000 << 601 << 451;
    }

    void buttonsCentreByWholeHalves()
    {
        QFETCH(int, captionLeft);
        QFETCH(int, captionWidth);
        QFETCH(int, buttonWidth);
        const int left = GuideLayout::buttonLeft(captionLeft, captionWidth, buttonWidth);
        // The centres differ by less than a twip either way.
        const double centre = captionLeft + captionWidth / 2.0;
        QVERIFY(qAbs(left + buttonWidth / 2.0 - centre) <= 1.0);
        QCOMPARE(left + buttonWidth / 2, captionLeft + captionWidth / 2);
    }

    void captionsChainFromTheirWidths()
    {
        const QList<int> lefts = GuideLayout::captionLefts(300, 500, {600, 900, 450});
        QCOMPARE(lefts.size(), 3);
        QCOMPARE(lefts[0], 300);
        QCOMPARE(lefts[1] - (lefts[0] + 600), 500);
        QCOMPARE(lefts[2] - (lefts[1] + 900), 500);
    }

    // The screen.

    void fillCopiesUpToTheLimitAndBindsBeyond_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("bound");
        QTest::newRow("3000 copied") << hasta(3000) << false;
        QTest::newRow("3001 bound") << hasta(3001) << true;
        QTest::newRow("all companies bound") << GuideQueries::allCompaniesSql() << true;
        QTest::newRow("a sector copied") << GuideQueries::sectorSql(5) << false;
    }

    void fillCopiesUpToTheLimitAndBindsBeyond()
    {
        QFETCH(QString, sql);
        QFETCH(bool, bound);
        const int companies = TestInstallation::rowCount(sql);
        const QSet<QString> marcadas = marca({2, 1500, companies});
        QCOMPARE(guia()->setDatosGrid(sql, QStringLiteral("Prueba")), companies);
        QCOMPARE(guideGrid()->dataSource() != nullptr, bound);
        QCOMPARE(guideGrid()->rows(), companies + 1);
        QCOMPARE(guideGrid()->cols(), GuideGrid::kColumns);
        QCOMPARE(registros(), QStringLiteral("Empresas: %1").arg(companies));
        QCOMPARE(guia()->getTitulo(), QStringLiteral("Prueba"));
        QCOMPARE(guideGrid()->row(), 1);
        QCOMPARE(guideGrid()->col(), 0);
        QString fallo;
        QVERIFY2(marksFollow(marcadas, &fallo), qPrintable(fallo));
        // Observations stored over several lines show on one line of the cell.
        int partidas = 0;
        for (int r = 1; r < guideGrid()->rows(); ++r) {
            const QString guardada = guideGrid()->textMatrix(r, 22);
            if (!guardada.contains(QLatin1Char('\n')))
                continue;
            ++partidas;
            QCOMPARE(guideGrid()->model()->data(guideGrid()->model()->index(r - 1, 21)).toString(),
                guardada.split(QStringLiteral("\r\n")).join(QLatin1Char(' ')));
        }
        QVERIFY(partidas > 0);

        // A header sort binds whatever the number.
        sortBy(3);
        QVERIFY(guideGrid()->dataSource());
        QCOMPARE(guideGrid()->rows(), companies + 1);
        QVERIFY2(marksFollow(marcadas, &fallo), qPrintable(fallo));
        QCOMPARE(registros(), QStringLiteral("Empresas: %1").arg(companies));
        QCOMPARE(guia()->getTitulo(), QStringLiteral("Prueba"));
    }

    void theMenuShowsAllCompanies()
    {
        QCOMPARE(guia()->getTitulo(), QStringLiteral("Sector: Todos"));
        QCOMPARE(guia()->getTipo(), clsGuia::kTodas);
        QCOMPARE(guia()->getSector(), GuideQueries::kNoSector);
        QCOMPARE(guideGrid()->rows() - 1,
            TestInstallation::count(QStringLiteral("SELECT count(*) FROM tbl_empresas")));
        for (const QString& nombre : kToolbar + kCaptions
                + QStringList {
                    "versel", "desmarcarsel", "busqueda", "lbusqueda", "guia", "mfgdatos", "registros"})
            QVERIFY2(control(nombre) && control(nombre)->isVisible(), qPrintable(nombre));
        QVERIFY(!control(QStringLiteral("exploradorficheros"))->isVisible());
        QVERIFY(!control(QStringLiteral("cabecera"))->isVisible());
        QCOMPARE(Twips::left(control(QStringLiteral("registros"))), Twips::fromPixels(Twips::toPixels(900)));
        // Headings show their format texts; the last column only has its caption.
        QCOMPARE(guideGrid()->textMatrix(0, 8), QStringLiteral("Población "));
        QCOMPARE(guideGrid()->textMatrix(0, 23), QStringLiteral("PV"));
        QVERIFY(guideGrid()->colAlignment(11) & Qt::AlignRight);
        QVERIFY(guideGrid()->colAlignment(3) & Qt::AlignLeft);
    }

    void marksFollowTheDatabaseAfterSortAndUndo()
    {
        const QSet<QString> marcadas = marca({1, 17, 2500, 3499});
        guia()->muestraDatos(clsGuia::kTodas);
        QString fallo;
        QVERIFY2(marksFollow(marcadas, &fallo), qPrintable(fallo));
        sortBy(3);
        QVERIFY2(marksFollow(marcadas, &fallo), qPrintable(fallo));
        sortBy(3);
        QVERIFY(guia()->deshacer());
        QVERIFY2(marksFollow(marcadas, &fallo), qPrintable(fallo));
        QVERIFY(guia()->deshacer());
        QVERIFY2(marksFollow(marcadas, &fallo), qPrintable(fallo));
    }

    void aDoubleClickOnTheMarkerTogglesTheStoredMark_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("bound") << GuideQueries::allCompaniesSql();
        QTest::newRow("copied") << GuideQueries::sectorSql(0);
    }

    void aDoubleClickOnTheMarkerTogglesTheStoredMark()
    {
        QFETCH(QString, sql);
        QVERIFY(guia()->setDatosGrid(sql, QStringLiteral("t")) > 5);
        const QString nombre = guideGrid()->textMatrix(5, 3);
        doubleClickMarker(5);
        QCOMPARE(guideGrid()->row(), 5);
        QCOMPARE(marker(5), GuideGrid::markedColor().rgb());
        QVERIFY(storedMark(nombre));
        QVERIFY(GuideGrid::isMarked(guideGrid()->textMatrix(5, 1)));
        doubleClickMarker(5);
        QCOMPARE(marker(5), GuideGrid::unmarkedColor().rgb());
        QVERIFY(!storedMark(nombre));
        QVERIFY(!GuideGrid::isMarked(guideGrid()->textMatrix(5, 1)));
        QVERIFY(DialogService::shown().isEmpty());

        // The stored value decides, not a colour that says otherwise.
        guideGrid()->flexModel()->setCellBackColor(5, 0, GuideGrid::markedColor());
        doubleClickMarker(5);
        QVERIFY(storedMark(nombre));
        QCOMPARE(marker(5), GuideGrid::markedColor().rgb());

        // Unmarked meanwhile by another program: unmarking it then shows it as stored, with nothing to say.
        gConexion().execute(QStringLiteral("UPDATE tbl_empresas SET seleccionada = 0 WHERE empresa = %1")
                                .arg(SqlText::literal(nombre)));
        doubleClickMarker(5);
        QVERIFY(!storedMark(nombre));
        QCOMPARE(marker(5), GuideGrid::unmarkedColor().rgb());
        QVERIFY(DialogService::shown().isEmpty());
    }

    void theCornerTogglesTheCurrentRow()
    {
        guideGrid()->setRow(3);
        const QString nombre = guideGrid()->textMatrix(3, 3);
        auto* corner = guideGrid()->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(corner);
        doubleClick(corner, corner->rect().center());
        QVERIFY(storedMark(nombre));
        QCOMPARE(marker(3), GuideGrid::markedColor().rgb());
    }

    void aDoubleClickWhoseFirstPressClosedAWindowIsAPress_data()
    {
        QTest::addColumn<QString>("donde");
        QTest::newRow("marker cell") << QStringLiteral("marker");
        QTest::newRow("data cell") << QStringLiteral("data");
        QTest::newRow("corner") << QStringLiteral("corner");
    }

    // As a dialog's cancel does: its window closes on the first click, the second press lands on the grid.
    void aDoubleClickWhoseFirstPressClosedAWindowIsAPress()
    {
        QFETCH(QString, donde);
        guideGrid()->setRow(5);
        const QString nombre = guideGrid()->textMatrix(5, 3);
        QWidget* destino = guideGrid()->viewport();
        QPoint pos = guideGrid()->viewport()->rect().center();
        if (donde == QLatin1String("marker")) {
            destino = guideGrid()->verticalHeader()->viewport();
            pos = markerPoint(guideGrid(), 5);
        } else if (donde == QLatin1String("corner")) {
            destino = guideGrid()->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
            pos = destino->rect().center();
        }
        auto* ventana = new QWidget;
        ventana->setAttribute(Qt::WA_DeleteOnClose);
        ventana->resize(80, 40);
        MouseEvents::of(ventana).onClick([ventana] { ventana->close(); });
        ventana->show();
        const QPointer<QWidget> abierta(ventana);
        QTest::mouseClick(ventana, Qt::LeftButton, {}, QPoint(10, 10));
        QTRY_VERIFY(!abierta);

        QSignalSpy dobles(guideGrid(), &FlexGrid::doubleClicked);
        QSignalSpy clics(guideGrid(), &FlexGrid::clicked);
        QTest::mouseDClick(destino, Qt::LeftButton, {}, pos);
        QTest::mouseRelease(destino, Qt::LeftButton, {}, pos);
        QCOMPARE(dobles.size(), 0);
        QCOMPARE(clics.size(), 1);
        QVERIFY(DialogService::formsShown().isEmpty());
        QVERIFY(!storedMark(nombre));
        QCOMPARE(marker(5), GuideGrid::unmarkedColor().rgb());
        // The next press pairs with that one: a double click.
        QTest::mouseDClick(destino, Qt::LeftButton, {}, pos);
        QTest::mouseRelease(destino, Qt::LeftButton, {}, pos);
        QCOMPARE(dobles.size(), 1);
    }

    void aMarkThatCannotBeStoredIsUndoneAndSaid()
    {
        const QString nombre = guideGrid()->textMatrix(4, 3);
        sqlite3_exec(gConexion().handle(), "PRAGMA query_only = 1", nullptr, nullptr, nullptr);
        doubleClickMarker(4);
        sqlite3_exec(gConexion().handle(), "PRAGMA query_only = 0", nullptr, nullptr, nullptr);
        QCOMPARE(marker(4), GuideGrid::unmarkedColor().rgb());
        QVERIFY(!storedMark(nombre));
        QVERIFY(!GuideGrid::isMarked(guideGrid()->dataSource()->valueAt(3, 0)));
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Critical);
        // The program goes on: the next mark is stored.
        doubleClickMarker(4);
        QVERIFY(storedMark(nombre));
    }

    void aFailedQueryIsSaidAndTheGridKeepsWhatItShowed()
    {
        QVERIFY(guia()->setDatosGrid(GuideQueries::sectorSql(2), QStringLiteral("Sector: EQUIPAMIENTO")) > 0);
        const int filas = guideGrid()->rows();
        const QString primera = guideGrid()->textMatrix(1, 3);
        const QString cuenta = registros();
        const int n = guia()->setDatosGrid(
            GuideQueries::selectList() + QStringLiteral(" FROM tbl_no_existe"), QStringLiteral("Otra"));
        QCOMPARE(n, clsGuia::kConsultaFallida);
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Critical);
        QCOMPARE(guideGrid()->rows(), filas);
        QCOMPARE(guideGrid()->textMatrix(1, 3), primera);
        QCOMPARE(registros(), cuenta);
        QCOMPARE(guia()->getTitulo(), QStringLiteral("Sector: EQUIPAMIENTO"));

        // From a search: no undo and no "nothing matched" question, the same guide stays.
        DialogService::clearShown();
        clsGuia* antes = guia();
        gMenu().muestraGuiaSQL(
            QStringLiteral("SELECT nada FROM tbl_empresas"), QStringLiteral("  Empresa: *X*"));
        QCOMPARE(guia(), antes);
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Critical);
        QCOMPARE(guia()->getTitulo(), QStringLiteral("Sector: EQUIPAMIENTO"));
        QCOMPARE(guideGrid()->textMatrix(1, 3), primera);
    }

    void aFailingUndoKeepsTheGuideAndSaysWhy()
    {
        gConexion().execute(
            QStringLiteral("CREATE TABLE veinte AS SELECT id_emp AS k FROM tbl_empresas WHERE id_emp <= 20"));
        const QString previa = GuideQueries::selectList()
            + QStringLiteral(" FROM tbl_empresas WHERE id_emp IN (SELECT k FROM veinte)");
        QCOMPARE(guia()->setDatosGrid(previa, QStringLiteral("Veinte")), 20);
        // The query to go back to can no longer run.
        gConexion().execute(QStringLiteral("DROP TABLE veinte"));
        const QPointer<clsGuia> antes = guia();
        DialogService::queueAnswer(DialogService::Answer::Ok);
        DialogService::queueAnswer(DialogService::Answer::No);
        gMenu().muestraGuiaSQL(hasta(0), QStringLiteral("  Empresa: *nada*"));
        QVERIFY(antes);
        QCOMPARE(guia(), antes.data());
        QCOMPARE(DialogService::shown().size(), 2);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Critical);
        QCOMPARE(DialogService::shown().last().icon, DialogService::Icon::Exclamation);
        // Caption, count and rows belong together.
        QCOMPARE(guia()->getTitulo(), QStringLiteral("  Empresa: *nada*"));
        QCOMPARE(registros(), QStringLiteral("Empresas: 0"));
        QCOMPARE(guideGrid()->rows(), 1);
        QVERIFY(control(QStringLiteral("guia"))->isVisible());
    }

    void aFailedSearchFromAnotherScreenBringsThatScreenBack()
    {
        auto* estado = gFormMenu->findChild<QLabel*>(QStringLiteral("imgStatus"));
        gMenu().Muestra(Screen::Rankings);
        QVERIFY(!guia());
        const QVariant imagen = estado->property("picture");
        DialogService::clearShown();
        gMenu().muestraGuiaSQL(
            QStringLiteral("SELECT nada FROM tbl_empresas"), QStringLiteral("  Empresa: *X*"));
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Critical);
        // No empty guide under the other screen's title.
        QVERIFY(!guia());
        for (const QString& nombre : kControles)
            QVERIFY2(!control(nombre), qPrintable(nombre));
        QCOMPARE(estado->property("picture"), imagen);
        // The next search from there shows its guide.
        gMenu().muestraGuiaSQL(hasta(5), QStringLiteral("  Cinco"));
        QVERIFY(guia());
        QCOMPARE(registros(), QStringLiteral("Empresas: 5"));
    }

    void aDatabaseThatCannotBeOpenedShowsTheEmptyGuideUntilItCan_data()
    {
        QTest::addColumn<bool>("opens"); // start-up opens the file; only the guide's query fails
        QTest::newRow("not a database") << false;
        QTest::newRow("damaged in the middle of the companies") << true;
    }

    void aDatabaseThatCannotBeOpenedShowsTheEmptyGuideUntilItCan()
    {
        QFETCH(bool, opens);
        QTemporaryDir carpeta;
        const QString bd = carpeta.filePath(QStringLiteral("DATA/DIdarari.idb"));
        QVERIFY(QDir().mkpath(carpeta.filePath(QStringLiteral("DATA")))
            && QFile::copy(opens ? TestInstallation::databasePath()
                                 : TestInstallation::folder() + QStringLiteral("/logoKorvan.bmp"),
                bd));
        if (opens) {
            // 64 KB of noise over the middle of the companies' pages; the indexes start-up reads stay.
            const int pagina = TestInstallation::count(QStringLiteral(
                "SELECT pageno FROM dbstat WHERE name = 'tbl_empresas' ORDER BY pageno LIMIT 1 OFFSET "
                "(SELECT count(*) / 2 FROM dbstat WHERE name = 'tbl_empresas')"));
            const int tamano = TestInstallation::count(QStringLiteral("PRAGMA page_size"));
            QFile f(bd);
            QVERIFY(pagina > 1 && f.open(QIODevice::ReadWrite) && f.seek(qint64(pagina - 1) * tamano));
            QRandomGenerator azar(7);
            QByteArray ruido(65536, Qt::Uninitialized);
            for (char& b : ruido)
                b = char(azar.bounded(256));
            QCOMPARE(f.write(ruido), ruido.size());
        }
        const QByteArray programa = qgetenv("TARVESA_PROGRAM_DIR");
        qputenv("TARVESA_PROGRAM_DIR", QFile::encodeName(carpeta.path()));
        DialogService::clearShown();
        QVERIFY(TestInstallation::showGuide(800));
        qputenv("TARVESA_PROGRAM_DIR", programa);
        QCOMPARE(mdMain::baseDeDatosAbierta(), opens);
        for (const QString& nombre : {"ficha", "iSectorHoteles", "mfgdatos", "registros"})
            QVERIFY2(control(nombre)->isVisible(), qPrintable(nombre));
        QCOMPARE(guideGrid()->rows(), 1);
        QCOMPARE(registros(), QStringLiteral("Empresas: 0"));
        QCOMPARE(DialogService::shown().size(), 1);
        QVERIFY(DialogService::shown().first().text.contains(QStringLiteral("dañado")));
        if (opens) {
            gConexion().close();
            return;
        }
        // A sound copy put in its place is read by the next action; the reason was said once.
        QVERIFY(QFile::remove(bd) && QFile::copy(TestInstallation::databasePath(), bd));
        guia()->muestraDatos(clsGuia::kTodas);
        QVERIFY(guideGrid()->rows() > 1);
        QCOMPARE(DialogService::shown().size(), 1);
    }

    void anEmptyResultLeavesOnlyTheHeader()
    {
        const int tipo = guia()->getTipo();
        QCOMPARE(guia()->setDatosGrid(hasta(0), QStringLiteral("Nada")), 0);
        QCOMPARE(guideGrid()->rows(), 1);
        QCOMPARE(registros(), QStringLiteral("Empresas: 0"));
        QCOMPARE(guia()->getTitulo(), QStringLiteral("Nada"));
        QCOMPARE(guia()->getTipo(), tipo);
        QCOMPARE(guideGrid()->textMatrix(0, 3), QStringLiteral("Nombre de la Empresa "));
        // Nothing stale to mark: the marker column and the corner have no company behind them.
        doubleClick(guideGrid()->verticalHeader()->viewport(), QPoint(3, 3));
        doubleClick(guideGrid()->viewport(), guideGrid()->viewport()->rect().center());
        auto* corner = guideGrid()->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
        doubleClick(corner, corner->rect().center());
        QCOMPARE(
            TestInstallation::count(QStringLiteral("SELECT count(*) FROM tbl_empresas WHERE seleccionada")),
            0);
        QVERIFY(DialogService::shown().isEmpty());
        // Typing finds nothing and moves nothing.
        auto* busqueda = control<QLineEdit>(QStringLiteral("busqueda"));
        type(busqueda, QStringLiteral("a'"));
        busqueda->clear();
        QCOMPARE(guideGrid()->row(), 0);
    }

    void countsPast32767()
    {
        QString copias = QStringLiteral("SELECT 1 AS k");
        for (int i = 2; i <= 10; ++i)
            copias += QStringLiteral(" UNION ALL SELECT %1").arg(i);
        // The last company, marked: the last row of each copy.
        marca({TestInstallation::count(QStringLiteral("SELECT max(id_emp) FROM tbl_empresas"))});
        const int empresas = TestInstallation::count(QStringLiteral("SELECT count(*) FROM tbl_empresas"));
        const int filas = 10 * empresas;
        QVERIFY(filas > 32767);
        const QString sql = GuideQueries::selectList() + QStringLiteral(" FROM tbl_empresas, (") + copias
            + QStringLiteral(") ORDER BY k, id_emp");
        QCOMPARE(guia()->setDatosGrid(sql, QStringLiteral("Muchas")), filas);
        QCOMPARE(registros(), QStringLiteral("Empresas: %1").arg(filas));
        QCOMPARE(guideGrid()->rows(), filas + 1);
        QCOMPARE(marker(filas), GuideGrid::markedColor().rgb());
        QCOMPARE(marker(filas - 1), GuideGrid::unmarkedColor().rgb());
        QCOMPARE(marker(empresas), GuideGrid::markedColor().rgb());
        guia()->muestraDatos(clsGuia::kTodas);
        QVERIFY(guia()->deshacer());
        QCOMPARE(registros(), QStringLiteral("Empresas: %1").arg(filas));
        QCOMPARE(guia()->getTitulo(), QStringLiteral("Muchas"));
        QCOMPARE(marker(filas), GuideGrid::markedColor().rgb());
    }

    void undoGoesBackWithItsCaptionAndTwiceReturns()
    {
        const int todas = TestInstallation::count(QStringLiteral("SELECT count(*) FROM tbl_empresas"));
        const int catering = TestInstallation::rowCount(GuideQueries::sectorSql(0));
        QVERIFY(catering > 0 && catering < todas);
        QVERIFY(!guia()->deshacer()); // nothing before the first query
        QCOMPARE(guia()->getTitulo(), QStringLiteral("Sector: Todos"));
        QCOMPARE(registros(), QStringLiteral("Empresas: %1").arg(todas));

        QCOMPARE(guia()->setDatosGrid(GuideQueries::sectorSql(0), GuideQueries::sectorCaption(0)), catering);
        QVERIFY(guia()->deshacer());
        QCOMPARE(guia()->getTitulo(), QStringLiteral("Sector: Todos"));
        QCOMPARE(registros(), QStringLiteral("Empresas: %1").arg(todas));
        QCOMPARE(guideGrid()->rows(), todas + 1);
        QVERIFY(guia()->deshacer());
        QCOMPARE(guia()->getTitulo(), QStringLiteral("Sector: CATERING"));
        QCOMPARE(registros(), QStringLiteral("Empresas: %1").arg(catering));
        QCOMPARE(guideGrid()->rows(), catering + 1);
        // Hidden columns stay hidden after every refill.
        QCOMPARE(guideGrid()->colWidth(1), 0);
        QCOMPARE(guideGrid()->colWidth(23), 0);
        QVERIFY(guideGrid()->horizontalHeader()->isSectionHidden(0));
        QVERIFY(guideGrid()->horizontalHeader()->isSectionHidden(22));
    }

    void aHeaderSortsAscendingThenDescendingAndKeepsTheView()
    {
        guia()->setDatosGrid(GuideQueries::sectorSql(1), GuideQueries::sectorCaption(1));
        QVERIFY(guideGrid()->setLeftCol(5));
        QCoreApplication::processEvents();
        const int izquierda = guideGrid()->leftCol();
        sortBy(6);
        QCOMPARE(guideGrid()->leftCol(), izquierda);
        for (int r = 2; r < guideGrid()->rows(); ++r)
            QVERIFY(
                SpanishText::compare(guideGrid()->textMatrix(r - 1, 6), guideGrid()->textMatrix(r, 6)) <= 0);
        sortBy(6);
        for (int r = 2; r < guideGrid()->rows(); ++r)
            QVERIFY(
                SpanishText::compare(guideGrid()->textMatrix(r - 1, 6), guideGrid()->textMatrix(r, 6)) >= 0);
        QCOMPARE(registros(),
            QStringLiteral("Empresas: %1").arg(TestInstallation::rowCount(GuideQueries::sectorSql(1))));
        QCOMPARE(guia()->getTitulo(), QStringLiteral("Sector: DISTRIBUCION"));
    }

    void theHandShowsOnlyOverTheCaptionAndOnlyThereASortRuns()
    {
        QWidget* header = guideGrid()->horizontalHeader()->viewport();
        const QPoint fuera = headerPoint(guideGrid(), 3, guideGrid()->horizontalHeader()->sectionSize(2) - 3);
        moveTo(header, fuera);
        QCOMPARE(guideGrid()->mousePointer(), FlexGrid::Pointer::Default);
        const QString primera = guideGrid()->textMatrix(1, 3);
        QTest::mouseClick(header, Qt::LeftButton, {}, fuera);
        QCOMPARE(guideGrid()->textMatrix(1, 3), primera);
        QVERIFY(!guideGrid()->dataSource()->source().contains(QStringLiteral("ORDER BY")));

        moveTo(guideGrid()->viewport(), QPoint(20, 20));
        QCOMPARE(guideGrid()->mousePointer(), FlexGrid::Pointer::Default);
        moveTo(header, headerPoint(guideGrid(), 3, 3));
        QCOMPARE(guideGrid()->mousePointer(), FlexGrid::Pointer::Custom);
    }

    void aDoubleClickOnAHeaderSortsOnce()
    {
        QWidget* header = guideGrid()->horizontalHeader()->viewport();
        const QPoint pos = headerPoint(guideGrid(), 3, 3);
        moveTo(header, pos);
        doubleClick(header, pos);
        QVERIFY(guideGrid()->dataSource()->source().endsWith(QStringLiteral("ORDER BY empresa ASC")));
        doubleClick(header, pos);
        QVERIFY(guideGrid()->dataSource()->source().endsWith(QStringLiteral("ORDER BY empresa DESC")));
    }

    // Whenever a header sort lets the window repaint (under its wait window), the headings show their
    // captions, never the field names the rebinding starts from.
    void theHeadingsKeepTheirCaptionsThroughASort()
    {
        const auto titulos = [] {
            QStringList t;
            for (int c = 1; c < guideGrid()->cols(); ++c)
                t << guideGrid()->flexModel()->headerData(c - 1, Qt::Horizontal).toString();
            return t;
        };
        const QStringList antes = titulos();
        QVERIFY(antes.contains(QStringLiteral("Comunidad ")));
        QList<QStringList> vistos;
        QTimer espia; // runs at every pass of pending events
        espia.setInterval(0);
        connect(&espia, &QTimer::timeout, this, [&] { vistos << titulos(); });
        espia.start();
        sortBy(6);
        espia.stop();
        QVERIFY(guideGrid()->dataSource()->source().endsWith(QStringLiteral("ORDER BY autonomia ASC")));
        QVERIFY(!vistos.isEmpty());
        for (const QStringList& visto : std::as_const(vistos))
            QCOMPARE(visto, antes);
        QCOMPARE(titulos(), antes);
    }

    void theSearchBoxFindsTheTypedTextLiterally_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("descendente");
        QTest::newRow("apostrophe") << "alimentación d'" << false;
        QTest::newRow("apostrophe, descending") << "ALIMENTACIÓN D'" << true;
        QTest::newRow("accent in lower case") << "á" << false;
        QTest::newRow("accent sorted down") << "Á" << true;
        QTest::newRow("plain letters") << "hotel" << false;
        QTest::newRow("asterisk") << "*" << false;
        QTest::newRow("percent") << "%" << false;
        QTest::newRow("underscore") << "_" << false;
        QTest::newRow("bracket") << "[a" << false;
        QTest::newRow("quote then star") << "'*" << false;
        QTest::newRow("no such name") << "zzzz" << false;
    }

    void theSearchBoxFindsTheTypedTextLiterally()
    {
        QFETCH(QString, texto);
        QFETCH(bool, descendente);
        sortBy(3);
        if (descendente)
            sortBy(3);
        guideGrid()->setTopRow(100);
        guideGrid()->setRow(100);
        auto* busqueda = control<QLineEdit>(QStringLiteral("busqueda"));
        type(busqueda, texto);
        // Each keystroke jumps to the first name, in the grid's order, that begins with the text so far.
        int esperada = 100;
        for (qsizetype n = 1; n <= texto.size(); ++n) {
            const QString buscado = SpanishText::fold(texto.left(n));
            for (int r = 1; r < guideGrid()->rows(); ++r) {
                if (SpanishText::fold(guideGrid()->textMatrix(r, 3)).startsWith(buscado)) {
                    esperada = r;
                    break;
                }
            }
        }
        QCOMPARE(busqueda->text(), texto);
        QCOMPARE(guideGrid()->row(), esperada);
        QCOMPARE(guideGrid()->topRow(), esperada);
        QVERIFY(DialogService::shown().isEmpty());
        busqueda->clear();
        QCOMPARE(guideGrid()->row(), 1);
        QCOMPARE(guideGrid()->topRow(), 1);
    }

    void layoutAtEachResolution_data()
    {
        QTest::addColumn<int>("ancho");
        QTest::addColumn<QRect>("pagina");
        QTest::addColumn<int>("arribaRotulos");
        QTest::addColumn<int>("primerRotulo");
        QTest::addColumn<int>("espacio");
        QTest::addColumn<int>("anchoBusqueda");
        QTest::addColumn<double>("fuenteRejilla");
        QTest::addColumn<QPoint>("verSeleccionadas");
        QTest::addColumn<QPoint>("desmarcar");
        QTest::addColumn<int>("huecoSectores");
        QTest::addColumn<int>("cuentaSobreElPie");
        // Where each part of the guide stands at each resolution code, in twips: the page panel (Left, Top,
        // Width, Height), the toolbar, the selection buttons, the sector row's start after the search box,
        // the count above the form's foot.
        QTest::newRow("code 2") << 800 << QRect(150, 3700, 11600, 3800) << 8050 << 300 << 500 << 1500 << 8.0
                                << QPoint(10600, 3000) << QPoint(11100, 3000) << 320 << 450;
        QTest::newRow("code 3") << 1024 << QRect(250, 4650, 14900, 5300) << 10500 << 450 << 800 << 2000 << 9.0
                                << QPoint(13900, 3950) << QPoint(14400, 3950) << 600 << 450;
        QTest::newRow("code 6, bordered form")
            << 1280 << QRect(250, 4650, 14900, 5300) << 10500 << 450 << 800 << 2000 << 8.0
            << QPoint(13900, 3950) << QPoint(14400, 3950) << 600 << 900;
    }

    void layoutAtEachResolution()
    {
        QFETCH(int, ancho);
        QFETCH(QRect, pagina);
        QFETCH(int, arribaRotulos);
        QFETCH(int, primerRotulo);
        QFETCH(int, espacio);
        QFETCH(int, anchoBusqueda);
        QFETCH(double, fuenteRejilla);
        QFETCH(QPoint, verSeleccionadas);
        QFETCH(QPoint, desmarcar);
        QFETCH(int, huecoSectores);
        QFETCH(int, cuentaSobreElPie);
        QVERIFY(TestInstallation::showGuide(ancho));
        // Twips land on whole pixels: a position or size may come out one pixel short.
        const auto cerca = [](int pixels, int twips) { return qAbs(pixels - Twips::toPixels(twips)) <= 1; };
        QWidget* pag = control(QStringLiteral("guia"));
        QVERIFY(cerca(pag->x(), pagina.x()) && cerca(pag->y(), pagina.y()));
        QVERIFY(cerca(pag->width(), pagina.width()) && cerca(pag->height(), pagina.height()));
        // The grid at 100, 500 in the page, W - 200 wide, down to the contact line 300 above the foot.
        QVERIFY(cerca(guideGrid()->x(), 100) && cerca(guideGrid()->y(), 500));
        QVERIFY(cerca(guideGrid()->width(), pagina.width() - 200));
        QVERIFY(cerca(guideGrid()->height(), pagina.height() - 800));
        QCOMPARE(guideGrid()->font().pointSizeF(), fuenteRejilla);
        // The contact line and its mail link below the grid, inside the page, on one line.
        QWidget* frase = control(QStringLiteral("titulo"));
        QWidget* correo = control(QStringLiteral("mail"));
        QVERIFY(cerca(frase->y(), pagina.height() - 300));
        QVERIFY(frase->y() >= guideGrid()->y() + guideGrid()->height());
        QVERIFY(frase->y() + frase->height() <= pag->height());
        QCOMPARE(correo->x(), frase->x() + frase->width());
        QCOMPARE(correo->y(), frase->y());
        // Hidden columns stay hidden, every other one shows.
        for (int c = 0; c < GuideGrid::kColumns; ++c)
            QCOMPARE(guideGrid()->colWidth(c) == 0, c == 1 || c == 23);
        QWidget* caja = control(QStringLiteral("busqueda"));
        QWidget* rotulo = control(QStringLiteral("lbusqueda"));
        QVERIFY(cerca(caja->x(), Twips::left(rotulo) + Twips::width(rotulo) + 50));
        QVERIFY(cerca(caja->width(), anchoBusqueda));
        QWidget* catering = control(QStringLiteral("iSectorCatering"));
        QVERIFY(cerca(catering->x(), Twips::left(caja) + Twips::width(caja) + huecoSectores));
        // The toolbar: captions chained from the first Left, buttons centred on their captions.
        int derecha = -1;
        for (qsizetype i = 0; i < kToolbar.size(); ++i) {
            QWidget* boton = control(kToolbar[i]);
            QWidget* texto = control(kCaptions[i]);
            QVERIFY(cerca(texto->y(), arribaRotulos));
            if (i == 0)
                QVERIFY(cerca(texto->x(), primerRotulo));
            else
                QVERIFY(cerca(texto->x() - derecha, espacio));
            QCOMPARE(boton->y() + boton->height(), texto->y());
            QVERIFY(qAbs((boton->x() + boton->width() / 2.0) - (texto->x() + texto->width() / 2.0)) <= 1.0);
            derecha = texto->x() + texto->width();
            QCOMPARE(static_cast<ImageButton*>(boton)->face().isEmpty(), false);
            QCOMPARE(boton->size(), Pictures::size(static_cast<ImageButton*>(boton)->picture()));
        }
        QWidget* versel = control(QStringLiteral("versel"));
        QWidget* desmarcarsel = control(QStringLiteral("desmarcarsel"));
        QVERIFY(cerca(versel->x(), verSeleccionadas.x()) && cerca(versel->y(), verSeleccionadas.y()));
        QVERIFY(cerca(desmarcarsel->x(), desmarcar.x()) && cerca(desmarcarsel->y(), desmarcar.y()));
        auto* menu = qobject_cast<MenuForm*>(gFormMenu.data());
        QVERIFY(cerca(control(QStringLiteral("registros"))->y(), menu->alturaTwips() - cuentaSobreElPie));
        // Everything the guide shows lies inside the form: the whole screen of that code (4:3) for the
        // borderless form, whatever the virtual screen here is; the client area for the bordered one.
        // The count hangs from the form's foot, so it is checked against the form as it stands.
        const bool sinBorde = gFormMenu->objectName() == QLatin1String("frmMenu");
        const QRect pantalla = sinBorde ? QRect(0, 0, ancho, ancho * 3 / 4) : gFormMenu->rect();
        for (const QString& nombre : kControles) {
            QWidget* w = control(nombre);
            if (!w->isVisible())
                continue;
            const QRect enForm(w->mapTo(gFormMenu, QPoint(0, 0)), w->size());
            const QRect form = nombre == QLatin1String("registros") ? gFormMenu->rect() : pantalla;
            QVERIFY2(form.contains(enForm), qPrintable(nombre));
        }
    }

    void columnWidthsFollowTheLayout()
    {
        QVERIFY(TestInstallation::showGuide(800));
        int pequena = 0;
        QList<int> anchos800;
        for (int c = 0; c < GuideGrid::kColumns; ++c)
            anchos800.append(guideGrid()->colWidth(c));
        const double fuente800 = guideGrid()->font().pointSizeF();
        sortBy(3);
        QCOMPARE(guideGrid()->colWidth(1), 0);
        QCOMPARE(guideGrid()->colWidth(23), 0);
        QVERIFY(TestInstallation::showGuide(1024));
        for (int c = 0; c < GuideGrid::kColumns; ++c) {
            if (anchos800[c] < guideGrid()->colWidth(c))
                ++pequena;
        }
        // Most columns are narrower in the small layout, some are not; the font is smaller.
        QVERIFY(pequena > GuideGrid::kColumns / 2);
        QVERIFY(pequena < GuideGrid::kColumns - 2);
        QVERIFY(fuente800 < guideGrid()->font().pointSizeF());
        QVERIFY(anchos800[3] < guideGrid()->colWidth(3));
        QVERIFY(anchos800[7] > guideGrid()->colWidth(7));
    }

    void desmarcarPutsTheNormalFacesBack()
    {
        QList<ImageButton*> botones;
        for (const QString& nombre : kToolbar + QStringList {"versel", "desmarcarsel"})
            botones.append(control<ImageButton>(nombre));
        for (ImageButton* b : botones) {
            b->showRollover();
            QCOMPARE(b->face(), QLatin1Char('R') + b->picture());
        }
        gMenu().Desmacar();
        for (ImageButton* b : botones)
            QCOMPARE(b->face(), b->picture());
    }

    void leavingTheGuideLeavesNothingAndComingBackBuildsItAgain()
    {
        gMenu().Muestra(Screen::Rankings);
        QVERIFY(!guia());
        for (const QString& nombre : kControles)
            QVERIFY2(!control(nombre), qPrintable(nombre));
        gMenu().Muestra(Screen::Guide);
        QVERIFY(guia());
        QCOMPARE(guia()->getSector(), GuideQueries::kNoSector);
        QCOMPARE(guia()->getTitulo(), QStringLiteral("Sector: Todos"));
        for (const QString& nombre : kControles)
            QVERIFY2(control(nombre), qPrintable(nombre));
    }

    void aGuideMissingAControlIsBuiltAndTornDown()
    {
        gMenu().Muestra(Screen::Rankings);
        auto* ajeno = ControlRegistry::add<QLineEdit>(gFormMenu, QStringLiteral("busqueda"));
        QVERIFY(ajeno);
        gMenu().Muestra(Screen::Guide);
        QVERIFY(guia());
        QCOMPARE(guideGrid()->rows(),
            TestInstallation::count(QStringLiteral("SELECT count(*) FROM tbl_empresas")) + 1);
        type(ajeno, QStringLiteral("hotel"));
        gMenu().Muestra(Screen::Rankings);
        for (const QString& nombre : kControles) {
            if (nombre != QLatin1String("busqueda"))
                QVERIFY2(!control(nombre), qPrintable(nombre));
        }
        QCOMPARE(control(QStringLiteral("busqueda")), ajeno);
        ControlRegistry::remove(gFormMenu, QStringLiteral("busqueda"));
    }
};

QTEST_MAIN(TestGuia)
#include "tst_guia.moc"
