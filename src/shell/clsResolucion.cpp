#include "shell/clsResolucion.h"

#include "platform/os/DisplayModes.h"
#include "platform/ui/DialogService.h"

clsResolucion::~clsResolucion()
{
    // Only a change that took effect is undone; otherwise there is nothing to restore.
    if (m_cambiada)
        aplicaResolucion(m_anchoOriginal, m_altoOriginal, m_profundidad);
}

bool clsResolucion::cambiaRes(int ancho, int alto, int /*bits*/)
{
    DisplayModes& modos = DisplayModes::current();
    const QSize actual = modos.currentSize();
    m_anchoOriginal = actual.width();
    m_altoOriginal = actual.height();
    m_profundidad = modos.depth();
    const bool hecho = aplicaResolucion(ancho, alto, m_profundidad);
    m_cambiada = m_cambiada || hecho;
    return hecho;
}

bool clsResolucion::aplicaResolucion(int ancho, int alto, int bits)
{
    DisplayModes& modos = DisplayModes::current();
    switch (modos.apply(ancho, alto, bits, false)) {
    case DisplayModes::Result::Changed:
        modos.apply(ancho, alto, bits, true);
        modos.announceChange(bits, ancho, alto);
        return true;
    case DisplayModes::Result::NeedsRestart:
        if (DialogService::message(QStringLiteral("Debe de reiniciar para poder ejecutar la aplicación"),
                DialogService::Buttons::YesNo, DialogService::Icon::None,
                QStringLiteral("Cambio de resolución"))
            == DialogService::Answer::Yes)
            modos.restartComputer();
        return false;
    case DisplayModes::Result::Refused:
        break;
    }
    DialogService::message(QStringLiteral("No se puede modificar la resolución de su monitor"),
        DialogService::Buttons::Ok, DialogService::Icon::None, QStringLiteral("Error"));
    return false;
}
