#pragma once

class FlexGrid;
class clsDatosBD;

// Shows the query service's result in the company grid.
namespace GridBinding {

// Copies every row into the grid's cells (small results); an empty result leaves the header only.
void muestraDatosMatriz(clsDatosBD& datos, FlexGrid* grid);
// Binds the grid to the recordset, so rows are read as they are shown (large results).
void muestraDatos(clsDatosBD& datos, FlexGrid* grid);

} // namespace GridBinding
