#include "TestInstallation.h"
#include "core/BusyHook.h"
#include "core/clsDatosBD.h"
#include "guide/GridBinding.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/SpanishText.h"
#include "platform/ui/FlexGrid.h"

#include <QScopeGuard>
#include <QTest>

namespace {

const QString kSelect = QStringLiteral("SELECT seleccionada, sector, empresa, actividad, cif, autonomia, "
                                       "provincia, poblacion, domicilio, cp, telefono, "
                                       "fax, email, web, cargo_1, contacto_1, cargo_2, contacto_2, "
                                       "superficie, vehiculos, empleados, observaciones, "
                                       "empresa_id ");
const QString kCatering = kSelect + QStringLiteral(" FROM tbl_empresas where sector LIKE 'CATERIN%'");
const QString kTodas = kSelect + QStringLiteral(" FROM tbl_empresas");

} // namespace

class TestDatosBD : public QObject
{
    Q_OBJECT

private:
    Connection m_conn;

private Q_SLOTS:
    void initTestCase()
    {
        m_conn.open(TestInstallation::databasePath());
        QVERIFY(m_conn.isOpen());
    }

    void sortingRewritesOnlyTheOrderByTerm()
    {
        clsDatosBD datos;
        QVERIFY(datos.setConexion(&m_conn));
        QVERIFY(datos.setDatos(kCatering) > 0);
        QCOMPARE(datos.getOrdenIndice(), 0);

        QString campo = QStringLiteral("empresa");
        datos.setOrden(campo);
        QCOMPARE(campo, QStringLiteral("empresa ASC"));
        QCOMPARE(datos.getSQL(), kCatering + QStringLiteral(" ORDER BY empresa ASC"));
        QCOMPARE(datos.getOrdenIndice(), 3);
        QCOMPARE(datos.getDireccionOrden(), 0);

        campo = QStringLiteral("empresa");
        datos.setOrden(campo);
        QCOMPARE(datos.getSQL(), kCatering + QStringLiteral(" ORDER BY empresa DESC"));
        QCOMPARE(datos.getDireccionOrden(), 1);
        QCOMPARE(datos.getOrdenNombre(), QStringLiteral("EMPRESA"));

        campo = QStringLiteral("\"empresa\"");
        datos.setOrden(campo);
        QCOMPARE(datos.getSQL(), kCatering + QStringLiteral(" ORDER BY empresa ASC"));

        campo = QStringLiteral("poblacion DESC");
        datos.setOrden(campo);
        QCOMPARE(datos.getSQL(), kCatering + QStringLiteral(" ORDER BY poblacion DESC"));
        QCOMPARE(datos.getOrdenIndice(), 8);

        campo.clear();
        datos.setOrden(campo);
        QCOMPARE(datos.getSQL(), kCatering);
    }

    void sortedRowsFollowTheDirection()
    {
        clsDatosBD datos;
        datos.setConexion(&m_conn);
        datos.setDatos(kCatering);
        QString campo = QStringLiteral("empresa");
        datos.setOrden(campo);
        Recordset* rs = datos.getRecordset();
        const QString first = rs->textAt(0, 2);
        const QString last = rs->textAt(rs->recordCount() - 1, 2);
        QVERIFY(SpanishText::compare(first, last) <= 0);
        campo = QStringLiteral("empresa");
        datos.setOrden(campo);
        QCOMPARE(rs->textAt(0, 2), last);
    }

    void sortTogglesOnlyForTheSameWholeName()
    {
        clsDatosBD datos;
        datos.setConexion(&m_conn);
        datos.setDatos(kTodas + QStringLiteral(" ORDER BY empresa_id ASC"));
        QString campo = QStringLiteral("empresa");
        datos.setOrden(campo);
        QCOMPARE(campo, QStringLiteral("empresa ASC"));
        // A new, unsorted query is sorted ascending whatever was sorted before.
        datos.setDatos(kCatering);
        campo = QStringLiteral("empresa");
        datos.setOrden(campo);
        QCOMPARE(campo, QStringLiteral("empresa ASC"));
    }

    void literalsAreNotMistakenForClauses()
    {
        clsDatosBD datos;
        datos.setConexion(&m_conn);
        const QString sql
            = kSelect + QStringLiteral(" FROM tbl_empresas WHERE empresa NOT LIKE '%ORDER BY x DESC%'");
        QVERIFY(datos.setDatos(sql) > 0);
        QCOMPARE(datos.getDireccionOrden(), 0);
        QCOMPARE(datos.getOrdenNombre(), QString());
        QString campo = QStringLiteral("cif");
        datos.setOrden(campo);
        QCOMPARE(datos.getSQL(), sql + QStringLiteral(" ORDER BY cif ASC"));
        QVERIFY(!datos.fallo());
    }

    void undoTogglesBetweenTheLastTwoQueries()
    {
        clsDatosBD datos;
        datos.setConexion(&m_conn);
        const int todas = datos.setDatos(kTodas);
        QVERIFY(!datos.deshacer());
        const int catering = datos.setDatos(kCatering);
        QVERIFY(catering < todas);
        QVERIFY(datos.deshacer());
        QCOMPARE(datos.getNumeroRegistros(), todas);
        QVERIFY(datos.deshacer());
        QCOMPARE(datos.getNumeroRegistros(), catering);
        QCOMPARE(datos.getRecordset()->source(), kCatering);
    }

    // A query that fails leaves undo as it was: it still goes back to the query before the one shown.
    void undoAfterAFailedQueryGoesBackToTheFirst()
    {
        clsDatosBD datos;
        datos.setConexion(&m_conn);
        const int todas = datos.setDatos(kTodas);
        QVERIFY(datos.setDatos(kCatering) < todas);
        QCOMPARE(datos.setDatos(QStringLiteral("SELECT nada FROM ninguna")), 0);
        QVERIFY(datos.fallo());
        QVERIFY(datos.deshacer());
        QCOMPARE(datos.getRecordset()->source(), kTodas);
        QCOMPARE(datos.getNumeroRegistros(), todas);
    }

    void aFailedQueryChangesNothing()
    {
        clsDatosBD datos;
        datos.setConexion(&m_conn);
        const int n = datos.setDatos(kCatering);
        FlexGrid grid;
        GridBinding::muestraDatos(datos, &grid);
        QCOMPARE(datos.setDatos(QStringLiteral("SELECT nada FROM ninguna")), 0);
        QVERIFY(datos.fallo());
        QVERIFY(!datos.ultimoError().isEmpty());
        QCOMPARE(datos.getSQL(), kCatering);
        QCOMPARE(datos.getNumeroRegistros(), n);
        QCOMPARE(grid.rows(), n + 1);
        QVERIFY(!datos.deshacer());

        // An empty result is told apart from a failure.
        QCOMPARE(datos.setDatos(kSelect + QStringLiteral(" FROM tbl_empresas WHERE empresa='no existe'")), 0);
        QVERIFY(!datos.fallo());

        clsDatosBD sinConexion;
        QVERIFY(!sinConexion.setConexion(nullptr));
        QCOMPARE(sinConexion.setDatos(kCatering), 0);
        QVERIFY(sinConexion.fallo());
    }

    void busyForTheQueryAlone_data()
    {
        QTest::addColumn<bool>("conectado");
        QTest::addColumn<QString>("sql");
        QTest::newRow("a query") << true << kCatering;
        QTest::newRow("a failed query") << true << QStringLiteral("SELECT nada FROM ninguna");
        QTest::newRow("no connection") << false << kCatering;
    }

    // The core says it is busy as the query starts and idle once it is over, failures included.
    void busyForTheQueryAlone()
    {
        QFETCH(bool, conectado);
        QFETCH(QString, sql);
        clsDatosBD datos;
        datos.setConexion(conectado ? &m_conn : nullptr);
        QList<bool> dichos;
        BusyHook::setHandler([&dichos](bool ocupado) { dichos.append(ocupado); });
        const auto sinHandler = qScopeGuard([] { BusyHook::setHandler(nullptr); });
        datos.setDatos(sql);
        QCOMPARE(dichos, QList<bool>({true, false}));
    }

    void countsPastThePreviousLimit()
    {
        clsDatosBD datos;
        datos.setConexion(&m_conn);
        const int companies
            = TestInstallation::count(QStringLiteral("SELECT count(*) FROM tbl_empresas"), m_conn);
        const int times = 32767 / companies + 1;
        const int n = datos.setDatos(
            QStringLiteral("SELECT a.empresa FROM tbl_empresas a, tbl_empresas b WHERE b.id_emp <= %1")
                .arg(times));
        QCOMPARE(n, companies * times);
        QVERIFY(n > 32767);
        QCOMPARE(datos.getNumeroRegistros(), n);
    }

    void findTakesTheTypedTextLiterally_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("orden"); // put in this order once read
        QTest::addColumn<QString>("editada"); // the name written into the middle company first
        QTest::newRow("apostrophe") << "D'" << QString() << QString();
        QTest::newRow("lower case accent") << "caf" << QString() << QString();
        QTest::newRow("star") << "*" << QString() << QString();
        QTest::newRow("percent") << "%" << QString() << QString();
        QTest::newRow("bracket") << "[" << QString() << QString();
        QTest::newRow("ordinary") << "HOTEL" << QString() << QString();
        QTest::newRow("after a sort") << "HOTEL" << QStringLiteral(" ORDER BY poblacion DESC") << QString();
        QTest::newRow("after an edit") << "qq" << QString() << "QQ EDITADA";
        QTest::newRow("after a sort and an edit")
            << "QQ" << QStringLiteral(" ORDER BY cp DESC") << "qqq editada";
    }

    void findTakesTheTypedTextLiterally()
    {
        QFETCH(QString, typed);
        QFETCH(QString, orden);
        QFETCH(QString, editada);
        clsDatosBD datos;
        datos.setConexion(&m_conn);
        datos.setCampoBusqueda(QStringLiteral("empresa"));
        datos.setDatos(kTodas + QStringLiteral(" ORDER BY empresa ASC"));
        if (!orden.isEmpty())
            datos.setDatos(kTodas + orden);
        Recordset* rs = datos.getRecordset();
        const int medio = rs->recordCount() / 2;
        const QVariant antes = rs->valueAt(medio, 2);
        const auto renombra = [&](const QVariant& nombre) {
            rs->setAbsolutePosition(medio + 1);
            rs->field(2) = nombre;
            rs->update();
        };
        if (!editada.isEmpty())
            renombra(editada);
        const int pos
            = datos.getPosicionBusqueda(clsDatosBD::criterioComienzaPor(QStringLiteral("empresa"), typed));
        // The expected position: the first name, in the order shown, that begins with the text.
        int expected = Recordset::PosEOF;
        for (int r = 0; r < rs->recordCount(); ++r) {
            if (rs->textAt(r, 2).startsWith(typed, Qt::CaseInsensitive)) {
                expected = r + 1;
                break;
            }
        }
        if (!editada.isEmpty())
            renombra(antes);
        QCOMPARE(pos, expected);
    }

    void findOnAnEmptyResultIsZero()
    {
        clsDatosBD datos;
        datos.setConexion(&m_conn);
        datos.setDatos(kSelect + QStringLiteral(" FROM tbl_empresas WHERE 0"));
        QCOMPARE(datos.getPosicionBusqueda(QStringLiteral("empresa like 'a*'")), 0);
        QVERIFY(!datos.muevePrimero());
        QVERIFY(!datos.mueveUltimo());
    }

    void recordsetIsHandedBackOnARecord()
    {
        clsDatosBD datos;
        datos.setConexion(&m_conn);
        datos.setDatos(kCatering);
        Recordset* rs = datos.getRecordset();
        rs->moveLast();
        rs->moveNext();
        QVERIFY(rs->isEOF());
        QCOMPARE(datos.getRecordset(), rs);
        QCOMPARE(rs->absolutePosition(), 1);
        QCOMPARE(datos.getNombreCampo(2), QStringLiteral("empresa"));
        QCOMPARE(datos.getNombreCampo(23), QString());
    }

    void gridIsFilledByCopyOrByBinding()
    {
        clsDatosBD datos;
        datos.setConexion(&m_conn);
        FlexGrid grid;
        const int n = datos.setDatos(kCatering);
        GridBinding::muestraDatosMatriz(datos, &grid);
        QCOMPARE(grid.rows(), n + 1);
        QCOMPARE(grid.cols(), 24);
        QCOMPARE(grid.textMatrix(1, 1), QStringLiteral("Falso"));
        Recordset* rs = datos.getRecordset();
        QCOMPARE(grid.textMatrix(n, 3), rs->textAt(n - 1, 2));

        datos.setDatos(kSelect + QStringLiteral(" FROM tbl_empresas WHERE 0"));
        GridBinding::muestraDatosMatriz(datos, &grid);
        QCOMPARE(grid.rows(), 1);

        const int all = datos.setDatos(kTodas);
        GridBinding::muestraDatos(datos, &grid);
        QCOMPARE(grid.rows(), all + 1);
        QCOMPARE(grid.row(), 1);
        QCOMPARE(grid.topRow(), 1);
        QCOMPARE(grid.textMatrix(all, 3), rs->textAt(all - 1, 2));
    }
};

QTEST_MAIN(TestDatosBD)
#include "tst_datosbd.moc"
