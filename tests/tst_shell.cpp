#include "core/AppPaths.h"
#include "platform/db/DbError.h"
#include "platform/os/DesktopOpener.h"
#include "platform/os/DisplayModes.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/Twips.h"
#include "shell/Application.h"
#include "shell/clsResolucion.h"
#include "shell/clsVentanas.h"
#include "shell/clsWeb.h"
#include "shell/frmAyudaGrande.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPageSize>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

namespace {

// A handler that fails the way a database call can.
class Failing : public QObject
{
public:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            throw DbError(DbError::Failed, QStringLiteral("disco lleno"));
        return QObject::event(e);
    }
};

class FakeModes : public DisplayModes
{
public:
    Result answer = Result::Changed;
    QSize size {1024, 768};
    QList<QSize> applied;
    int announced = 0;
    int restarts = 0;

    QSize currentSize() const override { return size; }
    int depth() const override { return 24; }
    Result apply(int width, int height, int, bool persist) override
    {
        if (persist)
            applied << QSize(width, height);
        return answer;
    }
    void announceChange(int, int, int) override { ++announced; }
    void restartComputer() override { ++restarts; }
};

// The texts a window shows: labels, buttons, titles, tabs, list items and the values of its fields.
QStringList textsOf(const QWidget& window)
{
    QStringList texts {window.windowTitle()};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (const auto* label = qobject_cast<const QLabel*>(w))
            texts << label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << button->text();
        else if (const auto* group = qobject_cast<const QGroupBox*>(w))
            texts << group->title();
        else if (const auto* field = qobject_cast<const QAbstractSpinBox*>(w))
            texts << field->text();
        else if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        } else if (const auto* list = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        }
    }
    return texts;
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

    QStringList m_textos; // of the print dialog, its printer properties (in inches) and its file chooser
    QStringList m_papeles; // the paper sizes listed

    void readPrintDialog()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir::temp().filePath(QStringLiteral("tst_shell.pdf")));
        QPrintDialog dialog(&printer);
        m_textos = textsOf(dialog);
        // The properties are a modal dialog of their own, read and closed once up.
        QTimer::singleShot(0, &dialog, [&] {
            QWidget* propiedades = QApplication::activeModalWidget();
            auto* unidades = propiedades->findChild<QComboBox*>(QStringLiteral("unitCombo"));
            const int pulgadas = unidades->findData(QVariant::fromValue(QPageLayout::Inch));
            unidades->setCurrentIndex(pulgadas);
            Q_EMIT unidades->activated(pulgadas);
            m_textos += textsOf(*propiedades);
            const auto* lista = propiedades->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
            for (int i = 0; i < lista->count(); ++i)
                m_papeles.append(lista->itemText(i));
            propiedades->close();
        });
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("properties")), Qt::LeftButton);
        // And the file chooser of "Imprimir a archivo".
        QTimer::singleShot(0, &dialog, [&] {
            QWidget* archivo = QApplication::activeModalWidget();
            m_textos += textsOf(*archivo);
            archivo->close();
        });
        QTest::mouseClick(dialog.findChild<QToolButton*>(QStringLiteral("fileBrowser")), Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        DialogService::setScripted(true);
        DialogService::clearShown();
    }

    void resolutionCodeFromTheScreenWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("code");
        QTest::newRow("640") << 640 << 1;
        QTest::newRow("800") << 800 << 2;
        QTest::newRow("1024") << 1024 << 3;
        QTest::newRow("1152") << 1152 << 6;
        QTest::newRow("1280") << 1280 << 6;
    }

    void resolutionCodeFromTheScreenWidth()
    {
        QFETCH(int, width);
        QFETCH(int, code);
        QCOMPARE(clsVentanas(width).getResolucion(), code);
    }

    void screenPanelsArePlacedByTheCode()
    {
        QWidget form;
        auto* panel = ControlRegistry::add<PictureBox>(&form, QStringLiteral("pantalla"));
        auto* label = ControlRegistry::add<QLabel>(&form, QStringLiteral("otra"));
        clsVentanas(1024).colocaPantalla(panel);
        QCOMPARE(panel->geometry(),
            QRect(
                Twips::toPixels(250), Twips::toPixels(4650), Twips::toPixels(14900), Twips::toPixels(5300)));
        QCOMPARE(panel->backColor(), QColor(246, 243, 234));
        QCOMPARE(panel->borderStyle(), 0);
        clsVentanas(800).colocaPantalla(label);
        QCOMPARE(label->geometry().topLeft(), QPoint(Twips::toPixels(950), Twips::toPixels(4500)));
    }

    void displayModeChangesThroughThePlatform()
    {
        FakeModes modes;
        DisplayModes::setCurrent(&modes);
        {
            clsVentanas ventanas(1024);
            QVERIFY(ventanas.setResolucion(2));
            QCOMPARE(ventanas.getResolucion(), 2);
            QCOMPARE(modes.applied, QList<QSize>({QSize(800, 600)}));
            QCOMPARE(modes.announced, 1);
        }
        // Released: the size from before the change comes back.
        QCOMPARE(modes.applied.last(), QSize(1024, 768));

        modes.answer = DisplayModes::Result::Refused;
        clsResolucion refused;
        QVERIFY(!refused.cambiaRes(1152, 869, 16));
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().title, QStringLiteral("Error"));
        QCOMPARE(DialogService::shown().first().text,
            QStringLiteral("No se puede modificar la resolución de su monitor"));

        modes.answer = DisplayModes::Result::NeedsRestart;
        DialogService::queueAnswer(DialogService::Answer::No);
        QVERIFY(!refused.cambiaRes(800, 600, 16));
        QCOMPARE(DialogService::shown().last().title, QStringLiteral("Cambio de resolución"));
        QCOMPARE(modes.restarts, 0);
        DisplayModes::setCurrent(nullptr);

        // The platform itself refuses: nothing changes and nothing is left to restore.
        DialogService::clearShown();
        {
            clsVentanas ventanas(1024);
            QVERIFY(!ventanas.setResolucion(3));
        }
        QCOMPARE(DialogService::shown().size(), 1);
    }

    void controlsAreFoundAndRemovedByName()
    {
        QWidget form;
        auto* panel = ControlRegistry::add<PictureBox>(&form, QStringLiteral("Guia"));
        QVERIFY(panel);
        QVERIFY(panel->isHidden());
        QVERIFY(!ControlRegistry::add<QLabel>(&form, QStringLiteral("GUIA")));
        auto* inside = ControlRegistry::add<QLabel>(&form, QStringLiteral("titulo"), panel);
        QCOMPARE(inside->parentWidget(), panel);
        QCOMPARE(ControlRegistry::find(&form, QStringLiteral("TITULO")), inside);
        QPointer<QLabel> watch(inside);
        QVERIFY(ControlRegistry::remove(&form, QStringLiteral("guia")));
        // Both names are free at once; the widgets go when the event loop comes back.
        QVERIFY(!ControlRegistry::find(&form, QStringLiteral("titulo")));
        QVERIFY(ControlRegistry::add<QLabel>(&form, QStringLiteral("titulo")));
        QVERIFY(!ControlRegistry::remove(&form, QStringLiteral("nada")));
        QTRY_VERIFY(watch.isNull());
    }

    void imageButtonsActOnTheReleaseOfAnyButton()
    {
        ImageButton button;
        button.setPicture(QStringLiteral("IMPRIMIR"));
        QCOMPARE(button.size(), QSize(31, 31));
        QList<Qt::MouseButton> released;
        int clicks = 0;
        connect(&button, &ImageButton::released, this, [&](Qt::MouseButton b) { released << b; });
        connect(&button, &ImageButton::clicked, this, [&] { ++clicks; });
        QTest::mouseClick(&button, Qt::RightButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(released, QList<Qt::MouseButton>({Qt::RightButton, Qt::LeftButton}));
        QCOMPARE(clicks, 1);
        button.showRollover();
        QCOMPARE(button.face(), QStringLiteral("RIMPRIMIR"));
        button.showNormal();
        QCOMPARE(button.face(), QStringLiteral("IMPRIMIR"));
    }

    void addressesOpenWithTheDesktop_data()
    {
        QTest::addColumn<bool>("mail");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("url");
        QTest::newRow("no scheme") << false << "www.korvan.example.es"
                                   << "http://www.korvan.example.es";
        QTest::newRow("scheme kept") << false << "https://example.org/a"
                                     << "https://example.org/a";
        QTest::newRow("blanks") << false << "  www.x.es "
                                << "http://www.x.es";
        QTest::newRow("scheme in capitals, not doubled") << false << "HTTP://www.x.es"
                                                         << "http://www.x.es";
        QTest::newRow("port, no scheme") << false << "x.es:8080/a"
                                         << "http://x.es:8080/a";
        QTest::newRow("file") << false << "file:///etc/passwd"
                              << "";
        QTest::newRow("script") << false << "javascript:alert(1)"
                                << "";
        QTest::newRow("share") << false << "smb://srv/c"
                               << "";
        QTest::newRow("mail") << true << "a@b.es"
                              << "mailto:a@b.es";
        QTest::newRow("mail with blanks") << true << "  a@b.es  "
                                          << "mailto:a@b.es";
        QTest::newRow("mail with blanks after its prefix") << true << "mailto:  a@b.es  "
                                                           << "mailto:a@b.es";
        QTest::newRow("two mail addresses") << true << "a@b.es c@d.es"
                                            << "";
    }

    void addressesOpenWithTheDesktop()
    {
        QFETCH(bool, mail);
        QFETCH(QString, address);
        QFETCH(QString, url);
        QCOMPARE((mail ? DesktopOpener::mailUrl(address) : DesktopOpener::webUrl(address)).toString(), url);
    }

    void mailGetsOnePrefixAndFailuresAreSaid()
    {
        QList<QUrl> opened;
        DesktopOpener::setHandler([&](const QUrl& u) {
            opened << u;
            return u.scheme() == QLatin1String("mailto");
        });
        clsWeb web;
        QString destino = QStringLiteral("MAILTO:bd@korvan.example.es");
        QVERIFY(web.AbreMail(destino));
        QCOMPARE(destino, QStringLiteral("MAILTO:bd@korvan.example.es"));
        QCOMPARE(opened.last().toString(), QStringLiteral("mailto:bd@korvan.example.es"));
        destino = QStringLiteral("info@x.es");
        QVERIFY(web.AbreMail(destino));
        QCOMPARE(destino, QStringLiteral("mailto:info@x.es"));
        // Stored with blanks around it: the address alone goes to the mail program.
        destino = QStringLiteral("  a@b.es  ");
        QVERIFY(web.AbreMail(destino));
        QCOMPARE(opened.last().toString(), QStringLiteral("mailto:a@b.es"));
        QVERIFY(DialogService::shown().isEmpty());

        QVERIFY(!web.AbreHttp(QStringLiteral("www.x.es")));
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Exclamation);
        // A mail with more than an address in it opens nothing, and says why.
        destino = QStringLiteral("a@x.es?attach=/etc/passwd");
        QVERIFY(!web.AbreMail(destino));
        QCOMPARE(opened.size(), 4);
        QCOMPARE(DialogService::shown().last().text,
            QStringLiteral("«a@x.es?attach=/etc/passwd» no es una dirección de correo válida."));
        DesktopOpener::setHandler({});
    }

    void helpWindowIsReusedAndShowsMissingPagesAsSuch()
    {
        const QString folder = qEnvironmentVariable("TARVESA_PROGRAM_DIR");
        clsWeb web;
        web.cierraVentana();
        web.AbreEnVentana(folder + QStringLiteral("\\data\\ayuda\\index.html"));
        QPointer<frmAyudaGrande> first = web.ventana();
        QVERIFY(first && first->isVisible());
        QVERIFY(first->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(first->navegador()->source().toLocalFile().endsWith(QStringLiteral("DATA/AYUDA/index.html")));
        web.AbreEnVentana(folder + QStringLiteral("\\DATA\\AYUDA\\no-existe.htm"));
        QCOMPARE(web.ventana(), first.data());
        QVERIFY(first->navegador()->toPlainText().contains(QStringLiteral("no-existe.htm")));
        first->resize(500, 300);
        QCOMPARE(first->navegador()->geometry(), first->rect());
        web.cierraVentana();
        QTRY_VERIFY(first.isNull());
    }

    void programPathsMatchWithoutRegardToCase()
    {
        const QString folder = qEnvironmentVariable("TARVESA_PROGRAM_DIR");
        QCOMPARE(AppPaths::localPath(folder + QStringLiteral("\\data\\didarari.IDB")),
            QDir(folder).filePath(QStringLiteral("DATA/DIdarari.idb")));
        QCOMPARE(AppPaths::localPath(folder + QStringLiteral("\\DATA\\nuevo\\x.txt")),
            QDir(folder).filePath(QStringLiteral("DATA/nuevo/x.txt")));
    }

    void anErrorInAHandlerIsSaidAndTheProgramGoesOn()
    {
        Failing failing;
        QEvent event(QEvent::User);
        BusyPointer::set(true);
        QCoreApplication::sendEvent(&failing, &event);
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Critical);
        QVERIFY(DialogService::shown().first().text.contains(QStringLiteral("disco lleno")));
        QVERIFY(!BusyPointer::isBusy());
    }

    void qtsOwnDialogsSpeakSpanish()
    {
        QDialogButtonBox botones(QDialogButtonBox::Cancel | QDialogButtonBox::Save | QDialogButtonBox::Yes);
        const auto texto = [&](QDialogButtonBox::StandardButton boton) {
            return botones.button(boton)->text().remove(QLatin1Char('&'));
        };
        QCOMPARE(texto(QDialogButtonBox::Cancel), QStringLiteral("Cancelar"));
        QCOMPARE(texto(QDialogButtonBox::Save), QStringLiteral("Guardar"));
        QCOMPARE(texto(QDialogButtonBox::Yes), QStringLiteral("Sí"));
    }

    // The print dialog's words the system's catalogue gets wrong are the program's own: a user's Spanish
    // words, sizes in "pulg." with a decimal comma, and a page-size list where each paper has a name of its
    // own.
    void printDialogWordsThatTheCatalogueGetsWrong_data()
    {
        QTest::addColumn<QString>("texto"); // shown by the dialog or its printer properties
        QTest::newRow("page set") << "Conjunto de páginas:";
        QTest::newRow("architect C") << "Arquitecto C";
        QTest::newRow("architect D") << "Arquitecto D";
        QTest::newRow("second shift") << "Segundo turno (16:00 a 23:59)";
        QTest::newRow("third shift") << "Tercer turno (00:00 a 07:59)";
        QTest::newRow("weekend") << "Fin de semana (sábado a domingo)";
        QTest::newRow("fan-fold") << "Papel continuo alemán legal (8,5 x 13 pulg.)";
        QTest::newRow("quarto") << "Cuarto";
        QTest::newRow("statement") << "Media carta";
        QTest::newRow("folio") << "Folio (8,27 x 13 pulg.)";
        QTest::newRow("an imperial size") << "10 x 14 pulg.";
        QTest::newRow("inches") << "Pulgadas (pulg.)";
        QTest::newRow("collate") << "Intercalar";
        QTest::newRow("page order") << "De izquierda a derecha, de arriba abajo";
        QTest::newRow("output file") << "&Archivo de salida:";
        QTest::newRow("cicero") << "Cícero (CC)";
        QTest::newRow("file name") << "&Nombre de archivo:";
        QTest::newRow("file types") << "Archivos de tipo:";
    }

    void printDialogWordsThatTheCatalogueGetsWrong()
    {
        QFETCH(QString, texto);
        if (QPageSize::name(QPageSize::ArchA) == QLatin1String("Architect A"))
            QSKIP("Qt's Spanish catalogue (qt6-translations-l10n) is not installed");
        if (m_papeles.isEmpty())
            readPrintDialog();
        QVERIFY2(m_textos.contains(texto), qPrintable(m_textos.join(u'|')));
        // No inch written "in", no decimal point, none of the catalogue's literal words.
        static const QRegularExpression ajeno(
            QStringLiteral(R"(\d\.\d|\d ?in\b|\(in\)|cambio|Pliegue|Quarto|Declaración|[Ff]ichero|Cicero)"));
        QCOMPARE(m_textos.filter(ajeno), QStringList());
        QStringList distintos = m_papeles;
        distintos.removeDuplicates();
        QCOMPARE(distintos.size(), m_papeles.size());
        QCOMPARE(QPageSize(QSizeF(5.5, 7.3), QPageSize::Inch, QString(), QPageSize::ExactMatch).name(),
            QStringLiteral("Personalizado (5,5 x 7,3 pulg.)"));
        QVERIFY(QCoreApplication::translate("QPrintDialog",
            "Options 'Pages Per Sheet' and 'Page Set' cannot be used together.\nPlease turn one of those "
            "options off.")
                    .contains(QStringLiteral("«Conjunto de páginas»")));
    }

    void busyPointerIsASettingNotAStack()
    {
        BusyPointer::set(true);
        BusyPointer::set(true);
        BusyPointer::set(false);
        QVERIFY(!QGuiApplication::overrideCursor());
        {
            BusyPointer::Scope scope;
            QVERIFY(QGuiApplication::overrideCursor());
        }
        QVERIFY(!BusyPointer::isBusy());
    }
};

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    // The program's numbers, as its start-up sets them.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    TestShell test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_shell.moc"
