#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/ui/Colors.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/FlexGridModel.h"
#include "platform/ui/Twips.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sqlite3.h>

namespace {

constexpr int kCompanies = 50;
constexpr int kBigCompanies = 100000;

const QString kCompanyQuery = QStringLiteral("SELECT sel, sector, name, num FROM companies");

// Shown at a fixed size so that geometry, scrolling and painting are those of a real window.
void showGrid(FlexGrid& grid)
{
    grid.resize(600, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCoreApplication::processEvents();
}

QPoint markerPoint(FlexGrid& grid, int row)
{
    QHeaderView* header = grid.verticalHeader();
    return {header->width() / 2, header->sectionViewportPosition(row - 1) + header->sectionSize(row - 1) / 2};
}

QPoint headerPoint(FlexGrid& grid, int col)
{
    QHeaderView* header = grid.horizontalHeader();
    return {header->sectionViewportPosition(col - 1) + 5, header->height() / 2};
}

QPoint dataPoint(FlexGrid& grid, int row, int col)
{
    return grid.visualRect(grid.model()->index(row - 1, col - 1)).center();
}

// What the window system sends for a double-click: the second press arrives as the double-click.
void doubleClick(QWidget* widget, QPoint pos)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

QColor pixel(QWidget* widget, QPoint pos)
{
    return QColor::fromRgb(widget->grab().toImage().pixel(pos * widget->devicePixelRatioF()));
}

} // namespace

class TestFlexGrid : public QObject
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
    void openRecordset(Recordset& recordset, const QString& sql) { recordset.open(sql, m_connection); }

    QTemporaryDir m_dir;
    Connection m_connection;
};

void TestFlexGrid::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(QStringLiteral("grid.db"));
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    const QByteArray script = QStringLiteral(
        "CREATE TABLE companies (id INTEGER PRIMARY KEY, sel BOOLEAN, sector TEXT, name TEXT, num INTEGER);"
        "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < %1)"
        " INSERT INTO companies SELECT x, x % 2, CASE x % 3 WHEN 0 THEN 'HOTELES' WHEN 1 THEN 'VENDING'"
        " ELSE 'CATERING' END, printf('Empresa %03d', x), x * 10 FROM n;"
        "CREATE TABLE big (id INTEGER PRIMARY KEY, name TEXT, num INTEGER);"
        "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < %2)"
        " INSERT INTO big SELECT x, printf('Empresa %06d', x), x FROM n;")
                                  .arg(kCompanies)
                                  .arg(kBigCompanies)
                                  .toUtf8();
    char* error = nullptr;
    const int rc = sqlite3_exec(db, script.constData(), nullptr, nullptr, &error);
    const QString message = QString::fromUtf8(error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
    QVERIFY2(rc == SQLITE_OK, qPrintable(message));
    m_connection.open(path);
}

void TestFlexGrid::modelTesterOnCells()
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

void TestFlexGrid::modelTesterOnBinding()
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

void TestFlexGrid::cellsKeepTheirTextsAcrossResizing()
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

void TestFlexGrid::bindingShowsRecordsInOrder_data()
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

void TestFlexGrid::bindingShowsRecordsInOrder()
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

void TestFlexGrid::bindingFollowsReopenAndFailedReopen()
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

void TestFlexGrid::bindingFollowsAnUpdatedRow()
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

void TestFlexGrid::closedRecordsetShowsHeaderOnly()
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

void TestFlexGrid::destroyedRecordsetUnbinds()
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

void TestFlexGrid::setRowsAfterBindingUnbinds()
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

void TestFlexGrid::bindingDoesNotCopyTheRows()
{
    Recordset recordset;
    openRecordset(recordset, QStringLiteral("SELECT name, num FROM big"));
    FlexGrid grid;
    showGrid(grid);

    // The best of a few tries, so that a busy machine does not decide.
    qint64 best = std::numeric_limits<qint64>::max();
    for (int attempt = 0; attempt < 3; ++attempt) {
        grid.setDataSource(nullptr);
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        grid.setDataSource(&recordset);
        QVERIFY(grid.setTopRow(kBigCompanies));
        QVERIFY(grid.setRow(1));
        QVERIFY(grid.setTopRow(1));
        QCoreApplication::processEvents();
        best = qMin(best, timer.elapsed());
    }
    QVERIFY2(best < 50, qPrintable(QStringLiteral("binding took %1 ms").arg(best)));
    QCOMPARE(grid.rows(), kBigCompanies + 1);
    QCOMPARE(grid.textMatrix(kBigCompanies, 1), QStringLiteral("Empresa 100000"));
}

void TestFlexGrid::parseFormatString_data()
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

void TestFlexGrid::parseFormatString()
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

void TestFlexGrid::formatStringSetsHeadersAndAlignment()
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

void TestFlexGrid::headerCaptionShowsWhenFormatTextIsEmpty()
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

void TestFlexGrid::colWidthInTwips_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("twips");

    QTest::newRow("marker, guide at 800") << 0 << 300;
    QTest::newRow("marker, guide at 1024") << 0 << 350;
    QTest::newRow("name") << 3 << 4000;
    QTest::newRow("not a whole pixel") << 2 << 1100;
    QTest::newRow("very wide") << 2 << 21000;
}

void TestFlexGrid::colWidthInTwips()
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

void TestFlexGrid::zeroWidthHidesColumns()
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

void TestFlexGrid::topRowAndCurrentRow()
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

void TestFlexGrid::leftCol()
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

void TestFlexGrid::mouseSetsPointerCellAndCurrentCell_data()
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

void TestFlexGrid::mouseSetsPointerCellAndCurrentCell()
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

void TestFlexGrid::doubleClickAndMoveReportThePointerCell()
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

void TestFlexGrid::keyboardMovesTheCurrentRow()
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

void TestFlexGrid::fontSetsRowHeight()
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

void TestFlexGrid::customMousePointer()
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

void TestFlexGrid::markerColorsSurviveScrolling()
{
    Recordset recordset;
    openRecordset(recordset, QStringLiteral("SELECT name, num FROM big"));
    FlexGrid grid;
    grid.setDataSource(&recordset);
    QVERIFY(grid.setColWidth(0, 350));
    showGrid(grid);

    const QColor marked = bgrColor(0xEAF3F6);
    const QColor unmarked = bgrColor(0x3E3E3E);
    // Every row, as the guide paints its marks.
    QElapsedTimer timer;
    timer.start();
    for (int r = 1; r < grid.rows(); ++r) {
        grid.setRow(r);
        grid.setCol(0);
        grid.setCellBackColor(r % 3 == 0 ? marked : unmarked);
    }
    const qint64 marking = timer.elapsed();
    QVERIFY2(marking < 50, qPrintable(QStringLiteral("marking took %1 ms").arg(marking)));
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

void TestFlexGrid::markerColorsAreResetByRebindAndSetRows()
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

void TestFlexGrid::fixedAndDataCellsPaintTheirColors()
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

QTEST_MAIN(TestFlexGrid)
#include "tst_flexgrid.moc"
