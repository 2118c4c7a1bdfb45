#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/ScanReader.h"
#include "platform/db/SpanishText.h"

#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

namespace {

constexpr int kRows = 70000;

const char* const kSchema
    = "CREATE TABLE t (id INTEGER PRIMARY KEY, nombre TEXT COLLATE ES, poblacion TEXT COLLATE ES,"
      " numero INTEGER, marcada BOOLEAN, notas TEXT);"
      "CREATE INDEX ix_nombre ON t(nombre);";

// Rowids with gaps, NULLs and empty texts, values repeated down a column and long ones, accents.
void fill(sqlite3* db)
{
    sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO t VALUES (?, ?, ?, ?, ?, ?)", -1, &insert, nullptr);
    // Long names alike in their first letters, and in all but case or an accent, some very long.
    const QByteArray longName = "Pol" + QByteArray(240, 'a');
    const QByteArray towns[] = {"Málaga", "Ávila", "Madrid", "Ñora", "A Coruña", "",
        "Santa Coloma de Gramenet", "SANTA COLOMA DE GRAMENET", "Santa Coloma de Gramenét",
        "Santa Coloma de Farners", longName + "c", longName.toUpper() + "B", longName + "b"};
    for (int i = 0; i < kRows; ++i) {
        sqlite3_bind_int64(insert, 1, qint64(i) * 3 + (i % 7));
        const QByteArray name = "Empresa " + QByteArray::number((i * 7919) % kRows);
        if (i % 13)
            sqlite3_bind_text(insert, 2, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        else
            sqlite3_bind_null(insert, 2);
        const QByteArray& town = towns[i % std::size(towns)];
        sqlite3_bind_text(insert, 3, town.constData(), int(town.size()), SQLITE_STATIC);
        sqlite3_bind_int(insert, 4, i % 1000);
        sqlite3_bind_int(insert, 5, i % 2);
        const QByteArray notes(i % 97 == 0 ? 3000 : i % 5, char('a' + i % 26));
        sqlite3_bind_text(insert, 6, notes.constData(), int(notes.size()), SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
}

// Every row SQLite steps through for `sql`, its rowid first, NULL told from empty.
QList<QByteArray> stepped(sqlite3* db, const QString& sql)
{
    QList<QByteArray> rows;
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), -1, &stmt, nullptr) != SQLITE_OK)
        return {QByteArray("prepare failed: ") + sqlite3_errmsg(db)};
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QByteArray row;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
            row += text ? QByteArray(text, sqlite3_column_bytes(stmt, c)) : QByteArray("<NULL>");
            row += '\t';
        }
        rows << row;
    }
    sqlite3_finalize(stmt);
    return rows;
}

QList<QByteArray> snapshot(Recordset& rs)
{
    QList<QByteArray> rows;
    for (int r = 0; r < rs.recordCount(); ++r) {
        QByteArray row = QByteArray::number(rs.keyAt(r).value_or(-1)) + '\t';
        for (int c = 0; c < rs.fieldCount(); ++c)
            row += (rs.isNullAt(r, c) ? QByteArray("<NULL>") : rs.bytesAt(r, c).toByteArray()) + '\t';
        rows << row;
    }
    return rows;
}

QString firstDifference(const QList<QByteArray>& got, const QList<QByteArray>& expected)
{
    for (qsizetype i = 0; i < qMin(got.size(), expected.size()); ++i) {
        if (got.at(i) != expected.at(i))
            return QStringLiteral("row %1:\n  got      %2\n  expected %3")
                .arg(i + 1)
                .arg(QString::fromUtf8(got.at(i).left(200)), QString::fromUtf8(expected.at(i).left(200)));
    }
    return QStringLiteral("%1 rows against %2").arg(got.size()).arg(expected.size());
}

// "SELECT a, b ..." with the rowid first, as the recordset reads it.
QString keyed(const QString& sql)
{
    return QStringLiteral("SELECT rowid, ") + sql.mid(7);
}

} // namespace

// A large table scan read in parts gives what one scan gives: the same rows, keys and order.
class TestScanReader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    Connection m_conn;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString path = m_dir.filePath(QStringLiteral("scan.db"));
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        QVERIFY(SpanishText::install(db));
        fill(db);
        sqlite3_close(db);
        m_conn.open(path);
        QCOMPARE(stepped(m_conn.handle(), QStringLiteral("SELECT count(*) FROM t")).value(0),
            QByteArray("70000\t"));
    }

    void readsAsOneScan_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("inParts");
        const QString select = QStringLiteral("SELECT nombre, poblacion, numero, marcada, notas FROM t");
        QTest::newRow("whole table") << select << true;
        QTest::newRow("filtered by LIKE") << select + QStringLiteral(" WHERE poblacion LIKE 'm%'") << true;
        QTest::newRow("filtered by number") << select + QStringLiteral(" WHERE numero > 990") << true;
        QTest::newRow("nothing matches") << select + QStringLiteral(" WHERE numero < 0") << true;
        QTest::newRow("ordered by an index") << select + QStringLiteral(" ORDER BY nombre") << false;
        QTest::newRow("ordered by a sort") << select + QStringLiteral(" ORDER BY poblacion DESC") << false;
        QTest::newRow("searched through an index")
            << select + QStringLiteral(" WHERE nombre = 'Empresa 7'") << false;
        QTest::newRow("limited") << select + QStringLiteral(" LIMIT 60000 OFFSET 3") << false;
        QTest::newRow("a rowid range of its own") << select + QStringLiteral(" WHERE id > 1000") << false;
    }

    void readsAsOneScan()
    {
        QFETCH(QString, sql);
        QFETCH(bool, inParts);
        sqlite3* db = m_conn.handle();

        sqlite3_stmt* stmt = nullptr;
        QCOMPARE(sqlite3_prepare_v2(db, keyed(sql).toUtf8().constData(), -1, &stmt, nullptr), SQLITE_OK);
        const int rc = sqlite3_step(stmt);
        const bool planned = (rc == SQLITE_ROW || rc == SQLITE_DONE) && ScanReader::plan(db, stmt, 50000);
        sqlite3_finalize(stmt);
        QCOMPARE(planned, inParts);

        Recordset rs;
        rs.open(sql, m_conn);
        const QList<QByteArray> expected = stepped(db, keyed(sql));
        const QList<QByteArray> got = snapshot(rs);
        QVERIFY2(got == expected, qPrintable(firstDifference(got, expected)));
    }

    // Rows read in parts are sorted in memory in SQLite's own order, ties and NULLs included.
    void partsSortAsSqlite_data()
    {
        QTest::addColumn<QString>("orderBy");
        QTest::newRow("by an indexed name") << QStringLiteral(" ORDER BY nombre");
        QTest::newRow("by an indexed name, descending") << QStringLiteral(" ORDER BY nombre DESC");
        QTest::newRow("by a town, ties in rowid order") << QStringLiteral(" ORDER BY poblacion");
        QTest::newRow("by a town, descending") << QStringLiteral(" ORDER BY poblacion DESC");
        QTest::newRow("by a number, descending") << QStringLiteral(" ORDER BY numero DESC");
    }

    void partsSortAsSqlite()
    {
        QFETCH(QString, orderBy);
        const QString select = QStringLiteral("SELECT nombre, poblacion, numero FROM t");
        Recordset rs;
        rs.setSearchColumn(QStringLiteral("poblacion"));
        rs.open(select, m_conn);
        QVERIFY(rs.reorder(select + orderBy));
        const QList<QByteArray> expected = stepped(m_conn.handle(), keyed(select + orderBy));
        const QList<QByteArray> got = snapshot(rs);
        QVERIFY2(got == expected, qPrintable(firstDifference(got, expected)));
        // The first letters gathered by every part find every town that begins with them.
        QList<int> found;
        QList<int> starting;
        const QString criterion = QStringLiteral("poblacion like 'm*'");
        for (rs.moveFirst(), rs.find(criterion); !rs.isEOF(); rs.find(criterion, 1))
            found << rs.absolutePosition();
        for (int r = 0; r < rs.recordCount(); ++r) {
            if (rs.textAt(r, 1).startsWith(QLatin1Char('m'), Qt::CaseInsensitive))
                starting << r + 1;
        }
        QCOMPARE(found, starting);
    }

    // A change not yet committed on the program's connection is not seen by other connections:
    // what the program has written shows, read in one go.
    void pendingTransactionIsSeen()
    {
        m_conn.execute(QStringLiteral("BEGIN"));
        m_conn.execute(QStringLiteral("UPDATE t SET poblacion = 'Escrita' WHERE rowid % 1000 = 1"));
        Recordset rs;
        rs.open(QStringLiteral("SELECT poblacion FROM t"), m_conn);
        const QList<QByteArray> expected
            = stepped(m_conn.handle(), QStringLiteral("SELECT rowid, poblacion FROM t"));
        m_conn.execute(QStringLiteral("ROLLBACK"));
        const QList<QByteArray> got = snapshot(rs);
        QVERIFY(expected.join().contains("Escrita"));
        QVERIFY2(got == expected, qPrintable(firstDifference(got, expected)));
    }

    // The parts can be written to and read again like any snapshot.
    void partsAreWritable()
    {
        Recordset rs;
        rs.open(QStringLiteral("SELECT nombre, numero FROM t"), m_conn);
        QVERIFY(rs.isUpdatable());
        rs.setAbsolutePosition(rs.recordCount() - 5);
        const qint64 key = rs.keyAt(rs.recordCount() - 6).value();
        rs.field(1).setValue(4242);
        rs.update();
        QCOMPARE(stepped(m_conn.handle(), QStringLiteral("SELECT numero FROM t WHERE rowid = %1").arg(key)),
            QList<QByteArray> {"4242\t"});
        QCOMPARE(rs.textAt(rs.recordCount() - 6, 1), QStringLiteral("4242"));
    }
};

QTEST_MAIN(TestScanReader)
#include "tst_scan_reader.moc"
