#include "printing/clsListado.h"

#include "core/AppPaths.h"
#include "platform/db/Recordset.h"
#include "platform/print/Printers.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/PendingEvents.h"
#include "printing/CompanyReport.h"
#include "printing/ListingDocument.h"
#include "printing/ListingSettings.h"
#include "printing/PrintLaunch.h"
#include "printing/preview/frmVPreliminar.h"

#include <QImage>
#include <QPrinter>

clsListado::clsListado()
    : m_colLong(ReportFields::defaultWidths())
{
}

FieldChoice clsListado::leeCampos() const
{
    return ListingSettings::read(ListingSettings::path());
}

bool clsListado::Muestra(Recordset* rs, const QString& criterio)
{
    if (!PrintLaunch::hasCompanies(rs, QStringLiteral("No hay empresas que mostrar en el listado")))
        return false;
    if (!PrintLaunch::printerInstalled())
        return false;
    PendingEvents::process();
    const FieldChoice campos = leeCampos();

    // The paper is checked on the preview's own printer, the one it lays out for and prints on.
    frmVPreliminar vista;
    // Named after the document: the job, the PDF's title, and printed to a file, the file's name.
    vista.setImpresora(Printers::create(QStringLiteral("Listado de empresas")));
    if (!vista.impresora().setPageSize(QPageSize(QPageSize::A4))) {
        DialogService::message(
            QStringLiteral("La impresora predeterminada de su sistema no permite la impresión de informes"),
            DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
        return false;
    }
    // The listing opens on A4 landscape: the default columns run to 28.5 cm, wider than an upright page.
    vista.setConfiguracion(frmVPreliminar::Informe);
    const QImage logo(AppPaths::localPath(AppPaths::programFolder() + QStringLiteral("\\logoKorvan.bmp")));
    CompanyReport informe(*rs, logo, criterio, campos, m_colLong);
    ListingDocument documento(informe);
    vista.setDocumento(&documento);
    vista.muestra();
    return true;
}
