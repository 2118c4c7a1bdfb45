#include "output/frmExportar.h"

#include "platform/ui/Colors.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowBehaviour.h"
#include "resources/Pictures.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QToolButton>

namespace {

const QString kFondo = QStringLiteral("FONDO_EXPORTAR");

QLabel* rotulo(QWidget* padre, const QString& nombre, const QString& texto, const QFont& letra)
{
    auto* label = new QLabel(texto, padre);
    label->setObjectName(nombre);
    label->setFont(letra);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette paleta = label->palette();
    paleta.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(paleta);
    return label;
}

} // namespace

frmExportar::frmExportar(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    WindowBehaviour::makeDraggable(this);
    setObjectName(QStringLiteral("frmExportar"));
    setWindowTitle(QStringLiteral("Exportar"));
    setFixedSize(Twips::toPixels(5985), Twips::toPixels(4065));
    setMouseTracking(true);
    // Centred on the screen before it is shown, so the window manager and Qt agree on its place.
    if (const QScreen* pantalla = parent ? parent->screen() : QGuiApplication::primaryScreen())
        move(pantalla->geometry().center() - rect().center());
    // Modal to the menu form only: the help window stays usable beside it.
    setWindowModality(Qt::WindowModal);

    const QFont cursiva = Fonts::font(QStringLiteral("Arial"), 8.25, false, true);
    m_Label4 = rotulo(this, QStringLiteral("Label4"), QStringLiteral("Se va a exportar:"), cursiva);
    Twips::place(m_Label4, 120, 630, 1335, 255);
    m_Label5 = rotulo(this, QStringLiteral("Label5"), QString(), cursiva);
    Twips::move(m_Label5, 1440, 630);

    const struct
    {
        const char* icono;
        int top;
        int height;
    } opciones[3] = {{"ICOTEXTO", 2520, 615}, {"ICOEXCEL", 1080, 590}, {"ICOWORD", 1800, 615}};
    auto* grupo = new QButtonGroup(this);
    grupo->setExclusive(true);
    for (int i = 0; i < 3; ++i) {
        auto* boton = new QToolButton(this);
        boton->setObjectName(QStringLiteral("optOpcion%1").arg(i));
        boton->setCheckable(true);
        boton->setFocusPolicy(Qt::NoFocus);
        boton->setCursor(Pictures::handCursor());
        const QString icono = QString::fromLatin1(opciones[i].icono);
        // The chosen format shows the grey copy of its icon, on a button that stays down.
        QIcon caras;
        caras.addPixmap(Pictures::get(icono), QIcon::Normal, QIcon::Off);
        caras.addPixmap(Pictures::get(QLatin1Char('M') + icono), QIcon::Normal, QIcon::On);
        boton->setIcon(caras);
        boton->setIconSize(Pictures::size(icono));
        boton->setStyleSheet(
            QStringLiteral("QToolButton { background-color: white; border: 2px outset rgb(200, 200, 200); }"
                           "QToolButton:checked { background-color: rgb(228, 228, 228); border: 2px inset "
                           "rgb(150, 150, 150); }"));
        Twips::place(boton, 1440, opciones[i].top, 570, opciones[i].height);
        grupo->addButton(boton, i);
        m_optOpcion[size_t(i)] = boton;
    }
    m_optOpcion[1]->setChecked(true);

    const QFont negrita = Fonts::font(QStringLiteral("Arial"), 9, true);
    const struct
    {
        const char* texto;
        int top;
        int width;
    } rotulos[3] = {
        {"Microsoft Excel", 1320, 1455}, {"Microsoft Word", 2040, 1455}, {"Documento de Texto", 2760, 1815}};
    for (int i = 0; i < 3; ++i) {
        m_Label2[size_t(i)] = rotulo(
            this, QStringLiteral("Label2_%1").arg(i), QString::fromLatin1(rotulos[i].texto), negrita);
        Twips::place(m_Label2[size_t(i)], 2160, rotulos[i].top, rotulos[i].width, 255);
    }
}

int frmExportar::getPulsado() const
{
    if (m_optOpcion[0]->isChecked())
        return 1;
    if (m_optOpcion[1]->isChecked())
        return 0;
    return 2;
}

void frmExportar::setRegistros(const QString& texto)
{
    m_Label5->setText(texto);
    m_Label5->adjustSize();
}

void frmExportar::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        Q_EMIT aceptar();
        return;
    case Qt::Key_Escape:
        event->accept();
        Q_EMIT cancelar();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void frmExportar::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT fondoMovido();
    QDialog::mouseMoveEvent(event);
}

void frmExportar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), bgrColor(0xE0E0E0));
    p.drawPixmap(0, 0, Pictures::get(kFondo));
}
