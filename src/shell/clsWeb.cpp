#include "shell/clsWeb.h"

#include "platform/os/DesktopOpener.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/WindowBehaviour.h"
#include "shell/frmAyudaGrande.h"

#include <QCoreApplication>

bool clsWeb::AbreHttp(QString& url)
{
    const bool abierta = url.contains(QLatin1String("mailto:"), Qt::CaseInsensitive)
        ? DesktopOpener::openMail(url)
        : DesktopOpener::openWeb(url);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
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
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!abierta)
        DialogService::message(
            QStringLiteral("No se ha podido abrir un mensaje nuevo para %1").arg(destino.mid(7)),
            DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
    return abierta;
}

void clsWeb::AbreEnVentana(const QString& ruta)
{
    if (!ventanaAyuda)
        ventanaAyuda = new frmAyudaGrande;
    ventanaAyuda->navega(ruta);
    WindowBehaviour::showOnTopWithoutFocus(ventanaAyuda);
}

frmAyudaGrande* clsWeb::ventana() const
{
    return ventanaAyuda;
}

void clsWeb::cierraVentana()
{
    if (ventanaAyuda)
        ventanaAyuda->close();
}
