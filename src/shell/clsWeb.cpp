#include "shell/clsWeb.h"

#include "platform/os/DesktopOpener.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/WindowBehaviour.h"
#include "shell/frmAyudaGrande.h"

#include <QCoreApplication>

bool clsWeb::AbreHttp(const QString& url)
{
    if (url.contains(QLatin1String("mailto:"), Qt::CaseInsensitive)) {
        QString destino = url;
        return AbreMail(destino);
    }
    if (DesktopOpener::webUrl(url).isEmpty()) {
        avisa(QStringLiteral("«%1» no es una dirección web válida.").arg(url.trimmed()));
        return false;
    }
    const bool abierta = DesktopOpener::openWeb(url);
    PendingEvents::process();
    if (!abierta)
        avisa(QStringLiteral("No se ha podido abrir la dirección %1").arg(url));
    return abierta;
}

bool clsWeb::AbreMail(QString& destino)
{
    if (!destino.contains(QLatin1String("mailto:"), Qt::CaseInsensitive))
        destino = QStringLiteral("mailto:") + destino;
    QString direccion = destino.trimmed();
    if (direccion.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        direccion = direccion.mid(7).trimmed();
    if (DesktopOpener::mailUrl(destino).isEmpty()) {
        avisa(QStringLiteral("«%1» no es una dirección de correo válida.").arg(direccion));
        return false;
    }
    const bool abierta = DesktopOpener::openMail(destino);
    PendingEvents::process();
    if (!abierta)
        avisa(QStringLiteral("No se ha podido abrir un mensaje nuevo para %1").arg(direccion));
    return abierta;
}

void clsWeb::avisa(const QString& texto)
{
    DialogService::message(texto, DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
}

void clsWeb::AbreEnVentana(const QString& ruta, QWidget* encima)
{
    if (!m_ventanaAyuda)
        m_ventanaAyuda = new frmAyudaGrande(encima);
    m_ventanaAyuda->navega(ruta);
    WindowBehaviour::showOnTop(m_ventanaAyuda);
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
