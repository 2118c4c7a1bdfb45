#include "FlexGridFixture.h"

using namespace FlexGridFixture;

// The grid as the user sees it: format string, widths, scrolling, pointer, keys and colours.
class TestFlexGridView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void parseFormatString_data();
    void parseFormatString();
    void formatStringSetsHeadersAndAlignment();
    void headerCaptionShowsWhenFormatTextIsEmpty();
    void colWidthInTwips_data();
    void colWidthInTwips();
    void zeroWidthHidesColumns();
    void topRowAndCurrentRow();
    void leftCol();
    void mouseSetsPointerCellAndCurrentCell_data();
    void mouseSetsPointerCellAndCurrentCell();
    void doubleClickAndMoveReportThePointerCell();
    void keyboardMovesTheCurrentRow();
    void fontSetsRowHeight();
    void customMousePointer();
    void markerColorsSurviveScrolling();
    void markerColorsAreResetByRebindAndSetRows();
    void fixedAndDataCellsPaintTheirColors();

private:
    void openRecordset(Recordset& recordset, const QString& sql) { m_database.openRecordset(recordset, sql); }

    GridDatabase m_database;
};

void TestFlexGridView::initTestCase()
{
    m_database.create();
}

void TestFlexGridView::parseFormatString_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("alignments"); // 0: none

    const int left = int(Qt::AlignLeft | Qt::AlignVCenter);
    const int right = int(Qt::AlignRight | Qt::AlignVCenter);
    const int centre = int(Qt::AlignHCenter | Qt::AlignVCenter);
    QTest::newRow("empty") << QString() << QStringList() << QList<int>();
    QTest::newRow("guide's start") << "<|Sel |<Sector |<Nombre de la Empresa |"
                                   << QStringList {"", "Sel ", "Sector ", "Nombre de la Empresa "}
                                   << QList<int> {left, 0, left, left};
    QTest::newRow("all marks") << ">Importe  |^Centro|<Izquierda|Nada"
                               << QStringList {"Importe  ", "Centro", "Izquierda", "Nada"}
                               << QList<int> {right, centre, left, 0};
    QTest::newRow("empty entries") << "|<|" << QStringList {"", ""} << QList<int> {0, left};
    QTest::newRow("mark only once") << "<<a|>^b" << QStringList {"<a", "^b"} << QList<int> {left, right};
    QTest::newRow("no closing bar") << "<Observaciones" << QStringList {"Observaciones"} << QList<int> {left};
    QTest::newRow("blank entry") << " | " << QStringList {" ", " "} << QList<int> {0, 0};
}

void TestFlexGridView::parseFormatString()
{
    QFETCH(QString, format);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, alignments);

    const QList<FlexGridModel::FormatEntry> entries = FlexGridModel::parseFormatString(format);
    QCOMPARE(entries.size(), texts.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QCOMPARE(entries[i].text, texts[i]);
        QCOMPARE(entries[i].alignment ? int(*entries[i].alignment) : 0, alignments[i]);
    }
}

void TestFlexGridView::formatStringSetsHeadersAndAlignment()
{
    FlexGrid grid;
    QVERIFY(grid.setRows(3));
    QVERIFY(grid.setCols(5));
    QVERIFY(grid.setColAlignment(3, Qt::AlignRight | Qt::AlignVCenter));
    grid.setFormatString(QStringLiteral("<|Sel |>Importe |^Centro"));

    QCOMPARE(grid.textMatrix(0, 1), QStringLiteral("Sel "));
    QCOMPARE(grid.textMatrix(0, 2), QStringLiteral("Importe "));
    QCOMPARE(grid.textMatrix(0, 3), QStringLiteral("Centro"));
    QCOMPARE(grid.textMatrix(0, 4), QString());
    QCOMPARE(grid.colAlignment(2), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(grid.colAlignment(3), Qt::AlignHCenter | Qt::AlignVCenter);
    QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Importe "));
    QCOMPARE(grid.model()->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
        int(Qt::AlignRight | Qt::AlignVCenter));

    // A column alignment set afterwards moves the data and leaves the header where it was.
    QVERIFY(grid.setColAlignment(2, Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(grid.model()->data(grid.model()->index(0, 1), Qt::TextAlignmentRole).toInt(),
        int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(grid.model()->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
        int(Qt::AlignRight | Qt::AlignVCenter));
    QVERIFY(!grid.setColAlignment(5, Qt::AlignLeft));

    // Bound, the format string replaces the field names.
    Recordset recordset;
    openRecordset(recordset, kCompanyQuery);
    grid.setDataSource(&recordset);
    QCOMPARE(grid.textMatrix(0, 3), QStringLiteral("name"));
    grid.setFormatString(QStringLiteral("<|Sel |<Sector |<Nombre de la Empresa |"));
    QCOMPARE(grid.textMatrix(0, 3), QStringLiteral("Nombre de la Empresa "));
    QCOMPARE(grid.textMatrix(0, 4), QStringLiteral("num"));
    QCOMPARE(grid.formatString(), QStringLiteral("<|Sel |<Sector |<Nombre de la Empresa |"));
}

void TestFlexGridView::headerCaptionShowsWhenFormatTextIsEmpty()
{
    Recordset recordset;
    openRecordset(recordset, kCompanyQuery);
    FlexGrid grid;
    grid.setDataSource(&recordset);
    grid.setFormatString(QStringLiteral("<|Sel |<|<Nombre de la Empresa "));
    QVERIFY(grid.setColHeaderCaption(2, QStringLiteral("Sector")));
    QVERIFY(grid.setColHeaderCaption(3, QStringLiteral("Nombre")));
    QVERIFY(grid.setColHeaderCaption(4, QStringLiteral("PV")));
    QVERIFY(!grid.setColHeaderCaption(5, QStringLiteral("fuera")));

    QCOMPARE(grid.textMatrix(0, 2), QStringLiteral("Sector"));
    QCOMPARE(grid.textMatrix(0, 3), QStringLiteral("Nombre de la Empresa "));
    QCOMPARE(grid.textMatrix(0, 4), QStringLiteral("PV"));
    QCOMPARE(grid.colHeaderCaption(3), QStringLiteral("Nombre"));
    QCOMPARE(grid.colHeaderCaption(1), QString());

    // A new binding starts again from the field names.
    grid.setDataSource(&recordset);
    QCOMPARE(grid.textMatrix(0, 3), QStringLiteral("name"));
    QCOMPARE(grid.colHeaderCaption(3), QString());
}

void TestFlexGridView::colWidthInTwips_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("twips");

    QTest::newRow("marker, guide at 800") << 0 << 300;
    QTest::newRow("marker, guide at 1024") << 0 << 350;
    QTest::newRow("name") << 3 << 4000;
    QTest::newRow("not a whole pixel") << 2 << 1100;
    QTest::newRow("very wide") << 2 << 21000;
}

void TestFlexGridView::colWidthInTwips()
{
    QFETCH(int, col);
    QFETCH(int, twips);

    Recordset recordset;
    openRecordset(recordset, kCompanyQuery);
    FlexGrid grid;
    grid.setDataSource(&recordset);
    showGrid(grid);
    QVERIFY(grid.setColWidth(col, twips));
    QCOMPARE(grid.colWidth(col), twips);

    const int pixels = Twips::toPixels(twips);
    if (col == 0) {
        QCOMPARE(grid.verticalHeader()->width(), pixels);
        QCOMPARE(grid.colPos(1), Twips::fromPixels(pixels));
    } else {
        QCOMPARE(grid.horizontalHeader()->sectionSize(col - 1), pixels);
        QCOMPARE(grid.colPos(col + 1) - grid.colPos(col), Twips::fromPixels(pixels));
    }
    QCOMPARE(grid.colPos(0), 0);

    // Widths belong to the grid's columns and outlive a new binding.
    openRecordset(recordset, kCompanyQuery + QStringLiteral(" WHERE id < 10"));
    grid.setDataSource(&recordset);
    QCOMPARE(grid.colWidth(col), twips);
    if (col > 0)
        QCOMPARE(grid.horizontalHeader()->sectionSize(col - 1), pixels);
    QVERIFY(!grid.setColWidth(grid.cols(), twips));
}

void TestFlexGridView::zeroWidthHidesColumns()
{
    Recordset recordset;
    openRecordset(recordset, kCompanyQuery);
    FlexGrid grid;
    grid.setDataSource(&recordset);
    showGrid(grid);
    QVERIFY(grid.setColWidth(1, 0));
    QVERIFY(grid.setColWidth(2, 1500));
    QCoreApplication::processEvents();

    QVERIFY(grid.isColumnHidden(0));
    QCOMPARE(grid.colWidth(1), 0);
    QCOMPARE(grid.colPos(2), grid.colPos(1));
    QCOMPARE(grid.colPos(1), Twips::fromPixels(grid.verticalHeader()->width()));

    QVERIFY(grid.setColWidth(0, 0));
    QCoreApplication::processEvents();
    QVERIFY(grid.verticalHeader()->isHidden());
    QCOMPARE(grid.colWidth(0), 0);
    QCOMPARE(grid.colPos(2), 0);

    // Nothing to point at: the first visible column is under the left edge.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(2, dataPoint(grid, 3, 2).y()));
    QCOMPARE(grid.mouseCol(), 2);
    QCOMPARE(grid.col(), 2);

    QVERIFY(grid.setColWidth(1, 900));
    QVERIFY(grid.setColWidth(0, 350));
    QCoreApplication::processEvents();
    QVERIFY(!grid.isColumnHidden(0));
    QVERIFY(grid.verticalHeader()->isVisible());
    QCOMPARE(grid.verticalHeader()->width(), Twips::toPixels(350));
}

void TestFlexGridView::topRowAndCurrentRow()
{
    Recordset recordset;
    openRecordset(recordset, kCompanyQuery);
    FlexGrid grid;
    grid.setDataSource(&recordset);
    showGrid(grid);
    const int shown = grid.viewport()->height() / grid.verticalHeader()->defaultSectionSize();
    QVERIFY(shown > 2 && shown < kCompanies);

    QCOMPARE(grid.topRow(), 1);
    QVERIFY(grid.setTopRow(20));
    QCOMPARE(grid.topRow(), 20);
    QCOMPARE(grid.rowAt(0), 19);
    QVERIFY(grid.setTopRow(kCompanies));
    QCOMPARE(grid.topRow(), kCompanies - shown + 1);
    QVERIFY(grid.setTopRow(-3));
    QCOMPARE(grid.topRow(), 1);

    // Making a row current does not scroll the grid; the view shows it as the selected row.
    QVERIFY(grid.setRow(kCompanies - 1));
    QCOMPARE(grid.row(), kCompanies - 1);
    QCoreApplication::processEvents();
    QCOMPARE(grid.topRow(), 1);
    QCOMPARE(grid.currentIndex().row(), kCompanies - 2);
    QVERIFY(grid.selectionModel()->isRowSelected(kCompanies - 2));

    // Fixed cells can be current too.
    QVERIFY(grid.setRow(0));
    QVERIFY(grid.setCol(0));
    QCOMPARE(grid.row(), 0);
    QCOMPARE(grid.col(), 0);
    QCoreApplication::processEvents();
    QVERIFY(!grid.selectionModel()->hasSelection());

    QVERIFY(!grid.setRow(kCompanies + 1));
    QVERIFY(!grid.setRow(-1));
    QVERIFY(!grid.setCol(grid.cols()));
    QCOMPARE(grid.row(), 0);

    QVERIFY(grid.setRow(4));
    QCOMPARE(grid.textMatrix(grid.row(), 3), QStringLiteral("Empresa 004"));

    FlexGrid empty;
    QVERIFY(empty.setRows(1));
    QVERIFY(!empty.setTopRow(1));
    QCOMPARE(empty.row(), 0);
}

void TestFlexGridView::leftCol()
{
    FlexGrid grid;
    QVERIFY(grid.setRows(5));
    QVERIFY(grid.setCols(30));
    showGrid(grid);
    QCOMPARE(grid.leftCol(), 1);

    QVERIFY(grid.setLeftCol(6));
    QCOMPARE(grid.leftCol(), 6);
    QCOMPARE(grid.colPos(6), Twips::fromPixels(grid.verticalHeader()->width()));
    QVERIFY(grid.colPos(5) < grid.colPos(6));

    QVERIFY(grid.setLeftCol(29));
    QVERIFY(grid.leftCol() < 29);
    QCOMPARE(grid.horizontalScrollBar()->value(), grid.horizontalScrollBar()->maximum());

    QVERIFY(grid.setLeftCol(1));
    QCOMPARE(grid.leftCol(), 1);
    QCOMPARE(grid.horizontalScrollBar()->value(), 0);
}

void TestFlexGridView::mouseSetsPointerCellAndCurrentCell_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("targetRow");
    QTest::addColumn<int>("targetCol");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");

    // The grid starts at row 2, column 4.
    QTest::newRow("data cell") << "data" << 5 << 3 << 5 << 3;
    QTest::newRow("marker cell") << "marker" << 6 << 0 << 6 << 0;
    QTest::newRow("header") << "header" << 0 << 3 << 2 << 3;
    QTest::newRow("corner") << "corner" << 0 << 0 << 2 << 4;
    QTest::newRow("below the last row") << "empty" << -1 << 2 << 2 << 4;
}

void TestFlexGridView::mouseSetsPointerCellAndCurrentCell()
{
    QFETCH(QString, target);
    QFETCH(int, targetRow);
    QFETCH(int, targetCol);
    QFETCH(int, row);
    QFETCH(int, col);

    Recordset recordset;
    openRecordset(recordset, kCompanyQuery + QStringLiteral(" WHERE id <= 8"));
    FlexGrid grid;
    grid.setDataSource(&recordset);
    QVERIFY(grid.setColWidth(0, 350));
    showGrid(grid);
    QVERIFY(grid.setRow(2));
    QVERIFY(grid.setCol(4));

    QWidget* widget = nullptr;
    QPoint pos;
    if (target == QLatin1String("data")) {
        widget = grid.viewport();
        pos = dataPoint(grid, targetRow, targetCol);
    } else if (target == QLatin1String("marker")) {
        widget = grid.verticalHeader()->viewport();
        pos = markerPoint(grid, targetRow);
    } else if (target == QLatin1String("header")) {
        widget = grid.horizontalHeader()->viewport();
        pos = headerPoint(grid, targetCol);
    } else if (target == QLatin1String("corner")) {
        widget = grid.findChild<QAbstractButton*>();
        pos = widget->rect().center();
    } else {
        widget = grid.viewport();
        pos = QPoint(dataPoint(grid, 1, targetCol).x(), grid.viewport()->height() - 2);
    }
    QVERIFY(widget);

    QList<QPair<int, int>> atClick;
    connect(&grid, &FlexGrid::clicked, &grid, [&] { atClick.append({grid.mouseRow(), grid.mouseCol()}); });
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);

    QCOMPARE(grid.mouseRow(), targetRow);
    QCOMPARE(grid.mouseCol(), targetCol);
    QCOMPARE(grid.row(), row);
    QCOMPARE(grid.col(), col);
    QCOMPARE(atClick.size(), 1);
    QCOMPARE(atClick.first(), qMakePair(targetRow, targetCol));
    QCoreApplication::processEvents();
    QCOMPARE(grid.row(), row);
    QCOMPARE(grid.col(), col);

    // Only the left button moves the current cell.
    QVERIFY(grid.setRow(1));
    QVERIFY(grid.setCol(1));
    QTest::mouseClick(widget, Qt::RightButton, {}, pos);
    QCOMPARE(grid.row(), 1);
    QCOMPARE(grid.col(), 1);
    QCOMPARE(atClick.size(), 1);
}

void TestFlexGridView::doubleClickAndMoveReportThePointerCell()
{
    Recordset recordset;
    openRecordset(recordset, kCompanyQuery);
    FlexGrid grid;
    grid.setDataSource(&recordset);
    QVERIFY(grid.setColWidth(0, 350));
    showGrid(grid);

    QList<QList<int>> atDoubleClick; // mouse row, mouse column, row, column
    connect(&grid, &FlexGrid::doubleClicked, &grid, [&] {
        atDoubleClick.append({grid.mouseRow(), grid.mouseCol(), grid.row(), grid.col()});
    });
    QSignalSpy clicked(&grid, &FlexGrid::clicked);

    doubleClick(grid.verticalHeader()->viewport(), markerPoint(grid, 5));
    doubleClick(grid.viewport(), dataPoint(grid, 3, 2));
    doubleClick(grid.findChild<QAbstractButton*>(), QPoint(2, 2));
    doubleClick(grid.horizontalHeader()->viewport(), headerPoint(grid, 4));
    QCOMPARE(atDoubleClick.size(), 4);
    QCOMPARE(atDoubleClick[0], (QList<int> {5, 0, 5, 0}));
    QCOMPARE(atDoubleClick[1], (QList<int> {3, 2, 3, 2}));
    QCOMPARE(atDoubleClick[2], (QList<int> {0, 0, 3, 2}));
    QCOMPARE(atDoubleClick[3], (QList<int> {0, 4, 3, 4}));
    // The first press and release of each is a click; the release ending it is not.
    QCOMPARE(clicked.size(), 4);

    QList<QList<double>> moves;
    connect(&grid, &FlexGrid::mouseMoved, &grid,
        [&](Qt::MouseButtons, Qt::KeyboardModifiers, double x, double y) {
            moves.append({double(grid.mouseRow()), double(grid.mouseCol()), x, y});
        });
    QWidget* header = grid.horizontalHeader()->viewport();
    const QPoint pos = headerPoint(grid, 3);
    QMouseEvent move(
        QEvent::MouseMove, pos, header->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(header, &move);
    QCOMPARE(moves.size(), 1);
    QCOMPARE(moves[0][0], 0.0);
    QCOMPARE(moves[0][1], 3.0);
    // The position is from the grid's top-left corner, so it compares with colPos.
    QCOMPARE(moves[0][2], double(grid.colPos(3) + Twips::fromPixels(5)));
    QVERIFY(moves[0][3] > 0 && moves[0][3] < Twips::fromPixels(grid.horizontalHeader()->height()));
}

void TestFlexGridView::keyboardMovesTheCurrentRow()
{
    Recordset recordset;
    openRecordset(recordset, kCompanyQuery);
    FlexGrid grid;
    grid.setDataSource(&recordset);
    showGrid(grid);
    grid.setFocus();
    QVERIFY(grid.setRow(3));
    QVERIFY(grid.setCol(2));
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.row(), 4);
    QCOMPARE(grid.col(), 2);
}

void TestFlexGridView::fontSetsRowHeight()
{
    FlexGrid grid;
    QVERIFY(grid.setRows(100));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
    grid.setFont(font);
    const int small = grid.verticalHeader()->sectionSize(50);
    font.setPointSize(20);
    grid.setFont(font);
    QVERIFY(grid.verticalHeader()->sectionSize(50) > small);
    QCOMPARE(grid.verticalHeader()->sectionSize(50), grid.verticalHeader()->sectionSize(0));
    QCOMPARE(grid.horizontalHeader()->sizeHint().height(), grid.verticalHeader()->sectionSize(0));
}

void TestFlexGridView::customMousePointer()
{
    FlexGrid grid;
    QCOMPARE(grid.mousePointer(), FlexGrid::Pointer::Default);
    grid.setMouseIcon(QCursor(Qt::PointingHandCursor));
    QCOMPARE(grid.viewport()->cursor().shape(), Qt::ArrowCursor);
    grid.setMousePointer(FlexGrid::Pointer::Custom);
    QCOMPARE(grid.horizontalHeader()->viewport()->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(grid.viewport()->cursor().shape(), Qt::PointingHandCursor);
    grid.setMousePointer(FlexGrid::Pointer::Default);
    QCOMPARE(grid.horizontalHeader()->viewport()->cursor().shape(), Qt::ArrowCursor);
}

void TestFlexGridView::markerColorsSurviveScrolling()
{
    Recordset recordset;
    openRecordset(recordset, QStringLiteral("SELECT name, num FROM big"));
    FlexGrid grid;
    grid.setDataSource(&recordset);
    QVERIFY(grid.setColWidth(0, 350));
    showGrid(grid);

    const QColor marked = bgrColor(0xEAF3F6);
    const QColor unmarked = bgrColor(0x3E3E3E);
    // Every row, as the guide paints its marks: the marker column hears of it once, not once a row.
    QSignalSpy notices(grid.model(), &QAbstractItemModel::headerDataChanged);
    for (int r = 1; r < grid.rows(); ++r) {
        grid.setRow(r);
        grid.setCol(0);
        grid.setCellBackColor(r % 3 == 0 ? marked : unmarked);
    }
    QCoreApplication::processEvents();
    QCOMPARE(notices.count(), 1);
    QVERIFY(grid.setRow(1));

    for (const int top : {1, 3000, 99990}) {
        QVERIFY(grid.setTopRow(top));
        QCoreApplication::processEvents();
        const int shownTop = grid.topRow();
        for (const int r : {shownTop, shownTop + 1, shownTop + 2}) {
            QVERIFY(grid.setRow(r));
            QCOMPARE(grid.cellBackColor(), r % 3 == 0 ? marked : unmarked);
            QCOMPARE(pixel(grid.verticalHeader(), markerPoint(grid, r)), r % 3 == 0 ? marked : unmarked);
        }
        // No grid line crosses the marker column between two unmarked rows.
        int r = shownTop;
        while (r % 3 != 1)
            ++r;
        const int boundary = grid.verticalHeader()->sectionViewportPosition(r);
        QCOMPARE(
            pixel(grid.verticalHeader(), QPoint(grid.verticalHeader()->width() / 2, boundary)), unmarked);
        QCOMPARE(
            pixel(grid.verticalHeader(), QPoint(grid.verticalHeader()->width() / 2, boundary - 1)), unmarked);
    }
}

void TestFlexGridView::markerColorsAreResetByRebindAndSetRows()
{
    Recordset recordset;
    openRecordset(recordset, kCompanyQuery);
    FlexGrid grid;
    grid.setDataSource(&recordset);
    QVERIFY(grid.setRow(4));
    QVERIFY(grid.setCol(0));
    QVERIFY(grid.setCellBackColor(Qt::yellow));
    QVERIFY(grid.setCol(2));
    QVERIFY(grid.setCellBackColor(Qt::cyan));
    QVERIFY(grid.setCol(0));
    QCOMPARE(grid.cellBackColor(), QColor(Qt::yellow));

    grid.setDataSource(&recordset);
    QVERIFY(grid.setRow(4));
    QVERIFY(grid.setCol(0));
    QVERIFY(!grid.cellBackColor().isValid());
    QVERIFY(grid.setCol(2));
    QVERIFY(!grid.cellBackColor().isValid());

    // A re-opened recordset holds other rows: their colours go too.
    QVERIFY(grid.setCol(0));
    QVERIFY(grid.setCellBackColor(Qt::yellow));
    recordset.requery();
    QVERIFY(grid.setRow(4));
    QVERIFY(grid.setCol(0));
    QVERIFY(!grid.cellBackColor().isValid());

    FlexGrid cells;
    QVERIFY(cells.setRows(10));
    QVERIFY(cells.setRow(4));
    QVERIFY(cells.setCol(0));
    QVERIFY(cells.setCellBackColor(Qt::yellow));
    QVERIFY(cells.setRows(10));
    QVERIFY(!cells.cellBackColor().isValid());
}

void TestFlexGridView::fixedAndDataCellsPaintTheirColors()
{
    Recordset recordset;
    openRecordset(recordset, kCompanyQuery);
    FlexGrid grid;
    grid.setDataSource(&recordset);
    grid.setBackColor(bgrColor(0x505E59));
    grid.setForeColor(Qt::white);
    grid.setBackColorFixed(bgrColor(0x3E3E3E));
    grid.setForeColorFixed(bgrColor(0xFF));
    QVERIFY(grid.setColWidth(0, 350));
    QVERIFY(grid.setColWidth(1, 0));
    QVERIFY(grid.setColWidth(3, 4000));
    showGrid(grid);
    QVERIFY(grid.setRow(1));
    QCoreApplication::processEvents();

    QCOMPARE(grid.backColorFixed(), bgrColor(0x3E3E3E));
    QHeaderView* header = grid.horizontalHeader();
    // Right of the text "name" in column 3's header.
    const QPoint inHeader(header->sectionViewportPosition(2) + header->sectionSize(2) - 10, 3);
    QCOMPARE(pixel(header, inHeader), bgrColor(0x3E3E3E));
    QCOMPARE(pixel(grid.verticalHeader(), markerPoint(grid, 5)), bgrColor(0x3E3E3E));
    QWidget* corner = grid.findChild<QAbstractButton*>();
    QCOMPARE(pixel(corner, corner->rect().center()), bgrColor(0x3E3E3E));
    const QRect cell = grid.visualRect(grid.model()->index(4, 2));
    QCOMPARE(pixel(grid.viewport(), QPoint(cell.right() - 5, cell.center().y())), bgrColor(0x505E59));

    // The header text is drawn in the fixed fore colour.
    const QImage image = header->grab().toImage();
    bool red = false;
    for (int x = header->sectionViewportPosition(2); x < header->sectionViewportPosition(2) + 40 && !red;
         ++x) {
        for (int y = 0; y < image.height() && !red; ++y)
            red = qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 80;
    }
    QVERIFY(red);
}

QTEST_MAIN(TestFlexGridView)
#include "tst_flexgrid_view.moc"
