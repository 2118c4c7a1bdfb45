#pragma once

#include "platform/db/DbError.h"

#include <QByteArray>
#include <QVariant>
#include <sqlite3.h>
#include <vector>

// What the recordset's reading and writing halves share of the SQLite C API.
namespace RecordsetSqlite {

struct Statement
{
    sqlite3_stmt* stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

// The detail column of each row of EXPLAIN QUERY PLAN for `sql`; nothing when it cannot be planned.
inline std::vector<QByteArray> queryPlan(sqlite3* db, const QByteArray& sql)
{
    const QByteArray explain = "EXPLAIN QUERY PLAN " + sql;
    Statement s;
    std::vector<QByteArray> details;
    if (sqlite3_prepare_v2(db, explain.constData(), int(explain.size()), &s.stmt, nullptr) != SQLITE_OK)
        return details;
    while (sqlite3_step(s.stmt) == SQLITE_ROW)
        details.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(s.stmt, 3)));
    return details;
}

// A plan step that reads the whole of `table` in rowid order.
inline bool isWholeTableScan(const QByteArray& detail, const QByteArray& table)
{
    return detail == "SCAN " + table || detail == "SCAN TABLE " + table;
}

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
