#include "platform/db/ScanReader.h"

#include "platform/db/RecordsetSqlite.h"
#include "platform/db/SpanishText.h"

#include <QThread>
#include <algorithm>
#include <limits>
#include <sqlite3.h>
#include <thread>

namespace ScanReader {
namespace {

using RecordsetSqlite::queryPlan;
using RecordsetSqlite::Statement;

constexpr int kMostParts = 8;
// A part reads pages once, in order: a small cache is enough.
constexpr const char* kPartCache = "PRAGMA cache_size = -256";

struct Database
{
    sqlite3* db = nullptr;
    ~Database() { sqlite3_close_v2(db); }
};

bool isWholeTableScan(const std::vector<QByteArray>& details, const QByteArray& table)
{
    return details.size() == 1 && RecordsetSqlite::isWholeTableScan(details.front(), table);
}

bool isRowidRange(const std::vector<QByteArray>& details)
{
    return details.size() == 1 && details.front().startsWith("SEARCH ")
        && details.front().contains("USING INTEGER PRIMARY KEY (rowid>? AND rowid<?)");
}

QByteArray quotedName(const QByteArray& name)
{
    return '"' + QByteArray(name).replace('"', "\"\"") + '"';
}

std::optional<std::pair<qint64, qint64>> rowidSpan(sqlite3* db, const QByteArray& table)
{
    const QByteArray sql = "SELECT min(rowid), max(rowid) FROM main." + quotedName(table);
    Statement s;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &s.stmt, nullptr) != SQLITE_OK
        || sqlite3_step(s.stmt) != SQLITE_ROW || sqlite3_column_type(s.stmt, 0) == SQLITE_NULL)
        return std::nullopt;
    return std::make_pair(sqlite3_column_int64(s.stmt, 0), sqlite3_column_int64(s.stmt, 1));
}

// Reads one part on `db` into `store`, reset for it; false when it could not be read whole.
bool readPart(sqlite3* db, const Plan& plan, size_t part, RowStore& store, std::atomic<bool>& stop)
{
    Statement s;
    if (sqlite3_prepare_v2(db, plan.partSql.constData(), int(plan.partSql.size()), &s.stmt, nullptr)
            != SQLITE_OK
        || sqlite3_column_count(s.stmt) != store.columnCount() + 1)
        return false;
    sqlite3_bind_int64(s.stmt, 1, plan.bounds[part]);
    sqlite3_bind_int64(s.stmt, 2, plan.bounds[part + 1]);
    return appendRows(s.stmt, sqlite3_step(s.stmt), true, store, &stop) == SQLITE_DONE;
}

bool readPartAlone(const Plan& plan, size_t part, RowStore& store, std::atomic<bool>& stop)
{
    Database d;
    if (sqlite3_open_v2(plan.path.constData(), &d.db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr)
            != SQLITE_OK
        || !SpanishText::install(d.db)
        || sqlite3_exec(d.db, kPartCache, nullptr, nullptr, nullptr) != SQLITE_OK)
        return false;
    return readPart(d.db, plan, part, store, stop);
}

} // namespace

int appendRows(sqlite3_stmt* stmt, int rc, bool keyed, RowStore& store, const std::atomic<bool>* stop)
{
    const int first = keyed ? 1 : 0;
    const int end = store.columnCount() + first;
    for (; rc == SQLITE_ROW; rc = sqlite3_step(stmt)) {
        if (keyed)
            store.beginRow(sqlite3_column_int64(stmt, 0));
        else
            store.beginRow();
        for (int c = first; c < end; ++c) {
            // Asked before the text is: reading it as text converts a number.
            const int type = sqlite3_column_type(stmt, c);
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
            store.appendCell(text, text ? sqlite3_column_bytes(stmt, c) : 0);
            if (type != SQLITE_TEXT && type != SQLITE_NULL)
                store.markNotText(c - first);
        }
        store.endRow();
        if (store.rowCount() == std::numeric_limits<int>::max())
            return SQLITE_TOOBIG;
        if (stop && (store.rowCount() & 0xFFF) == 0 && stop->load(std::memory_order_relaxed))
            return SQLITE_INTERRUPT;
    }
    return rc;
}

std::optional<Plan> plan(sqlite3* db, sqlite3_stmt* keyed, qint64 minimumSpan)
{
    const int parts = std::min(QThread::idealThreadCount(), kMostParts);
    const char* database = sqlite3_column_database_name(keyed, 0);
    const char* table = sqlite3_column_table_name(keyed, 0);
    const char* path = sqlite3_db_filename(db, "main");
    if (parts < 2 || !database || qstrcmp(database, "main") != 0 || !table || !path || !*path
        || !sqlite3_get_autocommit(db))
        return std::nullopt;
    // Another process's commit could fall between two parts read under write-ahead logging.
    {
        Statement s;
        if (sqlite3_prepare_v2(db, "PRAGMA main.journal_mode", -1, &s.stmt, nullptr) != SQLITE_OK
            || sqlite3_step(s.stmt) != SQLITE_ROW
            || qstricmp(reinterpret_cast<const char*>(sqlite3_column_text(s.stmt, 0)), "wal") == 0)
            return std::nullopt;
    }
    // Negative or extreme rowids are left to a single scan: their span could overflow.
    const auto span = rowidSpan(db, table);
    if (!span || span->first < 0 || span->second == std::numeric_limits<qint64>::max()
        || span->second - span->first < minimumSpan - 1)
        return std::nullopt;

    const QByteArray sql = sqlite3_sql(keyed);
    // LIMIT and OFFSET count rows of the whole result, not of each part.
    if (sql.contains(';') || sql.toUpper().contains("LIMIT") || !isWholeTableScan(queryPlan(db, sql), table))
        return std::nullopt;
    // The key comes first under a name of its own, so that the range can be asked of it from outside.
    const int key = sql.indexOf("rowid, ");
    if (key < 0)
        return std::nullopt;
    Plan p;
    p.partSql = "SELECT * FROM (" + sql.left(key) + "rowid AS tarvesa_key, " + sql.mid(key + 7)
        + ") WHERE tarvesa_key >= ?1 AND tarvesa_key < ?2";
    if (!isRowidRange(queryPlan(db, p.partSql)))
        return std::nullopt;

    p.path = path;
    const qint64 width = span->second - span->first + 1;
    for (int i = 0; i < parts; ++i)
        p.bounds.push_back(span->first + width / parts * i + std::min<qint64>(i, width % parts));
    p.bounds.push_back(span->second + 1);
    return p;
}

std::optional<RowStore> read(
    sqlite3* db, const Plan& plan, int columns, qint64 expectedRows, int initialsColumn)
{
    const size_t count = plan.bounds.size() - 1;
    std::vector<RowStore> stores(count);
    std::atomic<bool> stop = false;
    // Each part is written into a store on its own thread's stack, and put beside the others once read:
    // stores side by side, written at once, would share cache lines.
    const auto readOne = [&](size_t part, sqlite3* own) {
        RowStore store;
        const auto share = qint64(count);
        store.reset(columns, expectedRows / share + expectedRows / (share * 8), initialsColumn);
        const bool read
            = own ? readPart(own, plan, part, store, stop) : readPartAlone(plan, part, store, stop);
        stores[part] = std::move(store);
        return read;
    };
    std::vector<char> ok(count, 0);
    std::vector<std::thread> threads;
    threads.reserve(count - 1);
    try {
        for (size_t i = 1; i < count; ++i) {
            threads.emplace_back([&, i] {
                try {
                    ok[i] = readOne(i, nullptr);
                } catch (...) {
                    ok[i] = false;
                }
                if (!ok[i])
                    stop = true;
            });
        }
    } catch (...) {
        // No thread to be had: the parts started stop, and the caller reads on its own.
        stop = true;
        for (std::thread& t : threads)
            t.join();
        return std::nullopt;
    }
    try {
        ok[0] = readOne(0, db);
    } catch (...) {
        ok[0] = false;
    }
    if (!ok[0])
        stop = true;
    for (std::thread& t : threads)
        t.join();
    if (std::count(ok.begin(), ok.end(), 1) != qsizetype(count))
        return std::nullopt;
    qint64 rows = 0;
    for (const RowStore& store : stores)
        rows += store.rowCount();
    if (rows >= std::numeric_limits<int>::max())
        return std::nullopt;
    // The rows stay where each part read them.
    for (size_t i = 1; i < count; ++i)
        stores.front().append(std::move(stores[i]));
    return std::move(stores.front());
}

} // namespace ScanReader
