#pragma once

#include <QString>

class Recordset;

// Prints a listing of the companies shown under their caption, through the print preview.
class clsListado
{
public:
    // False when it could not open the preview (no company, no printer).
    bool Muestra(Recordset* rs, const QString& titulo);
};
