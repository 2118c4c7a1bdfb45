#include "printing/clsListado.h"

#include "printing/LanzadorImpresion.h"

bool clsListado::Muestra(Recordset* rs, const QString& /*titulo*/)
{
    if (!LanzadorImpresion::hayEmpresas(rs, QStringLiteral("No hay empresas que mostrar en el listado")))
        return false;
    if (!LanzadorImpresion::hayImpresora())
        return false;
    // The print preview comes with the listing itself.
    return true;
}
