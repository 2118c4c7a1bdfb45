#pragma once

class Recordset;

// Prints envelopes starting with the company of the grid's current row, through the print preview.
class clsSobres
{
public:
    bool Muestra(Recordset* rs, int fila);
};
