#include "platform/db/RowStore.h"

#include <QTest>
#include <optional>

namespace {

// A value that is NULL, or a text.
struct Cell
{
    bool null = false;
    QByteArray text;
};

void append(RowStore& store, const std::vector<Cell>& row, std::optional<qint64> key = std::nullopt)
{
    if (key)
        store.beginRow(*key);
    else
        store.beginRow();
    for (const Cell& cell : row)
        store.appendCell(cell.null ? nullptr : cell.text.constData(), int(cell.text.size()));
    store.endRow();
}

} // namespace

// The snapshot's compact storage gives back every cell as it was given, whatever its size, however
// often it repeats and however many rows there are.
class TestRowStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellsComeBackAsGiven_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("null");
        QTest::newRow("NULL") << QByteArray() << true;
        QTest::newRow("empty, not NULL") << QByteArray("") << false;
        QTest::newRow("one byte") << QByteArray("x") << false;
        QTest::newRow("accents") << QByteArray("Málaga, Ñandú") << false;
        QTest::newRow("127 bytes, one-byte tag") << QByteArray(62, 'a') << false;
        QTest::newRow("200 bytes, two-byte tag") << QByteArray(200, 'b') << false;
        QTest::newRow("larger than the first block") << QByteArray(200000, 'c') << false;
        QTest::newRow("line breaks and NUL") << QByteArray("a\r\nb\0c", 6) << false;
    }

    void cellsComeBackAsGiven()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, null);
        RowStore store;
        store.reset(3, 0);
        for (int r = 0; r < 5; ++r)
            append(store, {{false, "before"}, {null, text}, {false, QByteArray::number(r)}});
        QCOMPARE(store.rowCount(), 5);
        for (size_t r = 0; r < 5; ++r) {
            bool isNull = !null;
            QCOMPARE(store.text(r, 1, &isNull).toByteArray(), text);
            QCOMPARE(isNull, null);
            QCOMPARE(store.text(r, 0).toByteArray(), QByteArray("before"));
            QCOMPARE(store.text(r, 2).toByteArray(), QByteArray::number(qlonglong(r)));
        }
    }

    // Past the first rows, a column of few values keeps them once and a column of many stops
    // looking them up; either way every cell reads back right, beyond the shared values' limit too.
    void repeatedAndDistinctColumnsOverManyRows()
    {
        RowStore store;
        store.reset(3, 0);
        const int rows = 30000;
        const auto sector = [](int r) { return QByteArray("SECTOR ") + QByteArray::number(r % 7); };
        const auto name = [](int r) { return QByteArray("Empresa número ") + QByteArray::number(r); };
        // Few values in the first rows, then more than can be shared.
        const auto town = [](int r) {
            return QByteArray("Población ") + QByteArray::number(r < 3000 ? r % 5 : r % 9000);
        };
        for (int r = 0; r < rows; ++r)
            append(store, {{false, sector(r)}, {r % 11 == 0, name(r)}, {false, town(r)}});
        for (int r = 0; r < rows; ++r) {
            bool isNull = false;
            QCOMPARE(store.text(size_t(r), 0).toByteArray(), sector(r));
            const QByteArray got = store.text(size_t(r), 1, &isNull).toByteArray();
            QCOMPARE(isNull, r % 11 == 0);
            if (!isNull)
                QCOMPARE(got, name(r));
            QCOMPARE(store.text(size_t(r), 2).toByteArray(), town(r));
        }
    }

    // Sharing pays: a column of a few long values costs far less than its text.
    void repeatedValuesAreKeptOnce()
    {
        RowStore store;
        store.reset(1, 0);
        const QByteArray value(40, 'v');
        const int rows = 100000;
        for (int r = 0; r < rows; ++r)
            append(store, {{false, value + QByteArray::number(r % 3)}});
        QVERIFY2(store.memoryBytes() < qint64(rows) * 20, qPrintable(QString::number(store.memoryBytes())));
        QCOMPARE(store.text(99999, 0).toByteArray(), value + "0");
    }

    // Stores written apart and put end to end read back as one: each part keeps its own shared
    // values, an empty part takes no row, and rows written after the join land after it.
    void storesAppendedReadAsOne()
    {
        const auto town = [](int part, int r) {
            return QByteArray("Población ") + QByteArray::number(part) + '-' + QByteArray::number(r % 4);
        };
        const int sizes[] = {3000, 0, 1, 5000};
        RowStore joined;
        for (int part = 0; part < 4; ++part) {
            RowStore store;
            store.reset(2, 0);
            for (int r = 0; r < sizes[part]; ++r)
                append(store, {{false, town(part, r)}, {r % 3 == 0, QByteArray::number(r)}}, r * 10 + part);
            joined.append(std::move(store));
            QCOMPARE(store.rowCount(), 0);
        }
        append(joined, {{false, "después"}, {true, {}}}, -1);
        QVERIFY(joined.hasKeys());
        QCOMPARE(joined.rowCount(), 8002);
        size_t row = 0;
        for (int part = 0; part < 4; ++part) {
            for (int r = 0; r < sizes[part]; ++r, ++row) {
                bool isNull = false;
                QCOMPARE(joined.text(row, 0).toByteArray(), town(part, r));
                const QByteArray number = joined.text(row, 1, &isNull).toByteArray();
                QCOMPARE(isNull, r % 3 == 0);
                QCOMPARE(number, isNull ? QByteArray() : QByteArray::number(r));
                QCOMPARE(joined.key(row), qint64(r * 10 + part));
            }
        }
        QCOMPARE(joined.text(row, 0).toByteArray(), QByteArray("después"));
        QCOMPARE(joined.key(row), qint64(-1));
        QVERIFY(joined.memoryBytes() < 8002 * 40);
    }

    void clearForgetsEverything()
    {
        RowStore store;
        store.reset(1, 0);
        append(store, {{false, "x"}});
        store.clear();
        QCOMPARE(store.rowCount(), 0);
        QCOMPARE(store.memoryBytes(), 0);
        store.reset(2, 10);
        append(store, {{true, {}}, {false, "y"}});
        QCOMPARE(store.text(0, 1).toByteArray(), QByteArray("y"));
    }
};

QTEST_MAIN(TestRowStore)
#include "tst_rowstore.moc"
