#include "output/frmOrden.h"

#include "platform/ui/Fonts.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowBehaviour.h"
#include "resources/Pictures.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {

const QString kFondo = QStringLiteral("FONDO_ORDENAR");
// The frame's caption sits above its first row: the frame starts that much higher.
constexpr int kTituloMarco = 8;

struct FieldButton
{
    const char* rotulo;
    int posicion;
    int left;
    int top;
};

// In index order; on screen they read row by row: Empresa, Actividad, CIF / Comunidad, ...
constexpr FieldButton kCampos[frmOrden::kOpciones] = {
    {"Empresa", 2, 120, 120},
    {"Actividad", 3, 1440, 120},
    {"Direccion", 8, 120, 1080},
    {"Comunidad", 5, 120, 600},
    {"Provincia", 6, 1440, 600},
    {"Poblacion", 7, 2760, 600},
    {"C.P.", 9, 1440, 1080},
    {"Telefono", 10, 2760, 1080},
    {"E-Mail", 12, 2760, 1560},
    {"Web", 13, 1440, 1560},
    {"CIF", 4, 2760, 120},
    {"Fax", 11, 120, 1560},
};

} // namespace

int frmOrden::posicionCampo(int opcion)
{
    return opcion >= 0 && opcion < kOpciones ? kCampos[opcion].posicion : -1;
}

frmOrden::frmOrden(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    WindowBehaviour::makeDraggable(this);
    setObjectName(QStringLiteral("frmOrden"));
    setWindowTitle(QStringLiteral("Ordenar"));
    setFixedSize(Twips::toPixels(5985), Twips::toPixels(4065));
    setMouseTracking(true);
    // Centred on the screen before it is shown, so the window manager and Qt agree on its place.
    if (const QScreen* pantalla = parent ? parent->screen() : QGuiApplication::primaryScreen())
        move(pantalla->geometry().center() - rect().center());
    // Modal to the menu form only: the help window stays usable beside it.
    setWindowModality(Qt::WindowModal);

    m_Frame1 = new QGroupBox(QStringLiteral("Elija campo por el que ordenar"), this);
    m_Frame1->setObjectName(QStringLiteral("Frame1"));
    m_Frame1->setFont(Fonts::font(QStringLiteral("Arial"), 9, false, true));
    m_Frame1->setGeometry(Twips::toPixels(360), Twips::toPixels(1080) - kTituloMarco, Twips::toPixels(3975),
        Twips::toPixels(2055) + kTituloMarco);
    m_Frame1->setStyleSheet(QStringLiteral(
        "QGroupBox { background-color: rgb(246, 243, 236); border: 1px solid rgb(128, 128, 128);"
        " margin-top: %1px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 3px; }")
                                .arg(kTituloMarco));

    m_grupo = new QButtonGroup(this);
    m_grupo->setExclusive(true);
    const QFont letra = Fonts::font(QStringLiteral("Arial"), 9);
    for (int i = 0; i < kOpciones; ++i) {
        auto* opcion = new QPushButton(QString::fromUtf8(kCampos[i].rotulo), m_Frame1);
        opcion->setObjectName(QStringLiteral("optCampo%1").arg(i));
        opcion->setProperty("Tag", QString::number(kCampos[i].posicion));
        opcion->setCheckable(true);
        opcion->setAutoDefault(false);
        opcion->setFocusPolicy(Qt::NoFocus);
        opcion->setFont(letra);
        opcion->setCursor(Pictures::handCursor());
        // Push buttons that stay down while chosen.
        opcion->setStyleSheet(QStringLiteral(
            "QPushButton { background-color: rgb(64, 64, 64); color: white; border: 2px outset rgb(96, 96, "
            "96); }"
            "QPushButton:checked { background-color: rgb(30, 30, 30); color: rgb(255, 170, 70);"
            " border: 2px inset rgb(16, 16, 16); }"));
        Twips::place(opcion, kCampos[i].left, kCampos[i].top, 1215, 375);
        opcion->move(opcion->x(), opcion->y() + kTituloMarco);
        m_grupo->addButton(opcion, i);
        m_optCampo[size_t(i)] = opcion;
    }
    m_optCampo[0]->setChecked(true);

    for (int i = 0; i < 2; ++i) {
        auto* imagen = new ImageButton(this);
        imagen->setObjectName(QStringLiteral("imgOrden%1").arg(i));
        Twips::move(imagen, 4680, i == 0 ? 1320 : 2280);
        connect(imagen, &ImageButton::clicked, this, [this, i] { imgOrden_Click(i); });
        m_imgOrden[size_t(i)] = imagen;
    }
    ponCaras(0);
}

void frmOrden::ponCaras(int orden)
{
    m_imgOrden[0]->setPicture(orden == 0 ? QStringLiteral("MASCENDENTE") : QStringLiteral("ASCENDENTE"));
    m_imgOrden[1]->setPicture(orden == 0 ? QStringLiteral("DESCENDENTE") : QStringLiteral("MDESCENDENTE"));
}

void frmOrden::setPulsado(int numero, int orden)
{
    int elegida = numero < 0 ? 0 : -1;
    for (int i = 0; i < kOpciones && elegida < 0; ++i) {
        if (m_optCampo[size_t(i)]->property("Tag").toString().toInt() == numero)
            elegida = i;
    }
    if (elegida >= 0) {
        m_optCampo[size_t(elegida)]->setChecked(true);
    } else {
        // An order no option stands for: nothing chosen rather than a field the list is not sorted by.
        m_grupo->setExclusive(false);
        for (QPushButton* opcion : m_optCampo)
            opcion->setChecked(false);
        m_grupo->setExclusive(true);
    }
    if (orden == 0 || orden == 1) {
        ponCaras(orden);
        m_sentido = orden;
    }
}

int frmOrden::getCampoPulsado() const
{
    for (const QPushButton* opcion : m_optCampo) {
        if (opcion->isChecked())
            return opcion->property("Tag").toString().toInt();
    }
    return -1;
}

void frmOrden::imgOrden_Click(int indice)
{
    if (indice != 0 && indice != 1)
        return;
    ponCaras(indice);
    m_sentido = indice;
}

void frmOrden::keyPressEvent(QKeyEvent* event)
{
    // The dialog has no keyboard shortcuts: Enter and Esc do nothing.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void frmOrden::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT fondoMovido();
    QDialog::mouseMoveEvent(event);
}

void frmOrden::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.drawPixmap(0, 0, Pictures::get(kFondo));
}
