#include "printing/PrintLaunch.h"

#include "platform/db/Recordset.h"
#include "platform/print/PrinterCheck.h"
#include "platform/ui/DialogService.h"

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

} // namespace PrintLaunch
