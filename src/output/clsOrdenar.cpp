#include "output/clsOrdenar.h"

void clsOrdenar::Muestra(clsDatosBD* /*datos*/, FlexGrid* /*grid*/)
{
    // The sort dialog comes with the sort itself.
}
