#include "shell/mdMain.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/os/AppPaths.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/DialogService.h"
#include "shell/clsMenu.h"
#include "shell/clsVentanas.h"
#include "shell/frmMenu.h"
#include "shell/frmMenuBorde.h"
#include "shell/frmSplash.h"

#include <QCoreApplication>
#include <memory>

QString gRutaBD;
QString gRutaApp;
QStringList gSectores;
QStringList gAutonomias;
QPointer<QWidget> gFormMenu;

Connection& gConexion()
{
    static Connection conexion;
    return conexion;
}

namespace {

std::unique_ptr<clsMenu> g_menu;
std::unique_ptr<clsVentanas> g_ventanas;

const QString kCadenaConexion = QStringLiteral(" Provider=Microsoft.Jet.OLEDB.4.0;"
                                               "Data Source=%1;"
                                               "Jet OLEDB:DataBase Password=tralpen447;"
                                               "Persist Security Info=False;");

// One entry per distinct value, in the order the database returns them; a NULL as an empty entry.
QStringList leeLista(const QString& sql)
{
    QStringList lista;
    if (!gConexion().isOpen())
        return lista;
    try {
        Recordset rs;
        rs.open(sql, gConexion());
        for (rs.moveFirst(); !rs.isEOF(); rs.moveNext())
            lista.append(rs.field(0).toString());
    } catch (const DbError&) {
        lista.clear();
    }
    return lista;
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

void Main()
{
    BusyPointer::set(true);
    frmSplash::instance().show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    gRutaApp = AppPaths::programFolder();
    gRutaBD = gRutaApp + QStringLiteral("\\DATA\\DIdarari.idb");

    QString fallo;
    try {
        gConexion().open(kCadenaConexion.arg(AppPaths::localPath(gRutaBD)));
    } catch (const DbError& e) {
        fallo = e.description();
    }

    gSectores = leeLista(QStringLiteral("SELECT DISTINCT(sector) FROM tbl_empresas"));
    gAutonomias = leeLista(QStringLiteral("SELECT DISTINCT(autonomia) FROM tbl_empresas"));

    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    frmSplash::instance().unload();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    BusyPointer::set(false);

    if (!fallo.isEmpty()) {
        DialogService::message(
            QStringLiteral("No se ha podido abrir la base de datos de empresas:\n%1\n\n"
                           "La guía no mostrará ninguna empresa hasta que el archivo "
                           "DATA\\DIdarari.idb de la carpeta del programa esté disponible.")
                .arg(fallo),
            DialogService::Buttons::Ok, DialogService::Icon::Critical);
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
