#include "shell/mdMain.h"

#include "core/BusyHook.h"
#include "platform/db/Connection.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/PendingEvents.h"
#include "shell/clsMenu.h"
#include "shell/clsVentanas.h"
#include "shell/frmMenu.h"
#include "shell/frmMenuBorde.h"
#include "shell/frmSplash.h"

#include <QCoreApplication>
#include <csignal>
#include <memory>

QPointer<QWidget> gFormMenu;

namespace {

std::unique_ptr<clsMenu> g_menu;
std::unique_ptr<clsVentanas> g_ventanas;
QString g_falloDicho; // why the database is not open, as last said

void diFallo(const QString& fallo)
{
    g_falloDicho = fallo;
    DialogService::message(
        QStringLiteral("No se ha podido abrir la base de datos de empresas:\n%1").arg(fallo),
        DialogService::Buttons::Ok, DialogService::Icon::Critical);
}

} // namespace

clsMenu& gMenu()
{
    if (!g_menu)
        g_menu = std::make_unique<clsMenu>();
    return *g_menu;
}

clsVentanas& gVentanas()
{
    if (!g_ventanas)
        g_ventanas = std::make_unique<clsVentanas>();
    return *g_ventanas;
}

void liberaGlobales()
{
    // The navigation first: its screen's controls leave the form before anything else goes.
    g_menu.reset();
    g_ventanas.reset();
}

namespace mdMain {

bool baseDeDatosAbierta()
{
    return gConexion().isOpen();
}

bool conecta()
{
    if (gConexion().isOpen())
        return true;
    const QString fallo = Installation::reopen();
    if (fallo.isEmpty())
        return true;
    if (fallo != g_falloDicho)
        diFallo(fallo);
    return false;
}

void Main()
{
    // Past a file-size limit a write fails and is said as a full disk, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QString fallo;
    {
        const BusyPointer::Scope busy;
        frmSplash::instance().show();
        PendingEvents::process();

        BusyHook::setHandler([](bool ocupado) { BusyPointer::set(ocupado); });
        fallo = Installation::open();

        PendingEvents::process();
        frmSplash::instance().unload();
        PendingEvents::process();
    }

    g_falloDicho.clear();
    if (!fallo.isEmpty())
        diFallo(fallo);

    // Whatever way the event loop ends, the screens and the form go while the application lives.
    static bool conectado = false;
    if (!conectado) {
        conectado = true;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] {
            liberaGlobales();
            delete gFormMenu.data();
        });
    }

    MenuForm* menu = nullptr;
    if (gVentanas().getResolucion() > 3)
        menu = new frmMenuBorde;
    else
        menu = new frmMenu;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    gFormMenu = menu;
    menu->show();
    menu->Form_Load();
}

} // namespace mdMain
