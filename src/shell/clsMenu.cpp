#include "shell/clsMenu.h"

#include "platform/ui/DialogService.h"
#include "platform/ui/PendingEvents.h"
#include "resources/Pictures.h"
#include "shell/Pantalla.h"
#include "shell/clsVentanas.h"
#include "shell/mdMain.h"

#include <QCoreApplication>
#include <QLabel>
#include <QScopedValueRollback>

namespace {

std::map<Screen, clsMenu::Fabrica>& fabricas()
{
    static std::map<Screen, clsMenu::Fabrica> f;
    return f;
}

std::function<void()>& buscador()
{
    static std::function<void()> b;
    return b;
}

} // namespace

clsMenu::~clsMenu()
{
    liberaPantalla();
}

void clsMenu::registraPantalla(Screen opcion, Fabrica fabrica)
{
    fabricas()[opcion] = std::move(fabrica);
}

void clsMenu::registraBuscador(std::function<void()> muestraBuscador)
{
    buscador() = std::move(muestraBuscador);
}

void clsMenu::Desmacar()
{
    if (m_pantallaActual)
        m_pantallaActual->Desmarcar();
}

void clsMenu::liberaPantalla()
{
    QScopedValueRollback<bool> ocupado(m_ocupado, true);
    m_pantallaActual.reset();
}

void clsMenu::creaPantalla(Screen opcion)
{
    QScopedValueRollback<bool> ocupado(m_ocupado, true);
    const auto it = fabricas().find(opcion);
    if (it != fabricas().end() && it->second)
        m_pantallaActual = it->second();
}

void clsMenu::muestraBuscador()
{
    if (!buscador())
        return;
    // "Search again" comes back here: the form is shown again after its showing has ended.
    m_enBusqueda = true;
    do {
        m_repetirBusqueda = false;
        buscador()();
        PendingEvents::process();
    } while (m_repetirBusqueda);
    m_enBusqueda = false;
}

void clsMenu::Muestra(Screen opcion)
{
    if (m_ocupado)
        return;
    m_ultimaOpcion = opcion;
    PendingEvents::process();
    m_web.cierraVentana();
    if (isScreen(opcion))
        liberaPantalla();
    switch (opcion) {
    case Screen::Company:
    case Screen::Rankings:
    case Screen::Publications:
        m_tipo = opcion;
        PendingEvents::process();
        creaPantalla(opcion);
        PendingEvents::process();
        break;
    case Screen::Guide: {
        m_tipo = Screen::Guide;
        PendingEvents::process();
        QScopedValueRollback<bool> ocupado(m_ocupado, true);
        creaPantalla(Screen::Guide);
        // The guide's own type 1: all the companies.
        if (m_pantallaActual)
            m_pantallaActual->muestraDatos(1);
        PendingEvents::process();
        break;
    }
    case Screen::Search:
        PendingEvents::process();
        muestraBuscador();
        if (m_pantallaActual && m_pantallaActual->esGuia())
            setTipo(Screen::Guide);
        break;
    case Screen::Help:
        m_web.AbreEnVentana(gRutaApp + QStringLiteral("\\DATA\\AYUDA\\index.html"));
        PendingEvents::process();
        break;
    default:
        break;
    }
    setTipo(m_tipo);
}

void clsMenu::muestraGuiaSQL(const QString& sql, const QString& titulo)
{
    if (m_ocupado)
        return;
    const bool nueva = !m_pantallaActual || !m_pantallaActual->esGuia();
    const Screen anterior = m_tipo;
    if (nueva) {
        liberaPantalla();
        PendingEvents::process();
        creaPantalla(Screen::Guide);
    }
    if (!m_pantallaActual)
        return;
    const int n = m_pantallaActual->setDatosGrid(sql, titulo);
    if (n == Pantalla::kConsultaFallida && nueva) {
        // Already said why; a guide made for this search has nothing to show: the screen the search
        // started from comes back.
        liberaPantalla();
        if (isScreen(anterior))
            creaPantalla(anterior);
        setTipo(anterior);
        return;
    }
    if (n != 0)
        return;
    if (!m_pantallaActual->deshacer()) {
        liberaPantalla();
        setTipo(Screen::Search);
    }
    PendingEvents::process();
    const auto respuesta = DialogService::message(
        QStringLiteral("Ninguna Empresa Cumple las Condiciones Impuestas. ¿Desea Realizar Otra búqueda?"),
        DialogService::Buttons::YesNo, DialogService::Icon::Exclamation);
    if (respuesta == DialogService::Answer::Yes) {
        if (m_enBusqueda)
            m_repetirBusqueda = true;
        else
            muestraBuscador();
    }
}

void clsMenu::setTipo(Screen nuevo)
{
    m_tipo = nuevo;
    if (!isScreen(m_tipo))
        return;
    static const char* const nombres[] = {"EMPRESA", "GUIA", "RANKING", "PUBLI"};
    const bool pequena = gVentanas().getResolucion() == 2;
    const QString nombre = QString::fromLatin1(nombres[static_cast<int>(m_tipo)])
        + (pequena ? QStringLiteral("800") : QStringLiteral("1024"));
    if (auto* status = gFormMenu ? gFormMenu->findChild<QLabel*>(QStringLiteral("imgStatus")) : nullptr) {
        const QPixmap imagen = Pictures::get(nombre);
        status->setPixmap(imagen);
        status->resize(imagen.size());
        status->setProperty("picture", nombre);
    }
    PendingEvents::process();
}

void clsMenu::reinicia()
{
    liberaPantalla();
}
