#include "output/clsOrdenar.h"

#include "core/clsDatosBD.h"
#include "output/frmOrden.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/Twips.h"
#include "shell/clsVentanas.h"
#include "shell/frmWhile.h"
#include "shell/mdMain.h"

#include <limits>

clsOrdenar::clsOrdenar()
    : m_formOrdenar(new frmOrden(gFormMenu))
{
    m_imgAceptar = ControlRegistry::add<ImageButton>(m_formOrdenar.data(), QStringLiteral("iaceptar"));
    m_imgCancelar = ControlRegistry::add<ImageButton>(m_formOrdenar.data(), QStringLiteral("icancelar"));
    colocaBotones();
    QObject::connect(
        m_imgAceptar, &ImageButton::released, m_formOrdenar.data(), [this] { imgAceptar_MouseUp(); });
    QObject::connect(
        m_imgCancelar, &ImageButton::released, m_formOrdenar.data(), [this] { imgCancelar_MouseUp(); });
    for (ImageButton* boton : {m_imgAceptar.data(), m_imgCancelar.data()})
        QObject::connect(boton, &ImageButton::mouseMoved, boton, &ImageButton::showRollover);
    QObject::connect(
        m_formOrdenar.data(), &frmOrden::fondoMovido, m_formOrdenar.data(), [this] { restauraBotones(); });
}

clsOrdenar::~clsOrdenar()
{
    delete m_formOrdenar.data();
}

void clsOrdenar::colocaBotones()
{
    const int alto = Twips::height(m_formOrdenar.data());
    const int ancho = Twips::width(m_formOrdenar.data());
    m_imgCancelar->setPicture(QStringLiteral("CANCELAR"));
    Twips::move(m_imgCancelar, ancho - (550 + Twips::width(m_imgCancelar)), alto - 750);
    m_imgAceptar->setPicture(QStringLiteral("ACEPTAR"));
    Twips::move(m_imgAceptar, Twips::left(m_imgCancelar) - (300 + Twips::width(m_imgAceptar)), alto - 750);
    m_imgCancelar->show();
    m_imgAceptar->show();
}

void clsOrdenar::restauraBotones()
{
    m_imgAceptar->showNormal();
    m_imgCancelar->showNormal();
}

bool clsOrdenar::Muestra(clsDatosBD* datos, FlexGrid* /*grid*/)
{
    if (!datos)
        return false;
    m_datos = datos;
    m_aceptado = false;
    gVentanas().redondea(m_formOrdenar.data(), 75, 75);

    // The record position the query is sorted by: -1 when it has no ORDER BY.
    const int lugar = datos->getOrdenIndice();
    const bool ordenada = !datos->getOrdenNombre().isEmpty();
    // A field outside the select list is a position no option carries.
    const int numero = lugar > 0 ? lugar - 1 : (ordenada ? std::numeric_limits<int>::max() : -1);
    m_formOrdenar->setPulsado(numero, datos->getDireccionOrden());

    DialogService::exec(*m_formOrdenar.data());
    const bool aceptado = m_aceptado;
    const QString termino = m_termino;
    m_datos = nullptr;
    if (!aceptado)
        return false;

    // The sorted companies start at the first one, as the guide shows them.
    const BusyPointer::Scope busy;
    frmWhile::instance().mostrar();
    QString campo = termino;
    datos->setOrden(campo);
    frmWhile::instance().unload();
    return true;
}

QString clsOrdenar::terminoElegido() const
{
    if (!m_datos)
        return {};
    const int campo = m_formOrdenar->getCampoPulsado();
    QString nombre;
    if (campo >= 0) {
        nombre = m_datos->getNombre(campo);
    } else {
        // No option stands for the order in force: keep its field.
        const int lugar = m_datos->getOrdenIndice();
        nombre = lugar > 0 ? m_datos->getNombre(lugar - 1) : m_datos->getOrdenNombre();
    }
    if (nombre.isEmpty())
        return {};
    return nombre + (m_formOrdenar->getOrden() == 0 ? QStringLiteral(" ASC") : QStringLiteral(" DESC"));
}

void clsOrdenar::imgAceptar_MouseUp()
{
    if (!m_datos)
        return;
    m_termino = terminoElegido();
    m_aceptado = true;
    m_formOrdenar->accept();
}

void clsOrdenar::imgCancelar_MouseUp()
{
    m_aceptado = false;
    m_formOrdenar->reject();
}
