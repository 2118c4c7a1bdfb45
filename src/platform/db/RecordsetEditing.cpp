#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/RecordsetSqlite.h"

// Writing: fields of the current record, stored by the row's key, and another writer's change read back.

using RecordsetSqlite::sqliteError;
using RecordsetSqlite::Statement;
using RecordsetSqlite::storedText;

void Recordset::setValue(int index, const QVariant& value)
{
    requireCurrent();
    if (index < 0 || index >= int(m_columns.size()))
        throw DbError(DbError::BadCriterion,
            QStringLiteral("No se encontró el elemento %1 en la colección").arg(index));
    if (!m_store.hasKeys() || m_columns[size_t(index)].origin.isEmpty())
        throw DbError(
            DbError::NotUpdatable, QStringLiteral("El conjunto de registros no se puede actualizar"));
    m_pending[index] = value;
}

void Recordset::cancelUpdate()
{
    m_pending.clear();
}

void Recordset::update()
{
    if (m_pending.empty())
        return;
    requireCurrent();
    const std::map<int, QVariant> pending = std::move(m_pending);
    m_pending.clear();
    if (!m_connection || !m_connection->isOpen())
        throw DbError(
            DbError::NotAllowedWhenClosed, QStringLiteral("La conexión con la base de datos está cerrada"));

    QByteArray table;
    QByteArray sql = "UPDATE \"";
    QList<QByteArray> sets;
    QList<QByteArray> unchanged;
    for (const auto& [index, value] : pending) {
        table = m_columns[size_t(index)].table;
        const QByteArray column = '"' + m_columns[size_t(index)].origin + '"';
        sets.append(column + "=?");
        // Byte for byte as read: the columns' own collation would take "Nota" and "NOTA" as equal.
        unchanged.append("CAST(" + column + " AS TEXT) COLLATE BINARY IS ?");
    }
    sql += table + "\" SET " + sets.join(", ") + " WHERE rowid=? AND " + unchanged.join(" AND ");

    sqlite3* db = m_connection->handle();
    Statement st;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st.stmt, nullptr) != SQLITE_OK)
        throw sqliteError(db);
    int param = 1;
    for (const auto& [index, value] : pending) {
        if (!value.isValid() || value.isNull())
            sqlite3_bind_null(st.stmt, param);
        else if (value.typeId() == QMetaType::Bool)
            sqlite3_bind_int(st.stmt, param, value.toBool() ? 1 : 0);
        else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong)
            sqlite3_bind_int64(st.stmt, param, value.toLongLong());
        else if (value.typeId() == QMetaType::Double)
            sqlite3_bind_double(st.stmt, param, value.toDouble());
        else {
            const QByteArray text = value.toString().toUtf8();
            sqlite3_bind_text(st.stmt, param, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        ++param;
    }
    const qint64 key = m_store.key(stored(m_current));
    sqlite3_bind_int64(st.stmt, param++, key);
    for (const auto& [index, value] : pending) {
        bool isNull = false;
        const QByteArrayView read = cellAt(m_current, index, &isNull);
        if (isNull)
            sqlite3_bind_null(st.stmt, param++);
        else
            sqlite3_bind_text(st.stmt, param++, read.data(), int(read.size()), SQLITE_TRANSIENT);
    }
    if (sqlite3_step(st.stmt) != SQLITE_DONE)
        throw sqliteError(db);
    if (sqlite3_changes(db) == 0)
        throw changedElsewhere(table, key);

    for (const auto& [index, value] : pending) {
        const quint64 cell = quint64(stored(m_current)) * m_columns.size() + quint64(index);
        const bool isNull = !value.isValid() || value.isNull();
        m_edited[cell] = isNull ? nullptr : std::make_unique<QByteArray>(storedText(value));
        initialEdited(stored(m_current), index);
    }
    notify(Event::RowChanged, m_current);
}

DbError Recordset::changedElsewhere(const QByteArray& table, qint64 key) const
{
    sqlite3* db = m_connection->handle();
    const QByteArray sql = "SELECT 1 FROM \"" + table + "\" WHERE rowid=?";
    Statement st;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st.stmt, nullptr) != SQLITE_OK)
        return sqliteError(db);
    sqlite3_bind_int64(st.stmt, 1, key);
    const int rc = sqlite3_step(st.stmt);
    if (rc == SQLITE_DONE)
        return DbError(DbError::RecordDeleted,
            QStringLiteral("El registro ya no está en la base de datos: otro programa lo ha borrado"));
    if (rc != SQLITE_ROW)
        return sqliteError(db);
    return DbError(DbError::ChangedElsewhere,
        QStringLiteral("Otro programa ha cambiado el registro desde que se leyó: no se ha guardado nada"));
}

std::optional<qint64> Recordset::keyAt(int row) const
{
    if (row < 0 || row >= m_rowCount || !m_store.hasKeys())
        return std::nullopt;
    return m_store.key(stored(row));
}

int Recordset::resync(qint64 key)
{
    requireOpen();
    std::vector<int> rows;
    for (int r = 0; m_store.hasKeys() && r < m_rowCount; ++r) {
        if (m_store.key(stored(r)) == key)
            rows.push_back(r);
    }
    if (rows.empty() || !m_connection || !m_connection->isOpen())
        return 0;

    QByteArray table;
    QList<QByteArray> origins;
    std::vector<int> columns;
    for (size_t c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].origin.isEmpty())
            continue;
        table = m_columns[c].table;
        origins.append('"' + m_columns[c].origin + '"');
        columns.push_back(int(c));
    }
    if (columns.empty())
        return 0;
    const QByteArray sql = "SELECT " + origins.join(", ") + " FROM \"" + table + "\" WHERE rowid=?";
    sqlite3* db = m_connection->handle();
    Statement st;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st.stmt, nullptr) != SQLITE_OK)
        throw sqliteError(db);
    sqlite3_bind_int64(st.stmt, 1, key);
    const int rc = sqlite3_step(st.stmt);
    if (rc == SQLITE_DONE)
        return 0; // gone from the table: the snapshot keeps what it read
    if (rc != SQLITE_ROW)
        throw sqliteError(db);

    for (size_t i = 0; i < columns.size(); ++i) {
        const int type = sqlite3_column_type(st.stmt, int(i));
        if (type != SQLITE_TEXT && type != SQLITE_NULL)
            m_store.markNotText(columns[i]);
    }
    for (const int row : rows) {
        for (size_t i = 0; i < columns.size(); ++i) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st.stmt, int(i)));
            const QByteArrayView stored
                = text ? QByteArrayView(text, sqlite3_column_bytes(st.stmt, int(i))) : QByteArrayView();
            const int column = columns[i];
            if (isNullAt(row, column) == !text && bytesAt(row, column) == stored)
                continue;
            const quint64 cell = quint64(this->stored(row)) * m_columns.size() + quint64(column);
            m_edited[cell] = text ? std::make_unique<QByteArray>(stored.toByteArray()) : nullptr;
            initialEdited(this->stored(row), column);
        }
        notify(Event::RowChanged, row);
    }
    return int(rows.size());
}

void Recordset::commitPendingOnMove()
{
    if (!m_pending.empty())
        update();
}
