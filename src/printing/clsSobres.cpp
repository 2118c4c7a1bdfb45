#include "printing/clsSobres.h"

#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/ui/DialogService.h"
#include "printing/LanzadorImpresion.h"

bool clsSobres::Muestra(Recordset* rs, int fila)
{
    if (!rs || !rs->isOpen() || rs->isBOF() || rs->isEOF()) {
        DialogService::message(
            QStringLiteral("Debe de seleccionar alguna empresa de la que imprimir el sobre"),
            DialogService::Buttons::Ok, DialogService::Icon::Information);
        return false;
    }
    if (!LanzadorImpresion::hayImpresora())
        return false;
    try {
        rs->setAbsolutePosition(fila);
    } catch (const DbError&) {
        // A row that is no company leaves the current one, as the grid shows it.
    }
    // The print preview comes with the envelopes themselves.
    return true;
}
