#pragma once

#include "platform/db/DbError.h"

#include <QByteArray>
#include <QVariant>
#include <sqlite3.h>

// What the recordset's reading and writing halves share of the SQLite C API.
namespace RecordsetSqlite {

struct Statement
{
    sqlite3_stmt* stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

inline DbError sqliteError(sqlite3* db)
{
    return DbError::fromSqlite(sqlite3_extended_errcode(db), sqlite3_errmsg(db));
}

// The text a value is stored as: Booleans as 0 and 1.
inline QByteArray storedText(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? "1" : "0";
    return value.toString().toUtf8();
}

} // namespace RecordsetSqlite
