#include "printing/clsSobres.h"

#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/ui/DialogService.h"
#include "printing/LanzadorImpresion.h"
#include "printing/settings/SettingsFile.h"

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
    // The envelope shown is the company the recordset is on, never a row that is none.
    m_posicion = rs->absolutePosition();
    leeConfiguracion();
    return abreVistaPrevia(*rs);
}

void clsSobres::leeConfiguracion()
{
    m_configuracion = EnvelopeSettings::fromLines(
        SettingsFile::read(EnvelopeSettings::archivo()).value_or(SettingsLines()));
}

bool clsSobres::abreVistaPrevia(Recordset& /*rs*/)
{
    // Where the print preview opens, once it exists: set A4 paper (when the printer refuses it, say
    // "La impresora predeterminada de su sistema no permite la impresión de sobres" with the
    // exclamation icon and return false); then a new frmVPreliminar, setConfiguracion(2),
    // configSobres with m_configuracion.geometry() and m_configuracion.fuente, the envelope drawn by
    // ImprimeSobres(surface, rs, m_posicion, job, attention, true, false), and the preview shown through
    // DialogService::exec; on closing, guardaConfiguracion(EnvelopeSettings::from(geometry, font)).
    return true;
}

bool clsSobres::guardaConfiguracion(const EnvelopeSettings& settings)
{
    QString error;
    if (SettingsFile::write(EnvelopeSettings::archivo(), settings.toLines(), &error))
        return true;
    DialogService::message(error, DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
    return false;
}
