#include "core/AppPaths.h"
#include "guide/DocumentExplorer.h"
#include "guide/GuideQueries.h"
#include "guide/clsGuia.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/os/DesktopOpener.h"
#include "platform/print/PrinterCheck.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/Twips.h"
#include "shell/MenuForm.h"
#include "shell/clsMenu.h"
#include "shell/frmAyudaGrande.h"
#include "shell/mdMain.h"

#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

namespace {

const QString kSelect = GuideQueries::selectList() + QStringLiteral(" FROM tbl_empresas");

template<class T = QWidget> T* control(const QString& nombre)
{
    return ControlRegistry::find<T>(gFormMenu, nombre);
}

clsGuia* guia()
{
    return dynamic_cast<clsGuia*>(gMenu().pantalla());
}

FlexGrid* grid()
{
    return control<FlexGrid>(QStringLiteral("mfgdatos"));
}

int scalar(const QString& sql)
{
    Recordset rs;
    rs.open(sql, gConexion());
    return rs.field(0).value().toInt();
}

QString registros()
{
    return control<QLabel>(QStringLiteral("registros"))->text();
}

void suelta(QWidget* w, Qt::MouseButton boton = Qt::LeftButton)
{
    QTest::mouseClick(w, boton, {}, QPoint(2, 2));
}

// A double click as the window system sends it: a click, then a second press and its release.
void dobleClic(QWidget* w)
{
    suelta(w);
    QTest::mouseDClick(w, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(2, 2));
}

// The pointer moving over a control, as the window system sends it: what the control does not take goes
// on to its container.
void pasa(QWidget* w, QPoint pos = QPoint(2, 2))
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

bool resaltada(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText) == QColor(Qt::black);
}

// The help windows open on the guide's page.
int ayudasAbiertas()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* f = qobject_cast<frmAyudaGrande*>(w); f && f->isVisible()
            && f->navegador()->source().toLocalFile().endsWith(QStringLiteral("la guia.htm")))
            ++n;
    }
    return n;
}

void cierraAyudas()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<frmAyudaGrande*>(w))
            w->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList hojas(QTreeWidget* arbol)
{
    QStringList textos;
    if (arbol->topLevelItemCount() == 0)
        return textos;
    QTreeWidgetItem* raiz = arbol->topLevelItem(0);
    for (int i = 0; i < raiz->childCount(); ++i)
        textos << raiz->child(i)->text(0);
    return textos;
}

} // namespace

class TestGuiaBarra : public QObject
{
    Q_OBJECT

private:
    void arranca()
    {
        delete gFormMenu.data();
        liberaGlobales();
        qputenv("TARVESA_SCREEN_WIDTH", "1024");
        mdMain::Main();
        gMenu().Muestra(Screen::Guide);
        QVERIFY(guia());
    }

private Q_SLOTS:
    void initTestCase()
    {
        DialogService::setScripted(true);
        clsMenu::registraPantalla(Screen::Guide, [] { return std::make_unique<clsGuia>(); });
    }

    void init()
    {
        DialogService::clearShown();
        PrinterCheck::setOverride(true);
        arranca();
        gConexion().execute(QStringLiteral("UPDATE tbl_empresas SET seleccionada = 0"));
    }

    void cleanupTestCase()
    {
        delete gFormMenu.data();
        liberaGlobales();
        PrinterCheck::setOverride(std::nullopt);
    }

    void markedOnlyConditionGoesInOnce_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no WHERE") << kSelect << kSelect + " WHERE seleccionada= True";
        QTest::newRow("with WHERE") << kSelect + " where sector LIKE 'HOTELE%'"
                                    << kSelect + " where sector LIKE 'HOTELE%' AND seleccionada= True";
        QTest::newRow("before ORDER BY") << kSelect + " ORDER BY empresa DESC"
                                         << kSelect + " WHERE seleccionada= True ORDER BY empresa DESC";
        QTest::newRow("WHERE and order by") << kSelect + " WHERE x=1 order by cif ASC"
                                            << kSelect + " WHERE x=1 AND seleccionada= True order by cif ASC";
        QTest::newRow("pressed twice") << kSelect + " WHERE seleccionada= True ORDER BY cif ASC"
                                       << kSelect + " WHERE seleccionada= True ORDER BY cif ASC";
        QTest::newRow("literals fool nothing")
            << kSelect + " WHERE empresa <> ' WHERE x ORDER BY y'"
            << kSelect + " WHERE empresa <> ' WHERE x ORDER BY y' AND seleccionada= True";
        QTest::newRow("WHERE only in a literal")
            << kSelect.left(kSelect.size() - 13) + "'a WHERE b' AS w FROM tbl_empresas"
            << kSelect.left(kSelect.size() - 13)
                + "'a WHERE b' AS w FROM tbl_empresas WHERE seleccionada= True";
    }

    void markedOnlyConditionGoesInOnce()
    {
        QFETCH(QString, sql);
        QFETCH(QString, expected);
        QCOMPARE(GuideQueries::markedOnlySql(sql), expected);
        QCOMPARE(GuideQueries::markedOnlySql(expected), expected);
    }

    void sectorLabelsShowTheirSector()
    {
        const struct
        {
            const char* nombre;
            const char* like;
        } sectores[] = {{"iSectorCatering", "CATERIN%"}, {"iSectorDistribucion", "DISTRIBUCIO%"},
            {"iSectorEquipamiento", "EQUIPAMIENT%"}, {"iSectorEscuelas", "ESCUELA%"},
            {"iSectorFranquicias", "FRANQUIC%"}, {"iSectorHoteles", "HOTELE%"},
            {"iSectorVending", "VENDIN%"}};
        for (const auto& s : sectores) {
            QWidget* label = control(QString::fromLatin1(s.nombre));
            QVERIFY2(label && label->isVisible(), s.nombre);
            // Any mouse button chooses.
            suelta(label, Qt::RightButton);
            const int esperadas
                = scalar(QStringLiteral("SELECT count(*) FROM tbl_empresas WHERE sector LIKE '%1'")
                             .arg(QLatin1String(s.like)));
            QCOMPARE(grid()->rows() - 1, esperadas);
            QCOMPARE(registros(), GuideQueries::countCaption(esperadas));
        }
        QVERIFY(!control(QStringLiteral("iSectorTransporte"))->isVisible());
        // Over the page background, the sector shown stands out.
        auto* vending = control<QLabel>(QStringLiteral("iSectorVending"));
        auto* hoteles = control<QLabel>(QStringLiteral("iSectorHoteles"));
        QTest::mouseMove(control(QStringLiteral("guia")), QPoint(5, 300));
        Q_EMIT control<PictureBox>(QStringLiteral("guia"))->mouseMoved();
        QCOMPARE(vending->font().pointSizeF(), 12.0);
        QCOMPARE(hoteles->font().pointSizeF(), 10.0);
        QCOMPARE(vending->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    void aPointedSectorStandsOutAloneWhicheverIsChosen()
    {
        auto* hoteles = control<QLabel>(QStringLiteral("iSectorHoteles"));
        auto* catering = control<QLabel>(QStringLiteral("iSectorCatering"));
        // None chosen yet: the pointed name stands out.
        pasa(hoteles);
        QVERIFY(resaltada(hoteles));
        QCOMPARE(hoteles->font().pointSizeF(), 12.0);
        QVERIFY(!resaltada(catering));
        // Catering chosen: pointing at another name highlights that one alone.
        suelta(catering);
        QCOMPARE(guia()->getSector(), 0);
        pasa(hoteles);
        QVERIFY(resaltada(hoteles));
        QVERIFY(!resaltada(catering));
        QCOMPARE(catering->font().pointSizeF(), 10.0);
        // Over the page background, the chosen one comes back.
        pasa(control(QStringLiteral("guia")), QPoint(1, 1));
        QVERIFY(resaltada(catering));
        QVERIFY(!resaltada(hoteles));
        QCOMPARE(hoteles->font().pointSizeF(), 10.0);
    }

    void helpWorksWhileTheDocumentsAreShown_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::newRow("button") << QStringLiteral("ayuda");
        QTest::newRow("caption") << QStringLiteral("iAyuda");
    }

    void helpWorksWhileTheDocumentsAreShown()
    {
        QFETCH(QString, nombre);
        cierraAyudas();
        suelta(control(QStringLiteral("iFicheros")));
        QVERIFY(control(QStringLiteral("exploradorficheros"))->isVisible());
        QCOMPARE(ayudasAbiertas(), 0);
        suelta(control(nombre));
        QCOMPARE(ayudasAbiertas(), 1);
        QVERIFY(control(QStringLiteral("exploradorficheros"))->isVisible());
        cierraAyudas();
    }

    void showMarkedNarrowsOnceAndTheCountFollows()
    {
        gConexion().execute(QStringLiteral(
            "UPDATE tbl_empresas SET seleccionada = 1 WHERE id_emp IN (SELECT id_emp FROM tbl_empresas "
            "WHERE sector LIKE 'HOTELE%' ORDER BY id_emp LIMIT 3)"));
        gConexion().execute(
            QStringLiteral("UPDATE tbl_empresas SET seleccionada = 1 WHERE id_emp = "
                           "(SELECT min(id_emp) FROM tbl_empresas WHERE sector LIKE 'CATERIN%')"));
        suelta(control(QStringLiteral("iSectorHoteles")));
        auto* versel = control<ImageButton>(QStringLiteral("versel"));
        suelta(versel);
        QCOMPARE(grid()->rows() - 1, 3);
        QCOMPARE(registros(), QStringLiteral("Empresas: 3"));
        suelta(versel);
        QCOMPARE(grid()->rows() - 1, 3);
        // All companies: every marked company.
        suelta(control(QStringLiteral("todos")));
        suelta(versel);
        QCOMPARE(grid()->rows() - 1, 4);
        QCOMPARE(registros(), QStringLiteral("Empresas: 4"));
    }

    void clearAllAsksAndUnmarksEverywhere()
    {
        gConexion().execute(QStringLiteral("UPDATE tbl_empresas SET seleccionada = 1 WHERE id_emp <= 5"));
        suelta(control(QStringLiteral("iSectorEscuelas")));
        auto* desmarcar = control<ImageButton>(QStringLiteral("desmarcarsel"));
        DialogService::queueAnswer(DialogService::Answer::No);
        suelta(desmarcar, Qt::RightButton);
        QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM tbl_empresas WHERE seleccionada")), 5);
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().title, QStringLiteral("Desmarcado"));

        DialogService::clearShown();
        DialogService::queueAnswer(DialogService::Answer::Yes);
        suelta(desmarcar);
        QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM tbl_empresas WHERE seleccionada")), 0);
        QCOMPARE(
            DialogService::shown().last().text, QStringLiteral("Todas las empresas han sido desmarcadas"));

        // Refused by the database: said as a failure, never as a success.
        gConexion().execute(QStringLiteral("UPDATE tbl_empresas SET seleccionada = 1 WHERE id_emp <= 2"));
        gConexion().execute(QStringLiteral("PRAGMA query_only = 1"));
        DialogService::clearShown();
        DialogService::queueAnswer(DialogService::Answer::Yes);
        suelta(desmarcar);
        gConexion().execute(QStringLiteral("PRAGMA query_only = 0"));
        QCOMPARE(DialogService::shown().size(), 2);
        QCOMPARE(DialogService::shown().last().icon, DialogService::Icon::Critical);
        QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM tbl_empresas WHERE seleccionada")), 2);
    }

    void fileViewSwitchesTheToolbarAndASearchBringsItBack()
    {
        auto* rotulo = control<QLabel>(QStringLiteral("iFicheros"));
        const int izquierda = Twips::left(rotulo);
        suelta(rotulo);
        QVERIFY(control(QStringLiteral("exploradorficheros"))->isVisible());
        QVERIFY(!control(QStringLiteral("guia"))->isVisible());
        QCOMPARE(rotulo->text(), QStringLiteral("Ver en tabla"));
        QCOMPARE(Twips::left(rotulo), izquierda + 150);
        QVERIFY(!control(QStringLiteral("ficha"))->isEnabled());
        QVERIFY(control(QStringLiteral("ayuda"))->isEnabled());

        // A search result arrives while the documents are shown.
        gMenu().muestraGuiaSQL(
            kSelect + QStringLiteral(" WHERE sector LIKE 'VENDIN%'"), QStringLiteral("  Vending"));
        QVERIFY(control(QStringLiteral("guia"))->isVisible());
        QCOMPARE(rotulo->text(), QStringLiteral("Ver en ficheros"));
        QCOMPARE(Twips::left(rotulo), izquierda);
        QVERIFY(control(QStringLiteral("ficha"))->isEnabled());

        suelta(control(QStringLiteral("ficheros")));
        suelta(control(QStringLiteral("ficheros")));
        QCOMPARE(Twips::left(rotulo), izquierda);
        QVERIFY(control(QStringLiteral("versel"))->isEnabled());

        // A double click is one click: the documents show and stay.
        dobleClic(control(QStringLiteral("ficheros")));
        QVERIFY(control(QStringLiteral("exploradorficheros"))->isVisible());
        suelta(control(QStringLiteral("ficheros")));
    }

    void explorerListsEveryFolderInOrder()
    {
        auto* distri = control<QTreeWidget>(QStringLiteral("arboldistri"));
        QCOMPARE(distri->topLevelItem(0)->text(0), QStringLiteral("Distribuidores"));
        const QStringList textos = hojas(distri);
        QVERIFY(textos.size() >= 2);
        QStringList ordenados = textos;
        std::sort(ordenados.begin(), ordenados.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        QCOMPARE(textos, ordenados);
        // A long name is not cut: its tooltip says it whole and the tree scrolls sideways to it.
        suelta(control(QStringLiteral("ficheros")));
        QTreeWidgetItem* larga = distri->topLevelItem(0)->child(1);
        QCOMPARE(larga->toolTip(0), larga->text(0));
        QTRY_VERIFY(distri->header()->sectionSize(0)
            > distri->fontMetrics().horizontalAdvance(larga->text(0)) + distri->indentation());
        QCOMPARE(control<QTreeWidget>(QStringLiteral("arbolprinci"))->topLevelItem(0)->text(0),
            QStringLiteral("Principales"));
        for (const char* nombre : {"arbolcatering", "arbolvending", "arbolfranq", "arbolhotel",
                 "arbolescuelas", "arbolequipa", "arbolprinci"})
            QVERIFY2(!hojas(control<QTreeWidget>(QString::fromLatin1(nombre))).isEmpty(), nombre);
    }

    void aMissingFolderLeavesTheOthersFilled()
    {
        const QDir files(
            QDir(qEnvironmentVariable("TARVESA_PROGRAM_DIR")).filePath(QStringLiteral("DATA/Files")));
        QVERIFY(QDir().rename(
            files.filePath(QStringLiteral("Catering")), files.filePath(QStringLiteral("Catering.x"))));
        arranca();
        QDir().rename(
            files.filePath(QStringLiteral("Catering.x")), files.filePath(QStringLiteral("Catering")));
        QCOMPARE(hojas(control<QTreeWidget>(QStringLiteral("arbolcatering"))), QStringList());
        QVERIFY(!hojas(control<QTreeWidget>(QStringLiteral("arbolvending"))).isEmpty());
        QVERIFY(!hojas(control<QTreeWidget>(QStringLiteral("arbolequipa"))).isEmpty());
    }

    void documentsOpenFromTheirFolder()
    {
        QList<QUrl> abiertas;
        DesktopOpener::setHandler([&](const QUrl& u) {
            abiertas << u;
            return abiertas.size() == 1;
        });
        auto* principales = control<QTreeWidget>(QStringLiteral("arbolprinci"));
        QTreeWidgetItem* raiz = principales->topLevelItem(0);
        Q_EMIT principales->itemDoubleClicked(raiz, 0);
        QVERIFY(abiertas.isEmpty());
        QTreeWidgetItem* hoja = raiz->child(0);
        Q_EMIT principales->itemDoubleClicked(hoja, 0);
        QCOMPARE(abiertas.size(), 1);
        QVERIFY(abiertas.first().toLocalFile().contains(QStringLiteral("DATA/Files/40 principales/")));
        QVERIFY(QFileInfo::exists(abiertas.first().toLocalFile()));
        QVERIFY(DialogService::shown().isEmpty());
        // One that cannot be opened says so.
        Q_EMIT principales->itemDoubleClicked(hoja, 0);
        QCOMPARE(DialogService::shown().size(), 1);

        // Names found on disk open as they are, and links leading out are not listed.
        const QDir distri(AppPaths::localPath(gRutaApp + QStringLiteral("\\DATA\\Files\\Distribuidores")));
        const QString barras = distri.filePath(QStringLiteral("x\\..\\..\\..\\secreto.pdf"));
        QVERIFY(QFile(barras).open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(AppPaths::localPath(gRutaBD), distri.filePath(QStringLiteral("enlace.pdf"))));
        arranca();
        auto* arbol = control<QTreeWidget>(QStringLiteral("arboldistri"));
        QVERIFY(!hojas(arbol).contains(QStringLiteral("ENLACE")));
        abiertas.clear();
        Q_EMIT arbol->itemDoubleClicked(
            arbol->findItems(QStringLiteral("X\\..\\..\\..\\SECRETO"), Qt::MatchRecursive).value(0), 0);
        QCOMPARE(abiertas.value(0).toLocalFile(), barras);
        DesktopOpener::setHandler({});
    }

    void explorerNamesAndIcons_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("imagen");
        QTest::newRow("pdf") << "informe.pdf"
                             << "INFORME"
                             << "pdf";
        QTest::newRow("upper-case xlsx") << "Tarifas.XLSX"
                                         << "TARIFAS"
                                         << "excel";
        QTest::newRow("docx keeps its extension") << "carta.docx"
                                                  << "CARTA.DOCX"
                                                  << "word";
        QTest::newRow("other types show as pdf") << "notas.txt"
                                                 << "NOTAS.TXT"
                                                 << "pdf";
        QTest::newRow("double extension") << "datos.xls.pdf"
                                          << "DATOS"
                                          << "pdf";
        QTest::newRow("old spreadsheet") << "Cuota.Xls"
                                         << "CUOTA"
                                         << "excel";
    }

    void explorerNamesAndIcons()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, texto);
        QFETCH(QString, imagen);
        QCOMPARE(DocumentExplorer::textoVisible(nombre), texto);
        QCOMPARE(DocumentExplorer::imagen(nombre), imagen);
    }

    void launchersSayWhyTheyCannotOpen()
    {
        // Envelopes start at the grid's current row.
        grid()->setRow(5);
        suelta(control(QStringLiteral("sobres")));
        QCOMPARE(guia()->getTitulo(), QStringLiteral("Sector: Todos"));
        // The guide's recordset is the one the grid is bound to.
        Recordset* rs = grid()->dataSource();
        QVERIFY(rs);
        QCOMPARE(rs->absolutePosition(), 5);

        PrinterCheck::setOverride(false);
        suelta(control(QStringLiteral("etiquetas")), Qt::RightButton);
        QCOMPARE(DialogService::shown().last().text,
            QStringLiteral("No tiene ninguna impresora instalada. No puede acceder a esta ventana"));
        QCOMPARE(DialogService::shown().last().icon, DialogService::Icon::Exclamation);

        PrinterCheck::setOverride(true);
        gMenu().muestraGuiaSQL(kSelect + QStringLiteral(" WHERE sector LIKE 'VENDIN%'"), QStringLiteral("x"));
        suelta(control(QStringLiteral("versel"))); // nothing marked: no company left
        DialogService::clearShown();
        suelta(control(QStringLiteral("iListado")));
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(
            DialogService::shown().first().text, QStringLiteral("No hay empresas que mostrar en el listado"));
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Information);
        suelta(control(QStringLiteral("sobres")));
        QCOMPARE(DialogService::shown().last().text,
            QStringLiteral("Debe de seleccionar alguna empresa de la que imprimir el sobre"));
    }

    // Listing, labels and envelopes go on to print with a PDF file and no print queue.
    void launchersPrintWithoutAPrintQueue_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<bool>("refused");
        for (const char* boton : {"iListado", "etiquetas", "sobres"}) {
            QTest::addRow("%s, PDF only", boton) << QString::fromLatin1(boton) << true << false;
            QTest::addRow("%s, nothing to print on", boton) << QString::fromLatin1(boton) << false << true;
        }
    }

    void launchersPrintWithoutAPrintQueue()
    {
        QFETCH(QString, boton);
        QFETCH(bool, pdf);
        QFETCH(bool, refused);
        PrinterCheck::setMachine(PrinterCheck::Machine {false, pdf});
        grid()->setRow(3);
        DialogService::clearShown();
        suelta(control(boton));
        PrinterCheck::setOverride(true);
        const QString mensaje
            = QStringLiteral("No tiene ninguna impresora instalada. No puede acceder a esta ventana");
        QCOMPARE(DialogService::shown().size(), refused ? 1 : 0);
        if (refused)
            QCOMPARE(DialogService::shown().first().text, mensaje);
    }

    void helpAndCardOpenFromTheToolbar()
    {
        suelta(control(QStringLiteral("ayuda")), Qt::RightButton);
        const auto ventanas = QApplication::topLevelWidgets();
        bool ayuda = false;
        for (QWidget* w : ventanas) {
            if (auto* f = qobject_cast<frmAyudaGrande*>(w))
                ayuda
                    = ayuda || f->navegador()->source().toLocalFile().endsWith(QStringLiteral("la guia.htm"));
        }
        QVERIFY(ayuda);

        grid()->setRow(7);
        QString mostrada;
        DialogService::queueForm([&](QDialog& ficha) {
            mostrada = ficha.objectName();
            ficha.reject();
        });
        suelta(control(QStringLiteral("iFicha")));
        QCOMPARE(mostrada, QStringLiteral("FrmFicha"));
        QCOMPARE(grid()->dataSource()->absolutePosition(), 7);
    }
};

QTEST_MAIN(TestGuiaBarra)
#include "tst_guia_barra.moc"
