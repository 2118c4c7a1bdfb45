#include "platform/db/Connection.h"
#include "platform/ui/DialogService.h"
#include "shell/mdMain.h"

#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        DialogService::setScripted(true);
        DialogService::clearShown();
    }

    void cleanup()
    {
        delete gFormMenu.data();
    }

    void opensTheDatabaseAndLoadsTheLists()
    {
        mdMain::Main();
        QVERIFY(mdMain::baseDeDatosAbierta());
        QVERIFY(gRutaBD.startsWith(gRutaApp));
        QVERIFY(gRutaBD.endsWith(QStringLiteral("\\DATA\\DIdarari.idb")));
        // Sectors stored in other case are one sector: text compares without regard to case.
        QCOMPARE(gSectores.size(), 8);
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
        const QByteArray previous = qgetenv("TARVESA_PROGRAM_DIR");
        qputenv("TARVESA_PROGRAM_DIR", empty.path().toLocal8Bit());
        mdMain::Main();
        qputenv("TARVESA_PROGRAM_DIR", previous);
        QVERIFY(!mdMain::baseDeDatosAbierta());
        QVERIFY(gSectores.isEmpty());
        QVERIFY(gAutonomias.isEmpty());
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Critical);
        QVERIFY(DialogService::shown().first().text.contains(QStringLiteral("base de datos")));
        QVERIFY(gFormMenu && gFormMenu->isVisible());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
