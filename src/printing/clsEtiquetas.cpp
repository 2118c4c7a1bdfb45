#include "printing/clsEtiquetas.h"

#include "printing/LanzadorImpresion.h"
#include "printing/settings/SettingsFile.h"

bool clsEtiquetas::Muestra(Recordset* rs)
{
    if (!LanzadorImpresion::hayEmpresas(rs, QStringLiteral("No hay empresas que mostrar en las etiquetas")))
        return false;
    if (!LanzadorImpresion::hayImpresora())
        return false;
    leeConfiguracion();
    return abreVistaPrevia(*rs);
}

void clsEtiquetas::leeConfiguracion()
{
    m_configuracion
        = LabelSettings::fromLines(SettingsFile::read(LabelSettings::archivo()).value_or(SettingsLines()));
}

bool clsEtiquetas::abreVistaPrevia(Recordset& /*rs*/)
{
    // Where the print preview opens, once it exists: set A4 paper (when the printer refuses it, say
    // "La impresora predeterminada de su sistema no permite la impresión de etiquetas" with the
    // exclamation icon and return false); then a new frmVPreliminar, setConfiguracion(1), its labels
    // drawn by ImprimeEtiquetas(surface, rs, m_configuracion.sheet(), attention, 1, true) and the
    // preview shown through DialogService::exec.
    return true;
}
