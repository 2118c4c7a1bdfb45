#include "platform/db/RowOrder.h"

#include "platform/db/RecordsetSqlite.h"
#include "platform/db/RowStore.h"
#include "platform/db/SpanishText.h"
#include "platform/db/SqlText.h"

#include <QRegularExpression>
#include <algorithm>
#include <sqlite3.h>

namespace RowOrder {
namespace {

const QString kOrderBy = QStringLiteral("ORDER BY");

// "ORDER BY name", with ASC or DESC after it or not.
const QRegularExpression& namedTerm()
{
    static const QRegularExpression named(
        QStringLiteral("^ORDER\\s+BY\\s+([A-Za-z_][A-Za-z0-9_]*)(\\s+(ASC|DESC))?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    return named;
}

bool hasTextAffinity(const char* declaredType)
{
    const QByteArray type = QByteArray(declaredType).toUpper();
    return !type.contains("INT") && (type.contains("CHAR") || type.contains("CLOB") || type.contains("TEXT"));
}

// Where each key is stored: a dense table when the keys are close together, else a sorted list.
class KeyIndex
{
public:
    explicit KeyIndex(const RowStore& rows)
    {
        const auto count = size_t(rows.rowCount());
        if (count == 0 || !rows.hasKeys())
            return;
        qint64 lo = rows.key(0);
        qint64 hi = lo;
        for (size_t row = 1; row < count; ++row) {
            lo = std::min(lo, rows.key(row));
            hi = std::max(hi, rows.key(row));
        }
        m_min = lo;
        const quint64 span = quint64(hi - lo) + 1;
        if (span <= quint64(count) * 4 + 1024) {
            m_dense.assign(size_t(span), -1);
            for (size_t row = 0; row < count; ++row)
                m_dense[size_t(rows.key(row) - m_min)] = qint32(row);
        } else {
            m_sorted.reserve(count);
            for (size_t row = 0; row < count; ++row)
                m_sorted.emplace_back(rows.key(row), quint32(row));
            std::sort(m_sorted.begin(), m_sorted.end());
        }
    }

    // The stored row of `key`, or -1.
    qint64 rowOf(qint64 key) const
    {
        if (!m_dense.empty()) {
            if (key < m_min || quint64(key - m_min) >= m_dense.size())
                return -1;
            return m_dense[size_t(key - m_min)];
        }
        const auto it
            = std::lower_bound(m_sorted.begin(), m_sorted.end(), std::pair<qint64, quint32>(key, 0));
        return it != m_sorted.end() && it->first == key ? qint64(it->second) : -1;
    }

private:
    qint64 m_min = 0;
    std::vector<qint32> m_dense;
    std::vector<std::pair<qint64, quint32>> m_sorted;
};

} // namespace

QString withoutOrderBy(const QString& sql)
{
    const qsizetype pos = SqlText::indexOfKeyword(sql, kOrderBy);
    return (pos >= 0 ? sql.left(pos) : sql).trimmed();
}

std::optional<Term> term(const QString& sql)
{
    const qsizetype order = SqlText::indexOfKeyword(sql, kOrderBy);
    if (order < 0)
        return std::nullopt;
    const QRegularExpressionMatch m = namedTerm().match(sql.mid(order).trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    return Term {m.captured(1), m.captured(3).compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0};
}

bool scansInRowidOrder(sqlite3* db, const QString& sql, const QByteArray& table)
{
    const std::vector<QByteArray> plan = RecordsetSqlite::queryPlan(db, sql.toUtf8());
    return plan.size() == 1 && RecordsetSqlite::isWholeTableScan(plan.front(), table);
}

bool sortsAfterScan(sqlite3* db, const QString& sql, const QByteArray& table, const QByteArray& column)
{
    // Text affinity: whatever is written there is stored as text (a blob aside, which the snapshot tells).
    const char* type = nullptr;
    const char* collation = nullptr;
    if (sqlite3_table_column_metadata(
            db, nullptr, table.constData(), column.constData(), &type, &collation, nullptr, nullptr, nullptr)
            != SQLITE_OK
        || !collation || qstricmp(collation, SpanishText::kCollation) != 0 || !hasTextAffinity(type))
        return false;
    const std::vector<QByteArray> plan = RecordsetSqlite::queryPlan(db, sql.toUtf8());
    return plan.size() == 2 && RecordsetSqlite::isWholeTableScan(plan.front(), table)
        && plan.back() == "USE TEMP B-TREE FOR ORDER BY";
}

QString keyQuery(const QString& sql)
{
    static const QRegularExpression select(
        QStringLiteral("^\\s*SELECT\\s+(?!DISTINCT\\b|ALL\\b)"), QRegularExpression::CaseInsensitiveOption);
    if (!select.match(sql).hasMatch())
        return {};
    const qsizetype from = SqlText::indexOfKeyword(sql, QStringLiteral("FROM"));
    if (from < 0)
        return {};
    // A term by position or by an alias of the select list means nothing once the list is gone.
    const qsizetype order = SqlText::indexOfKeyword(sql, kOrderBy, from);
    if (order >= 0) {
        if (!namedTerm().match(sql.mid(order).trimmed()).hasMatch())
            return {};
        static const QRegularExpression alias(
            QStringLiteral("\\bAS\\b"), QRegularExpression::CaseInsensitiveOption);
        if (alias.match(sql.left(from)).hasMatch())
            return {};
    }
    return QStringLiteral("SELECT rowid ") + sql.mid(from);
}

std::optional<std::vector<quint32>> permutation(sqlite3* db, const QString& keySql, const RowStore& rows)
{
    const QByteArray utf8 = keySql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return std::nullopt;
    }
    const KeyIndex index(rows);
    const auto count = size_t(rows.rowCount());
    std::vector<quint32> order;
    order.reserve(count);
    std::vector<bool> seen(count, false);
    int rc = SQLITE_ERROR;
    bool same = true;
    while (same && (rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        const qint64 row = index.rowOf(sqlite3_column_int64(stmt, 0));
        same = row >= 0 && !seen[size_t(row)];
        if (same) {
            seen[size_t(row)] = true;
            order.push_back(quint32(row));
        }
    }
    sqlite3_finalize(stmt);
    if (!same || rc != SQLITE_DONE || order.size() != count)
        return std::nullopt;
    return order;
}

} // namespace RowOrder
