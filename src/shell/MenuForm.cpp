#include "shell/MenuForm.h"

#include "core/AppPaths.h"
#include "platform/print/PrinterCheck.h"
#include "platform/print/Printers.h"
#include "platform/ui/Colors.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlashMovie.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/Twips.h"
#include "resources/Pictures.h"
#include "shell/clsMenu.h"
#include "shell/clsVentanas.h"
#include "shell/mdMain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QRadioButton>
#include <QTextBrowser>
#include <QWindow>

namespace {

// In the order of the menu's options (Screen).
const char* const kNombresBoton[MenuForm::kBotones] = {"EMPRESA", "GUIA", "RANKING", "PUBLI", "BUSCAR"};

struct Page
{
    const char* titulo;
    const char* ruta;
};
const Page kRanking[5] = {
    {"Catering", "\\DATA\\RANKING\\Catering.html"},
    {"Equipamiento", "\\DATA\\RANKING\\Equipamientos.html"},
    {"Distribución", "\\DATA\\RANKING\\Distribucion.html"},
    {"Vending", "\\DATA\\RANKING\\Vending.html"},
    {"Cash&&Carry", "\\DATA\\RANKING\\Cash.html"},
};

std::function<void()>& calculadora()
{
    static std::function<void()> c;
    return c;
}

// A caption as it shows: "&&" is one '&', and a single '&' only marks the mnemonic.
QString shownCaption(const QString& caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        text += caption.at(i);
    }
    return text;
}

} // namespace

MenuForm::MenuForm(const QString& nombre, bool conBorde)
    : QWidget(nullptr,
        conBorde ? (Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
                 : (Qt::Window | Qt::FramelessWindowHint))
    , m_imgStatus(new QLabel(this))
    , m_imgAyuda(new ImageButton(this))
    , m_imgSalir(new ImageButton(this))
    , m_imgCalc(new ImageButton(this))
    , m_picRanking(new PictureBox(this))
    , m_WebRanking(new QTextBrowser(m_picRanking))
    , m_imgImprime(new ImageButton(m_picRanking))
    , m_flashRanking(new FlashMovie(this))
{
    setObjectName(nombre);
    setWindowTitle(QStringLiteral("Tarvesa 2010"));
    setWindowIcon(Pictures::windowIcon(conBorde));
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));
    setMouseTracking(true);
    resize(Twips::toPixels(conBorde ? 12510 : 11970), Twips::toPixels(conBorde ? 10485 : 10185));

    for (int i = 0; i < kBotones; ++i) {
        m_imgMenu[i] = new ImageButton(this);
        m_imgMenu[i]->setObjectName(QStringLiteral("imgMenu_%1").arg(i));
        connect(m_imgMenu[i], &ImageButton::clicked, this, [this, i] { imgMenu_Click(i); });
        connect(m_imgMenu[i], &ImageButton::mouseMoved, this, [this, i] { imgMenu_MouseMove(i); });
    }
    m_imgStatus->setObjectName(QStringLiteral("imgStatus"));
    m_imgAyuda->setObjectName(QStringLiteral("imgAyuda"));
    m_imgSalir->setObjectName(QStringLiteral("imgSalir"));
    connect(m_imgAyuda, &ImageButton::released, this, &MenuForm::imgAyuda_MouseUp);
    connect(m_imgSalir, &ImageButton::released, this, &MenuForm::imgSalir_MouseUp);
    connect(m_imgAyuda, &ImageButton::mouseMoved, this, &MenuForm::imgAyuda_MouseMove);
    connect(m_imgSalir, &ImageButton::mouseMoved, this, &MenuForm::imgSalir_MouseMove);

    m_imgCalc->setObjectName(QStringLiteral("imgCalc"));
    m_imgCalc->resize(Twips::toPixels(465), Twips::toPixels(480));
    m_imgCalc->hide();
    connect(m_imgCalc, &ImageButton::clicked, this, &MenuForm::imgCalc_Click);

    // The ranking panel, hidden until the rankings screen shows it.
    m_picRanking->setObjectName(QStringLiteral("picRanking"));
    m_picRanking->setBackColor(bgrColor(0xE0EEE9));
    Twips::place(m_picRanking, 0, 0, conBorde ? 10170 : 11115, 3495);
    m_picRanking->hide();
    static const int lefts[5] = {120, 1800, 3480, 5160, 6840};
    for (int i = 0; i < 5; ++i) {
        auto* opcion = new QRadioButton(m_picRanking);
        m_optRanking[i] = opcion;
        opcion->setObjectName(QStringLiteral("optRanking_%1").arg(i));
        opcion->setText(QString::fromUtf8(kRanking[i].titulo));
        opcion->setFont(Fonts::font(QStringLiteral("Arial"), 9.75));
        opcion->setAutoFillBackground(true);
        QPalette pal = opcion->palette();
        pal.setColor(QPalette::Window, bgrColor(0x505E59));
        pal.setColor(QPalette::Button, bgrColor(0x505E59));
        pal.setColor(QPalette::WindowText, Qt::white);
        pal.setColor(QPalette::ButtonText, Qt::white);
        opcion->setPalette(pal);
        opcion->setBackgroundRole(QPalette::Window);
        Twips::place(opcion, lefts[i], 240, (conBorde && i == 4) ? 1695 : 1575, 495);
        connect(opcion, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optRanking_Click(i);
        });
    }
    m_WebRanking->setObjectName(QStringLiteral("WebRanking"));
    m_WebRanking->setOpenExternalLinks(true);
    Twips::place(m_WebRanking, 360, 1200, 5295, 2175);
    m_imgImprime->setObjectName(QStringLiteral("imgImprime"));
    Twips::move(m_imgImprime, 9600, 240);
    connect(m_imgImprime, &ImageButton::clicked, this, &MenuForm::imgImprime_Click);
    connect(m_imgImprime, &ImageButton::mouseMoved, this,
        [this] { m_imgImprime->showPicture(QStringLiteral("RIMPRIMIR")); });
    connect(m_picRanking, &PictureBox::mouseMoved, this,
        [this] { m_imgImprime->showPicture(QStringLiteral("IMPRIMIR")); });
    connect(m_picRanking, &PictureBox::resized, this, &MenuForm::picRanking_Resize);

    m_flashRanking->setObjectName(QStringLiteral("flashRanking"));
    Twips::place(m_flashRanking, 240, 4080, 2175, 2535);
    m_flashRanking->hide();

    // Sized before the window manager first sees it, so it frames a window that cannot be resized.
    if (!clsVentanas::menuMaximizado(gVentanas().getResolucion()))
        colocaVentana();
}

void MenuForm::registraCalculadora(std::function<void()> muestraCalculadora)
{
    calculadora() = std::move(muestraCalculadora);
}

bool MenuForm::pequena() const
{
    return gVentanas().getResolucion() == 2;
}

QString MenuForm::cara(const QString& boton, bool rollover) const
{
    return QStringLiteral("BOTON_") + (rollover ? QStringLiteral("R") : QString()) + boton
        + (pequena() ? QStringLiteral("_800") : QStringLiteral("_1024"));
}

int MenuForm::alturaTwips() const
{
    return Twips::fromPixels(frameGeometry().height());
}

QMargins MenuForm::margenesMarco() const
{
    const QWindow* ventana = windowHandle();
    return ventana ? ventana->frameMargins() : QMargins();
}

void MenuForm::colocaVentana()
{
    const int codigo = gVentanas().getResolucion();
    const QRect exterior = clsVentanas::exteriorMenu(codigo, clsVentanas::areaPantalla());
    m_colocada = true;
    m_marco = margenesMarco();
    if (clsVentanas::menuMaximizado(codigo)) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // The area first: without a window manager the state alone changes nothing, and a request
        // for a geometry after the state would make a window manager drop the state.
        setGeometry(exterior);
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    // Our own placement, whatever the window manager does: the frame counts in the 1024 x 800.
    setWindowState(windowState() & ~Qt::WindowMaximized);
    const QRect cliente = exterior.marginsRemoved(m_marco);
    setFixedSize(cliente.size());
    setGeometry(cliente);
}

void MenuForm::ajustaAlMarco()
{
    if (!m_colocada)
        return;
    const int codigo = gVentanas().getResolucion();
    if (!clsVentanas::menuMaximizado(codigo)) {
        // The window manager tells the frame once the window is mapped: place it again by it.
        if (margenesMarco() != m_marco)
            colocaVentana();
    } else if (clsVentanas::pantallaSimulada()) {
        // The platform maximises to its own screen: a stand-in screen's size wins.
        const QRect area = clsVentanas::exteriorMenu(codigo, clsVentanas::areaPantalla());
        if (geometry() != area)
            setGeometry(area);
    }
}

void MenuForm::colocaPie()
{
    const bool chica = pequena();
    Twips::move(m_imgSalir, chica ? 11100 : 14200, chica ? 8450 : 10810);
    Twips::move(m_imgAyuda, chica ? 9900 : 12600, chica ? 8450 : 10810);
    Twips::move(m_imgCalc, chica ? 0 : 10, chica ? 8500 : 10950);
    // A frame narrows the form: the two buttons move together into it, and the hot spot up.
    const int derecha = qMin(0, width() - m_imgSalir->geometry().right() - 1);
    const int abajo
        = qMin(0, height() - qMax(m_imgSalir->geometry().bottom(), m_imgAyuda->geometry().bottom()) - 1);
    m_imgSalir->move(m_imgSalir->pos() + QPoint(derecha, abajo));
    m_imgAyuda->move(m_imgAyuda->pos() + QPoint(derecha, abajo));
    m_imgCalc->move(m_imgCalc->x(), qMin(m_imgCalc->y(), height() - m_imgCalc->height()));
}

void MenuForm::pintaFondo()
{
    const int codigo = gVentanas().getResolucion();
    const auto carga = [this](const char* nombre) {
        m_fondo = QPixmap(AppPaths::localPath(gRutaApp + QString::fromLatin1(nombre)));
        return !m_fondo.isNull();
    };
    if (codigo == 2) {
        if (carga("\\fondos\\fondo800.jpg")) {
            colocaVentana();
        } else {
            // Not maximised without its picture: its size before, centred.
            QRect centrada(QPoint(), frameGeometry().size());
            centrada.moveCenter(clsVentanas::areaPantalla().center());
            move(centrada.topLeft());
        }
    } else {
        colocaVentana();
        carga("\\fondos\\fondo1024.jpg");
    }
    update();
}

void MenuForm::Form_Load()
{
    pintaFondo();
    m_imgSalir->setCursor(Pictures::handCursor());
    m_imgAyuda->setCursor(Pictures::handCursor());
    PendingEvents::process();

    const bool chica = pequena();
    m_imgMenu[0]->showPicture(cara(QString::fromLatin1(kNombresBoton[0]), true));
    for (int i = 1; i < kBotones; ++i)
        m_imgMenu[i]->showPicture(cara(QString::fromLatin1(kNombresBoton[i]), false));
    m_imgSalir->showPicture(cara(QStringLiteral("SALIR"), false));
    m_imgAyuda->showPicture(cara(QStringLiteral("AYUDA"), false));
    Twips::move(m_imgStatus, chica ? 150 : 300, chica ? 3000 : 3900);
    m_pieColocado = true;
    colocaPie();

    gVentanas().colocaMenu(this);
    m_imgImprime->setCursor(Pictures::handCursor());
    m_imgImprime->showPicture(QStringLiteral("IMPRIMIR"));
    m_imgCalc->setCursor(Pictures::handCursor());
    m_imgCalc->show();

    imgMenu_Click(static_cast<int>(Screen::Company));
}

bool MenuForm::eventFilter(QObject* watched, QEvent* event)
{
    // The window is exposed once the window manager has framed and mapped it.
    if (watched == windowHandle() && event->type() == QEvent::Expose)
        ajustaAlMarco();
    return QWidget::eventFilter(watched, event);
}

void MenuForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (QWindow* ventana = windowHandle())
        ventana->installEventFilter(this);
    ajustaAlMarco();
}

void MenuForm::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    ajustaAlMarco();
}

void MenuForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ajustaAlMarco();
    if (m_pieColocado)
        colocaPie();
}

void MenuForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (m_fondo.isNull())
        return;
    p.drawPixmap(0, 0, m_fondo);
    // A form taller than its picture (no title bar takes the 800's top): the footer carries on.
    if (height() > m_fondo.height()) {
        p.drawPixmap(QRect(0, m_fondo.height(), m_fondo.width(), height() - m_fondo.height()), m_fondo,
            QRect(0, m_fondo.height() - 1, m_fondo.width(), 1));
    }
}

void MenuForm::imgMenu_Click(int indice)
{
    // The buttons stand in the order of the menu's options.
    if (indice >= 0 && indice < kBotones)
        gMenu().Muestra(static_cast<Screen>(indice));
    PendingEvents::process();
}

void MenuForm::restauraBotones(int excepto)
{
    for (int i = 0; i < kBotones; ++i) {
        if (i != excepto)
            m_imgMenu[i]->showPicture(cara(QString::fromLatin1(kNombresBoton[i]), false));
    }
    m_imgImprime->showPicture(QStringLiteral("IMPRIMIR"));
}

void MenuForm::imgMenu_MouseMove(int indice)
{
    restauraBotones(indice);
    m_imgMenu[indice]->showPicture(cara(QString::fromLatin1(kNombresBoton[indice]), true));
    PendingEvents::process();
}

void MenuForm::imgAyuda_MouseUp()
{
    gMenu().Muestra(Screen::Help);
}

void MenuForm::imgSalir_MouseUp()
{
    close();
}

void MenuForm::imgAyuda_MouseMove()
{
    m_imgAyuda->showPicture(cara(QStringLiteral("AYUDA"), true));
    m_imgSalir->showPicture(cara(QStringLiteral("SALIR"), false));
}

void MenuForm::imgSalir_MouseMove()
{
    m_imgSalir->showPicture(cara(QStringLiteral("SALIR"), true));
    m_imgAyuda->showPicture(cara(QStringLiteral("AYUDA"), false));
}

void MenuForm::imgCalc_Click()
{
    if (calculadora())
        calculadora()();
}

void MenuForm::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    // Only the form's own background: moves over a screen's controls reach here too, unhandled.
    if (childAt(event->position().toPoint()))
        return;
    gMenu().Desmacar();
    m_imgAyuda->showPicture(cara(QStringLiteral("AYUDA"), false));
    m_imgSalir->showPicture(cara(QStringLiteral("SALIR"), false));
    for (int i = 0; i < kBotones; ++i)
        m_imgMenu[i]->showPicture(cara(QString::fromLatin1(kNombresBoton[i]), false));
    const int tipo = static_cast<int>(gMenu().getTipo());
    if (tipo >= 0 && tipo < kBotones)
        m_imgMenu[tipo]->showPicture(cara(QString::fromLatin1(kNombresBoton[tipo]), true));
}

void MenuForm::closeEvent(QCloseEvent* event)
{
    event->accept();
    liberaGlobales();
    QCoreApplication::quit();
}

void MenuForm::optRanking_Click(int indice)
{
    if (indice < 0 || indice > 4)
        return;
    const QString ruta = gRutaApp + QString::fromLatin1(kRanking[indice].ruta);
    const QString local = AppPaths::localPath(ruta);
    m_WebRanking->setProperty("pagina", ruta);
    if (QFileInfo(local).isFile()) {
        m_WebRanking->setSource(QUrl());
        m_WebRanking->setSource(QUrl::fromLocalFile(local));
        return;
    }
    m_WebRanking->setHtml(
        QStringLiteral("<html><body style=\"font-family: Arial\"><h3>Ranking no disponible</h3>"
                       "<p>El ranking del sector %1 no está disponible en esta instalación.</p>"
                       "</body></html>")
            .arg(m_optRanking[indice]->text().toHtmlEscaped()));
}

void MenuForm::imgImprime_Click()
{
    if (!PrinterCheck::isInstalled()) {
        DialogService::message(
            QStringLiteral("No tiene ninguna impresora instalada. No puede imprimir el ranking"),
            DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
        return;
    }
    // Named after the sector shown, so printing to a PDF file offers that name.
    QString sector;
    for (const auto& opcion : m_optRanking) {
        if (opcion && opcion->isChecked())
            sector = shownCaption(opcion->text());
    }
    const std::unique_ptr<QPrinter> printer = Printers::create(QStringLiteral("Ranking ") + sector);
    if (DialogService::printDialog(printer.get(), this))
        m_WebRanking->document()->print(printer.get());
}

void MenuForm::picRanking_Resize()
{
    // A panel smaller than the margins leaves the browser empty, never negative.
    Twips::place(m_WebRanking, 100, 800, qMax(0, Twips::width(m_picRanking) - 200),
        qMax(0, Twips::height(m_picRanking) - 900));
}
