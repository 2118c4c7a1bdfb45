#include "core/Installation.h"

#include "core/AppPaths.h"
#include "platform/db/Connection.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"

#include <QDir>
#include <QFileInfo>

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

// A file that opens but lacks the companies' table (an empty file is a valid, empty database).
bool tieneEmpresas()
{
    Recordset rs;
    rs.open(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name='tbl_empresas'"),
        gConexion());
    return rs.recordCount() > 0;
}

// What the user can do, by the cause: only a damaged file is to be replaced by another copy.
QString consejo(const DbError& e, bool existe)
{
    const QString nombre = QDir::toNativeSeparators(QStringLiteral("DATA/DIdarari.idb"));
    if (!existe)
        return QStringLiteral("La guía no mostrará ninguna empresa hasta que el archivo %1 de la carpeta "
                              "del programa esté disponible.")
            .arg(nombre);
    if (e.isLocked())
        return QStringLiteral("En cuanto el otro programa deje libre el archivo %1, la guía mostrará las "
                              "empresas; no hace falta salir de este programa.")
            .arg(nombre);
    if (e.isDamaged() || e.sqliteCode() == 0)
        return QStringLiteral("El archivo %1 de la carpeta del programa está dañado o no se puede leer: "
                              "sustitúyalo por una copia en buen estado. La guía no mostrará ninguna "
                              "empresa hasta entonces.")
            .arg(nombre);
    return QStringLiteral("La guía no mostrará ninguna empresa hasta que se pueda leer el archivo %1 de la "
                          "carpeta del programa.")
        .arg(nombre);
}

// Opens the database of gRutaBD and reads the two lists; the reason when it cannot, else empty.
QString abre()
{
    const QString ruta = AppPaths::localPath(gRutaBD);
    QString fallo;
    try {
        gConexion().open(kCadenaConexion.arg(ConnectionString::quoted(ruta)));
        if (!tieneEmpresas())
            throw DbError(DbError::Failed, QStringLiteral("El archivo no contiene la tabla de empresas"));
    } catch (const DbError& e) {
        gConexion().close();
        fallo = e.description() + QStringLiteral("\n\n") + consejo(e, QFileInfo::exists(ruta));
    }
    gSectores = leeLista(QStringLiteral("SELECT DISTINCT(sector) FROM tbl_empresas"));
    gAutonomias = leeLista(QStringLiteral("SELECT DISTINCT(autonomia) FROM tbl_empresas"));
    return fallo;
}

} // namespace

namespace Installation {

QString open()
{
    gRutaApp = AppPaths::programFolder();
    gRutaBD = gRutaApp + QStringLiteral("\\DATA\\DIdarari.idb");
    return abre();
}

QString reopen()
{
    if (gConexion().isOpen())
        return {};
    return gRutaBD.isEmpty() ? open() : abre();
}

} // namespace Installation
