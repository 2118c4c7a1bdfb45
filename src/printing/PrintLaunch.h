#pragma once

#include <QString>

class Recordset;

// The checks every printing launcher makes before it opens the print preview.
namespace PrintLaunch {

// True when a printer is installed; otherwise says so and returns false.
bool printerInstalled();

// True when `rs` holds companies; otherwise shows `mensaje` and returns false.
bool hasCompanies(Recordset* rs, const QString& mensaje);

} // namespace PrintLaunch
