#include "FlexGridFixture.h"

#include <QPointer>

using namespace FlexGridFixture;

// The marker column through what empties and refills a grid, and with many colours at once.
class TestFlexGridMarker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void markerColumnWorksAfterTheGridEmpties_data();
    void markerColumnWorksAfterTheGridEmpties();
    void hiddenMarkerColumnStaysHiddenWhenEmptied();
    void emptiedFromItsOwnMarkerClick_data();
    void emptiedFromItsOwnMarkerClick();
    void everyRowKeepsItsColor_data();
    void everyRowKeepsItsColor();

private:
    void openRecordset(Recordset& recordset, const QString& sql) { m_database.openRecordset(recordset, sql); }

    GridDatabase m_database;
};

void TestFlexGridMarker::initTestCase()
{
    m_database.create();
}

void TestFlexGridMarker::markerColumnWorksAfterTheGridEmpties_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("recordset destroyed") << "destroyed";
    QTest::newRow("unbound to the header row") << "rows";
    QTest::newRow("bound to an empty recordset") << "empty";
    QTest::newRow("filled cells removed") << "cells";
}

void TestFlexGridMarker::markerColumnWorksAfterTheGridEmpties()
{
    QFETCH(QString, how);
    const QString bigQuery = QStringLiteral("SELECT name, num FROM big");
    auto first = std::make_unique<Recordset>();
    openRecordset(*first, bigQuery);
    Recordset empty;
    openRecordset(empty, bigQuery + QStringLiteral(" WHERE id < 0"));

    FlexGrid grid;
    QVERIFY(grid.setColWidth(0, 350));
    const QColor fixed = bgrColor(0x3E3E3E);
    grid.setBackColorFixed(fixed);
    if (how == QLatin1String("cells")) {
        QVERIFY(grid.setRows(5000));
        QVERIFY(grid.setCols(3));
    } else {
        grid.setDataSource(first.get());
    }
    showGrid(grid);
    const int rowHeight = grid.verticalHeader()->sectionSize(0);
    const int markerWidth = grid.verticalHeader()->width();
    const QPointer<QHeaderView> before = grid.verticalHeader();

    if (how == QLatin1String("destroyed"))
        first.reset();
    else if (how == QLatin1String("empty"))
        grid.setDataSource(&empty);
    else
        QVERIFY(grid.setRows(1));
    QCoreApplication::processEvents();
    QCOMPARE(grid.rows(), 1);
    QCOMPARE(grid.verticalHeader()->count(), 0);
    // The emptied grid has given back the sections of its rows.
    QVERIFY(!before);

    Recordset again;
    openRecordset(again, bigQuery);
    grid.setDataSource(&again);
    QCoreApplication::processEvents();
    QCOMPARE(grid.verticalHeader()->count(), kBigCompanies);
    QCOMPARE(grid.verticalHeader()->width(), markerWidth);
    QCOMPARE(grid.verticalHeader()->sectionSize(kBigCompanies - 1), rowHeight);
    QCOMPARE(grid.colWidth(0), 350);

    const QColor marked = bgrColor(0xEAF3F6);
    for (int r = 1; r < grid.rows(); r += 3)
        QVERIFY(grid.flexModel()->setCellBackColor(r, 0, marked));
    QVERIFY(grid.setTopRow(4000));
    QCoreApplication::processEvents();
    QCOMPARE(grid.topRow(), 4000);
    const int top = grid.topRow();
    for (const int r : {top, top + 1, top + 2, top + 3}) {
        const QColor expected = r % 3 == 1 ? marked : fixed;
        QCOMPARE(pixel(grid.verticalHeader(), markerPoint(grid, r)), expected);
    }

    // The strip still answers the pointer: hover names the cell, a click makes its row current.
    QWidget* strip = grid.verticalHeader()->viewport();
    const QPoint hover = markerPoint(grid, top + 2);
    QMouseEvent move(
        QEvent::MouseMove, hover, strip->mapToGlobal(hover), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &move);
    QCOMPARE(grid.mouseRow(), top + 2);
    QCOMPARE(grid.mouseCol(), 0);
    int clicks = 0;
    connect(&grid, &FlexGrid::clicked, &grid, [&clicks] { ++clicks; });
    QTest::mouseClick(strip, Qt::LeftButton, {}, markerPoint(grid, top + 1));
    QCOMPARE(clicks, 1);
    QCOMPARE(grid.row(), top + 1);
    QCOMPARE(grid.col(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(grid.currentIndex().row(), top);
}

void TestFlexGridMarker::hiddenMarkerColumnStaysHiddenWhenEmptied()
{
    Recordset recordset;
    openRecordset(recordset, QStringLiteral("SELECT name, num FROM big"));
    FlexGrid grid;
    grid.setDataSource(&recordset);
    QVERIFY(grid.setColWidth(0, 0));
    showGrid(grid);
    QVERIFY(grid.verticalHeader()->isHidden());

    QVERIFY(grid.setRows(1));
    QCoreApplication::processEvents();
    QVERIFY(grid.verticalHeader()->isHidden());
    QCOMPARE(grid.colWidth(0), 0);
    grid.setDataSource(&recordset);
    QCoreApplication::processEvents();
    QVERIFY(grid.verticalHeader()->isHidden());
    QCOMPARE(grid.colPos(1), 0);

    QVERIFY(grid.setColWidth(0, 350));
    QCoreApplication::processEvents();
    QVERIFY(grid.verticalHeader()->isVisible());
    QCOMPARE(grid.verticalHeader()->width(), Twips::toPixels(350));
}

void TestFlexGridMarker::emptiedFromItsOwnMarkerClick_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("click") << false;
    QTest::newRow("double-click") << true;
}

void TestFlexGridMarker::emptiedFromItsOwnMarkerClick()
{
    QFETCH(bool, doubleClick);
    Recordset recordset;
    openRecordset(recordset, QStringLiteral("SELECT name, num FROM big"));
    FlexGrid grid;
    grid.setDataSource(&recordset);
    QVERIFY(grid.setColWidth(0, 350));
    showGrid(grid);
    const QPointer<QHeaderView> before = grid.verticalHeader();
    QWidget* strip = before->viewport();
    const QPoint pos = markerPoint(grid, 3);

    // The handler empties the grid while the strip's own event is still being handled.
    const auto empty = [&grid] { QVERIFY(grid.setRows(1)); };
    const QMetaObject::Connection emptying = doubleClick
        ? connect(&grid, &FlexGrid::doubleClicked, &grid, empty)
        : connect(&grid, &FlexGrid::clicked, &grid, empty);
    if (doubleClick)
        FlexGridFixture::doubleClick(strip, pos);
    else
        QTest::mouseClick(strip, Qt::LeftButton, {}, pos);
    disconnect(emptying);
    QCOMPARE(grid.rows(), 1);
    QCoreApplication::processEvents();
    QVERIFY(!before);

    grid.setDataSource(&recordset);
    QCoreApplication::processEvents();
    QCOMPARE(grid.verticalHeader()->count(), kBigCompanies);
    QTest::mouseClick(grid.verticalHeader()->viewport(), Qt::LeftButton, {}, markerPoint(grid, 5));
    QCOMPARE(grid.row(), 5);
    QCOMPARE(grid.col(), 0);
}

void TestFlexGridMarker::everyRowKeepsItsColor_data()
{
    QTest::addColumn<int>("colors");
    QTest::newRow("two") << 2;
    QTest::newRow("255") << 255;
    QTest::newRow("256") << 256;
    QTest::newRow("700") << 700;
}

void TestFlexGridMarker::everyRowKeepsItsColor()
{
    QFETCH(int, colors);
    Recordset recordset;
    openRecordset(recordset, QStringLiteral("SELECT name, num FROM big"));
    FlexGrid grid;
    grid.setDataSource(&recordset);
    FlexGridModel* model = grid.flexModel();
    const auto colorOf
        = [colors](int row) { return QColor::fromRgb(qRgb(row % colors % 256, 7, row % colors / 256)); };

    // Row 3 is set then unset; the others from 10 on cycle through the colours, twice over.
    QVERIFY(model->setCellBackColor(3, 0, Qt::red));
    const int last = 10 + 2 * colors;
    for (int r = 10; r < last; ++r)
        QVERIFY(model->setCellBackColor(r, 0, colorOf(r)));
    QVERIFY(model->setCellBackColor(3, 0, QColor()));
    QVERIFY(model->setCellBackColor(11, 0, Qt::red));

    QVERIFY(!model->cellBackColor(3, 0).isValid());
    QVERIFY(!model->cellBackColor(9, 0).isValid());
    QVERIFY(!model->cellBackColor(last, 0).isValid());
    QCOMPARE(model->cellBackColor(11, 0), QColor(Qt::red));
    for (int r = 10; r < last; ++r) {
        if (r != 11)
            QCOMPARE(model->cellBackColor(r, 0), colorOf(r));
    }
    QCOMPARE(
        model->headerData(last - 2, Qt::Vertical, Qt::BackgroundRole).value<QColor>(), colorOf(last - 1));
}

QTEST_MAIN(TestFlexGridMarker)
#include "tst_flexgrid_marker.moc"
