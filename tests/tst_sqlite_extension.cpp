#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

// The installation's database opened by the sqlite3 shell with the tarvesa_es extension loaded: the shell
// must read, check and sort it exactly as the program does.
class TestSqliteExtension : public QObject
{
    Q_OBJECT

private:
    struct ShellRun
    {
        int exitCode = -1;
        QString out;
        QString err;
    };

    QString m_shell;
    QString m_database;
    Connection m_connection;

    ShellRun runShell(const QString& sql, bool loadExtension = true) const
    {
        QStringList arguments {QStringLiteral("-batch"), QStringLiteral("-bail"), QStringLiteral("-noheader"),
            QStringLiteral("-list")};
        if (loadExtension)
            arguments << QStringLiteral("-cmd") << QStringLiteral(".load %1").arg(TARVESA_ES_EXTENSION);
        arguments << m_database;
        QProcess shell;
        shell.start(m_shell, arguments);
        if (!shell.waitForStarted(-1))
            return {};
        shell.write(sql.toUtf8() + '\n');
        shell.closeWriteChannel();
        if (!shell.waitForFinished(-1))
            return {};
        return {shell.exitStatus() == QProcess::NormalExit ? shell.exitCode() : -1,
            QString::fromUtf8(shell.readAllStandardOutput()),
            QString::fromUtf8(shell.readAllStandardError())};
    }

    // The rows as the shell lists them: columns joined by '|', one line per row.
    QString viaProgram(const QString& sql)
    {
        Recordset rs;
        rs.open(sql, m_connection);
        QString out;
        for (rs.moveFirst(); !rs.isEOF(); rs.moveNext()) {
            QStringList columns;
            for (int i = 0; i < rs.fieldCount(); ++i)
                columns << Recordset::displayText(rs.field(i).value());
            out += columns.join(QLatin1Char('|')) + QLatin1Char('\n');
        }
        return out;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
        QVERIFY2(
            !m_shell.isEmpty(), "the sqlite3 shell is not installed (scripts/setup-debian.sh installs it)");
        QVERIFY2(QFileInfo(QStringLiteral(TARVESA_ES_EXTENSION)).isFile(), TARVESA_ES_EXTENSION);
        m_database = qEnvironmentVariable("TARVESA_PROGRAM_DIR") + QStringLiteral("/DATA/DIdarari.idb");
        m_connection.open(m_database);
    }

    void withoutTheExtensionTheShellCannotRead()
    {
        const ShellRun run = runShell(QStringLiteral("SELECT COUNT(*) FROM tbl_empresas;"), false);
        QVERIFY(run.exitCode != 0);
        QVERIFY2(run.err.contains(QLatin1String("no such collation sequence: ES")), qPrintable(run.err));
    }

    void integrityCheckPasses()
    {
        const ShellRun run = runShell(QStringLiteral("PRAGMA integrity_check;"));
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.out, QStringLiteral("ok\n"));
    }

    void shellAnswersAsTheProgram_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("count") << QStringLiteral("SELECT COUNT(*) FROM tbl_empresas");
        QTest::newRow("names in Spanish order")
            << QStringLiteral("SELECT empresa FROM tbl_empresas ORDER BY empresa, id_emp");
        QTest::newRow("towns in Spanish order")
            << QStringLiteral("SELECT DISTINCT poblacion FROM tbl_empresas ORDER BY poblacion");
        QTest::newRow("equal ignores case") << QStringLiteral(
            "SELECT id_emp, poblacion FROM tbl_empresas WHERE poblacion = 'MÁLAGA' ORDER BY id_emp");
        QTest::newRow("like ignores case of accented letters") << QStringLiteral(
            "SELECT id_emp FROM tbl_empresas WHERE poblacion LIKE '%MÁLAGA' ORDER BY id_emp");
        QTest::newRow("ñ after n") << QStringLiteral("SELECT empresa FROM tbl_empresas WHERE empresa >= 'Ñ' "
                                                     "ORDER BY empresa, id_emp LIMIT 20");
    }

    void shellAnswersAsTheProgram()
    {
        QFETCH(QString, sql);
        const QString expected = viaProgram(sql);
        QVERIFY2(!expected.isEmpty(), "the query finds nothing, so it proves nothing");
        const ShellRun run = runShell(sql + QLatin1Char(';'));
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.out, expected);
    }

    void upperCaseFindsMixedCaseTown()
    {
        const ShellRun run = runShell(
            QStringLiteral("SELECT DISTINCT poblacion FROM tbl_empresas WHERE poblacion = 'MÁLAGA';"));
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.out, QStringLiteral("Málaga\n"));
    }

    void queriesUseTheIndexes_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("index");
        QTest::newRow("order by name") << QStringLiteral("SELECT empresa FROM tbl_empresas ORDER BY empresa")
                                       << QStringLiteral("ix_empresa");
        QTest::newRow("town") << QStringLiteral("SELECT empresa FROM tbl_empresas WHERE poblacion = 'MÁLAGA'")
                              << QStringLiteral("ix_poblacion");
        QTest::newRow("province") << QStringLiteral(
            "SELECT COUNT(*) FROM tbl_empresas WHERE provincia = 'madrid'")
                                  << QStringLiteral("ix_provincia");
    }

    void queriesUseTheIndexes()
    {
        QFETCH(QString, sql);
        QFETCH(QString, index);
        const ShellRun run = runShell(QStringLiteral("EXPLAIN QUERY PLAN ") + sql + QLatin1Char(';'));
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains(QLatin1String("INDEX ") + index), qPrintable(run.out));
        QVERIFY2(!run.out.contains(QLatin1String("TEMP B-TREE")), qPrintable(run.out));
    }
};

QTEST_GUILESS_MAIN(TestSqliteExtension)
#include "tst_sqlite_extension.moc"
