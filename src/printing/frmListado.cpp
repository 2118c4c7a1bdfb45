#include "printing/frmListado.h"

#include "platform/ui/DialogService.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/PictureCheckBox.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowBehaviour.h"
#include "printing/ListingSettings.h"
#include "resources/Pictures.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {

constexpr int kAncho = 5985;
constexpr int kAlto = 5205;
constexpr int kCasilla = 375;

// The boxes stand in seven rows of three; each row lists its boxes left to right.
constexpr int kFilas[7] = {840, 1320, 1800, 2280, 2760, 3300, 3825};
constexpr int kColumnas[2][3] = {{360, 2160, 3840}, {375, 2175, 3825}};
constexpr int kOrden[7][3]
    = {{0, 5, 12}, {1, 6, 11}, {2, 7, 10}, {3, 8, 9}, {4, 13, 14}, {15, 16, 17}, {18, 19, 20}};

} // namespace

frmListado::frmListado(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    WindowBehaviour::makeDraggable(this);
    setObjectName(QStringLiteral("frmListado"));
    setWindowTitle(QStringLiteral("Campos del listado"));
    setFixedSize(Twips::toPixels(kAncho), Twips::toPixels(kAlto));
    setMouseTracking(true);

    const QList<ListingSettings::Entry>& entradas = ListingSettings::entries();
    for (int fila = 0; fila < 7; ++fila) {
        for (int columna = 0; columna < 3; ++columna) {
            const int i = kOrden[fila][columna];
            const int left = kColumnas[fila < 4 ? 0 : 1][columna];
            auto* casilla
                = new PictureCheckBox(QStringLiteral("CASILLA"), QStringLiteral("CASILLA_MARCADA"), this);
            casilla->setObjectName(QStringLiteral("chkCampo%1").arg(i));
            Twips::place(casilla, left, kFilas[fila], kCasilla, kCasilla);
            auto* rotulo = new QLabel(QString::fromUtf8(entradas.at(i).caption), this);
            rotulo->setObjectName(QStringLiteral("lblCampo%1").arg(i));
            rotulo->setFont(Fonts::font(QStringLiteral("Arial"), 9.75, false));
            Twips::place(rotulo, left + kCasilla + 60, kFilas[fila] + 60, 1350, 255);
            m_chkCampo[size_t(i)] = casilla;
            m_lblCampo[size_t(i)] = rotulo;
        }
    }
    m_imgAceptar = new ImageButton(this);
    m_imgAceptar->setObjectName(QStringLiteral("imgAceptar"));
    m_imgCancelar = new ImageButton(this);
    m_imgCancelar->setObjectName(QStringLiteral("imgCancelar"));
    for (ImageButton* boton : {m_imgAceptar, m_imgCancelar})
        connect(boton, &ImageButton::mouseMoved, boton, &ImageButton::showRollover);
    connect(m_imgAceptar, &ImageButton::clicked, this, &frmListado::imgAceptar_Click);
    connect(m_imgCancelar, &ImageButton::clicked, this, &frmListado::imgCancelar_Click);
    Form_Load();
}

std::optional<FieldChoice> frmListado::eligeCampos(QWidget* parent)
{
    frmListado form(parent);
    FieldChoice campos;
    form.setCampos(campos);
    DialogService::exec(form);
    if (campos.isEmpty())
        return std::nullopt;
    return campos;
}

void frmListado::Form_Load()
{
    m_imgCancelar->setPicture(QStringLiteral("CANCELAR"));
    m_imgAceptar->setPicture(QStringLiteral("ACEPTAR"));
    const int top = kAlto - 750;
    const int cancelLeft = kAncho - (550 + Twips::width(m_imgCancelar));
    Twips::move(m_imgCancelar, cancelLeft, top);
    Twips::move(m_imgAceptar, cancelLeft - (300 + Twips::width(m_imgAceptar)), top);
    cargaCampos();
}

void frmListado::cargaCampos()
{
    // Read as the launcher reads it, so the boxes show what the listing prints.
    const FieldChoice leidos = ListingSettings::read(ListingSettings::path());
    const QList<ListingSettings::Entry>& entradas = ListingSettings::entries();
    for (int i = 0; i < entradas.size(); ++i)
        m_chkCampo[size_t(i)]->setChecked(
            ReportFields::isChosen(leidos, QString::fromLatin1(entradas.at(i).fieldKey)));
}

FieldChoice frmListado::estado() const
{
    FieldChoice campos;
    const QList<ListingSettings::Entry>& entradas = ListingSettings::entries();
    for (int i = 0; i < entradas.size(); ++i)
        campos.insert(
            QString::fromLatin1(entradas.at(i).fieldKey), m_chkCampo[size_t(i)]->isChecked() ? 1 : 0);
    return campos;
}

void frmListado::setCampos(FieldChoice& campos)
{
    m_campos = &campos;
}

FieldChoice& frmListado::getCampos()
{
    const FieldChoice campos = estado();
    for (auto it = campos.cbegin(); it != campos.cend(); ++it) {
        if (!m_campos->contains(it.key()))
            m_campos->insert(it.key(), it.value());
    }
    return *m_campos;
}

bool frmListado::grabaDatos()
{
    const QString path = ListingSettings::path();
    const QStringList antes = ListingSettings::lines(ListingSettings::read(path));
    const FieldChoice eleccion = estado();
    QString error;
    const bool escrito = ListingSettings::write(path, eleccion, &error);
    PendingEvents::process();
    // A choice the file already gives loses nothing when the file cannot be written.
    if (!escrito && ListingSettings::lines(eleccion) != antes)
        DialogService::message(error, DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
    return escrito;
}

void frmListado::imgAceptar_Click()
{
    // A file that cannot be written still lets the choice reach the listing.
    grabaDatos();
    getCampos();
    accept();
}

void frmListado::imgCancelar_Click()
{
    reject();
}

void frmListado::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        imgAceptar_Click();
        break;
    case Qt::Key_Escape:
        imgCancelar_Click();
        break;
    default:
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}

void frmListado::mouseMoveEvent(QMouseEvent* event)
{
    m_imgCancelar->showNormal();
    m_imgAceptar->showNormal();
    QDialog::mouseMoveEvent(event);
}

void frmListado::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, Pictures::get(QStringLiteral("FONDO_LISTADO")));
}
