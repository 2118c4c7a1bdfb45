#include "printing/preview/frmVPreliminar.h"

#include "core/Installation.h"
#include "platform/print/PreviewSurface.h"
#include "platform/print/PrinterSurface.h"
#include "platform/print/Printers.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/MouseEvents.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/Twips.h"
#include "printing/preview/PreviewControls.h"
#include "printing/preview/PreviewDocument.h"
#include "printing/preview/PreviewLayout.h"
#include "printing/preview/PreviewPageWidget.h"
#include "printing/preview/PreviewPrintJob.h"
#include "printing/preview/RulerStrip.h"
#include "shell/clsWeb.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

namespace {

constexpr quint32 kFondoPagina = 0x808080;
// The option frames fill the bar's first row.
constexpr int kAltoMarco = 600;
// How long a notice waits for the window to appear: 40 times 25 ms at most.
constexpr int kEsperasAviso = 40;
constexpr int kEsperaAvisoMs = 25;

const QString kPreguntaImprimir
    = QStringLiteral("¿Desea imprmir todas las páginas?\nSi= Todas las paginas\nNo=Pagina actual");

} // namespace

frmVPreliminar::frmVPreliminar(QWidget* parent)
    : QDialog(parent)
    , m_impresora(Printers::create())
{
    setObjectName(QStringLiteral("frmVPreliminar"));
    setWindowTitle(QStringLiteral("Presentacion preliminar"));
    resize(Twips::toPixels(11775), Twips::toPixels(8310));
    setMouseTracking(true);
    creaBotonera();
    creaPagina();
    restauraBotones();
}

frmVPreliminar::~frmVPreliminar() = default;

ImageButton* frmVPreliminar::boton(
    const QString& nombre, const QString& cara, int left, int top, int width, int height)
{
    auto* b = new ImageButton(m_picBotones);
    b->setObjectName(nombre);
    b->setPicture(cara);
    Twips::place(b, left, top, width, height);
    connect(b, &ImageButton::mouseMoved, b, &ImageButton::showRollover);
    return b;
}

void frmVPreliminar::creaBotonera()
{
    m_picBotones = new QWidget(this);
    m_picBotones->setObjectName(QStringLiteral("picBotones"));
    PreviewControls::fillBackground(m_picBotones, PreviewControls::kBarColor);
    MouseEvents::of(m_picBotones).onMove([this] { restauraBotones(); });

    m_fraPapel
        = PreviewControls::frame(QStringLiteral("Tamaño Papel"), m_picBotones, 3240, 0, 1815, kAltoMarco);
    m_optPapel
        = {PreviewControls::option(QStringLiteral("optPapel0"), QStringLiteral("A4"), m_fraPapel, 120, 735),
            PreviewControls::option(QStringLiteral("optPapel1"), QStringLiteral("A3"), m_fraPapel, 960, 735)};
    m_fraOrientacion
        = PreviewControls::frame(QStringLiteral("Orientación"), m_picBotones, 5160, 0, 2295, kAltoMarco);
    m_optOrientacion = {PreviewControls::option(QStringLiteral("optOrientacion0"), QStringLiteral("Vertical"),
                            m_fraOrientacion, 120, 975),
        PreviewControls::option(
            QStringLiteral("optOrientacion1"), QStringLiteral("Apaisado"), m_fraOrientacion, 1140, 975)};
    m_grupoPapel = new QButtonGroup(this);
    m_grupoOrientacion = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        m_grupoPapel->addButton(m_optPapel[size_t(i)], i);
        m_grupoOrientacion->addButton(m_optOrientacion[size_t(i)], i);
    }
    // Neither chosen until a mode is set.
    PreviewControls::clearChoice(m_grupoPapel);
    PreviewControls::clearChoice(m_grupoOrientacion);
    connect(
        m_grupoPapel, &QButtonGroup::idToggled, this, [this](int, bool marcada) { opcionElegida(marcada); });
    connect(m_grupoOrientacion, &QButtonGroup::idToggled, this,
        [this](int, bool marcada) { opcionElegida(marcada); });

    // Over the option frames, which envelopes have no use for.
    m_picSobres
        = PreviewControls::frame(QStringLiteral("Configuracion Sobre"), m_picBotones, 2325, 0, 6615, 615);
    m_picSobres->setObjectName(QStringLiteral("picSobres"));
    m_picSobres->hide();
    MouseEvents::of(m_picSobres).onMove([this] { restauraBotones(); });
    m_picAtencion = new QWidget(m_picBotones);
    m_picAtencion->setObjectName(QStringLiteral("picAtencion"));
    Twips::place(m_picAtencion, 120, 600, 9855, 615);
    m_picAtencion->hide();

    m_cmdCerrar = boton(QStringLiteral("cmdCerrar"), QStringLiteral("CANCELAR"), 120, 60, 465, 450);
    m_cmdImprime = boton(QStringLiteral("cmdImprime"), QStringLiteral("IMPRIMIR"), 750, 60, 435, 420);
    m_cmdConf = boton(QStringLiteral("cmdConf"), QStringLiteral("CONFIGURAR"), 1335, 60, 480, 465);
    m_cmdAnterior = boton(QStringLiteral("cmdAnterior"), QStringLiteral("ANTERIOR"), 9600, 75, 510, 450);
    m_cmdSiguiente = boton(QStringLiteral("cmdSiguiente"), QStringLiteral("SIGUIENTE"), 10275, 60, 510, 450);
    m_cmdAyuda = boton(QStringLiteral("cmdAyuda"), QStringLiteral("AYUDA2"), 11175, 30, 465, 450);
    m_cmdAnterior->setEnabled(false);
    connect(m_cmdCerrar, &ImageButton::clicked, this, [this] { close(); });
    connect(m_cmdImprime, &ImageButton::clicked, this, &frmVPreliminar::imprime);
    connect(m_cmdConf, &ImageButton::clicked, this, &frmVPreliminar::configura);
    connect(m_cmdAnterior, &ImageButton::clicked, this, &frmVPreliminar::anterior);
    connect(m_cmdSiguiente, &ImageButton::clicked, this, &frmVPreliminar::siguiente);
    connect(m_cmdAyuda, &ImageButton::clicked, this, &frmVPreliminar::ayuda);
}

void frmVPreliminar::creaPagina()
{
    m_picFondo = new QWidget(this);
    m_picFondo->setObjectName(QStringLiteral("picFondo"));
    PreviewControls::fillBackground(m_picFondo, kFondoPagina);
    MouseEvents::of(m_picFondo).onMove([this] { restauraBotones(); });
    m_picTexto = new PreviewPageWidget(m_picFondo);
    connect(m_picTexto, &PreviewPageWidget::mouseMoved, this, &frmVPreliminar::restauraBotones);

    m_picHScroll = new RulerStrip(Qt::Horizontal, this);
    m_picHScroll->setObjectName(QStringLiteral("picHScroll"));
    m_picVScroll = new RulerStrip(Qt::Vertical, this);
    m_picVScroll->setObjectName(QStringLiteral("picVScroll"));
    for (RulerStrip* regla : {m_picHScroll, m_picVScroll})
        connect(regla, &RulerStrip::mouseMoved, this, &frmVPreliminar::restauraBotones);

    m_VScroll1 = new QScrollBar(Qt::Vertical, this);
    m_VScroll1->setObjectName(QStringLiteral("VScroll1"));
    m_HScroll1 = new QScrollBar(Qt::Horizontal, this);
    m_HScroll1->setObjectName(QStringLiteral("HScroll1"));
    for (QScrollBar* barra : {m_VScroll1, m_HScroll1}) {
        barra->setRange(0, 0);
        barra->setSingleStep(1);
        barra->setPageStep(1);
        connect(barra, &QScrollBar::valueChanged, this, &frmVPreliminar::desplaza);
    }
}

void frmVPreliminar::setImpresora(std::unique_ptr<QPrinter> impresora)
{
    if (impresora && !m_ocupado)
        m_impresora = std::move(impresora);
}

void frmVPreliminar::setConfiguracion(int tipoInforme)
{
    if (tipoInforme != Informe && tipoInforme != Etiquetas && tipoInforme != Sobres)
        return;
    const bool sobres = tipoInforme == Sobres;
    // The options are only being set: the page is set up when the window shows.
    m_silencio = true;
    m_modo = tipoInforme;
    m_cmdAnterior->setVisible(!sobres);
    m_cmdSiguiente->setVisible(!sobres);
    for (QRadioButton* o : m_optPapel)
        o->setEnabled(!sobres);
    if (sobres)
        PreviewControls::clearChoice(m_grupoPapel);
    else
        m_optPapel[0]->setChecked(true);
    m_optOrientacion[0]->setEnabled(!sobres);
    m_optOrientacion[tipoInforme == Etiquetas ? 0 : 1]->setChecked(true);
    m_picSobres->setVisible(sobres);
    // The envelope frame covers them, captions included.
    m_fraPapel->setVisible(!sobres);
    m_fraOrientacion->setVisible(!sobres);
    m_picSobres->raise();
    m_picAtencion->setVisible(tipoInforme != Informe);
    m_cmdConf->setEnabled(!sobres);
    m_silencio = false;
    guardaOpciones();
    m_paginacion.reset(m_documento ? m_documento->firstStart() : 1);
    actualizaPaginado();
    colocaControles();
    // Once shown, a new mode is a new set-up.
    if (m_configurada && !m_ocupado) {
        configuraPagina();
        vuelveAEmpezar();
    }
}

void frmVPreliminar::setDocumento(PreviewDocument* documento)
{
    if (m_ocupado)
        return;
    m_documento = documento;
    m_paginacion.reset(m_documento ? m_documento->firstStart() : 1);
    if (m_configurada)
        vuelveAEmpezar();
}

int frmVPreliminar::muestra()
{
    return DialogService::exec(*this);
}

void frmVPreliminar::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Set up once, when first shown; afterwards only a change of the options sets it up again.
    if (m_configurada)
        return;
    m_configurada = true;
    // Opens in the middle of the screen (a dialog with an owner is centred on it by the platform).
    if (!parentWidget() && screen())
        move(screen()->availableGeometry().center() - rect().center());
    configuraPagina();
    colocaControles();
    m_paginacion.reset(m_documento ? m_documento->firstStart() : 1);
    muestraPagina();
    // Opens on what was drawn first: an envelope's block lies low on a large envelope.
    if (!m_picTexto->page().isEmpty())
        muestraZona(PreviewSurface::bounds(m_picTexto->page().first()));
    // Said over the preview once it is on the screen, not before it appears.
    QTimer::singleShot(0, this, &frmVPreliminar::avisaEncima);
}

void frmVPreliminar::avisaEncima()
{
    if (!isVisible())
        return;
    // A window manager maps the window a little later; a notice waits for it, but not for ever.
    if (windowHandle() && !windowHandle()->isExposed() && m_esperasAviso++ < kEsperasAviso) {
        QTimer::singleShot(kEsperaAvisoMs, this, &frmVPreliminar::avisaEncima);
        return;
    }
    avisa();
}

void frmVPreliminar::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    colocaControles();
}

void frmVPreliminar::mouseMoveEvent(QMouseEvent* event)
{
    if (!childAt(event->position().toPoint()))
        restauraBotones();
    QDialog::mouseMoveEvent(event);
}

void frmVPreliminar::closeEvent(QCloseEvent* event)
{
    // Not while a page is drawn or printed: that work is still on the stack.
    if (m_ocupado) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void frmVPreliminar::reject()
{
    if (!m_ocupado)
        QDialog::reject();
}

bool frmVPreliminar::configuraPagina()
{
    if (m_ocupado)
        return false;
    QPageSize papel;
    QPageLayout::Orientation orientacion = QPageLayout::Portrait;
    if (m_optPapel[1]->isChecked())
        papel = QPageSize(QPageSize::A3);
    else if (m_optPapel[0]->isChecked() || m_modo == Sobres)
        // Envelopes have no paper option: they are printed on an A4 sheet, landscape.
        papel = QPageSize(QPageSize::A4);
    // An envelope is placed from the sheet's own corner, against its right edge.
    m_impresora->setFullPage(m_modo == Sobres);
    if (m_optOrientacion[1]->isChecked())
        orientacion = QPageLayout::Landscape;
    bool admitida = true;
    if (papel.isValid())
        admitida = Printers::setPaper(*m_impresora, papel, orientacion);
    if (!admitida) {
        DialogService::message(QStringLiteral("La impresora no admite esa configuración de papel"),
            DialogService::Buttons::Ok, DialogService::Icon::Critical, QStringLiteral("Impresora"), this);
        // Back to A4 without a second set-up: a printer that refuses A4 too is not asked again.
        if (m_modo != Sobres) {
            m_silencio = true;
            m_optPapel[0]->setChecked(true);
            m_silencio = false;
            m_impresora->setPageSize(QPageSize(QPageSize::A4));
        }
    }
    guardaOpciones();
    m_area = PageExtent::fromCm(m_impresora->pageLayout().paintRect(QPageLayout::Millimeter).size() / 10.0);
    // An envelope is shown at its own size, whatever the sheet it is printed on.
    if (m_documento && !m_documento->previewPage().isEmpty())
        m_area = PageExtent::fromCm(m_documento->previewPage());
    m_picTexto->setPage(m_picTexto->page(), m_area.toCm());
    m_picHScroll->show();
    m_picVScroll->show();
    colocaControles();
    return admitida;
}

void frmVPreliminar::vuelveAEmpezar()
{
    if (m_ocupado)
        return;
    m_paginacion.reset(m_documento ? m_documento->firstStart() : 1);
    muestraPagina();
    avisa();
}

void frmVPreliminar::avisa()
{
    if (!m_configurada || !m_documento)
        return;
    const QString aviso = m_documento->notice(
        m_area.toCm(), m_modo == Sobres ? QList<PaperOption>() : otherPapers(m_impresora->pageLayout()));
    // A page turn keeps the layout, so only a new layout can bring the same notice again.
    if (aviso == m_avisoDicho)
        return;
    m_avisoDicho = aviso;
    if (!aviso.isEmpty())
        DialogService::message(
            aviso, DialogService::Buttons::Ok, DialogService::Icon::Exclamation, QString(), this);
}

void frmVPreliminar::redibuja()
{
    if (!m_ocupado)
        muestraPagina();
}

void frmVPreliminar::muestraPagina()
{
    // Nothing is drawn before the window shows: it is set up then.
    if (!m_configurada || !m_documento || m_ocupado)
        return;
    setOcupado(true);
    PendingEvents::process();
    m_picTexto->clear();
    PreviewSurface superficie(m_area);
    const int siguiente
        = m_documento->drawPage(superficie, PreviewPage {m_paginacion.start(), m_paginacion.pagina(), false});
    superficie.end();
    m_paginacion.setPosicionSiguiente(siguiente);
    m_picTexto->setPage(superficie.page(), m_area.toCm());
    setOcupado(false);
    actualizaPaginado();
}

void frmVPreliminar::opcionElegida(bool marcada)
{
    if (!marcada || m_silencio || !m_configurada)
        return;
    // Not while a page is drawn or printed: the option goes back to what that page is using.
    if (m_ocupado) {
        restauraOpciones();
        return;
    }
    configuraPagina();
    vuelveAEmpezar();
}

void frmVPreliminar::guardaOpciones()
{
    m_papelAplicado = m_grupoPapel->checkedId();
    m_orientacionAplicada = m_grupoOrientacion->checkedId();
}

void frmVPreliminar::restauraOpciones()
{
    m_silencio = true;
    for (const auto& [grupo, id] :
        {std::pair {m_grupoPapel, m_papelAplicado}, std::pair {m_grupoOrientacion, m_orientacionAplicada}}) {
        if (id < 0)
            PreviewControls::clearChoice(grupo);
        else
            grupo->button(id)->setChecked(true);
    }
    m_silencio = false;
}

void frmVPreliminar::siguiente()
{
    if (!m_ocupado && m_paginacion.next())
        muestraPagina();
    actualizaPaginado();
}

void frmVPreliminar::anterior()
{
    if (!m_ocupado && m_paginacion.previous())
        muestraPagina();
    actualizaPaginado();
}

void frmVPreliminar::imprime()
{
    if (m_ocupado || !m_documento)
        return;
    const PageExtent antes = m_area;
    // What the user is looking at, whatever the printer dialog does to the page.
    const int primerRegistro = m_paginacion.start();
    // Cancelling the printer dialog prints nothing and says nothing.
    if (!DialogService::printDialog(m_impresora.get(), this, m_documento->pageCount(m_area.toCm())))
        return;
    PendingEvents::process();
    // The printer chosen may refuse the paper: that was said, and nothing is sent.
    if (!configuraPagina()) {
        vuelveAEmpezar();
        return;
    }
    // Another printable area is another layout: shown, and printed, from the page of that record.
    if (!(m_area == antes))
        vuelveAlRegistro(primerRegistro);

    const PreviewPrintJob::Request pedido = PreviewPrintJob::Request::from(*m_impresora);
    bool todas = m_impresora->printRange() == QPrinter::PageRange;
    if (m_impresora->printRange() == QPrinter::AllPages) {
        // No, the page shown, is the answer Enter gives.
        const DialogService::Answer respuesta
            = DialogService::message(kPreguntaImprimir, DialogService::Buttons::YesNoCancel,
                DialogService::Icon::Information, QString(), this, DialogService::Answer::No);
        PendingEvents::process();
        if (respuesta != DialogService::Answer::Yes && respuesta != DialogService::Answer::No)
            return;
        todas = respuesta == DialogService::Answer::Yes;
    }

    setOcupado(true);
    m_picBotones->setEnabled(false);
    PreviewPrintJob::Result resultado = PreviewPrintJob::Result::Failed;
    {
        PrinterSurface superficie(*m_impresora);
        PreviewPrintJob trabajo(*m_documento, superficie);
        resultado = todas ? trabajo.print(pedido, this)
                          : trabajo.printOne(m_paginacion.start(), m_paginacion.pagina(), this, pedido);
    }
    m_picBotones->setEnabled(true);
    setOcupado(false);
    actualizaPaginado();
    restauraBotones();
    if (resultado == PreviewPrintJob::Result::Failed)
        DialogService::message(QStringLiteral("No se pudo imprimir el documento"), DialogService::Buttons::Ok,
            DialogService::Icon::Critical, QString(), this);
}

void frmVPreliminar::vuelveAlRegistro(int registro)
{
    if (m_modo == Sobres) {
        muestraPagina();
        return;
    }
    QList<int> inicios;
    const QSizeF area = m_area.toCm();
    for (int numero = 1;; ++numero) {
        const int inicio = m_documento->pageStart(numero, area);
        if (inicio <= 0 || (!inicios.isEmpty() && inicio > registro))
            break;
        inicios.append(inicio);
    }
    m_paginacion.reset(inicios);
    muestraPagina();
    avisa();
}

void frmVPreliminar::configura()
{
    if (m_ocupado || !m_documento || m_modo == Sobres)
        return;
    // A dialog closed without accepting changes nothing.
    if (!m_documento->configure(this))
        return;
    m_HScroll1->setValue(0);
    m_VScroll1->setValue(0);
    vuelveAEmpezar();
}

void frmVPreliminar::ayuda()
{
    const QString pagina = m_modo == Informe ? QStringLiteral("listado.htm")
        : m_modo == Etiquetas                ? QStringLiteral("etiquetas.htm")
                                             : QStringLiteral("sobres.htm");
    // Its own window over the preview, which takes input while the preview is modal, closed with it.
    clsWeb().AbreEnVentana(gRutaApp + QStringLiteral("\\DATA\\AYUDA\\") + pagina, this);
}

void frmVPreliminar::restauraBotones()
{
    for (ImageButton* b : {m_cmdSiguiente, m_cmdAnterior, m_cmdConf, m_cmdImprime, m_cmdCerrar, m_cmdAyuda})
        b->showNormal();
}

void frmVPreliminar::actualizaPaginado()
{
    const bool pagina = m_modo == Informe || m_modo == Etiquetas;
    m_cmdSiguiente->setEnabled(pagina && m_paginacion.hasNext());
    m_cmdAnterior->setEnabled(pagina && m_paginacion.hasPrevious());
}

void frmVPreliminar::colocaControles()
{
    const QSizeF ventana = QSizeF(size()) / PreviewLayout::kPixelsPerCm;
    const PreviewLayout layout
        = PreviewLayout::compute(ventana, m_modo == Etiquetas || m_modo == Sobres, m_area.toCm());
    m_picBotones->setGeometry(PreviewLayout::toPixels(layout.bar));
    m_picFondo->setGeometry(PreviewLayout::toPixels(layout.frame));
    m_picVScroll->setGeometry(PreviewLayout::toPixels(layout.verticalRuler));
    m_picHScroll->setGeometry(PreviewLayout::toPixels(layout.horizontalRuler));
    m_VScroll1->setGeometry(PreviewLayout::toPixels(layout.verticalBar));
    m_HScroll1->setGeometry(PreviewLayout::toPixels(layout.horizontalBar));
    m_HScroll1->setMaximum(layout.horizontalMaximum);
    m_HScroll1->setEnabled(layout.horizontalMaximum > 0);
    m_VScroll1->setMaximum(layout.verticalMaximum);
    m_VScroll1->setEnabled(layout.verticalMaximum > 0);
    // The page stays where the scroll bars say, so page and rulers never disagree.
    desplaza();
}

void frmVPreliminar::muestraZona(const QRectF& zonaCm)
{
    const QSizeF vista = QSizeF(m_picFondo->size()) / PreviewLayout::kPixelsPerCm;
    m_HScroll1->setValue(PreviewLayout::scrollToShow(
        zonaCm.left(), zonaCm.right(), vista.width(), m_HScroll1->value(), m_HScroll1->maximum()));
    m_VScroll1->setValue(PreviewLayout::scrollToShow(
        zonaCm.top(), zonaCm.bottom(), vista.height(), m_VScroll1->value(), m_VScroll1->maximum()));
}

void frmVPreliminar::desplaza()
{
    const double x = PreviewLayout::offsetCm(m_HScroll1->value());
    const double y = PreviewLayout::offsetCm(m_VScroll1->value());
    m_picTexto->move(qRound(x * PreviewLayout::kPixelsPerCm), qRound(y * PreviewLayout::kPixelsPerCm));
    m_picHScroll->setOffsetCm(x);
    m_picVScroll->setOffsetCm(y);
}

void frmVPreliminar::setOcupado(bool ocupado)
{
    m_ocupado = ocupado;
}
