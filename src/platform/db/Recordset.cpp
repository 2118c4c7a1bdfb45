#include "platform/db/Recordset.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/FindCriterion.h"
#include "platform/db/RecordsetSqlite.h"
#include "platform/db/ScanReader.h"

#include <QRegularExpression>
#include <limits>
#include <sqlite3.h>
#include <utility>

using RecordsetSqlite::sqliteError;
using RecordsetSqlite::Statement;

namespace {

Field::Type typeFromDeclaration(const char* decl)
{
    const QByteArray d = QByteArray(decl ? decl : "").toUpper();
    if (d.contains("BOOL") || d == "BIT" || d.contains("YESNO"))
        return Field::Type::Boolean;
    if (d.contains("INT"))
        return Field::Type::Integer;
    if (d.contains("REAL") || d.contains("DOUB") || d.contains("FLOA"))
        return Field::Type::Double;
    return Field::Type::Text;
}

// "SELECT a, b FROM t ..." -> "SELECT rowid, a, b FROM t ..."; empty when the statement cannot take it.
QString withKeyColumn(const QString& sql)
{
    static const QRegularExpression select(
        QStringLiteral("^\\s*SELECT\\s+(?!DISTINCT\\b|ALL\\b)"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = select.match(sql);
    if (!m.hasMatch())
        return {};
    return sql.left(m.capturedEnd()) + QStringLiteral("rowid, ") + sql.mid(m.capturedEnd());
}

} // namespace

Recordset::~Recordset()
{
    notify(Event::Destroyed);
}

void Recordset::clearData()
{
    m_columns.clear();
    m_rowCount = 0;
    m_current = 0;
    m_store.clear();
    m_order.clear();
    m_initials.clear();
    m_initialsColumn = -1;
    m_edited.clear();
    m_pending.clear();
}

void Recordset::open(const QString& sql, Connection& connection, SizeHint hint)
{
    read(sql, connection, hint, false);
}

void Recordset::replace(const QString& sql, Connection& connection, SizeHint hint)
{
    read(sql, connection, hint, true);
}

void Recordset::read(const QString& sql, Connection& connection, SizeHint hint, bool keepOnEarlyFailure)
{
    const auto startOver = [&] {
        notify(Event::AboutToReset);
        m_open = false;
        clearData();
        m_source = sql;
        m_connection = &connection;
    };
    if (!keepOnEarlyFailure)
        startOver();

    // Up to the first row nothing held is touched when the caller keeps it on failure.
    Statement plain;
    Statement keyed;
    std::vector<Column> columns;
    sqlite3_stmt* stmt = nullptr;
    int first = 0;
    int rc = SQLITE_DONE;
    sqlite3* db = connection.handle();
    try {
        if (!connection.isOpen())
            throw DbError(DbError::NotAllowedWhenClosed,
                QStringLiteral("No se puede realizar la operación: la conexión está cerrada"));
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &plain.stmt, nullptr) != SQLITE_OK)
            throw sqliteError(db);
        const int count = sqlite3_column_count(plain.stmt);
        if (count == 0)
            throw DbError(DbError::Failed, QStringLiteral("La instrucción no devuelve registros"));

        // Updatable when every column comes from one table and the key can be fetched beside them.
        QByteArray table;
        bool singleTable = true;
        for (int c = 0; c < count; ++c) {
            const char* t = sqlite3_column_table_name(plain.stmt, c);
            if (!t || (c > 0 && table != t)) {
                singleTable = false;
                break;
            }
            table = t;
        }
        if (singleTable) {
            const QByteArray keyedSql = withKeyColumn(sql).toUtf8();
            if (keyedSql.isEmpty()
                || sqlite3_prepare_v2(db, keyedSql.constData(), int(keyedSql.size()), &keyed.stmt, nullptr)
                    != SQLITE_OK
                || sqlite3_column_count(keyed.stmt) != count + 1
                || qstrcmp(sqlite3_column_table_name(keyed.stmt, 0), table.constData()) != 0) {
                sqlite3_finalize(keyed.stmt);
                keyed.stmt = nullptr;
            }
        }
        stmt = keyed.stmt ? keyed.stmt : plain.stmt;
        first = keyed.stmt ? 1 : 0;

        columns.resize(size_t(count));
        for (int c = 0; c < count; ++c) {
            Column& col = columns[size_t(c)];
            col.name = QString::fromUtf8(sqlite3_column_name(stmt, c + first));
            col.type = typeFromDeclaration(sqlite3_column_decltype(stmt, c + first));
            if (const char* t = sqlite3_column_table_name(stmt, c + first))
                col.table = t;
            if (const char* o = sqlite3_column_origin_name(stmt, c + first))
                col.origin = o;
        }
        rc = sqlite3_step(stmt);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            throw sqliteError(db);
    } catch (...) {
        if (!keepOnEarlyFailure) {
            clearData();
            notify(Event::Reset);
        }
        throw;
    }

    // The rows arrive: what was held gives way, so the two never stand in memory together.
    if (keepOnEarlyFailure)
        startOver();
    const int count = int(columns.size());
    m_columns = std::move(columns);
    const int initialsColumn = m_searchColumn.isEmpty() ? -1 : fieldIndex(m_searchColumn);
    try {
        if (rc == SQLITE_ROW) {
            // Expressions have no declared type: take the one of the first row.
            for (int c = 0; c < count; ++c) {
                if (sqlite3_column_decltype(stmt, c + first))
                    continue;
                const int t = sqlite3_column_type(stmt, c + first);
                m_columns[size_t(c)].type = t == SQLITE_INTEGER ? Field::Type::Integer
                    : t == SQLITE_FLOAT                         ? Field::Type::Double
                                                                : Field::Type::Text;
            }
        }
        if (!(rc == SQLITE_ROW && first && readInParts(stmt, hint, initialsColumn))) {
            m_store.reset(count, hint.rows, initialsColumn);
            rc = ScanReader::appendRows(stmt, rc, first, m_store);
            if (rc == SQLITE_TOOBIG)
                throw DbError(DbError::Failed, QStringLiteral("El resultado es demasiado grande"));
            if (rc != SQLITE_DONE)
                throw sqliteError(db);
        }
        m_rowCount = int(m_store.rowCount());
        if (initialsColumn >= 0) {
            m_initials = m_store.takeInitials();
            m_initialsColumn = initialsColumn;
        }
        m_open = true;
        m_current = 0;
    } catch (...) {
        clearData();
        notify(Event::Reset);
        throw;
    }
    notify(Event::Reset);
}

bool Recordset::readInParts(sqlite3_stmt* keyed, SizeHint hint, int initialsColumn)
{
    sqlite3* db = m_connection->handle();
    const std::optional<ScanReader::Plan> plan = ScanReader::plan(db, keyed, kPartedScanRows);
    if (!plan)
        return false;
    const qint64 expected = hint.rows > 0 ? hint.rows : plan->bounds.back() - plan->bounds.front();
    std::optional<RowStore> store
        = ScanReader::read(db, *plan, int(m_columns.size()), expected, initialsColumn);
    if (!store)
        return false;
    m_store = std::move(*store);
    return true;
}

void Recordset::close()
{
    if (!m_open)
        return;
    notify(Event::AboutToReset);
    m_open = false;
    clearData();
    notify(Event::Reset);
}

void Recordset::requery()
{
    requireOpen();
    open(m_source, *m_connection, sizeHint());
}

void Recordset::adopt(Recordset& other)
{
    if (&other == this)
        return;
    notify(Event::AboutToReset);
    m_open = std::exchange(other.m_open, false);
    m_source = std::move(other.m_source);
    m_connection = other.m_connection;
    m_columns = std::move(other.m_columns);
    m_rowCount = std::exchange(other.m_rowCount, 0);
    m_current = std::exchange(other.m_current, 0);
    m_store = std::move(other.m_store);
    m_order = std::move(other.m_order);
    m_initials = std::move(other.m_initials);
    m_initialsColumn = std::exchange(other.m_initialsColumn, -1);
    m_edited = std::move(other.m_edited);
    m_pending = std::move(other.m_pending);
    other.clearData();
    other.m_source.clear();
    notify(Event::Reset);
}

void Recordset::requireOpen() const
{
    if (!m_open)
        throw DbError(DbError::NotAllowedWhenClosed,
            QStringLiteral("No se permite realizar la operación si el objeto está cerrado"));
}

void Recordset::requireCurrent() const
{
    requireOpen();
    if (m_current < 0 || m_current >= m_rowCount)
        throw DbError(DbError::NoCurrentRecord, QStringLiteral("No hay registro actual"));
}

int Recordset::recordCount() const
{
    requireOpen();
    return m_rowCount;
}

bool Recordset::isBOF() const
{
    requireOpen();
    return m_current < 0 || m_rowCount == 0;
}

bool Recordset::isEOF() const
{
    requireOpen();
    return m_current >= m_rowCount;
}

int Recordset::absolutePosition() const
{
    if (isEOF())
        return PosEOF;
    if (m_current < 0)
        return PosBOF;
    return m_current + 1;
}

void Recordset::setAbsolutePosition(int position)
{
    requireOpen();
    if (position < 1 || position > m_rowCount)
        throw DbError(DbError::ArgumentOutOfRange, QStringLiteral("Posición fuera del intervalo permitido"));
    commitPendingOnMove();
    m_current = position - 1;
}

void Recordset::moveFirst()
{
    requireOpen();
    commitPendingOnMove();
    m_current = 0;
}

void Recordset::moveLast()
{
    requireOpen();
    commitPendingOnMove();
    m_current = m_rowCount > 0 ? m_rowCount - 1 : 0;
}

void Recordset::moveNext()
{
    if (isEOF())
        throw DbError(DbError::NoCurrentRecord, QStringLiteral("No hay registro actual"));
    commitPendingOnMove();
    ++m_current;
}

void Recordset::movePrevious()
{
    if (isBOF())
        throw DbError(DbError::NoCurrentRecord, QStringLiteral("No hay registro actual"));
    commitPendingOnMove();
    --m_current;
}

int Recordset::fieldCount() const
{
    requireOpen();
    return int(m_columns.size());
}

int Recordset::fieldIndex(const QString& name) const
{
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

Field Recordset::field(int index)
{
    requireOpen();
    if (index < 0 || index >= int(m_columns.size()))
        throw DbError(DbError::BadCriterion,
            QStringLiteral("No se encontró el elemento %1 en la colección").arg(index));
    return Field(this, index);
}

Field Recordset::field(const QString& name)
{
    requireOpen();
    const int index = fieldIndex(name);
    if (index < 0)
        throw DbError(DbError::BadCriterion, QStringLiteral("No se encontró el campo «%1»").arg(name));
    return Field(this, index);
}

QString Recordset::fieldName(int index) const
{
    return index >= 0 && index < int(m_columns.size()) ? m_columns[size_t(index)].name : QString();
}

Field::Type Recordset::fieldType(int index) const
{
    return index >= 0 && index < int(m_columns.size()) ? m_columns[size_t(index)].type : Field::Type::Text;
}

QByteArrayView Recordset::cellAt(int row, int column, bool* isNull) const
{
    return storedCellAt(stored(row), column, isNull);
}

QByteArrayView Recordset::storedCellAt(size_t at, int column, bool* isNull) const
{
    if (!m_edited.empty()) {
        const auto it = m_edited.find(quint64(at * m_columns.size() + size_t(column)));
        if (it != m_edited.end()) {
            *isNull = !it->second;
            return it->second ? QByteArrayView(*it->second) : QByteArrayView();
        }
    }
    return m_store.text(at, column, isNull);
}

const std::vector<char>& Recordset::initials(int column) const
{
    if (m_initialsColumn == column && m_initials.size() == size_t(m_rowCount))
        return m_initials;
    m_initials.assign(size_t(m_rowCount), 0);
    // In stored order: the rows are read where they lie, whatever order they are shown in.
    for (size_t at = 0; at < size_t(m_rowCount); ++at) {
        bool isNull = false;
        const QByteArrayView text = storedCellAt(at, column, &isNull);
        m_initials[at] = RowStore::initialOf(text, isNull);
    }
    m_initialsColumn = column;
    return m_initials;
}

void Recordset::initialEdited(size_t at, int column)
{
    if (column != m_initialsColumn || at >= m_initials.size())
        return;
    bool isNull = false;
    const QByteArrayView text = storedCellAt(at, column, &isNull);
    m_initials[at] = RowStore::initialOf(text, isNull);
}

QByteArrayView Recordset::bytesAt(int row, int column) const
{
    bool isNull = false;
    return cellAt(row, column, &isNull);
}

bool Recordset::isNullAt(int row, int column) const
{
    bool isNull = false;
    cellAt(row, column, &isNull);
    return isNull;
}

QVariant Recordset::toVariant(int column, QByteArrayView bytes, bool isNull) const
{
    if (isNull)
        return {};
    bool ok = false;
    switch (m_columns[size_t(column)].type) {
    case Field::Type::Boolean: {
        const qlonglong v = bytes.toLongLong(&ok);
        if (ok)
            return v != 0;
        break;
    }
    case Field::Type::Integer: {
        const qlonglong v = bytes.toLongLong(&ok);
        if (ok)
            return v;
        break;
    }
    case Field::Type::Double: {
        const double v = bytes.toDouble(&ok);
        if (ok)
            return v;
        break;
    }
    case Field::Type::Text:
        break;
    }
    return QString::fromUtf8(bytes);
}

QVariant Recordset::valueAt(int row, int column) const
{
    bool isNull = false;
    const QByteArrayView bytes = cellAt(row, column, &isNull);
    return toVariant(column, bytes, isNull);
}

QString Recordset::displayText(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("Verdadero") : QStringLiteral("Falso");
    return value.toString();
}

QString Recordset::textAt(int row, int column) const
{
    bool isNull = false;
    const QByteArrayView bytes = cellAt(row, column, &isNull);
    if (isNull)
        return {};
    if (m_columns[size_t(column)].type == Field::Type::Text)
        return QString::fromUtf8(bytes);
    return displayText(toVariant(column, bytes, false));
}

QVariant Recordset::currentValue(int index) const
{
    requireCurrent();
    const auto pending = m_pending.find(index);
    if (pending != m_pending.end())
        return pending->second;
    return valueAt(m_current, index);
}

bool Recordset::currentIsNull(int index) const
{
    const QVariant v = currentValue(index);
    return !v.isValid() || v.isNull();
}

QList<QVariantList> Recordset::getRows()
{
    requireCurrent();
    commitPendingOnMove();
    QList<QVariantList> rows(qsizetype(m_columns.size()));
    for (int c = 0; c < int(m_columns.size()); ++c) {
        QVariantList& values = rows[c];
        values.reserve(m_rowCount - m_current);
        for (int r = m_current; r < m_rowCount; ++r)
            values.append(valueAt(r, c));
    }
    m_current = m_rowCount;
    return rows;
}

void Recordset::find(const QString& criterion, int skip)
{
    requireCurrent();
    const FindCriterion c = FindCriterion::parse(criterion);
    const int column = fieldIndex(c.field());
    if (column < 0)
        throw DbError(DbError::BadCriterion, QStringLiteral("No se encontró el campo «%1»").arg(c.field()));
    commitPendingOnMove();
    const bool numericColumn = m_columns[size_t(column)].type != Field::Type::Text;
    const char lead = numericColumn ? 0 : c.leadingAscii();
    const std::vector<char>* first = lead ? &initials(column) : nullptr;
    for (int r = qMax(0, m_current + skip); r < m_rowCount; ++r) {
        if (first) {
            const char f = (*first)[stored(r)];
            if (f != lead && f != 0x7F)
                continue;
        }
        bool isNull = false;
        const QByteArrayView bytes = cellAt(r, column, &isNull);
        if (isNull)
            continue;
        bool match;
        if (c.isNumeric() || (numericColumn && c.op() != FindCriterion::Op::Like)) {
            bool ok = false;
            const double number = bytes.toDouble(&ok);
            match = ok ? c.matchesNumber(number) : c.matchesText(bytes);
        } else {
            match = c.matchesText(bytes);
        }
        if (match) {
            m_current = r;
            return;
        }
    }
    m_current = m_rowCount;
}

qint64 Recordset::memoryBytes() const
{
    qint64 bytes
        = m_store.memoryBytes() + qint64(m_order.capacity() * sizeof(quint32) + m_initials.capacity());
    for (const auto& [cell, value] : m_edited)
        bytes += qint64(sizeof(cell)) + (value ? value->capacity() : 0);
    return bytes;
}

int Recordset::addObserver(Observer observer)
{
    const int id = m_nextObserver++;
    m_observers.emplace(id, std::move(observer));
    return id;
}

void Recordset::removeObserver(int id)
{
    m_observers.erase(id);
}

void Recordset::notify(Event event, int row)
{
    // Copy: an observer may remove itself while being told.
    const auto observers = m_observers;
    for (const auto& [id, observer] : observers)
        observer(event, row);
}
