#include "platform/db/DbError.h"

#include <QRegularExpression>
#include <sqlite3.h>

namespace {

// SQLITE_ERROR covers what a query asks of the file; name the missing part in Spanish.
QString queryErrorDescription(const QString& detail)
{
    static const QRegularExpression missing(QStringLiteral("^no such (table|column|function): *(.*)$"));
    const QRegularExpressionMatch m = missing.match(detail);
    if (m.hasMatch()) {
        const QString what = m.captured(1);
        const QString name = m.captured(2).trimmed();
        if (what == QLatin1String("table"))
            return QStringLiteral("La base de datos no tiene la tabla «%1»").arg(name);
        if (what == QLatin1String("column"))
            return QStringLiteral("La base de datos no tiene el campo «%1»").arg(name);
        return QStringLiteral("La base de datos no conoce la función «%1»").arg(name);
    }
    if (detail.contains(QLatin1String("syntax error")) || detail.contains(QLatin1String("unrecognized token"))
        || detail.contains(QLatin1String("incomplete input")))
        return QStringLiteral("La consulta a la base de datos no está bien escrita");
    return QStringLiteral("La base de datos no ha podido atender la consulta");
}

} // namespace

QString DbError::sqliteDescription(int resultCode, const QString& englishDetail)
{
    switch (resultCode & 0xff) {
    case SQLITE_OK:
        return {};
    case SQLITE_ERROR:
        return queryErrorDescription(englishDetail);
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("No tiene permiso para usar el archivo de la base de datos");
    case SQLITE_ABORT:
    case SQLITE_INTERRUPT:
        return QStringLiteral("La operación con la base de datos se ha interrumpido");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral(
            "La base de datos está bloqueada por otro programa; inténtelo de nuevo más tarde");
    case SQLITE_NOMEM:
        return QStringLiteral("No hay memoria suficiente para trabajar con la base de datos");
    case SQLITE_READONLY:
        return QStringLiteral("La base de datos es de solo lectura: no se pueden guardar cambios en ella");
    case SQLITE_IOERR:
        return QStringLiteral("No se ha podido leer o escribir el archivo de la base de datos");
    case SQLITE_CORRUPT:
        return QStringLiteral("El archivo de la base de datos está dañado");
    case SQLITE_FULL:
        return QStringLiteral("El disco está lleno: no se pueden guardar cambios en la base de datos");
    case SQLITE_CANTOPEN:
        return QStringLiteral("No se puede abrir el archivo de la base de datos");
    case SQLITE_NOTADB:
        return QStringLiteral("El archivo no es una base de datos: está dañado o es de otro tipo");
    case SQLITE_TOOBIG:
        return QStringLiteral("El dato es demasiado grande para la base de datos");
    case SQLITE_CONSTRAINT:
        return QStringLiteral("La base de datos no admite ese valor");
    case SQLITE_MISMATCH:
        return QStringLiteral("El tipo del dato no es el del campo");
    case SQLITE_NOLFS:
        return QStringLiteral("El archivo de la base de datos es demasiado grande para este sistema");
    case SQLITE_SCHEMA:
        return QStringLiteral("La estructura de la base de datos ha cambiado; inténtelo de nuevo");
    default:
        return QStringLiteral("Error interno de la base de datos (%1)").arg(resultCode);
    }
}

DbError DbError::fromSqlite(int resultCode, const char* englishDetail)
{
    const QString detail = englishDetail ? QString::fromUtf8(englishDetail) : QString();
    return DbError(Failed, sqliteDescription(resultCode, detail), resultCode);
}

bool DbError::isLocked() const
{
    const int primary = m_sqliteCode & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

bool DbError::isDamaged() const
{
    const int primary = m_sqliteCode & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}
