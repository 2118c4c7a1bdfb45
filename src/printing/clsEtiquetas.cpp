#include "printing/clsEtiquetas.h"

#include "printing/LanzadorImpresion.h"

bool clsEtiquetas::Muestra(Recordset* rs)
{
    if (!LanzadorImpresion::hayEmpresas(rs, QStringLiteral("No hay empresas que mostrar en las etiquetas")))
        return false;
    if (!LanzadorImpresion::hayImpresora())
        return false;
    // The print preview comes with the labels themselves.
    return true;
}
