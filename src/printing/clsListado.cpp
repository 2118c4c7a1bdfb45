#include "printing/clsListado.h"

#include "core/AppPaths.h"
#include "platform/db/Recordset.h"
#include "platform/ui/PendingEvents.h"
#include "printing/CompanyReport.h"
#include "printing/ListingDocument.h"
#include "printing/ListingSettings.h"
#include "printing/PrintLaunch.h"
#include "printing/preview/frmVPreliminar.h"

#include <QImage>

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

    frmVPreliminar vista;
    if (!PrintLaunch::previewPrinter(vista, QStringLiteral("Listado de empresas"),
            QStringLiteral("La impresora predeterminada de su sistema no permite la impresión de informes")))
        return false;
    // The listing opens on A4 landscape: the default columns run to 28.5 cm, wider than an upright page.
    vista.setConfiguracion(frmVPreliminar::Informe);
    const QImage logo(AppPaths::localPath(AppPaths::programFolder() + QStringLiteral("\\logoKorvan.bmp")));
    CompanyReport informe(*rs, logo, criterio, campos, m_colLong);
    ListingDocument documento(informe);
    vista.setDocumento(&documento);
    vista.muestra();
    return true;
}
