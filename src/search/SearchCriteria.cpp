#include "search/SearchCriteria.h"

#include "platform/db/SqlText.h"

namespace {

const QString kSelect = QStringLiteral(
    "SELECT seleccionada, sector, empresa, actividad, cif, autonomia, provincia, poblacion, domicilio, cp, "
    "telefono, fax, email, web, cargo_1, contacto_1, cargo_2, contacto_2, superficie, vehiculos, empleados, "
    "observaciones, empresa_id FROM tbl_empresas");

const QChar kComilla = QLatin1Char('"');

// Each part begins with " AND "; the first one's word is dropped and its blank kept, so the text has
// two blanks after WHERE, as the rest of the program has always seen it.
QString conWhere(const QString& base, const QString& condiciones)
{
    if (condiciones.isEmpty())
        return base;
    return base + QStringLiteral(" WHERE ") + condiciones.mid(4);
}

void anade(QString& condiciones, const char* prefijo, const QString& valor)
{
    if (!valor.isEmpty())
        condiciones += QLatin1String(prefijo) + SqlText::literal(valor);
}

QString consultaDistinta(const char* base, const QString& condiciones)
{
    return conWhere(QLatin1String(base), condiciones) + QStringLiteral(" ORDER BY 1");
}

} // namespace

QString SearchCriteria::sql() const
{
    QString condiciones;
    const QString& t = nombre;
    if (!t.isEmpty()) {
        if (palabraExacta)
            condiciones += QStringLiteral(" AND empresa = ") + SqlText::literal(t);
        // A lone quote is no pair of quotes: it is looked for like any other text.
        else if (t.size() > 1 && t.startsWith(kComilla) && t.endsWith(kComilla))
            condiciones += QStringLiteral(" AND empresa LIKE ") + SqlText::literal(t.mid(1, t.size() - 2));
        else if (t.size() > 1 && t.startsWith(kComilla))
            condiciones
                += QStringLiteral(" AND empresa LIKE ") + SqlText::literal(t.mid(1) + QLatin1Char('%'));
        else if (t.size() > 1 && t.endsWith(kComilla))
            condiciones
                += QStringLiteral(" AND empresa LIKE ") + SqlText::literal(QLatin1Char('%') + t.chopped(1));
        else
            condiciones += QStringLiteral(" AND empresa LIKE ")
                + SqlText::literal(QLatin1Char('%') + t + QLatin1Char('%'));
    }
    anade(condiciones, " AND Sector=", sector);
    anade(condiciones, " AND Autonomia=", autonomia);
    anade(condiciones, " AND Provincia=", provincia);
    anade(condiciones, " AND Poblacion=", poblacion);
    anade(condiciones, " AND actividad=", actividad);
    if (soloSeleccionadas)
        condiciones += QStringLiteral(" AND seleccionada=True");
    return conWhere(kSelect, condiciones);
}

QString SearchCriteria::titulo() const
{
    QString titulo;
    const QString& t = nombre;
    const QString empresa = QStringLiteral("  Empresa: ");
    if (!t.isEmpty()) {
        if (palabraExacta)
            titulo += empresa + t.toUpper();
        else if (t.size() > 1 && t.startsWith(kComilla) && t.endsWith(kComilla))
            titulo += empresa + t.mid(1, t.size() - 2);
        else if (t.size() > 1 && t.startsWith(kComilla))
            titulo += empresa + t.mid(1).toUpper() + QLatin1Char('*');
        else if (t.size() > 1 && t.endsWith(kComilla))
            titulo += empresa + QLatin1Char('*') + t.chopped(1).toUpper();
        else
            titulo += empresa + QLatin1Char('*') + t.toUpper() + QLatin1Char('*');
    }
    const auto parte = [&titulo](const char* rotulo, const QString& valor) {
        if (!valor.isEmpty())
            titulo += QLatin1String(rotulo) + valor.toUpper();
    };
    parte("  Sector: ", sector);
    parte("  Autonomia: ", autonomia);
    parte("  Provincia: ", provincia);
    parte("  Poblacion: ", poblacion);
    parte("  Actividad: ", actividad);
    if (soloSeleccionadas)
        titulo += QStringLiteral("  Seleccionadas");
    return titulo;
}

QString SearchCriteria::consultaLista(List lista) const
{
    QString condiciones;
    switch (lista) {
    case List::Autonomia:
        if (sector.isEmpty())
            return {};
        return QStringLiteral("SELECT DISTINCT(autonomia) FROM tbl_empresas WHERE sector=")
            + SqlText::literal(sector) + QStringLiteral(" ORDER BY 1");
    case List::Provincia:
        anade(condiciones, " AND Sector=", sector);
        anade(condiciones, " AND Autonomia=", autonomia);
        return consultaDistinta("SELECT distinct(provincia) FROM tbl_empresas", condiciones);
    case List::Poblacion:
        anade(condiciones, " AND Sector=", sector);
        anade(condiciones, " AND Autonomia=", autonomia);
        anade(condiciones, " AND Provincia=", provincia);
        return consultaDistinta("SELECT distinct(poblacion) FROM tbl_empresas", condiciones);
    case List::Actividad:
        anade(condiciones, " AND Sector=", sector);
        anade(condiciones, " AND Autonomia=", autonomia);
        anade(condiciones, " AND Provincia=", provincia);
        anade(condiciones, " AND Poblacion=", poblacion);
        return consultaDistinta("SELECT distinct(actividad) FROM tbl_empresas", condiciones);
    }
    return {};
}
