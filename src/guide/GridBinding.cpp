#include "guide/GridBinding.h"

#include "core/clsDatosBD.h"
#include "platform/db/Recordset.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/PendingEvents.h"

namespace GridBinding {

void muestraDatosMatriz(clsDatosBD& datos, FlexGrid* grid)
{
    if (!grid)
        return;
    BusyPointer::Scope busy;
    Recordset& rs = *datos.getRecordset();
    if (!rs.isOpen() || rs.isEOF()) {
        // Nothing to show: the grid keeps only its header, so nothing stale can be chosen.
        grid->setRows(1);
        if (rs.isOpen())
            grid->setCols(rs.fieldCount() + 1);
        return;
    }
    const QList<QVariantList> filas = rs.getRows();
    const int campos = int(filas.size());
    const int registros = campos > 0 ? int(filas.first().size()) : 0;
    grid->setRows(registros + 1);
    grid->setCols(campos + 1);
    for (int i = 0; i < registros; ++i) {
        for (int j = 0; j < campos; ++j)
            grid->setTextMatrix(i + 1, j + 1, Recordset::displayText(filas.at(j).at(i)));
    }
}

void muestraDatos(clsDatosBD& datos, FlexGrid* grid)
{
    if (!grid)
        return;
    BusyPointer::Scope busy;
    grid->setDataSource(datos.getRecordset());
    PendingEvents::process();
    const int registros = datos.getNumeroRegistros();
    if (registros > 0) {
        grid->setTopRow(registros);
        grid->setRow(1);
        grid->setTopRow(1);
    }
}

} // namespace GridBinding
