#include "TestInstallation.h"
#include "core/clsDatosBD.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <QScopeGuard>
#include <QTest>
#include <sqlite3.h>

namespace {

const QString kSelect = QStringLiteral("SELECT seleccionada, sector, empresa, actividad, cif, autonomia, "
                                       "provincia, poblacion, domicilio, cp, telefono, "
                                       "fax, email, web, cargo_1, contacto_1, cargo_2, contacto_2, "
                                       "superficie, vehiculos, empleados, observaciones, "
                                       "empresa_id FROM tbl_empresas");

// Every cell of every row, NULL told from empty, in the recordset's order.
QStringList rowsOf(Recordset& rs)
{
    QStringList rows;
    rows.reserve(rs.recordCount());
    for (int r = 0; r < rs.recordCount(); ++r) {
        QString row;
        for (int c = 0; c < rs.fieldCount(); ++c)
            row += (rs.isNullAt(r, c) ? QStringLiteral("<NULL>") : rs.textAt(r, c)) + QLatin1Char('\t');
        rows << row;
    }
    return rows;
}

// What SQLite itself returns for `sql`, read afresh.
QStringList sqliteRows(Connection& conn, const QString& sql)
{
    Recordset rs;
    rs.open(sql, conn);
    return rowsOf(rs);
}

// The first row where two listings part, for a readable failure.
QString firstDifference(const QStringList& a, const QStringList& b)
{
    for (qsizetype i = 0; i < qMin(a.size(), b.size()); ++i) {
        if (a.at(i) != b.at(i))
            return QStringLiteral("row %1:\n  got      %2\n  expected %3").arg(i + 1).arg(a.at(i), b.at(i));
    }
    return QStringLiteral("%1 rows against %2").arg(a.size()).arg(b.size());
}

} // namespace

// A sort of the companies shown gives SQLite's ORDER BY exactly, whatever path it takes.
class TestSortOrder : public QObject
{
    Q_OBJECT

private:
    Connection m_conn;
    int m_sorts = 0; // sorts SQLite ran on the connection

private Q_SLOTS:
    void initTestCase()
    {
        m_conn.open(TestInstallation::databasePath());
        QVERIFY(m_conn.isOpen());
        // Ties and NULLs worth the name: equal values in every sortable column, some NULL and some empty.
        QVERIFY(TestInstallation::scalar(
                    QStringLiteral("SELECT COUNT(*) FROM tbl_empresas WHERE contacto_1 IS NULL"), m_conn)
                    .toInt()
            > 0);
        // A blob among texts sorts after them all: a value the snapshot holds only as text.
        QCOMPARE(m_conn.execute(
                     QStringLiteral("UPDATE tbl_empresas SET web = X'616161' WHERE id_emp = "
                                    "(SELECT min(id_emp) FROM tbl_empresas WHERE sector = 'CATERING')")),
            1);
        sqlite3_trace_v2(
            m_conn.handle(), SQLITE_TRACE_PROFILE,
            [](unsigned, void* sorts, void* stmt, void*) {
                *static_cast<int*>(sorts)
                    += sqlite3_stmt_status(static_cast<sqlite3_stmt*>(stmt), SQLITE_STMTSTATUS_SORT, 0);
                return 0;
            },
            &m_sorts);
    }

    void everyColumnBothDirections_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("column");
        QTest::addColumn<bool>("sqliteSorts");
        const QStringList columns = {QStringLiteral("seleccionada"), QStringLiteral("sector"),
            QStringLiteral("empresa"), QStringLiteral("actividad"), QStringLiteral("cif"),
            QStringLiteral("autonomia"), QStringLiteral("provincia"), QStringLiteral("poblacion"),
            QStringLiteral("domicilio"), QStringLiteral("cp"), QStringLiteral("telefono"),
            QStringLiteral("fax"), QStringLiteral("email"), QStringLiteral("web"), QStringLiteral("cargo_1"),
            QStringLiteral("contacto_1"), QStringLiteral("cargo_2"), QStringLiteral("contacto_2"),
            QStringLiteral("superficie"), QStringLiteral("vehiculos"), QStringLiteral("empleados"),
            QStringLiteral("observaciones"), QStringLiteral("empresa_id")};
        // Text columns are sorted here or walked through their index: SQLite sorts only the others.
        const QStringList sortedBySqlite
            = {QStringLiteral("seleccionada"), QStringLiteral("web"), QStringLiteral("empresa_id")};
        for (const QString& column : columns) {
            QTest::addRow("all companies by %s", qPrintable(column))
                << kSelect << column << sortedBySqlite.contains(column);
            QTest::addRow("one sector by %s", qPrintable(column))
                << kSelect + QStringLiteral(" WHERE sector LIKE 'CATERIN%' ORDER BY provincia DESC") << column
                << sortedBySqlite.contains(column);
        }
        QTest::addRow("one town, an index chosen for the filter")
            << kSelect + QStringLiteral(" WHERE poblacion = 'MADRID'") << QStringLiteral("cif") << true;
    }

    void everyColumnBothDirections()
    {
        QFETCH(QString, base);
        QFETCH(QString, column);
        QFETCH(bool, sqliteSorts);
        clsDatosBD datos;
        QVERIFY(datos.setConexion(&m_conn));
        QVERIFY(datos.setDatos(base) > 0);
        for (const char* direction : std::initializer_list<const char*> {"", " DESC", " ASC", nullptr}) {
            // No direction: no order, as when the sort is taken away.
            QString campo = direction ? column + QLatin1String(direction) : QString();
            m_sorts = 0;
            datos.setOrden(campo);
            QVERIFY(!datos.fallo());
            QCOMPARE(m_sorts > 0, sqliteSorts && direction);
            Recordset* rs = datos.getRecordset();
            const QStringList got = rowsOf(*rs);
            const QStringList expected = sqliteRows(m_conn, rs->source());
            QVERIFY2(got == expected,
                qPrintable(rs->source() + QLatin1Char('\n') + firstDifference(got, expected)));
        }
    }

    // The rows in memory are reordered, not read again, when only the ORDER BY changes.
    void reorderKeepsTheRowsAndFollowsTheSource()
    {
        Recordset rs;
        rs.open(kSelect + QStringLiteral(" ORDER BY id_emp"), m_conn);
        const qint64 before = rs.memoryBytes();
        const QString sorted = kSelect + QStringLiteral(" ORDER BY poblacion DESC");
        QVERIFY(rs.reorder(sorted));
        QCOMPARE(rs.source(), sorted);
        QCOMPARE(rs.absolutePosition(), 1);
        QVERIFY(rs.memoryBytes() - before <= qint64(rs.recordCount()) * 4 + 64);
        QCOMPARE(rowsOf(rs), sqliteRows(m_conn, sorted));
    }

    void reorderRefusesWhatItCannotDoExactly_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("other rows") << kSelect
                + QStringLiteral(" WHERE sector LIKE 'HOTEL%' ORDER BY empresa");
        QTest::newRow("order by position") << kSelect + QStringLiteral(" ORDER BY 3");
        QTest::newRow("two terms") << kSelect + QStringLiteral(" ORDER BY provincia, empresa");
        QTest::newRow("not a query") << QStringLiteral("DELETE FROM tbl_empresas ORDER BY empresa");
    }

    void reorderRefusesWhatItCannotDoExactly()
    {
        QFETCH(QString, sql);
        Recordset rs;
        rs.open(kSelect, m_conn);
        const QStringList before = rowsOf(rs);
        QVERIFY(!rs.reorder(sql));
        QCOMPARE(rs.source(), kSelect);
        QCOMPARE(rowsOf(rs), before);
    }

    // After a sort in memory a mark is written to the company shown at that row, and undo returns
    // to the order before.
    void marksAndUndoAfterASort()
    {
        clsDatosBD datos;
        QVERIFY(datos.setConexion(&m_conn));
        QVERIFY(datos.setDatos(kSelect + QStringLiteral(" ORDER BY cif")) > 10);
        QString campo = QStringLiteral("empresa DESC");
        datos.setOrden(campo);
        Recordset* rs = datos.getRecordset();
        rs->setAbsolutePosition(7);
        const QString cif = rs->field(QStringLiteral("cif")).value().toString();
        const bool marked = rs->field(QStringLiteral("seleccionada")).value().toBool();
        rs->field(QStringLiteral("seleccionada")).setValue(!marked);
        rs->update();
        QCOMPARE(
            TestInstallation::scalar(
                QStringLiteral("SELECT seleccionada FROM tbl_empresas WHERE cif = '%1'").arg(cif), m_conn)
                .toBool(),
            !marked);
        QCOMPARE(rs->field(QStringLiteral("cif")).value().toString(), cif);

        QVERIFY(datos.deshacer());
        QCOMPARE(datos.getRecordset()->source(), kSelect + QStringLiteral(" ORDER BY cif"));
        QCOMPARE(
            rowsOf(*datos.getRecordset()), sqliteRows(m_conn, kSelect + QStringLiteral(" ORDER BY cif")));
        rs->field(QStringLiteral("seleccionada")).setValue(marked);
    }

    // Marked companies shown, one unmarked since, then a sort by a header: the table no longer holds
    // what was read, so the rows are read again, counted as SQLite counts them.
    void sortAfterTheTableChangedShowsTheQuerysRows()
    {
        const QString wereMarked = TestInstallation::scalar(
            QStringLiteral("SELECT group_concat(id_emp) FROM tbl_empresas WHERE seleccionada"), m_conn)
                                       .toString();
        QVERIFY(m_conn.execute(QStringLiteral("UPDATE tbl_empresas SET seleccionada = 1 WHERE id_emp IN "
                                              "(SELECT id_emp FROM tbl_empresas ORDER BY id_emp LIMIT 6)"))
            > 0);
        const auto restore = qScopeGuard([this, wereMarked] {
            m_conn.execute(QStringLiteral("UPDATE tbl_empresas SET seleccionada = id_emp IN (%1)")
                               .arg(wereMarked.isEmpty() ? QStringLiteral("-1") : wereMarked));
        });
        clsDatosBD datos;
        QVERIFY(datos.setConexion(&m_conn));
        const int marked = datos.setDatos(kSelect + QStringLiteral(" WHERE seleccionada= True"));
        QVERIFY(marked >= 6);
        Recordset* rs = datos.getRecordset();
        rs->setAbsolutePosition(2);
        rs->field(QStringLiteral("seleccionada")).setValue(false);
        rs->update();
        QString campo = QStringLiteral("empresa");
        datos.setOrden(campo);
        QVERIFY(!datos.fallo());
        rs = datos.getRecordset();
        QCOMPARE(rs->recordCount(), marked - 1);
        const QStringList expected = sqliteRows(m_conn, rs->source());
        const QStringList got = rowsOf(*rs);
        QVERIFY2(got == expected, qPrintable(firstDifference(got, expected)));
    }
};

QTEST_MAIN(TestSortOrder)
#include "tst_sort_order.moc"
