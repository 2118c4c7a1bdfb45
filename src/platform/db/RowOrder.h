#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

class RowStore;
struct sqlite3;

// Sorting a snapshot already in memory: SQLite gives only the order of the keys (through an index
// where there is one, so a million keys come back in a fraction of reading the rows), and the
// snapshot's rows are put in that order. The order is SQLite's own, ties and NULLs included.
namespace RowOrder {

// The text before a top-level ORDER BY (trimmed); the whole text when it has none.
QString withoutOrderBy(const QString& sql);

// "SELECT rowid FROM …" with the FROM, WHERE and ORDER BY of `sql`; empty when the query is not a
// plain SELECT over named columns that such a rewrite keeps equivalent.
QString keyQuery(const QString& sql);

// The one ORDER BY term of `sql` when it is a bare name with an optional direction.
struct Term
{
    QString name;
    bool descending = false;
};
std::optional<Term> term(const QString& sql);

// Whether SQLite runs `sql` as one scan of `table` in rowid order and nothing more.
bool scansInRowidOrder(sqlite3* db, const QString& sql, const QByteArray& table);

// Whether SQLite runs `sql` as one scan of `table` in rowid order and then a sort of its own by
// `column`, a column of that table compared in the Spanish order: the snapshot's rows can then be
// put in that order in memory (ties in the scan's order, as SQLite's sort keeps them).
bool sortsAfterScan(sqlite3* db, const QString& sql, const QByteArray& table, const QByteArray& column);

// The rows of `rows` (stored with their keys) in the order `keySql` returns their keys; nothing when
// the query fails or its keys are not exactly the snapshot's.
std::optional<std::vector<quint32>> permutation(sqlite3* db, const QString& keySql, const RowStore& rows);

} // namespace RowOrder
