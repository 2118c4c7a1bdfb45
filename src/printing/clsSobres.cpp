#include "printing/clsSobres.h"

#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/ui/DialogService.h"
#include "printing/AttentionControls.h"
#include "printing/EnvelopeControls.h"
#include "printing/PreviewPanels.h"
#include "printing/PrintLaunch.h"
#include "printing/envelopes/EnvelopeDocument.h"
#include "printing/preview/frmVPreliminar.h"

bool clsSobres::Muestra(Recordset* rs, int fila)
{
    if (!rs || !rs->isOpen() || rs->isBOF() || rs->isEOF()) {
        DialogService::message(
            QStringLiteral("Debe de seleccionar alguna empresa de la que imprimir el sobre"),
            DialogService::Buttons::Ok, DialogService::Icon::Information);
        return false;
    }
    if (!PrintLaunch::printerInstalled())
        return false;
    try {
        rs->setAbsolutePosition(fila);
    } catch (const DbError&) {
        // A row that is no company leaves the current one, as the grid shows it.
    }
    // The envelope shown is the company the recordset is on, never a row that is none.
    m_posicion = rs->absolutePosition();
    leeConfiguracion();
    return abreVistaPrevia(*rs);
}

void clsSobres::leeConfiguracion()
{
    m_configuracion = EnvelopeSettings::read();
}

bool clsSobres::abreVistaPrevia(Recordset& rs)
{
    frmVPreliminar frm;
    if (!PrintLaunch::previewPrinter(frm, QStringLiteral("Sobres de empresas"),
            QStringLiteral("La impresora predeterminada de su sistema no permite la impresión de sobres")))
        return false;
    frm.setConfiguracion(frmVPreliminar::Sobres);
    AttentionControls* atencion = PreviewPanels::atencion(frm);
    atencion->insertaContactos();
    EnvelopeControls* sobre = PreviewPanels::sobre(frm);
    sobre->configSobres(
        m_configuracion.tipoSobre, m_configuracion.anchura, m_configuracion.altura, m_configuracion.fuente);
    EnvelopeDocument sobres(rs, m_posicion, *sobre, *atencion);
    const EnvelopeSettings alAbrir = EnvelopeSettings::from(sobre->sobre(), sobre->tamLetra());
    // The envelope is drawn when the window shows, at its own size; it is printed on the A4 sheet.
    frm.setDocumento(&sobres);
    frm.muestra();
    frm.setDocumento(nullptr);
    guardaConfiguracion(EnvelopeSettings::from(sobre->sobre(), sobre->tamLetra()), alAbrir);
    return true;
}

bool clsSobres::guardaConfiguracion(const EnvelopeSettings& settings, const EnvelopeSettings& alAbrir)
{
    QString error;
    if (settings.write(&error))
        return true;
    // Settings the user did not change lose nothing: a read-only folder is then no news.
    if (settings != alAbrir)
        DialogService::message(error, DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
    return false;
}
