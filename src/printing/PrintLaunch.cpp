#include "printing/PrintLaunch.h"

#include "platform/db/Recordset.h"
#include "platform/print/PrinterCheck.h"
#include "platform/print/Printers.h"
#include "platform/ui/DialogService.h"
#include "printing/preview/frmVPreliminar.h"

#include <QPrinter>

namespace PrintLaunch {

bool printerInstalled()
{
    if (PrinterCheck::isInstalled())
        return true;
    DialogService::message(
        QStringLiteral("No tiene ninguna impresora instalada. No puede acceder a esta ventana"),
        DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
    return false;
}

bool hasCompanies(Recordset* rs, const QString& mensaje)
{
    if (rs && rs->isOpen() && rs->recordCount() > 0)
        return true;
    DialogService::message(mensaje, DialogService::Buttons::Ok, DialogService::Icon::Information);
    return false;
}

bool previewPrinter(frmVPreliminar& vista, const QString& documento, const QString& rechazo)
{
    vista.setImpresora(Printers::create(documento));
    // The preview prints on this printer, so the paper checked is the paper printed on.
    if (vista.impresora().setPageSize(QPageSize(QPageSize::A4)))
        return true;
    DialogService::message(rechazo, DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
    return false;
}

} // namespace PrintLaunch
