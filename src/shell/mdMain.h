#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

class Connection;
class QWidget;
class clsMenu;
class clsVentanas;

// The globals shared by the whole program, alive from first use to the end of the process.
extern QString gRutaBD; // the program's folder followed by "\DATA\DIdarari.idb"
extern QString gRutaApp; // the program's folder, without a trailing separator
extern QStringList gSectores; // distinct sectors of the companies
extern QStringList gAutonomias; // distinct regions of the companies
extern QPointer<QWidget> gFormMenu;

// The one connection to the guide's database; opened by Main and never closed.
Connection& gConexion();

// The navigation and placement services, created on first use and released by the menu form's
// unload. Creating gVentanas fixes the resolution code.
clsMenu& gMenu();
clsVentanas& gVentanas();
void liberaGlobales();

namespace mdMain {

// The entry procedure: splash, database, the two lists, then the main window.
void Main();

// The companies table could not be opened at start-up (said once to the user).
bool baseDeDatosAbierta();

} // namespace mdMain
