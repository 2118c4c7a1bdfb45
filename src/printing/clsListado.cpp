#include "printing/clsListado.h"

#include "core/AppPaths.h"
#include "platform/db/Recordset.h"
#include "platform/print/Printers.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/PendingEvents.h"
#include "printing/CompanyReport.h"
#include "printing/LanzadorImpresion.h"
#include "printing/ListadoSettings.h"
#include "printing/ListingPreview.h"

#include <QImage>
#include <QPrinter>

clsListado::clsListado()
    : m_colLong(ReportFields::defaultWidths())
{
}

FieldChoice clsListado::leeCampos() const
{
    return ListadoSettings::read(ListadoSettings::path());
}

bool clsListado::Muestra(Recordset* rs, const QString& criterio)
{
    if (!LanzadorImpresion::hayEmpresas(rs, QStringLiteral("No hay empresas que mostrar en el listado")))
        return false;
    if (!LanzadorImpresion::hayImpresora())
        return false;
    PendingEvents::process();
    const FieldChoice campos = leeCampos();

    // The preview prints on this same printer, so the paper checked here is the paper printed on.
    const std::unique_ptr<QPrinter> impresora = Printers::create();
    if (!impresora->setPageSize(QPageSize(QPageSize::A4))) {
        DialogService::message(
            QStringLiteral("La impresora predeterminada de su sistema no permite la impresión de informes"),
            DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
        return false;
    }
    const QImage logo(AppPaths::localPath(AppPaths::programFolder() + QStringLiteral("\\logoKorvan.bmp")));
    CompanyReport informe(*rs, logo, criterio, campos, m_colLong);
    return ListingPreview::open(informe, *impresora);
}
