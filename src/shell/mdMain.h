#pragma once

#include "core/Installation.h"

#include <QPointer>
#include <QString>
#include <QStringList>

class QWidget;
class clsMenu;
class clsVentanas;

// The menu form, alive while the program runs (the installation's globals are in core).
extern QPointer<QWidget> gFormMenu;

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

// For an action that needs the database: opens it again when it is not open (a lock let go of since).
// A reason not said before is said; the same one is not said twice. True when it is open.
bool conecta();

} // namespace mdMain
