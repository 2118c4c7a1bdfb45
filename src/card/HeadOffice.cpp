#include "card/HeadOffice.h"

#include "card/RecordCardLayout.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"

namespace HeadOffice {
namespace {

const QString kSelectFicha = QStringLiteral(
    "SELECT seleccionada, sector, empresa, actividad, cif, autonomia, provincia, poblacion, domicilio, cp, "
    "telefono, fax, email, web, cargo_1, contacto_1, cargo_2, contacto_2, superficie, vehiculos, empleados, "
    "observaciones, empresa_id FROM tbl_empresas where id_emp=");
const QString kSelectNombreSede = QStringLiteral("SELECT empresa FROM tbl_empresas WHERE id_emp=");

} // namespace

std::optional<QString> textoEnlace(Connection* conexion, const QVariant& empresaId)
{
    const std::optional<qint64> clave = RecordCardLayout::claveSede(empresaId);
    if (!clave || !conexion || !conexion->isOpen())
        return std::nullopt;
    try {
        Recordset sede;
        sede.open(kSelectNombreSede + QString::number(*clave), *conexion);
        if (sede.isEOF())
            return QString();
        return QLatin1Char('(') + sede.field(0).toString() + QLatin1Char(')');
    } catch (const DbError&) {
        return std::nullopt;
    }
}

std::unique_ptr<Recordset> abre(Connection* conexion, qint64 clave)
{
    if (!conexion)
        return nullptr;
    auto sede = std::make_unique<Recordset>();
    try {
        sede->open(kSelectFicha + QString::number(clave), *conexion);
        if (sede->isBOF() && sede->isEOF())
            return nullptr;
        sede->moveFirst();
    } catch (const DbError&) {
        return nullptr;
    }
    return sede;
}

} // namespace HeadOffice
