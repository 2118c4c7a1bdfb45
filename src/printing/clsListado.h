#pragma once

#include "printing/ReportFields.h"

#include <QString>

class Recordset;

// Prints a listing of the companies shown under their caption, through the print preview, with the
// fields chosen in "\Listado.ini".
class clsListado
{
public:
    clsListado();

    // Shows the listing in the print preview and returns when it is closed; false when it could not
    // open it (no company, no printer, no A4 on the printer).
    bool Muestra(Recordset* rs, const QString& criterio);

private:
    FieldChoice leeCampos() const;

    ColumnWidths m_colLong;
};
