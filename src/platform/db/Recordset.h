#pragma once

#include "platform/db/Field.h"
#include "platform/db/RowStore.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class Connection;
class DbError;
struct sqlite3_stmt;

// A client-side static snapshot of a query: every row is read once into compact storage, so the
// record count is exact and any position can be reached at once. The current row can be written
// back to its table, identified by its key, which is fetched as a hidden column.
class Recordset
{
public:
    enum Position { PosUnknown = -1, PosBOF = -2, PosEOF = -3 };
    enum class Event { AboutToReset, Reset, RowChanged, Destroyed };
    using Observer = std::function<void(Event, int row)>;

    Recordset() = default;
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // What a caller expects a result to hold, so its storage is allocated once (e.g. when the same
    // companies come back in another order).
    struct SizeHint
    {
        qint64 rows = 0;
    };
    SizeHint sizeHint() const { return {qint64(m_store.rowCount())}; }

    // Runs `sql` on `connection` and reads all its rows. Throws DbError; the recordset is then closed.
    void open(const QString& sql, Connection& connection) { open(sql, connection, SizeHint()); }
    void open(const QString& sql, Connection& connection, SizeHint hint);
    // As open, for a result that takes the place of the one held: a query that fails before its
    // first row leaves the held rows as they were; past that they are released before the new ones
    // are read, so the two are never in memory together (a later failure closes the recordset).
    void replace(const QString& sql, Connection& connection, SizeHint hint);
    void close();
    void requery();
    // Puts the rows already read in the order of `sql`, which differs from the source only in its
    // ORDER BY, as SQLite orders them; `sql` becomes the source. False (nothing changed) when that
    // cannot be done exactly: the caller then opens `sql` afresh.
    bool reorder(const QString& sql);
    // Takes over the content of `other` (left closed), telling this recordset's observers.
    // Lets a caller run a query aside and replace what is shown only when it succeeded.
    void adopt(Recordset& other);

    bool isOpen() const { return m_open; }
    QString source() const { return m_source; }
    Connection* activeConnection() const { return m_connection; }

    int recordCount() const;
    bool isBOF() const;
    bool isEOF() const;
    int absolutePosition() const;
    void setAbsolutePosition(int position);
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();

    int fieldCount() const;
    Field field(int index);
    Field field(const QString& name);
    int fieldIndex(const QString& name) const;
    QString fieldName(int index) const;
    Field::Type fieldType(int index) const;

    // All rows from the current one to the end, field-major ([field][record]); ends at EOF.
    QList<QVariantList> getRows();

    // Forward search from the current record (after skipping `skip` records) for the first record
    // matching an ADO-style criterion: "field op value", op one of = <> < > <= >= LIKE, the value
    // quoted with apostrophes (doubled inside), LIKE with * or % as wildcards and [x] for a literal x.
    // Ends at EOF when nothing matches.
    void find(const QString& criterion, int skip = 0);

    // Writes of the current record: kept pending until update(), which stores them in the table only
    // while the table still holds there what was read (else DbError ChangedElsewhere or RecordDeleted).
    void setValue(int index, const QVariant& value);
    void update();
    void cancelUpdate();
    bool isUpdatable() const { return m_store.hasKeys() || m_rowCount == 0; }

    // The table key of a 0-based row; none when the rows cannot be written back.
    std::optional<qint64> keyAt(int row) const;
    // Reads again from the table every row stored under `key`, so that what was written there through
    // another recordset shows here too (observers are told); the number of rows read again.
    int resync(qint64 key);

    // Direct reads by 0-based row, without moving; for views over the snapshot.
    QVariant valueAt(int row, int column) const;
    QString textAt(int row, int column) const;
    bool isNullAt(int row, int column) const;
    QByteArrayView bytesAt(int row, int column) const;

    // The column searched by its first letters (find with LIKE, as the search by name does): they are
    // gathered as the rows are read, so the first search after a read is as quick as the ones after it.
    // Kept across reads; empty for none.
    void setSearchColumn(const QString& name) { m_searchColumn = name; }

    // Calls `visit` with every row's value of `column` and the 0-based row it shows at, going through the
    // storage in its own order: far faster than row by row once the rows are sorted.
    void visitColumn(int column, const std::function<void(int row, const QVariant& value)>& visit) const;

    // Bytes held by the snapshot's storage.
    qint64 memoryBytes() const;

    int addObserver(Observer observer);
    void removeObserver(int id);

    // Reading fields of the current record (used by Field).
    QVariant currentValue(int index) const;
    bool currentIsNull(int index) const;

    // The text a value shows as: Booleans in Spanish, a NULL as an empty string.
    static QString displayText(const QVariant& value);

private:
    struct Column
    {
        QString name;
        Field::Type type = Field::Type::Text;
        QByteArray table;
        QByteArray origin;
    };

    void read(const QString& sql, Connection& connection, SizeHint hint, bool keepOnEarlyFailure);
    // Reads the rows of `keyed`, a whole-table scan standing on its first row, in parts at once;
    // false (nothing read) when it is not worth it or cannot be done exactly.
    bool readInParts(sqlite3_stmt* keyed, SizeHint hint, int initialsColumn);
    void requireOpen() const;
    void requireCurrent() const;
    void commitPendingOnMove();
    // Why an update wrote nothing: the row is gone or holds other values.
    DbError changedElsewhere(const QByteArray& table, qint64 key) const;
    void notify(Event event, int row = -1);
    void clearData();
    QVariant toVariant(int column, QByteArrayView bytes, bool isNull) const;
    QByteArrayView cellAt(int row, int column, bool* isNull) const;
    QByteArrayView storedCellAt(size_t at, int column, bool* isNull) const;
    // Puts the rows in the order of `sql` by sorting them here, exactly as SQLite would; nothing when
    // that cannot be done exactly, false when there was no room for it (the rows stay as they were).
    std::optional<bool> sortInMemory(const QString& sql);
    const std::vector<char>& initials(int column) const;
    // Keeps the first letters held true to a cell just edited.
    void initialEdited(size_t at, int column);
    // The stored row shown at `row`: rows are stored as read and shown through m_order once sorted.
    size_t stored(int row) const { return m_order.empty() ? size_t(row) : size_t(m_order[size_t(row)]); }

    // A table with fewer rowids than this is read in one go: threads would not pay for themselves.
    static constexpr qint64 kPartedScanRows = 50000;

    bool m_open = false;
    QString m_source;
    Connection* m_connection = nullptr;
    std::vector<Column> m_columns;
    int m_rowCount = 0;
    int m_current = 0; // 0-based; -1 is BOF, m_rowCount is EOF

    RowStore m_store;
    std::vector<quint32> m_order; // empty: stored order
    // First letters of one column by stored row (RowStore::initialOf), so a search by its first letter
    // reads one byte a row: gathered with the rows for the search column, else built on the first search.
    mutable std::vector<char> m_initials;
    mutable int m_initialsColumn = -1;
    QString m_searchColumn;
    std::unordered_map<quint64, std::unique_ptr<QByteArray>> m_edited; // null pointer: stored NULL
    std::map<int, QVariant> m_pending;

    std::map<int, Observer> m_observers;
    int m_nextObserver = 1;
};
