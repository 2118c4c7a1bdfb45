#pragma once

class FlexGrid;
class QWidget;
class Recordset;

// Opens the record card of a company of the guide, or of a head office.
class clsFicha
{
public:
    // Shows the record of the grid's current row (with no grid, or a row that is no record, the
    // recordset's current one) on a new modal card over `padre` (the grid's window when none), and
    // returns when the card closes.
    void Muestra(Recordset* rs, FlexGrid* grid, QWidget* padre = nullptr);
};
