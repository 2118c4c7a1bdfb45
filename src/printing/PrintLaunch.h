#pragma once

#include <QString>

class Recordset;
class frmVPreliminar;

// The checks and the set-up every printing launcher makes before it opens the print preview.
namespace PrintLaunch {

// True when a printer is installed; otherwise says so and returns false.
bool printerInstalled();

// True when `rs` holds companies; otherwise shows `mensaje` and returns false.
bool hasCompanies(Recordset* rs, const QString& mensaje);

// Gives `vista` its own printer on A4, named `documento` (the job, the PDF's title, and printed to a
// file, the file's name); when the printer refuses A4, shows `rechazo` and returns false.
bool previewPrinter(frmVPreliminar& vista, const QString& documento, const QString& rechazo);

} // namespace PrintLaunch
