#pragma once

#include "platform/db/RowStore.h"

#include <QByteArray>
#include <atomic>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// Reading a statement's rows into a snapshot's storage, and reading a whole-table scan in parts:
// consecutive rowid ranges, each on a connection and a thread of its own, put end to end in the
// order one scan returns them.
namespace ScanReader {

// Appends the rows of `stmt`, from the one it stands on when `rc` is SQLITE_ROW, to `store`; when
// `keyed`, column 0 is the table key, kept as the row's key. Returns SQLite's final code: SQLITE_DONE
// once every row was read, SQLITE_INTERRUPT when `stop` was raised.
int appendRows(
    sqlite3_stmt* stmt, int rc, bool keyed, RowStore& store, const std::atomic<bool>* stop = nullptr);

// How a keyed statement (the table key as column 0) is read in parts.
struct Plan
{
    QByteArray path; // the database file
    QByteArray partSql; // the statement restricted to ?1 <= rowid < ?2
    std::vector<qint64> bounds; // part i covers [bounds[i], bounds[i + 1])
};

// A plan for `keyed`, already stepped to its first row on `db`, when reading it in parts gives what
// it gives: a full scan of one table of the main database in rowid order, without LIMIT, over at least
// `minimumSpan` rowids, on a file other connections can open with no transaction of `db` pending.
std::optional<Plan> plan(sqlite3* db, sqlite3_stmt* keyed, qint64 minimumSpan);

// Reads every part into one store, the first on `db` (which must keep `keyed`'s read open meanwhile, so no
// other writer commits between the parts) and the others each on a connection of its own; nothing when any
// part could not be read, and the caller then reads on its own. The store gathers the first letters of
// `initialsColumn` (RowStore::reset).
std::optional<RowStore> read(
    sqlite3* db, const Plan& plan, int columns, qint64 expectedRows, int initialsColumn = -1);

} // namespace ScanReader
