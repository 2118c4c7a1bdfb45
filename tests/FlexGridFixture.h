#pragma once

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
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sqlite3.h>

// The small company table the grid tests bind to, and where the pointer finds rows and headers.
namespace FlexGridFixture {

inline constexpr int kCompanies = 50;
inline constexpr int kBigCompanies = 100000;

inline const QString kCompanyQuery = QStringLiteral("SELECT sel, sector, name, num FROM companies");

// Shown at a fixed size so that geometry, scrolling and painting are those of a real window.
inline void showGrid(FlexGrid& grid)
{
    grid.resize(600, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCoreApplication::processEvents();
}

inline QPoint markerPoint(FlexGrid& grid, int row)
{
    QHeaderView* header = grid.verticalHeader();
    return {header->width() / 2, header->sectionViewportPosition(row - 1) + header->sectionSize(row - 1) / 2};
}

inline QPoint headerPoint(FlexGrid& grid, int col)
{
    QHeaderView* header = grid.horizontalHeader();
    return {header->sectionViewportPosition(col - 1) + 5, header->height() / 2};
}

inline QPoint dataPoint(FlexGrid& grid, int row, int col)
{
    return grid.visualRect(grid.model()->index(row - 1, col - 1)).center();
}

// What the window system sends for a double-click: the second press arrives as the double-click.
inline void doubleClick(QWidget* widget, QPoint pos)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

inline QColor pixel(QWidget* widget, QPoint pos)
{
    return QColor::fromRgb(widget->grab().toImage().pixel(pos * widget->devicePixelRatioF()));
}

// Writes the table into a new database at `path` and opens `connection` on it.
inline void createDatabase(const QString& path, Connection& connection)
{
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
    connection.open(path);
}

// The database a grid test binds to, in a folder of its own for the test's life.
class GridDatabase
{
public:
    // Creates and opens it: called from initTestCase.
    void create()
    {
        QVERIFY(m_dir.isValid());
        createDatabase(m_dir.filePath(QStringLiteral("grid.db")), m_connection);
    }
    void openRecordset(Recordset& recordset, const QString& sql) { recordset.open(sql, m_connection); }

private:
    QTemporaryDir m_dir;
    Connection m_connection;
};

} // namespace FlexGridFixture
