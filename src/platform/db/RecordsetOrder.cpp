#include "platform/db/ColumnSort.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/RowOrder.h"

#include <algorithm>
#include <new>

// Sorting: the rows already read are put in the order of a new ORDER BY, as SQLite orders them.

bool Recordset::reorder(const QString& sql)
{
    if (!m_open || !m_pending.empty() || !m_connection || !m_connection->isOpen() || !m_store.hasKeys()
        || RowOrder::withoutOrderBy(sql) != RowOrder::withoutOrderBy(m_source))
        return false;
    // Where SQLite would sort every row itself, the snapshot is sorted here; else SQLite gives the keys'
    // order (through an index, far faster than its sort).
    std::optional<bool> sorted = sortInMemory(sql);
    if (!sorted) {
        const QString keySql = RowOrder::keyQuery(sql);
        std::optional<std::vector<quint32>> order = keySql.isEmpty()
            ? std::nullopt
            : RowOrder::permutation(m_connection->handle(), keySql, m_store);
        if (order) {
            notify(Event::AboutToReset);
            m_order = std::move(*order);
        }
        sorted = order.has_value();
    }
    if (*sorted) {
        m_source = sql;
        m_current = 0;
        notify(Event::Reset);
    }
    return *sorted;
}

std::optional<bool> Recordset::sortInMemory(const QString& sql)
{
    if (RowOrder::keyQuery(sql).isEmpty() || m_columns.empty())
        return std::nullopt;
    sqlite3* db = m_connection->handle();
    const std::optional<RowOrder::Term> term = RowOrder::term(sql);
    int column = -1;
    if (term) {
        column = fieldIndex(term->name);
        if (column < 0 || !m_store.allText(column))
            return std::nullopt;
        const Column& c = m_columns[size_t(column)];
        if (QString::fromUtf8(c.origin).compare(term->name, Qt::CaseInsensitive) != 0
            || !RowOrder::sortsAfterScan(db, sql, c.table, c.origin))
            return std::nullopt;
    } else if (RowOrder::withoutOrderBy(sql) != sql.trimmed()
        || !RowOrder::scansInRowidOrder(db, sql, m_columns.front().table)) {
        return std::nullopt;
    }

    bool told = false;
    const auto target = [this, &told]() -> std::vector<quint32>& {
        notify(Event::AboutToReset);
        told = true;
        return m_order;
    };
    try {
        // The scan meets the rows in rowid order; they are stored so unless read in another order.
        std::vector<quint32> scanRank;
        if (!m_store.keysAscending()) {
            std::vector<std::pair<qint64, quint32>> keys(static_cast<size_t>(m_rowCount));
            for (size_t row = 0; row < keys.size(); ++row)
                keys[row] = {m_store.key(row), quint32(row)};
            std::sort(keys.begin(), keys.end());
            scanRank.resize(keys.size());
            for (size_t rank = 0; rank < keys.size(); ++rank)
                scanRank[keys[rank].second] = quint32(rank);
        }
        if (!term) {
            // Without an ORDER BY the scan's order is the order shown.
            std::vector<quint32>& order = target();
            if (scanRank.empty())
                std::vector<quint32>().swap(order);
            order.resize(scanRank.size());
            for (size_t row = 0; row < scanRank.size(); ++row)
                order[scanRank[row]] = quint32(row);
            return true;
        }
        const ColumnSort::Texts texts {
            [this, column](size_t row, bool* isNull) { return storedCellAt(row, column, isNull); },
            [this](size_t row) { m_store.prefetch(row); }};
        // The order shown is given up only once the new one is known, and its storage reused.
        ColumnSort::sort(size_t(m_rowCount), texts, scanRank, term->descending, target);
        return true;
    } catch (const std::bad_alloc&) {
        // No room to sort here: the order shown stands, and the caller reads the rows afresh.
        if (told)
            notify(Event::Reset);
        return false;
    }
}

void Recordset::visitColumn(
    int column, const std::function<void(int row, const QVariant& value)>& visit) const
{
    if (column < 0 || column >= int(m_columns.size()))
        return;
    std::vector<quint32> shownAt;
    if (!m_order.empty()) {
        shownAt.resize(m_order.size());
        for (size_t row = 0; row < m_order.size(); ++row)
            shownAt[m_order[row]] = quint32(row);
    }
    for (size_t at = 0; at < size_t(m_rowCount); ++at) {
        bool isNull = false;
        const QByteArrayView bytes = storedCellAt(at, column, &isNull);
        visit(shownAt.empty() ? int(at) : int(shownAt[at]), toVariant(column, bytes, isNull));
    }
}
