#pragma once

class FlexGrid;
class clsDatosBD;

// Sorts the companies shown by a chosen field, through the guide's own query service.
class clsOrdenar
{
public:
    void Muestra(clsDatosBD* datos, FlexGrid* grid);
};
