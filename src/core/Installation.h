#pragma once

#include <QString>
#include <QStringList>

class Connection;

// The installation the program runs on, shared by every screen: its folder, its database and the
// two lists read at start-up. Alive from first use to the end of the process.
extern QString gRutaBD; // the program's folder followed by "\DATA\DIdarari.idb"
extern QString gRutaApp; // the program's folder, without a trailing separator
extern QStringList gSectores; // distinct sectors of the companies
extern QStringList gAutonomias; // distinct regions of the companies

// The one connection to the guide's database; opened at start-up and never closed.
Connection& gConexion();

namespace Installation {

// Fixes the program's folder and opens its database, then reads the sectors and regions.
// Returns the reason in Spanish when the database could not be opened, with what the user can do
// about it; empty on success.
QString open();
// Opens the database again when it is not open (a lock let go of, the file put back since), with
// its lists. Empty when it is open, else the reason as open() gives it.
QString reopen();

} // namespace Installation
