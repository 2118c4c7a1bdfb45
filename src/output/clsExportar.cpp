#include "output/clsExportar.h"

void clsExportar::Muestra(Recordset* /*rs*/)
{
    // The export dialog and the writers come with the export itself.
}
