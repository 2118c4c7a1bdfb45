#include "platform/print/PrinterCheck.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/Twips.h"
#include "resources/Pictures.h"
#include "shell/MenuForm.h"
#include "shell/Pantalla.h"
#include "shell/clsMenu.h"
#include "shell/clsVentanas.h"
#include "shell/frmAyudaGrande.h"
#include "shell/mdMain.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {

// A screen that records what the navigation does to it.
struct Registro
{
    int vivas = 0;
    int creadas = 0;
    int desmarcadas = 0;
    QStringList datos;
};
Registro g_registro;
int g_resultadoGuia = 0;
bool g_guiaDeshace = false;

class PantallaDePrueba : public Pantalla
{
public:
    explicit PantallaDePrueba(bool guia)
        : m_guia(guia)
    {
        ++g_registro.vivas;
        ++g_registro.creadas;
        // A click that arrives while a screen is built is not acted on.
        gMenu().Muestra(Screen::Publications);
    }
    ~PantallaDePrueba() override { --g_registro.vivas; }
    void Desmarcar() override { ++g_registro.desmarcadas; }
    void muestraDatos(int tipo) override { g_registro.datos << QStringLiteral("todas %1").arg(tipo); }
    int setDatosGrid(const QString& sql, const QString& titulo) override
    {
        g_registro.datos << sql + QLatin1Char('|') + titulo;
        return g_resultadoGuia;
    }
    bool deshacer() override { return g_guiaDeshace; }
    bool esGuia() const override { return m_guia; }

private:
    bool m_guia;
};

MenuForm* menu()
{
    return qobject_cast<MenuForm*>(gFormMenu.data());
}

} // namespace

class TestMenu : public QObject
{
    Q_OBJECT

private:
    void arranca(int ancho)
    {
        delete gFormMenu.data();
        liberaGlobales();
        g_registro = {};
        qputenv("TARVESA_SCREEN_WIDTH", QByteArray::number(ancho));
        mdMain::Main();
        QVERIFY(menu());
    }

    // The status picture shows the picture of that name, at the picture's own size.
    void estadoMuestra(const QString& nombre)
    {
        auto* status = menu()->findChild<QLabel*>(QStringLiteral("imgStatus"));
        QVERIFY(status);
        const QPixmap esperada = Pictures::get(nombre);
        QVERIFY2(!esperada.isNull(), qPrintable(nombre));
        QVERIFY(status->isVisible());
        QCOMPARE(status->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
            esperada.toImage().convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(status->size(), esperada.size());
        QCOMPARE(status->size(), Pictures::size(nombre));
    }

private Q_SLOTS:
    void initTestCase()
    {
        DialogService::setScripted(true);
        for (int opcion : {0, 1, 2, 3})
            clsMenu::registraPantalla(
                Screen(opcion), [opcion] { return std::make_unique<PantallaDePrueba>(opcion == 1); });
    }

    void init()
    {
        DialogService::clearShown();
        g_resultadoGuia = 0;
        g_guiaDeshace = false;
    }

    void cleanupTestCase()
    {
        delete gFormMenu.data();
        liberaGlobales();
    }

    void variantAndLayoutFollowTheScreenWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("firstLeft");
        QTest::addColumn<int>("gap");
        QTest::newRow("640") << 640 << "frmMenu"
                             << "_1024" << 400 << 0;
        QTest::newRow("800") << 800 << "frmMenu"
                             << "_800" << 500 << 20;
        QTest::newRow("1024") << 1024 << "frmMenu"
                              << "_1024" << 400 << 0;
        QTest::newRow("1280") << 1280 << "frmMenuBorde"
                              << "_1024" << 400 << 0;
    }

    void variantAndLayoutFollowTheScreenWidth()
    {
        QFETCH(int, width);
        QFETCH(QString, form);
        QFETCH(QString, suffix);
        QFETCH(int, firstLeft);
        QFETCH(int, gap);
        arranca(width);
        MenuForm* m = menu();
        QCOMPARE(m->objectName(), form);
        QCOMPARE(m->windowTitle(), QStringLiteral("Tarvesa 2010"));
        QCOMPARE(bool(m->windowFlags() & Qt::FramelessWindowHint), form == QLatin1String("frmMenu"));
        // The publisher pages open first: their button lit, the others at rest.
        QCOMPARE(m->boton(0)->face(), QStringLiteral("BOTON_REMPRESA") + suffix);
        QCOMPARE(m->boton(1)->face(), QStringLiteral("BOTON_GUIA") + suffix);
        QCOMPARE(m->boton(4)->face(), QStringLiteral("BOTON_BUSCAR") + suffix);
        QCOMPARE(gMenu().getTipo(), Screen::Company);
        QCOMPARE(g_registro.vivas, 1);
        // One row from left to right at the buttons' own widths.
        int left = firstLeft;
        for (int i = 0; i < MenuForm::kBotones; ++i) {
            QCOMPARE(m->boton(i)->x(), Twips::toPixels(left));
            left += Twips::width(m->boton(i)) + gap;
        }
        estadoMuestra(QStringLiteral("EMPRESA") + suffix.mid(1));
    }

    void menuFormStandsWhereItsCodeSays_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<QRect>("outer");
        QTest::newRow("640: larger than the screen, centred") << 640 << false << QRect(-192, -160, 1024, 800);
        QTest::newRow("800: maximised") << 800 << true << QRect(0, 0, 800, 600);
        QTest::newRow("1024: maximised") << 1024 << true << QRect(0, 0, 1024, 768);
        QTest::newRow("1280: bordered, frame included, centred")
            << 1280 << false << QRect(128, 112, 1024, 800);
    }

    void menuFormStandsWhereItsCodeSays()
    {
        QFETCH(int, width);
        QFETCH(bool, maximised);
        QFETCH(QRect, outer);
        arranca(width);
        MenuForm* m = menu();
        QCOMPARE(m->isMaximized(), maximised);
        QCOMPARE(m->frameGeometry(), outer);
        QCOMPARE(m->alturaTwips(), Twips::fromPixels(outer.height()));
        // A fixed border: the user cannot resize it.
        if (!maximised)
            QCOMPARE(m->minimumSize(), m->maximumSize());
    }

    void menuFormCentresOnTheScreensFreeArea_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("outer");
        QTest::newRow("code 6 below a panel") << 6 << QRect(0, 24, 1280, 1000) << QRect(128, 124, 1024, 800);
        QTest::newRow("code 6 on a second screen")
            << 6 << QRect(1280, 0, 1600, 1200) << QRect(1568, 200, 1024, 800);
        QTest::newRow("code 1") << 1 << QRect(0, 0, 640, 480) << QRect(-192, -160, 1024, 800);
        QTest::newRow("code 3 takes the area") << 3 << QRect(0, 24, 1024, 744) << QRect(0, 24, 1024, 744);
    }

    void menuFormCentresOnTheScreensFreeArea()
    {
        QFETCH(int, code);
        QFETCH(QRect, area);
        QFETCH(QRect, outer);
        QCOMPARE(clsVentanas::exteriorMenu(code, area), outer);
    }

    void buttonsLightUnderThePointerAndRestOverTheBackground()
    {
        arranca(1024);
        MenuForm* m = menu();
        m->boton(2)->setMouseTracking(true);
        QTest::mouseMove(m->boton(2), QPoint(5, 5));
        QCOMPARE(m->boton(2)->face(), QStringLiteral("BOTON_RRANKING_1024"));
        QCOMPARE(m->boton(0)->face(), QStringLiteral("BOTON_EMPRESA_1024"));
        // A point of the background that also lies on the test platform's own screen.
        QTest::mouseMove(m, QPoint(m->width() / 2, m->height() / 2));
        QCOMPARE(m->boton(2)->face(), QStringLiteral("BOTON_RANKING_1024"));
        QCOMPARE(m->boton(0)->face(), QStringLiteral("BOTON_REMPRESA_1024"));
        QVERIFY(g_registro.desmarcadas >= 1);
    }

    void screenButtonsReplaceTheScreen()
    {
        arranca(1024);
        QTest::mouseClick(menu()->boton(2), Qt::LeftButton);
        QCOMPARE(gMenu().getTipo(), Screen::Rankings);
        QCOMPARE(g_registro.vivas, 1);
        QCOMPARE(g_registro.creadas, 2);
        QTest::mouseClick(menu()->boton(1), Qt::LeftButton);
        QCOMPARE(g_registro.vivas, 1);
        QCOMPARE(g_registro.datos, QStringList({"todas 1"}));
        estadoMuestra(QStringLiteral("GUIA1024"));
        QVERIFY(Pictures::get(QStringLiteral("GUIA1024")).toImage()
            != Pictures::get(QStringLiteral("EMPRESA1024")).toImage());
    }

    void aSearchThatFindsNothingAndCannotGoBackLeavesNoScreen()
    {
        arranca(1024);
        DialogService::queueAnswer(DialogService::Answer::No);
        gMenu().muestraGuiaSQL(QStringLiteral("SELECT x"), QStringLiteral("  Empresa: *X*"));
        QCOMPARE(g_registro.vivas, 0);
        QCOMPARE(gMenu().getTipo(), Screen::Search);
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().text,
            QStringLiteral(
                "Ninguna Empresa Cumple las Condiciones Impuestas. ¿Desea Realizar Otra búqueda?"));
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Exclamation);

        // With a guide to go back to, it stays; Yes shows the search form again, once.
        int busquedas = 0;
        clsMenu::registraBuscador([&] { ++busquedas; });
        g_guiaDeshace = true;
        DialogService::queueAnswer(DialogService::Answer::Yes);
        gMenu().muestraGuiaSQL(QStringLiteral("SELECT y"), QStringLiteral("t"));
        QCOMPARE(g_registro.vivas, 1);
        QCOMPARE(busquedas, 1);
        clsMenu::registraBuscador({});
    }

    void helpOpensTheIndexAndAScreenChangeClosesIt()
    {
        arranca(1024);
        auto* ayuda = menu()->findChild<ImageButton*>(QStringLiteral("imgAyuda"));
        QTest::mouseClick(ayuda, Qt::RightButton);
        QPointer<frmAyudaGrande> ventana = gMenu().ayuda().ventana();
        QVERIFY(ventana && ventana->isVisible());
        QVERIFY(ventana->navegador()->source().toLocalFile().endsWith(QStringLiteral("AYUDA/index.html")));
        QCOMPARE(g_registro.vivas, 1);
        QTest::mouseClick(menu()->boton(3), Qt::LeftButton);
        QTRY_VERIFY(ventana.isNull());
    }

    void helpPressedTwiceStaysOpen()
    {
        arranca(1024);
        auto* ayuda = menu()->findChild<ImageButton*>(QStringLiteral("imgAyuda"));
        QTest::mouseClick(ayuda, Qt::LeftButton);
        QTest::mouseClick(ayuda, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qWait(20);
        QPointer<frmAyudaGrande> ventana = gMenu().ayuda().ventana();
        QVERIFY(ventana);
        QVERIFY(ventana->isVisible());
        QVERIFY(ventana->navegador()->source().toLocalFile().endsWith(QStringLiteral("AYUDA/index.html")));
    }

    void helpCentresOverTheFormAndEscClosesIt()
    {
        arranca(1280);
        QTest::mouseClick(menu()->findChild<ImageButton*>(QStringLiteral("imgAyuda")), Qt::LeftButton);
        QPointer<frmAyudaGrande> ventana = gMenu().ayuda().ventana();
        QVERIFY(ventana && ventana->isVisible());
        QCOMPARE(ventana->geometry().center(), menu()->frameGeometry().center());
        QTest::keyClick(ventana->navegador(), Qt::Key_Escape);
        QTRY_VERIFY(ventana.isNull());
    }

    void anExitThatSkipsTheFormsCloseReleasesTheScreenWhileTheApplicationLives()
    {
        arranca(1024);
        QCOMPARE(g_registro.vivas, 1);
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        QCOMPARE(g_registro.vivas, 0);
        QVERIFY(gFormMenu.isNull());
    }

    void rankingPanelLoadsTheChosenSectorsPage_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("page");
        QTest::newRow("catering") << 0 << "Catering.html";
        QTest::newRow("equipment, plural page") << 1 << "Equipamientos.html";
        QTest::newRow("distribution, no accent") << 2 << "Distribucion.html";
        QTest::newRow("vending") << 3 << "Vending.html";
        QTest::newRow("cash and carry") << 4 << "Cash.html";
    }

    void rankingPanelLoadsTheChosenSectorsPage()
    {
        QFETCH(int, index);
        QFETCH(QString, page);
        if (!menu())
            arranca(1024);
        auto* option = menu()->findChild<QRadioButton*>(QStringLiteral("optRanking_%1").arg(index));
        option->setChecked(false);
        option->setChecked(true);
        QTextBrowser* browser = menu()->webRanking();
        QVERIFY(browser->source().toLocalFile().endsWith(QStringLiteral("DATA/RANKING/") + page));
        QVERIFY(!browser->toPlainText().trimmed().isEmpty());
    }

    void aMissingRankingPageIsSaidOnThePanel()
    {
        arranca(1024);
        const QString page = QDir(qEnvironmentVariable("TARVESA_PROGRAM_DIR"))
                                 .filePath(QStringLiteral("DATA/RANKING/Vending.html"));
        const QString aside = page + QStringLiteral(".aparte");
        QVERIFY(QFile::rename(page, aside));
        menu()->findChild<QRadioButton*>(QStringLiteral("optRanking_3"))->setChecked(true);
        QVERIFY(menu()->webRanking()->toPlainText().contains(QStringLiteral("no está disponible")));
        QVERIFY(QFile::rename(aside, page));
    }

    void rankingPanelNeverGetsANegativeBrowser()
    {
        arranca(1024);
        auto* panel = menu()->findChild<PictureBox*>(QStringLiteral("picRanking"));
        panel->show(); // a hidden widget is told of its size when it is shown
        Twips::place(panel, 0, 0, 9000, 3000);
        Twips::place(panel, 0, 0, 11115, 3495);
        QCOMPARE(menu()->webRanking()->geometry(),
            QRect(Twips::toPixels(100), Twips::toPixels(800), Twips::toPixels(10915), Twips::toPixels(2595)));
        panel->resize(5, 5);
        QCOMPARE(menu()->webRanking()->size(), QSize(0, 0));
    }

    // A PDF file is somewhere to print to: only a machine with neither that nor a queue refuses.
    void printingARankingReachesThePrintDialog_data()
    {
        QTest::addColumn<bool>("queues");
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<bool>("dialog");
        QTest::newRow("print queue") << true << true << true;
        QTest::newRow("no print queue, PDF") << false << true << true;
        QTest::newRow("neither") << false << false << false;
    }

    void printingARankingReachesThePrintDialog()
    {
        QFETCH(bool, queues);
        QFETCH(bool, pdf);
        QFETCH(bool, dialog);
        arranca(1024);
        PrinterCheck::setMachine(PrinterCheck::Machine {queues, pdf});
        const auto restaura = qScopeGuard([] { PrinterCheck::setMachine(std::nullopt); });
        auto* imprime = menu()->findChild<ImageButton*>(QStringLiteral("imgImprime"));
        menu()->findChild<PictureBox*>(QStringLiteral("picRanking"))->show();
        menu()->findChild<QRadioButton*>(QStringLiteral("optRanking_4"))->setChecked(true);
        QString documento;
        DialogService::queuePrinterChoice([&](QPrinter& printer) { documento = printer.docName(); });
        QTest::mouseClick(imprime, Qt::LeftButton); // the printer dialog, cancelled
        // Named after the caption as it shows.
        QCOMPARE(documento, dialog ? QStringLiteral("Ranking Cash&Carry") : QString());
        QCOMPARE(DialogService::shown().size(), 1);
        const DialogService::Shown said = DialogService::shown().first();
        if (dialog) {
            QCOMPARE(said.text, QStringLiteral("Imprimir"));
        } else {
            QCOMPARE(said.text,
                QStringLiteral("No tiene ninguna impresora instalada. No puede imprimir el ranking"));
            QCOMPARE(said.icon, DialogService::Icon::Exclamation);
        }
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
