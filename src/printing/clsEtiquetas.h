#pragma once

class Recordset;

// Prints address labels of the companies shown, through the print preview.
class clsEtiquetas
{
public:
    bool Muestra(Recordset* rs);
};
