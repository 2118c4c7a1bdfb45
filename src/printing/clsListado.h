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

    // False when it could not open the preview (no company, no printer, no A4 on the printer).
    bool Muestra(Recordset* rs, const QString& criterio);

    const ColumnWidths& anchos() const { return m_colLong; }

private:
    FieldChoice leeCampos() const;

    ColumnWidths m_colLong;
};
