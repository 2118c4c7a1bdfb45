#include "guide/GuideQueries.h"

#include "platform/db/SqlText.h"

namespace GuideQueries {
namespace {

struct Sector
{
    const char* from;
    const char* caption;
};

const Sector kSectors[kSectorCount] = {
    {" FROM tbl_empresas where sector LIKE 'CATERIN%'", "Sector: CATERING"},
    {" FROM tbl_empresas where sector LIKE 'DISTRIBUCIO%'", "Sector: DISTRIBUCION"},
    {" FROM tbl_empresas where sector LIKE 'EQUIPAMIENT%'", "Sector: EQUIPAMIENTO"},
    {" FROM tbl_empresas where sector LIKE 'ESCUELA%'", "Sector: ESCUELAS"},
    {" FROM tbl_empresas where sector LIKE 'FRANQUIC%'", "Sector: FRANQUICIAS"},
    {" FROM tbl_empresas where sector LIKE 'HOTELE%'", "Sector: HOTELES"},
    {" FROM tbl_empresas where sector LIKE 'TRANSPORT%'", "Sector: TRANSPORTE"},
    {" FROM tbl_empresas where sector LIKE 'VENDIN%'", "Sector: VENDING"},
};

bool isSector(int indice)
{
    return indice >= 0 && indice < kSectorCount;
}

} // namespace

QString selectList()
{
    return QStringLiteral(
        "SELECT seleccionada, sector, empresa, actividad, cif, autonomia, provincia, poblacion, "
        "domicilio, cp, telefono, fax, email, web, cargo_1, contacto_1, cargo_2, contacto_2, "
        "superficie, vehiculos, empleados, observaciones, empresa_id ");
}

QString allCompaniesSql()
{
    return selectList() + QStringLiteral(" FROM tbl_empresas");
}

QString allCompaniesCaption()
{
    return QStringLiteral("Sector: Todos");
}

QString sectorSql(int indice)
{
    return isSector(indice) ? selectList() + QString::fromLatin1(kSectors[indice].from) : QString();
}

QString sectorCaption(int indice)
{
    return isSector(indice) ? QString::fromLatin1(kSectors[indice].caption) : QString();
}

QString countCaption(int companies)
{
    return QStringLiteral("Empresas: ") + QString::number(companies);
}

bool fillsByCopy(int companies)
{
    return companies <= kCopyLimit;
}

} // namespace GuideQueries

namespace GuideQueries {

QString markedOnlySql(const QString& sql)
{
    static const QString kCondicion = QStringLiteral("seleccionada= True");
    if (SqlText::indexOfKeyword(sql, kCondicion) >= 0)
        return sql;
    const bool conWhere = SqlText::indexOfKeyword(sql, QStringLiteral("WHERE")) >= 0;
    const QString condicion = (conWhere ? QStringLiteral(" AND ") : QStringLiteral(" WHERE ")) + kCondicion;
    const qsizetype orden = SqlText::indexOfKeyword(sql, QStringLiteral("ORDER BY"));
    if (orden < 0)
        return sql + condicion;
    qsizetype fin = orden;
    while (fin > 0 && sql.at(fin - 1).isSpace())
        --fin;
    return sql.left(fin) + condicion + QLatin1Char(' ') + sql.mid(orden);
}

} // namespace GuideQueries
