#include "CompanyRows.h"
#include "TestInstallation.h"
#include "core/SettingsFile.h"
#include "platform/print/PrinterCheck.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/PictureCheckBox.h"
#include "printing/clsEtiquetas.h"
#include "printing/clsSobres.h"
#include "printing/frmListado.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(LabelSettings)

namespace {

void escribe(const QString& programFile, const QByteArray& bytes)
{
    QFile out(SettingsFile::programPath(programFile));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
}

} // namespace

class TestLanzadores : public QObject
{
    Q_OBJECT

private:
    Connection m_conn;

private Q_SLOTS:
    void initTestCase()
    {
        m_conn.open(TestInstallation::databasePath());
        DialogService::setScripted(true);
    }

    void init()
    {
        PrinterCheck::setOverride(true);
        DialogService::clearShown();
        QFile::remove(SettingsFile::programPath(LabelSettings::archivo()));
        QFile::remove(SettingsFile::programPath(EnvelopeSettings::archivo()));
    }

    void labelsWithoutCompanies()
    {
        Recordset rs;
        CompanyRows::open(rs, m_conn, 0);
        QVERIFY(!clsEtiquetas().Muestra(&rs));
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().text,
            QStringLiteral("No hay empresas que mostrar en las etiquetas"));
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Information);
    }

    void labelsWithoutPrinter()
    {
        PrinterCheck::setOverride(false);
        Recordset rs;
        CompanyRows::open(rs, m_conn, 2);
        QVERIFY(!clsEtiquetas().Muestra(&rs));
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().text,
            QStringLiteral("No tiene ninguna impresora instalada. No puede acceder a esta ventana"));
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Exclamation);
    }

    void labelsReadTheirSettings_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<LabelSettings>("expected");
        QTest::newRow("no file") << QByteArray() << LabelSettings();
        QTest::newRow("top margin 7,5: its default, the rest kept") << QByteArray(
            "#Margenes\r\nIzquierdo=1,5\r\nSuperior=7,5\r\n") << LabelSettings {1.5, 2.0, 3.2, 10.5, 8};
        QTest::newRow("the whole file")
            << QByteArray("#Maquetar\r\nSeparacion=4\r\nSegunda=11,5\r\nFuente=10\r\n#Margenes\r\n1\r\n3\r\n")
            << LabelSettings {1.0, 3.0, 4.0, 11.5, 10};
    }

    void labelsReadTheirSettings()
    {
        QFETCH(QByteArray, file);
        QFETCH(LabelSettings, expected);
        if (!file.isEmpty())
            escribe(LabelSettings::archivo(), file);
        Recordset rs;
        CompanyRows::open(rs, m_conn, 2);
        clsEtiquetas launcher;
        QVERIFY(launcher.Muestra(&rs));
        QCOMPARE(launcher.configuracion(), expected);
        QVERIFY(DialogService::shown().isEmpty());
    }

    void envelopesWithoutCompany()
    {
        Recordset rs;
        CompanyRows::open(rs, m_conn, 0);
        QVERIFY(!clsSobres().Muestra(&rs, 1));
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().text,
            QStringLiteral("Debe de seleccionar alguna empresa de la que imprimir el sobre"));
    }

    void envelopeCompany_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("fila");
        QTest::addColumn<int>("expected");
        QTest::newRow("the grid's row") << 1 << 3 << 3;
        QTest::newRow("row 0: the current company") << 2 << 0 << 2;
        QTest::newRow("a row past the end: the current company") << 2 << 9 << 2;
        QTest::newRow("a negative row: the current company") << 4 << -1 << 4;
    }

    void envelopeCompany()
    {
        QFETCH(int, current);
        QFETCH(int, fila);
        QFETCH(int, expected);
        Recordset rs;
        CompanyRows::open(rs, m_conn, 4);
        rs.setAbsolutePosition(current);
        clsSobres launcher;
        QVERIFY(launcher.Muestra(&rs, fila));
        QCOMPARE(launcher.posicion(), expected);
        QCOMPARE(rs.absolutePosition(), expected);
    }

    void envelopesReadTheirSettings()
    {
        escribe(EnvelopeSettings::archivo(),
            "#Dimensiones\r\nAltura=150\r\nAnchura=200\r\n\r\n#Maquetar\r\nFuente=11\r\nSobre=5\r\n");
        Recordset rs;
        CompanyRows::open(rs, m_conn, 1);
        clsSobres launcher;
        QVERIFY(launcher.Muestra(&rs, 1));
        QCOMPARE(launcher.configuracion().fuente, 11);
        QCOMPARE(launcher.configuracion().geometry().tamanoCm(), QSizeF(20.0, 15.0));
    }

    void closingWritesTheEnvelopeSettings()
    {
        EnvelopeGeometry geometry;
        geometry.setTipo(1);
        QVERIFY(clsSobres::guardaConfiguracion(EnvelopeSettings::from(geometry, 12), EnvelopeSettings()));
        QFile file(SettingsFile::programPath(EnvelopeSettings::archivo()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith(
            "#Dimensiones\r\nAltura=162\r\nAnchura=229\r\n\r\n#Maquetar\r\nFuente=12\r\nSobre=1\r\n"));
        QVERIFY(DialogService::shown().isEmpty());
    }

    void closingLeavesAFileThatGivesTheSameAsItWas_data()
    {
        QTest::addColumn<QByteArray>("archivo");
        QTest::newRow("saved as UTF-8 with a byte-order mark") << QByteArray(
            "\xEF\xBB\xBF#Dimensiones\r\nAltura=110\r\nAnchura=220\r\n\r\n#Maquetar\r\nFuente=9\r\n"
            "Sobre=0\r\n\r\n#Posicionado\r\nAutomatico=1\r\nIzq=11,00\r\nSup=7,33\r\n");
        QTest::newRow("written otherwise, giving the same") << QByteArray(
            "#dimensiones\n110\n220\n#MAQUETAR\nFuente= 9\nSobre=0,0\n#Posicionado\nAutomatico=0\n"
            "Izq=11\nSup=7.333\n");
    }

    // Closing an envelope window left as it opened does not write a file that already gives its
    // settings, however the file writes them.
    void closingLeavesAFileThatGivesTheSameAsItWas()
    {
        QFETCH(QByteArray, archivo);
        escribe(EnvelopeSettings::archivo(), archivo);
        Recordset rs;
        CompanyRows::open(rs, m_conn, 1);
        QVERIFY(clsSobres().Muestra(&rs, 1));
        QFile file(SettingsFile::programPath(EnvelopeSettings::archivo()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), archivo);
        QVERIFY(DialogService::shown().isEmpty());
    }

    // An unwritable folder: one message with its reason for each choice the user made (an envelope
    // changed, a listing changed), none for an envelope left as it opened; closing goes on.
    void closingOnUnwritableFolder()
    {
        const QByteArray saved = qgetenv("TARVESA_PROGRAM_DIR");
        qputenv("TARVESA_PROGRAM_DIR", saved + "/no/such/folder");
        EnvelopeSettings cambiado;
        cambiado.fuente = 12;
        const bool written = clsSobres::guardaConfiguracion(cambiado, EnvelopeSettings());
        QVERIFY(!clsSobres::guardaConfiguracion(EnvelopeSettings(), EnvelopeSettings()));
        frmListado listado;
        listado.chkCampo(12)->toggle();
        listado.imgAceptar_Click();
        qputenv("TARVESA_PROGRAM_DIR", saved);
        QVERIFY(!written);
        QCOMPARE(DialogService::shown().size(), 2);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Exclamation);
        QVERIFY(DialogService::shown().first().text.contains(QStringLiteral("Sobre.ini»: la carpeta")));
        QCOMPARE(DialogService::shown().last().icon, DialogService::Icon::Exclamation);
        QVERIFY(DialogService::shown().last().text.contains(QStringLiteral("Listado.ini»: la carpeta")));
    }
};

QTEST_MAIN(TestLanzadores)
#include "tst_lanzadores.moc"
