#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <QString>

// Recordsets of made-up companies in the company record's column order, for the printing tests.
namespace CompanyRows {

// `count` companies named "Empresa 1", "Empresa 2", ... with a street, town, postcode and province;
// `contacts` is the SQL of the four contact columns, named cargo_1, contacto_1, cargo_2, contacto_2.
inline QString sql(int count, const QString& contacts)
{
    return QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 WHERE %1 > 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "SELECT 0 AS seleccionada, 'HOTELES' AS sector, 'Empresa ' || i AS empresa, '' AS actividad, "
        "'' AS cif, 'Andalucía' AS autonomia, 'Málaga' AS provincia, 'Marbella' AS poblacion, "
        "'Calle ' || i AS domicilio, '29600' AS cp, '' AS telefono, '' AS fax, '' AS email, '' AS web, "
        "%2 , NULL AS superficie, NULL AS vehiculos, NULL AS empleados, '' AS observaciones, "
        "NULL AS empresa_id FROM n")
        .arg(count)
        .arg(contacts);
}

// A connection to any SQLite file: the queries above read no table.
inline void open(Recordset& rs, Connection& connection, int count,
    const QString& contacts
    = QStringLiteral("NULL AS cargo_1, NULL AS contacto_1, NULL AS cargo_2, NULL AS contacto_2"))
{
    rs.open(sql(count, contacts), connection);
}

// The longest street of the sample data.
inline const QString kCalleLarga
    = QStringLiteral("Polígono Industrial San Cristóbal, C/ Calderón de la Barca, nave 17");

// `count` companies with the longest name and town line of the sample data, on the street `domicilio`.
inline void openLongest(Recordset& rs, Connection& connection, int count, const QString& domicilio)
{
    rs.open(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                       "SELECT 0, '', 'GIMÉNEZ DISTRIBUIDORA DE BEBIDAS - SAN CRISTÓBAL DE LA LAGUNA CASCO "
                       "ANTIGUO', '', '', '', 'Santa Cruz de Tenerife', 'San Cristóbal de La Laguna', '%2', "
                       "'38201', NULL, NULL, NULL, NULL FROM n")
            .arg(count)
            .arg(domicilio),
        connection);
}

} // namespace CompanyRows
