#pragma once

#include <QString>

class FlexGrid;
class QLabel;
class Recordset;
class clsDatosBD;

// Shows the query service's result in the company grid.
namespace GridBinding {

// Copies every row into the grid's cells (small results); an empty result leaves the header only.
void muestraDatosMatriz(clsDatosBD& datos, FlexGrid* grid);
// Binds the grid to the recordset, so rows are read as they are shown (large results).
void muestraDatos(clsDatosBD& datos, FlexGrid* grid);

// The columns' headings, alignments and widths at a resolution code.
void formatea(FlexGrid* grid, int codigo);
// Every row's marker from its company's stored mark; from the copied cells when the rows are not the
// recordset's.
void marcaFilas(FlexGrid* grid, const Recordset* rs);
void pintaMarca(FlexGrid* grid, int fila, bool marcada);
// Turns the mark of the company at `fila` (from 1) over, stores it and shows it as stored; the
// reason, empty when it was stored (or another program had stored it meanwhile).
QString cambiaMarca(FlexGrid* grid, Recordset& rs, int fila);
// The hand over a heading's caption (measured in `medida`, set in the grid's font) at `x` twips, the
// ordinary pointer elsewhere: a click there sorts by that column.
void senalaCabecera(FlexGrid* grid, QLabel* medida, double x);

} // namespace GridBinding
