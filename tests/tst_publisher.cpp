#include "PdfReader.h"
#include "TestInstallation.h"
#include "platform/os/DesktopOpener.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlashMovie.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/Twips.h"
#include "publisher/Calculator.h"
#include "publisher/CalculatorEngine.h"
#include "publisher/clsEmpresa.h"
#include "publisher/clsPublicaciones.h"
#include "publisher/clsRanking.h"
#include "resources/StringTable.h"
#include "shell/MenuForm.h"
#include "shell/clsMenu.h"
#include "shell/mdMain.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>

namespace {

MenuForm* menu()
{
    return qobject_cast<MenuForm*>(gFormMenu.data());
}

using TestInstallation::control;

QString programFile(const QString& relative)
{
    return QDir(TestInstallation::folder()).filePath(relative);
}

QString shown(const QString& name)
{
    auto* label = control<QLabel>(name);
    return label ? label->text() : QString();
}

bool visible(const QString& name)
{
    const QWidget* w = control(name);
    return w && w->isVisible();
}

QRect panelRect(int width)
{
    return width == 800
        ? QRect(Twips::toPixels(150), Twips::toPixels(3700), Twips::toPixels(11600), Twips::toPixels(3800))
        : QRect(Twips::toPixels(250), Twips::toPixels(4650), Twips::toPixels(14900), Twips::toPixels(5300));
}

bool samePicture(const QLabel* label, const QString& file)
{
    const QImage expected(programFile(file));
    return label && !expected.isNull()
        && label->pixmap().toImage().convertToFormat(QImage::Format_RGB32)
        == expected.convertToFormat(QImage::Format_RGB32);
}

// The right edge of one label of a line is the left edge of the next.
bool abut(const QStringList& names)
{
    for (int i = 1; i < names.size(); ++i) {
        const QWidget* before = control(names[i - 1]);
        const QWidget* after = control(names[i]);
        if (!before || !after || before->geometry().right() + 1 != after->x() || before->y() != after->y())
            return false;
    }
    return true;
}

// Renames a file of the installation for the life of the object.
class Aside
{
public:
    explicit Aside(const QString& relative)
        : m_path(programFile(relative))
    {
        m_done = QFile::rename(m_path, m_path + QStringLiteral(".aparte"));
    }
    ~Aside()
    {
        if (m_done)
            QFile::rename(m_path + QStringLiteral(".aparte"), m_path);
    }
    bool done() const { return m_done; }

private:
    QString m_path;
    bool m_done = false;
};

// Presses one key of the calculator window: digits, separator and operators by the keyboard, "="
// by Enter, "%" by its button.
void pulsa(Calculator* calculator, QChar c)
{
    if (c == QLatin1Char('='))
        QTest::keyClick(calculator, Qt::Key_Enter);
    else if (c == QLatin1Char('%'))
        QTest::mouseClick(calculator->findChild<QWidget*>(QStringLiteral("lblPercent")), Qt::LeftButton);
    else
        QTest::keyClicks(calculator, QString(c));
}

// The displays the engine shows after each key of `keys`.
QStringList lecturas(CalculatorEngine& engine, const QString& keys)
{
    QStringList vistas;
    for (const QChar c : keys) {
        if (c.isDigit())
            engine.pressDigit(c.digitValue());
        else if (c == QLatin1Char(','))
            engine.pressDecimal();
        else if (c == QLatin1Char('%'))
            engine.pressPercent();
        else
            engine.pressOperator(c);
        vistas << engine.display();
    }
    return vistas;
}

} // namespace

class TestPublisher : public QObject
{
    Q_OBJECT

private:
    void arranca(int width)
    {
        QVERIFY(TestInstallation::startProgram(width));
        QVERIFY(menu());
        QVERIFY(QTest::qWaitForWindowExposed(menu()));
    }

    static void addWidths()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("800, small layout") << 800;
        QTest::newRow("1024") << 1024;
        QTest::newRow("1280, bordered form") << 1280;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        DialogService::setScripted(true);
        clsMenu::registraPantalla(Screen::Company, [] { return std::make_unique<clsEmpresa>(); });
        clsMenu::registraPantalla(Screen::Rankings, [] { return std::make_unique<clsRanking>(); });
        clsMenu::registraPantalla(Screen::Publications, [] { return std::make_unique<clsPublicaciones>(); });
        MenuForm::registraCalculadora(&Calculator::muestra);
    }

    void init() { DialogService::clearShown(); }

    void cleanup() { DesktopOpener::setHandler({}); }

    void cleanupTestCase()
    {
        delete Calculator::instance();
        delete gFormMenu.data();
        liberaGlobales();
    }

    void presentationPages_data() { addWidths(); }

    void presentationPages()
    {
        QFETCH(int, width);
        arranca(width);
        const bool small = width == 800;

        // Page 1, the first thing shown.
        QCOMPARE(control("empresa")->geometry(), panelRect(width));
        QVERIFY(visible("empresa"));
        const QString page1 = shown("texto");
        QVERIFY(page1.startsWith(QStringLiteral("    ") + StringTable::text(101).left(20)));
        QCOMPARE(page1.count(QStringLiteral("\n\n    ")), 3);
        QVERIFY2(page1.contains(QStringLiteral("Cash & Carry")), "a doubled ampersand shows as one");
        QCOMPARE(control("texto")->y(), Twips::toPixels(1000));
        QCOMPARE(shown("titulo"), QStringLiteral("Tarvesa 2010"));
        QCOMPARE(control<QLabel>("titulo")->font().pointSizeF(), small ? 14.0 : 18.0);
        QVERIFY(control("siguiente")->isEnabled());
        QVERIFY(!control("anterior")->isEnabled());
        QCOMPARE(control<ImageButton>("iSiguiente")->face(), QStringLiteral("SIGUIENTE2"));
        QCOMPARE(control<ImageButton>("iAnterior")->face(), QStringLiteral("DANTERIOR2"));
        for (const char* hidden : {"textoPie", "lblPersona", "web", "mail1", "ultimo1", "ultimo2"})
            QVERIFY2(!visible(QString::fromLatin1(hidden)), hidden);
        // The arrows stand on their labels, which stand below the panel.
        const QWidget* siguiente = control("siguiente");
        const QWidget* flecha = control("iSiguiente");
        QCOMPARE(flecha->geometry().bottom() + 1, siguiente->y());
        QVERIFY(qAbs(flecha->geometry().center().x() - siguiente->geometry().center().x()) <= 1);
        QVERIFY(siguiente->y() > panelRect(width).bottom());
        QCOMPARE(shown("lblBienvenidos"), QStringLiteral("KORVAN le da la bienvenida"));
        QCOMPARE(Twips::top(control("lblBienvenidos")), menu()->alturaTwips() - (width == 1280 ? 900 : 450));

        // The pointer over the arrow lights it; the page does not put it out, the form's background does.
        QTest::mouseMove(control("iSiguiente"), QPoint(3, 3));
        QCOMPARE(control<ImageButton>("iSiguiente")->face(), QStringLiteral("RSIGUIENTE2"));
        QTest::mouseMove(control("empresa"), QPoint(2, 2));
        QCOMPARE(control<ImageButton>("iSiguiente")->face(), QStringLiteral("RSIGUIENTE2"));
        QTest::mouseMove(menu(), QPoint(menu()->width() - 3, 3));
        QCOMPARE(control<ImageButton>("iSiguiente")->face(), QStringLiteral("SIGUIENTE2"));
        QTest::mouseMove(control("iAnterior"), QPoint(3, 3));
        QCOMPARE(control<ImageButton>("iAnterior")->face(), QStringLiteral("DANTERIOR2"));

        // Page 2. The arrow's tip goes with it and a disabled arrow has none: nothing lies over "Anterior".
        QHelpEvent ayuda(QEvent::ToolTip, QPoint(3, 3), control("iSiguiente")->mapToGlobal(QPoint(3, 3)));
        QVERIFY(QApplication::sendEvent(control("iSiguiente"), &ayuda) && QToolTip::isVisible());
        QTest::mouseClick(control("siguiente"), Qt::LeftButton);
        QVERIFY(!QToolTip::isVisible());
        QApplication::sendEvent(control("iSiguiente"), &ayuda);
        QVERIFY(!QToolTip::isVisible());
        const QString page2 = shown("texto");
        QCOMPARE(page2, StringTable::text(105) + QStringLiteral("\n\n    ") + StringTable::text(106));
        QCOMPARE(control("texto")->y(), Twips::toPixels(400));
        QVERIFY(!visible("titulo"));
        QVERIFY(visible("textoPie"));
        QCOMPARE(control("textoPie")->y(), Twips::toPixels(small ? 2700 : 3000));
        QVERIFY(shown("textoPie").contains(QStringLiteral("Centralita ")));
        for (const char* contact : {"lblPersona", "web", "mail1", "ultimo1", "ultimo2"})
            QVERIFY2(visible(QString::fromLatin1(contact)), contact);
        QVERIFY(abut({"ultimo1", "web", "ultimo2", "mail1"}));
        QCOMPARE(shown("ultimo1"), QStringLiteral("También nos tiene en internet  "));
        QVERIFY(!control("siguiente")->isEnabled());
        QVERIFY(control("anterior")->isEnabled());
        QCOMPARE(control<ImageButton>("iSiguiente")->face(), QStringLiteral("DSIGUIENTE2"));
        QCOMPARE(control<ImageButton>("iAnterior")->face(), QStringLiteral("ANTERIOR2"));
        // Nothing of the contact block spills out of the page.
        for (const char* contact : {"textoPie", "lblPersona", "mail2", "mail1"})
            QVERIFY2(control("empresa")->rect().contains(control(QString::fromLatin1(contact))->geometry()),
                contact);

        // Back with any button of the arrow: page 1 laid out again in full.
        QTest::mouseClick(control("iAnterior"), Qt::RightButton);
        QCOMPARE(shown("texto"), page1);
        QCOMPARE(control("texto")->y(), Twips::toPixels(1000));
        QVERIFY(visible("titulo"));
        for (const char* hidden : {"textoPie", "lblPersona", "web", "mail1", "ultimo1", "ultimo2"})
            QVERIFY2(!visible(QString::fromLatin1(hidden)), hidden);
        QCOMPARE(control<ImageButton>("iSiguiente")->face(), QStringLiteral("SIGUIENTE2"));
        QCOMPARE(control<ImageButton>("iAnterior")->face(), QStringLiteral("DANTERIOR2"));
    }

    void presentationLinks()
    {
        arranca(1024);
        QList<QUrl> opened;
        bool works = true;
        DesktopOpener::setHandler([&](const QUrl& url) {
            opened.append(url);
            return works;
        });
        QTest::mouseClick(control("siguiente"), Qt::LeftButton);
        // Only what the user can see can be clicked: shown, and not under another control.
        for (const char* enlace : {"web", "mail1", "mail2"}) {
            const QWidget* w = control(QString::fromLatin1(enlace));
            QVERIFY2(visible(QString::fromLatin1(enlace)), enlace);
            QCOMPARE(w->window()->childAt(w->mapTo(w->window(), w->rect().center())), w);
        }
        const QString mail = shown("mail1");
        QTest::mouseClick(control("web"), Qt::LeftButton);
        QTest::mouseClick(control("mail1"), Qt::LeftButton);
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[0].host(), shown("web"));
        QCOMPARE(opened[1], QUrl(QStringLiteral("mailto:") + mail));
        QCOMPARE(shown("mail1"), mail);
        QVERIFY(opened[0].host().endsWith(QStringLiteral(".example.es")));
        QVERIFY(DialogService::shown().isEmpty());

        // An address that cannot be opened is said.
        works = false;
        QTest::mouseClick(control("mail2"), Qt::LeftButton);
        QCOMPARE(DialogService::shown().size(), 1);
        QVERIFY(DialogService::shown().first().text.contains(shown("mail2")));
    }

    void publications_data() { addWidths(); }

    void publications()
    {
        QFETCH(int, width);
        arranca(width);
        const bool small = width == 800;
        const QString size = small ? QStringLiteral("800") : QStringLiteral("1024");
        QTest::mouseClick(menu()->boton(3), Qt::LeftButton);
        QVERIFY(!control("empresa"));
        QCOMPARE(control("publicaciones")->geometry(), panelRect(width));
        QCOMPARE(shown("lpelvarin"), small ? QStringLiteral("Quorvel") : QStringLiteral("Pelvarin"));
        QCOMPARE(shown("lrevistapdf"),
            small ? QStringLiteral("(Ver revista)") : QStringLiteral("(Ver número en PDF)"));
        QCOMPARE(shown("lblBienvenidos"),
            small ? QStringLiteral("Principales publicaciones disponibles")
                  : QStringLiteral("Nuestras publicaciones"));
        QCOMPARE(Twips::top(control("lblBienvenidos")), menu()->alturaTwips() - (width == 1280 ? 900 : 450));
        // Titles follow their thumbnails' width.
        const QWidget* thumbnail = control("ostralin");
        QCOMPARE(control("lostralin")->x(),
            Twips::toPixels(Twips::left(thumbnail) + Twips::width(thumbnail) + (small ? 100 : 200)));
        QVERIFY(abut({"titulo", "mail", "titulo2"}));
        QVERIFY(samePicture(
            control<QLabel>("revistagrande"), small ? "images/logo_nuevo800.jpg" : "images/logo_nuevo.jpg"));
        QVERIFY(shown("texto").isEmpty());
        for (const char* never : {"tamberlo", "libro", "ltamberlo", "llibro", "ltamberlopdf"})
            QVERIFY2(!visible(QString::fromLatin1(never)), never);

        // Hover on a thumbnail: its description and its large picture, bordered.
        QTest::mouseMove(control("ostralin"), QPoint(5, 5));
        QVERIFY(shown("texto").startsWith(QStringLiteral("Publicación Anual.\n\n")));
        QVERIFY(
            samePicture(control<QLabel>("revistagrande"), QStringLiteral("images/ostralin%1.jpg").arg(size)));
        QVERIFY(control<QLabel>("revistagrande")->frameWidth() > 0);
        // Onto the description box: nothing changes.
        QTest::mouseMove(control("texto"), QPoint(5, 5));
        QVERIFY(shown("texto").startsWith(QStringLiteral("Publicación Anual.")));
        // Straight to another thumbnail.
        QTest::mouseMove(control("revista"), QPoint(5, 5));
        const QStringList paragraphs = shown("texto").split(QStringLiteral("\n\n"));
        QCOMPARE(paragraphs.size(), 4);
        QCOMPARE(paragraphs.first(), QStringLiteral("Publicación quincenal."));
        QVERIFY(
            samePicture(control<QLabel>("revistagrande"), QStringLiteral("images/sendavo%1.jpg").arg(size)));
        // The bare page brings the logo back.
        QTest::mouseMove(control("publicaciones"), QPoint(3, 3));
        QVERIFY(shown("texto").isEmpty());
        QVERIFY(samePicture(
            control<QLabel>("revistagrande"), small ? "images/logo_nuevo800.jpg" : "images/logo_nuevo.jpg"));
        QCOMPARE(control<QLabel>("revistagrande")->frameWidth(), 0);

        // Leaving takes the screen down with its title.
        QTest::mouseClick(menu()->boton(0), Qt::LeftButton);
        QVERIFY(!control("publicaciones"));
        QVERIFY(!control("revistagrande"));
        QCOMPARE(shown("lblBienvenidos"), QStringLiteral("KORVAN le da la bienvenida"));
    }

    void missingPictureInTheSmallLayout()
    {
        const Aside thumbnail(QStringLiteral("images/ostralin00.jpg"));
        const Aside large(QStringLiteral("images/ostralin800.jpg"));
        QVERIFY(thumbnail.done() && large.done());
        arranca(800);
        QTest::mouseClick(menu()->boton(3), Qt::LeftButton);
        // Everything after the missing thumbnail is still laid out.
        QVERIFY(visible("lostralin"));
        QCOMPARE(shown("lostralin"), QStringLiteral("Ostralin"));
        for (const char* laidOut :
            {"guia", "rasmelin", "revista", "lrevistapdf", "revistagrande", "texto", "mail"})
            QVERIFY2(visible(QString::fromLatin1(laidOut)), laidOut);
        QVERIFY(samePicture(control<QLabel>("guia"), QStringLiteral("images/pelvarin00.jpg")));
        QVERIFY(samePicture(control<QLabel>("revistagrande"), QStringLiteral("images/logo_nuevo800.jpg")));
        // A large picture that cannot be read leaves the slot's picture; the description still changes.
        QTest::mouseMove(control("ostralin"), QPoint(0, 0));
        QVERIFY(shown("texto").startsWith(QStringLiteral("Publicación Anual.")));
        QVERIFY(samePicture(control<QLabel>("revistagrande"), QStringLiteral("images/logo_nuevo800.jpg")));
    }

    void pdfIssue()
    {
        arranca(1024);
        QTest::mouseClick(menu()->boton(3), Qt::LeftButton);
        QList<QUrl> opened;
        DesktopOpener::setHandler([&](const QUrl& url) {
            opened.append(url);
            return true;
        });
        QTest::mouseClick(control("lrevistapdf"), Qt::RightButton);
        // A press slid off the link before its release opens nothing.
        QTest::mousePress(control("lrevistapdf"), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(control("lrevistapdf"), Qt::LeftButton, {}, QPoint(5, 85));
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened.first().toLocalFile().endsWith(QStringLiteral("revistas/Sendavo.pdf")));
        QVERIFY(DialogService::shown().isEmpty());

        // No program to open it: said.
        DesktopOpener::setHandler([](const QUrl&) { return false; });
        QTest::mouseClick(control("lrevistapdf"), Qt::LeftButton);
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Exclamation);
        QVERIFY(DialogService::shown().first().text.contains(QStringLiteral("revistas/Sendavo.pdf")));

        // No file: said as well.
        DialogService::clearShown();
        opened.clear();
        DesktopOpener::setHandler([&](const QUrl& url) {
            opened.append(url);
            return true;
        });
        const Aside pdf(QStringLiteral("revistas/Sendavo.pdf"));
        QTest::mouseClick(control("lrevistapdf"), Qt::LeftButton);
        QVERIFY(opened.isEmpty());
        QCOMPARE(DialogService::shown().size(), 1);
    }

    void theIssueIsARealMagazine()
    {
        QFile file(programFile(QStringLiteral("revistas/Sendavo.pdf")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page ") >= 4);
        // Its text can be read back, accents included.
        const QString reader = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (reader.isEmpty())
            QSKIP("pdftotext is not installed");
        const QString text = PdfReader::output(reader, {file.fileName(), QStringLiteral("-")});
        QVERIFY(text.contains(QStringLiteral("Revista quincenal de la distribución")));
        QVERIFY(text.contains(QStringLiteral("Alimentación")));
        QVERIFY(text.contains(QStringLiteral("korvan.example.es")));
    }

    void rankings_data() { addWidths(); }

    void rankings()
    {
        QFETCH(int, width);
        arranca(width);
        QTest::mouseClick(menu()->boton(2), Qt::LeftButton);
        auto* panel = control<PictureBox>("picRanking");
        auto* movie = control<FlashMovie>("flashRanking");
        auto* catering = control<QRadioButton>("optRanking_0");
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->geometry(), panelRect(width));
        QCOMPARE(control("pantalla")->geometry(), panelRect(width));
        QVERIFY(catering->isChecked());
        QVERIFY(
            menu()->webRanking()->source().toLocalFile().endsWith(QStringLiteral("RANKING/Catering.html")));
        QCOMPARE(shown("lblBienvenidos"), QStringLiteral("Todas las estadísticas a su alcance"));
        QCOMPARE(Twips::top(control("lblBienvenidos")), menu()->alturaTwips() - (width == 1280 ? 900 : 450));
        QCOMPARE(Twips::left(control("lblBienvenidos")), 900);
        // The movie plays unseen; the mode switches are built but hidden.
        QVERIFY(!movie->isVisible());
        QVERIFY(movie->isPlaying());
        QVERIFY(movie->movie().endsWith(QStringLiteral("ranking.swf")));
        for (const char* mode : {"grupo", "ranking", "iGrupo", "iRanking"}) {
            QVERIFY2(control(QString::fromLatin1(mode)), mode);
            QVERIFY2(!visible(QString::fromLatin1(mode)), mode);
        }
        // The panel covers the screen's own, so the pointer reaches the options.
        QWidget* onTop = menu()->childAt(panel->geometry().center());
        QVERIFY(onTop == panel || panel->isAncestorOf(onTop));

        control<QRadioButton>("optRanking_3")->setChecked(true);
        QVERIFY(
            menu()->webRanking()->source().toLocalFile().endsWith(QStringLiteral("RANKING/Vending.html")));

        // Leaving takes down everything the screen added and hides what it showed.
        QTest::mouseClick(menu()->boton(3), Qt::LeftButton);
        for (const char* gone : {"pantalla", "grupo", "ranking", "iGrupo", "iRanking"})
            QVERIFY2(!control(QString::fromLatin1(gone)), gone);
        QVERIFY(shown("lblBienvenidos") != QStringLiteral("Todas las estadísticas a su alcance"));
        QVERIFY(!panel->isVisible());
        QVERIFY(!movie->isVisible());
        QVERIFY(!movie->isPlaying());
        QVERIFY(movie->movie().isEmpty());

        // Back again: Catering chosen and its page shown.
        QTest::mouseClick(menu()->boton(2), Qt::LeftButton);
        QVERIFY(catering->isChecked());
        QVERIFY(
            menu()->webRanking()->source().toLocalFile().endsWith(QStringLiteral("RANKING/Catering.html")));
        QVERIFY(panel->isVisible());
    }

    void calculatorWindow()
    {
        arranca(1024);
        auto* hotSpot = control<ImageButton>("imgCalc");
        QTest::mouseClick(hotSpot, Qt::LeftButton);
        QPointer<Calculator> calculator = Calculator::instance();
        QVERIFY(calculator && calculator->isVisible());
        QCOMPARE(calculator->windowTitle(), QStringLiteral("Calculadora KORVAN"));
        QVERIFY(calculator->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(calculator->display(), QStringLiteral("0,"));

        // The keyboard types the keys; "," and "." both are the separator.
        QTest::keyClicks(calculator, QStringLiteral("12,5+1.5"));
        QTest::keyClick(calculator, Qt::Key_Return);
        QCOMPARE(calculator->display(), QStringLiteral("14"));
        // The mouse acts on release.
        QTest::mouseClick(calculator->findChild<QWidget*>(QStringLiteral("lblCancel")), Qt::LeftButton);
        QCOMPARE(calculator->display(), QStringLiteral("0,"));
        QTest::mouseClick(calculator->findChild<QWidget*>(QStringLiteral("lblNumber_7")), Qt::LeftButton);
        QTest::mouseClick(calculator->findChild<QWidget*>(QStringLiteral("lblOperator_0")), Qt::LeftButton);
        QTest::mouseClick(calculator->findChild<QWidget*>(QStringLiteral("lblNumber_0")), Qt::LeftButton);
        QTest::mouseClick(calculator->findChild<QWidget*>(QStringLiteral("lblOperator_4")), Qt::LeftButton);
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().text, QStringLiteral("No se puede dividir entre cero"));
        QCOMPARE(DialogService::shown().first().title, QStringLiteral("Calculadora"));
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Exclamation);
        QCOMPARE(calculator->display(), QStringLiteral("7,"));

        // Shown again while open: the same window, as it was.
        QTest::mouseClick(hotSpot, Qt::LeftButton);
        QCOMPARE(Calculator::instance(), calculator.data());
        QCOMPARE(calculator->display(), QStringLiteral("7,"));
        // Closed and opened again: from a clean state. The keys after reopening read what is left of
        // the operands and the operator, so they show the same as on a calculator never used.
        const QString antes = QStringLiteral("12+3=5*");
        const QString despues = QStringLiteral("50%=7%+2=");
        const QLocale local(QLocale::Spanish, QLocale::Spain);
        CalculatorEngine nueva(local);
        nueva.load();
        CalculatorEngine usada(local);
        usada.load();
        const QStringList limpias = lecturas(nueva, despues);
        lecturas(usada, antes);
        usada.load(); // what a window kept alive and loaded again would hold
        QVERIFY2(lecturas(usada, despues) != limpias, "the keys must tell a used calculator from a new one");

        for (const QChar c : antes)
            pulsa(calculator, c);
        QTest::keyClick(calculator, Qt::Key_Escape);
        QTRY_VERIFY(calculator.isNull());
        QTest::mouseClick(hotSpot, Qt::LeftButton);
        calculator = Calculator::instance();
        QVERIFY(calculator);
        QCOMPARE(calculator->display(), QStringLiteral("0,"));
        QStringList vistas;
        for (const QChar c : despues) {
            pulsa(calculator, c);
            vistas << calculator->display();
        }
        QCOMPARE(vistas, limpias);
        calculator->close();
        QTRY_VERIFY(calculator.isNull());
    }
};

QTEST_MAIN(TestPublisher)
#include "tst_publisher.moc"
