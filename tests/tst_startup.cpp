#include "TestInstallation.h"
#include "core/Installation.h"
#include "platform/db/Connection.h"
#include "platform/ui/DialogService.h"
#include "shell/mdMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <functional>

namespace {

// Runs `paso` with `folder` as the program's folder.
void enCarpeta(const QString& folder, const std::function<void()>& paso)
{
    const QByteArray previous = qgetenv("TARVESA_PROGRAM_DIR");
    qputenv("TARVESA_PROGRAM_DIR", QFile::encodeName(folder));
    paso();
    qputenv("TARVESA_PROGRAM_DIR", previous);
}

// Runs the start-up with `folder` as the program's folder.
void arrancaEn(const QString& folder)
{
    enCarpeta(folder, &mdMain::Main);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        DialogService::setScripted(true);
        DialogService::clearShown();
    }

    void cleanup() { delete gFormMenu.data(); }

    void opensTheDatabaseAndLoadsTheLists()
    {
        mdMain::Main();
        QVERIFY(mdMain::baseDeDatosAbierta());
        QVERIFY(gRutaBD.startsWith(gRutaApp));
        QVERIFY(gRutaBD.endsWith(QStringLiteral("\\DATA\\DIdarari.idb")));
        // Sectors stored in other case are one sector: text compares without regard to case.
        QCOMPARE(gSectores.size(),
            TestInstallation::count(
                QStringLiteral("SELECT count(DISTINCT upper(sector)) FROM tbl_empresas")));
        for (const char* s : {"CATERING", "DISTRIBUCION", "HOTELES", "VENDING"})
            QVERIFY2(gSectores.contains(QString::fromLatin1(s), Qt::CaseInsensitive), s);
        QVERIFY(gAutonomias.contains(QStringLiteral("Andalucía")));
        QVERIFY(gAutonomias.size() >= 17);
        QVERIFY(DialogService::shown().isEmpty());
        QVERIFY(gFormMenu);
        QVERIFY(gFormMenu->isVisible());
        QCOMPARE(gFormMenu->windowTitle(), QStringLiteral("Tarvesa 2010"));
    }

    void aMissingDatabaseIsSaidOnceAndTheWindowStillShows()
    {
        QTemporaryDir empty;
        arrancaEn(empty.path());
        QVERIFY(!mdMain::baseDeDatosAbierta());
        QVERIFY(gSectores.isEmpty());
        QVERIFY(gAutonomias.isEmpty());
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Critical);
        QVERIFY(DialogService::shown().first().text.contains(QStringLiteral("base de datos")));
        QVERIFY(gFormMenu && gFormMenu->isVisible());
    }

    // The database file as a user may find it: each is said once, in Spanish, with what to do.
    void anUnreadableDatabaseIsSaidForWhatItIs_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("advice");
        QTest::newRow("missing") << "missing"
                                 << "No se encuentra"
                                 << "esté disponible";
        QTest::newRow("truncated") << "truncated"
                                   << "está dañado"
                                   << "copia en buen estado";
        QTest::newRow("random bytes") << "random"
                                      << "no es una base de datos"
                                      << "copia en buen estado";
        QTest::newRow("empty file") << "empty"
                                    << "no contiene la tabla de empresas"
                                    << "copia en buen estado";
        QTest::newRow("locked by another program") << "locked"
                                                   << "bloqueada"
                                                   << "deje libre";
    }

    void anUnreadableDatabaseIsSaidForWhatItIs()
    {
        QFETCH(QString, state);
        QFETCH(QString, cause);
        QFETCH(QString, advice);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("DATA/DIdarari.idb"));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("DATA")));
        if (state == QLatin1String("truncated")) {
            QVERIFY(QFile::copy(TestInstallation::databasePath(), path));
            QVERIFY(QFile::resize(path, QFileInfo(path).size() / 2));
        } else if (state == QLatin1String("random")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QRandomGenerator random(1107);
            QByteArray bytes(65536, '\0');
            for (char& b : bytes)
                b = char(random.bounded(256));
            f.write(bytes);
        } else if (state == QLatin1String("empty")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        Connection otro;
        if (state == QLatin1String("locked")) {
            QVERIFY(QFile::copy(TestInstallation::databasePath(), path));
            otro.open(path);
            otro.execute(QStringLiteral("BEGIN EXCLUSIVE"));
        }

        arrancaEn(folder.path());
        QVERIFY(!mdMain::baseDeDatosAbierta());
        QCOMPARE(DialogService::shown().size(), 1);
        const QString text = DialogService::shown().first().text;
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Critical);
        QVERIFY2(text.contains(cause), qPrintable(text));
        QVERIFY2(text.contains(advice), qPrintable(text));
        // Only a damaged file is to be replaced.
        QCOMPARE(text.contains(QStringLiteral("dañado")), advice == QLatin1String("copia en buen estado"));
        QVERIFY2(!text.contains(QLatin1Char('\\')), qPrintable(text)); // one kind of separator
        for (const char* english : {"database", "malformed", "file is", "unable"})
            QVERIFY2(!text.contains(QLatin1String(english), Qt::CaseInsensitive), qPrintable(text));
        QVERIFY(gFormMenu && gFormMenu->isVisible());
        // Let go of, the database opens for the next action that needs it.
        otro.close();
        QCOMPARE(mdMain::conecta(), state == QLatin1String("locked"));
        QCOMPARE(gSectores.isEmpty(), state != QLatin1String("locked"));
        QCOMPARE(DialogService::shown().size(), 1);
        gConexion().close();
    }

    void aFolderWhoseNameHoldsSeparatorsOpensItsDatabase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("semicolon") << "Tarvesa;2010";
        QTest::newRow("semicolon and equals sign") << "Copia;Data Source=x";
        QTest::newRow("quotes") << "Guía \"Tarvesa\" de L'Hospitalet";
        QTest::newRow("semicolon and quotes") << "a;'b';\"c\"";
    }

    void aFolderWhoseNameHoldsSeparatorsOpensItsDatabase()
    {
        QFETCH(QString, name);
        QTemporaryDir parent;
        const QString folder = parent.filePath(name);
        QVERIFY(QDir(folder).mkpath(QStringLiteral("DATA")));
        QVERIFY(QFile::copy(TestInstallation::databasePath(), folder + QStringLiteral("/DATA/DIdarari.idb")));
        QString fallo;
        enCarpeta(folder, [&fallo] { fallo = Installation::open(); });
        QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
        QVERIFY(gConexion().isOpen());
        QCOMPARE(QFileInfo(gConexion().path()).canonicalFilePath(),
            QFileInfo(folder + QStringLiteral("/DATA/DIdarari.idb")).canonicalFilePath());
        QVERIFY(!gSectores.isEmpty());
        gConexion().close();
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
