#include "FlexGridFixture.h"

#include <malloc.h>

// Under AddressSanitizer the heap is the sanitizer's own (GCC says so by a macro, Clang by a feature).
#if defined(__SANITIZE_ADDRESS__)
#define HEAP_OF_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HEAP_OF_SANITIZER 1
#endif
#endif

#if defined(HEAP_OF_SANITIZER)
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

using namespace FlexGridFixture;

namespace {

// The bytes the program's heap holds: a measure of what is kept, whatever the machine's speed.
qint64 heapBytes()
{
#if defined(HEAP_OF_SANITIZER)
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
#endif
}

} // namespace

// The grid over cells and over a bound recordset: what it shows and when it lets go.
class TestFlexGridBinding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void modelTesterOnCells();
    void modelTesterOnBinding();
    void cellsKeepTheirTextsAcrossResizing();
    void bindingShowsRecordsInOrder_data();
    void bindingShowsRecordsInOrder();
    void bindingFollowsReopenAndFailedReopen();
    void bindingFollowsAnUpdatedRow();
    void closedRecordsetShowsHeaderOnly();
    void destroyedRecordsetUnbinds();
    void setRowsAfterBindingUnbinds();
    void bindingDoesNotCopyTheRows();

private:
    void openRecordset(Recordset& recordset, const QString& sql) { m_database.openRecordset(recordset, sql); }

    GridDatabase m_database;
};

void TestFlexGridBinding::initTestCase()
{
    m_database.create();
}

void TestFlexGridBinding::modelTesterOnCells()
{
    FlexGrid grid;
    QAbstractItemModelTester tester(grid.flexModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(grid.setRows(20));
    QVERIFY(grid.setCols(6));
    for (int r = 0; r < grid.rows(); ++r) {
        for (int c = 0; c < grid.cols(); ++c)
            QVERIFY(grid.setTextMatrix(r, c, QStringLiteral("%1,%2").arg(r).arg(c)));
    }
    grid.setFormatString(QStringLiteral("<|>Uno|^Dos|Tres"));
    QVERIFY(grid.setRow(3));
    QVERIFY(grid.setCol(0));
    QVERIFY(grid.setCellBackColor(Qt::red));
    QVERIFY(grid.setCol(2));
    QVERIFY(grid.setCellBackColor(Qt::blue));
    QVERIFY(grid.setRows(5));
    QVERIFY(grid.setCols(3));
    QVERIFY(grid.setRows(1));
    QVERIFY(grid.setCols(1));
    QVERIFY(grid.setRows(8));
    QVERIFY(grid.setCols(4));
}

void TestFlexGridBinding::modelTesterOnBinding()
{
    Recordset recordset;
    openRecordset(recordset, kCompanyQuery);
    FlexGrid grid;
    QAbstractItemModelTester tester(grid.flexModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    grid.setDataSource(&recordset);
    QVERIFY(grid.setRow(2));
    QVERIFY(grid.setCol(0));
    QVERIFY(grid.setCellBackColor(Qt::green));
    grid.setFormatString(QStringLiteral("<|Sel |<Sector |<Nombre"));
    openRecordset(recordset, kCompanyQuery + QStringLiteral(" WHERE id <= 5"));
    QVERIFY_THROWS_EXCEPTION(
        DbError, openRecordset(recordset, QStringLiteral("SELECT missing FROM companies")));
    openRecordset(recordset, QStringLiteral("SELECT name FROM companies"));
    recordset.close();
    grid.setDataSource(nullptr);
}

void TestFlexGridBinding::cellsKeepTheirTextsAcrossResizing()
{
    FlexGrid grid;
    QVERIFY(grid.setRows(4));
    QVERIFY(grid.setCols(4));
    QVERIFY(grid.setTextMatrix(3, 3, QStringLiteral("esquina")));
    QVERIFY(grid.setTextMatrix(1, 1, QStringLiteral("primera")));
    QVERIFY(grid.setTextMatrix(2, 0, QStringLiteral("marca")));
    QVERIFY(!grid.setTextMatrix(4, 1, QStringLiteral("fuera")));

    QVERIFY(grid.setRows(10));
    QVERIFY(grid.setCols(8));
    QCOMPARE(grid.textMatrix(3, 3), QStringLiteral("esquina"));
    QCOMPARE(grid.textMatrix(2, 0), QStringLiteral("marca"));
    QCOMPARE(grid.textMatrix(9, 7), QString());

    QVERIFY(grid.setCols(3));
    QVERIFY(grid.setCols(4));
    QCOMPARE(grid.textMatrix(3, 3), QString());
    QCOMPARE(grid.textMatrix(1, 1), QStringLiteral("primera"));
    QCOMPARE(grid.model()->data(grid.model()->index(0, 0)).toString(), QStringLiteral("primera"));

    QVERIFY(!grid.setRows(0));
    QVERIFY(!grid.setCols(0));
}

void TestFlexGridBinding::bindingShowsRecordsInOrder_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("text");

    QTest::newRow("table order, first") << kCompanyQuery << kCompanies + 1 << 1 << 3 << "Empresa 001";
    QTest::newRow("table order, last") << kCompanyQuery << kCompanies + 1 << kCompanies << 4 << "500";
    QTest::newRow("descending") << kCompanyQuery + " ORDER BY id DESC" << kCompanies + 1 << 1 << 3
                                << "Empresa 050";
    QTest::newRow("filtered and sorted") << kCompanyQuery + " WHERE sector = 'HOTELES' ORDER BY num DESC"
                                         << kCompanies / 3 + 1 << 2 << 3 << "Empresa 045";
    QTest::newRow("boolean as shown") << kCompanyQuery << kCompanies + 1 << 1 << 1 << "Verdadero";
    QTest::newRow("header is the field name") << kCompanyQuery << kCompanies + 1 << 0 << 2 << "sector";
    QTest::newRow("marker column has no text") << kCompanyQuery << kCompanies + 1 << 5 << 0 << "";
    QTest::newRow("no record") << kCompanyQuery + " WHERE id < 0" << 1 << 0 << 3 << "name";
}

void TestFlexGridBinding::bindingShowsRecordsInOrder()
{
    QFETCH(QString, sql);
    QFETCH(int, rows);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, text);

    Recordset recordset;
    openRecordset(recordset, sql);
    if (rows > 3)
        recordset.setAbsolutePosition(3);
    FlexGrid grid;
    grid.setDataSource(&recordset);
    QCOMPARE(grid.rows(), rows);
    QCOMPARE(grid.cols(), 5);
    QCOMPARE(grid.textMatrix(row, col), text);
    if (row > 0 && col > 0)
        QCOMPARE(grid.model()->data(grid.model()->index(row - 1, col - 1)).toString(), text);
    // Reading the cells leaves the recordset where it stood.
    if (rows > 3)
        QCOMPARE(recordset.absolutePosition(), 3);
}

void TestFlexGridBinding::bindingFollowsReopenAndFailedReopen()
{
    Recordset recordset;
    openRecordset(recordset, kCompanyQuery);
    FlexGrid grid;
    showGrid(grid);
    grid.setDataSource(&recordset);
    QVERIFY(grid.setTopRow(40));
    QVERIFY(grid.setRow(45));
    QCoreApplication::processEvents();

    openRecordset(recordset, QStringLiteral("SELECT name FROM companies WHERE id > 47 ORDER BY id"));
    QCOMPARE(grid.rows(), 4);
    QCOMPARE(grid.cols(), 2);
    QCOMPARE(grid.textMatrix(1, 1), QStringLiteral("Empresa 048"));
    QCOMPARE(grid.textMatrix(0, 1), QStringLiteral("name"));
    QCOMPARE(grid.row(), 1);
    QCOMPARE(grid.topRow(), 1);
    QVERIFY(!grid.grab().isNull());

    QVERIFY_THROWS_EXCEPTION(
        DbError, openRecordset(recordset, QStringLiteral("SELECT nothing FROM nowhere")));
    QVERIFY(!recordset.isOpen());
    QCOMPARE(grid.dataSource(), &recordset);
    QCOMPARE(grid.rows(), 1);
    QCOMPARE(grid.cols(), 1);
    QCOMPARE(grid.textMatrix(1, 1), QString());
    QCOMPARE(grid.row(), 0);
    QCoreApplication::processEvents();
    QVERIFY(!grid.grab().isNull());

    openRecordset(recordset, kCompanyQuery);
    QCOMPARE(grid.rows(), kCompanies + 1);
    QCOMPARE(grid.textMatrix(kCompanies, 3), QStringLiteral("Empresa 050"));
    QCoreApplication::processEvents();
    QVERIFY(!grid.grab().isNull());
}

void TestFlexGridBinding::bindingFollowsAnUpdatedRow()
{
    Recordset recordset;
    openRecordset(recordset, kCompanyQuery);
    FlexGrid grid;
    grid.setDataSource(&recordset);
    QSignalSpy changed(grid.model(), &QAbstractItemModel::dataChanged);

    recordset.setAbsolutePosition(7);
    recordset.setValue(2, QStringLiteral("Bar L'Hospitalet"));
    recordset.update();

    QCOMPARE(grid.textMatrix(7, 3), QStringLiteral("Bar L'Hospitalet"));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex().row(), 6);
    QCOMPARE(changed.first().at(1).toModelIndex().row(), 6);
}

void TestFlexGridBinding::closedRecordsetShowsHeaderOnly()
{
    Recordset recordset;
    openRecordset(recordset, kCompanyQuery);
    FlexGrid grid;
    grid.setDataSource(&recordset);
    recordset.close();
    QCOMPARE(grid.rows(), 1);
    QCOMPARE(grid.cols(), 1);
    QCOMPARE(grid.model()->rowCount(), 0);

    Recordset closed;
    grid.setDataSource(&closed);
    QCOMPARE(grid.rows(), 1);
    QCOMPARE(grid.dataSource(), &closed);
}

void TestFlexGridBinding::destroyedRecordsetUnbinds()
{
    FlexGrid grid;
    showGrid(grid);
    {
        auto recordset = std::make_unique<Recordset>();
        openRecordset(*recordset, kCompanyQuery);
        grid.setDataSource(recordset.get());
        grid.setFormatString(QStringLiteral("|Sel"));
        QCoreApplication::processEvents();
    }
    QCOMPARE(grid.dataSource(), nullptr);
    QCOMPARE(grid.rows(), 1);
    QCOMPARE(grid.cols(), 5);
    QCOMPARE(grid.textMatrix(0, 1), QStringLiteral("Sel"));
    QCOMPARE(grid.textMatrix(0, 3), QStringLiteral("name"));
    QCoreApplication::processEvents();
    QVERIFY(!grid.grab().isNull());

    // And the other way round: a grid gone before its recordset leaves no observer behind.
    Recordset recordset;
    openRecordset(recordset, kCompanyQuery);
    {
        FlexGrid shortLived;
        shortLived.setDataSource(&recordset);
    }
    openRecordset(recordset, kCompanyQuery);
    QCOMPARE(recordset.recordCount(), kCompanies);
}

void TestFlexGridBinding::setRowsAfterBindingUnbinds()
{
    Recordset recordset;
    openRecordset(recordset, kCompanyQuery);
    FlexGrid grid;
    grid.setDataSource(&recordset);
    QVERIFY(!grid.setTextMatrix(1, 1, QStringLiteral("no")));

    QVERIFY(grid.setRows(6));
    QCOMPARE(grid.dataSource(), nullptr);
    QCOMPARE(grid.rows(), 6);
    QCOMPARE(grid.cols(), 5);
    QCOMPARE(grid.textMatrix(1, 3), QString());
    QVERIFY(grid.setTextMatrix(1, 3, QStringLiteral("copiada")));
    QCOMPARE(grid.textMatrix(1, 3), QStringLiteral("copiada"));

    // The recordset no longer drives the grid.
    openRecordset(recordset, QStringLiteral("SELECT name FROM companies WHERE id = 1"));
    QCOMPARE(grid.rows(), 6);
    QCOMPARE(grid.textMatrix(1, 3), QStringLiteral("copiada"));

    grid.setDataSource(&recordset);
    QVERIFY(grid.setCols(3));
    QCOMPARE(grid.dataSource(), nullptr);
    QCOMPARE(grid.rows(), 2);
    QCOMPARE(grid.cols(), 3);
}

void TestFlexGridBinding::bindingDoesNotCopyTheRows()
{
    Recordset recordset;
    openRecordset(recordset, QStringLiteral("SELECT name, num FROM big"));
    FlexGrid grid;
    showGrid(grid);

    // What the grid keeps, not how long it takes: a copy of the texts holds some 200 bytes a row; the
    // headers' sections some 14.
    const qint64 before = heapBytes();
    grid.setDataSource(&recordset);
    QVERIFY(grid.setTopRow(kBigCompanies));
    QVERIFY(grid.setRow(1));
    QVERIFY(grid.setTopRow(1));
    QCoreApplication::processEvents();
    const qint64 kept = heapBytes() - before;
    QVERIFY2(
        kept < qint64(kBigCompanies) * 40, qPrintable(QStringLiteral("binding kept %1 bytes").arg(kept)));
    QCOMPARE(grid.rows(), kBigCompanies + 1);
    QCOMPARE(grid.textMatrix(kBigCompanies, 1), QStringLiteral("Empresa 100000"));
}

QTEST_MAIN(TestFlexGridBinding)
#include "tst_flexgrid_binding.moc"
