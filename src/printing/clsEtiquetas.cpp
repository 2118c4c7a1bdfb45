#include "printing/clsEtiquetas.h"

#include "platform/print/Printers.h"
#include "platform/ui/DialogService.h"
#include "printing/AttentionControls.h"
#include "printing/PreviewPanels.h"
#include "printing/PrintLaunch.h"
#include "printing/labels/LabelDocument.h"
#include "printing/preview/frmVPreliminar.h"

#include <QPrinter>

bool clsEtiquetas::Muestra(Recordset* rs)
{
    if (!PrintLaunch::hasCompanies(rs, QStringLiteral("No hay empresas que mostrar en las etiquetas")))
        return false;
    if (!PrintLaunch::printerInstalled())
        return false;
    leeConfiguracion();
    return abreVistaPrevia(*rs);
}

void clsEtiquetas::leeConfiguracion()
{
    m_configuracion = LabelSettings::read();
}

bool clsEtiquetas::abreVistaPrevia(Recordset& rs)
{
    frmVPreliminar frm;
    // Named after the document: the job, the PDF's title, and printed to a file, the file's name.
    frm.setImpresora(Printers::create(QStringLiteral("Etiquetas de empresas")));
    // The preview prints on this printer, so the paper checked is the paper printed on.
    if (!frm.impresora().setPageSize(QPageSize(QPageSize::A4))) {
        DialogService::message(
            QStringLiteral("La impresora predeterminada de su sistema no permite la impresión de etiquetas"),
            DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
        return false;
    }
    frm.setConfiguracion(frmVPreliminar::Etiquetas);
    AttentionControls* atencion = PreviewPanels::atencion(frm);
    atencion->insertaContactos();
    LabelDocument etiquetas(rs, m_configuracion, [atencion] { return atencion->eleccion(); });
    // The first page is drawn when the window shows.
    frm.setDocumento(&etiquetas);
    frm.muestra();
    frm.setDocumento(nullptr);
    return true;
}
