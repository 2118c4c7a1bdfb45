#include "printing/clsEtiquetas.h"

#include "printing/AttentionControls.h"
#include "printing/PreviewPanels.h"
#include "printing/PrintLaunch.h"
#include "printing/labels/LabelDocument.h"
#include "printing/preview/frmVPreliminar.h"

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
    if (!PrintLaunch::previewPrinter(frm, QStringLiteral("Etiquetas de empresas"),
            QStringLiteral("La impresora predeterminada de su sistema no permite la impresión de etiquetas")))
        return false;
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
