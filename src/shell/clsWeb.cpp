#include "shell/clsWeb.h"

#include "platform/os/DesktopOpener.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/WindowBehaviour.h"
#include "shell/frmAyudaGrande.h"

#include <QCoreApplication>

bool clsWeb::AbreHttp(const QString& url)
{
    const bool abierta = url.contains(QLatin1String("mailto:"), Qt::CaseInsensitive)
        ? DesktopOpener::openMail(url)
        : DesktopOpener::openWeb(url);
    PendingEvents::process();
    if (!abierta)
        DialogService::message(QStringLiteral("No se ha podido abrir la dirección %1").arg(url),
            DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
    return abierta;
}

bool clsWeb::AbreMail(QString& destino)
{
    if (!destino.contains(QLatin1String("mailto:"), Qt::CaseInsensitive))
        destino = QStringLiteral("mailto:") + destino;
    const bool abierta = DesktopOpener::openMail(destino);
    PendingEvents::process();
    if (!abierta)
        DialogService::message(
            QStringLiteral("No se ha podido abrir un mensaje nuevo para %1").arg(destino.mid(7)),
            DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
    return abierta;
}

void clsWeb::AbreEnVentana(const QString& ruta, QWidget* encima)
{
    if (!m_ventanaAyuda)
        m_ventanaAyuda = new frmAyudaGrande(encima);
    m_ventanaAyuda->navega(ruta);
    WindowBehaviour::showOnTopWithoutFocus(m_ventanaAyuda);
}

frmAyudaGrande* clsWeb::ventana() const
{
    return m_ventanaAyuda;
}

void clsWeb::cierraVentana()
{
    // Closing deletes it later: forget it now, so the next opening makes a new one.
    if (m_ventanaAyuda)
        m_ventanaAyuda->close();
    m_ventanaAyuda = nullptr;
}
