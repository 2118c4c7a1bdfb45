#include "core/Installation.h"

#include "core/AppPaths.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"

QString gRutaBD;
QString gRutaApp;
QStringList gSectores;
QStringList gAutonomias;

Connection& gConexion()
{
    static Connection conexion;
    return conexion;
}

namespace {

const QString kCadenaConexion = QStringLiteral(" Provider=Microsoft.Jet.OLEDB.4.0;"
                                               "Data Source=%1;"
                                               "Jet OLEDB:DataBase Password=tralpen447;"
                                               "Persist Security Info=False;");

// One entry per distinct value, in the order the database returns them; a NULL as an empty entry.
QStringList leeLista(const QString& sql)
{
    QStringList lista;
    if (!gConexion().isOpen())
        return lista;
    try {
        Recordset rs;
        rs.open(sql, gConexion());
        for (rs.moveFirst(); !rs.isEOF(); rs.moveNext())
            lista.append(rs.field(0).toString());
    } catch (const DbError&) {
        lista.clear();
    }
    return lista;
}

} // namespace

namespace Installation {

QString open()
{
    gRutaApp = AppPaths::programFolder();
    gRutaBD = gRutaApp + QStringLiteral("\\DATA\\DIdarari.idb");

    QString fallo;
    try {
        gConexion().open(kCadenaConexion.arg(AppPaths::localPath(gRutaBD)));
    } catch (const DbError& e) {
        fallo = e.description();
    }
    gSectores = leeLista(QStringLiteral("SELECT DISTINCT(sector) FROM tbl_empresas"));
    gAutonomias = leeLista(QStringLiteral("SELECT DISTINCT(autonomia) FROM tbl_empresas"));
    return fallo;
}

} // namespace Installation
