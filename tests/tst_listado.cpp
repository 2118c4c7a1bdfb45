#include "guide/GuideQueries.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/print/PrinterCheck.h"
#include "platform/print/Printers.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/PictureCheckBox.h"
#include "printing/CompanyReport.h"
#include "printing/ListingDocument.h"
#include "printing/ListingSettings.h"
#include "printing/clsListado.h"
#include "printing/frmListado.h"
#include "printing/preview/frmVPreliminar.h"

#include <QFile>
#include <QPrinter>
#include <QTest>

using Keys = QStringList;
using Bytes = std::optional<QByteArray>;
Q_DECLARE_METATYPE(Bytes)

namespace {

// The file's lines in the order they are written, with the report's key each one sets.
const QList<std::pair<const char*, const char*>> kLineas = {
    {"Sector", "SECTOR"},
    {"Nombre", "NOMBRE"},
    {"Actividad", "ACTIVIDAD"},
    {"Direccion", "DIRECCION"},
    {"Localidad", "LOCALIDAD"},
    {"Provincia", "PROVINCIA"},
    {"CP", "CP"},
    {"Autonomia", "AUTONOMIA"},
    {"Telefono", "TELEFONO"},
    {"E-Mail", "E-MAIL"},
    {"Web", "WEB"},
    {"Fax", "FAX"},
    {"CIF", "CIF"},
    {"CARGO_1", "CARGO_1"},
    {"CONTACTO_1", "CONTACTO_1"},
    {"CARGO_2", "CARGO_2"},
    {"CONTACTO_2", "CONTACTO_2"},
    {"SUPERFICIE", "SUPERFICIE"},
    {"VEHICULOS", "VEHICULOS"},
    {"EMPLEADOS", "EMPLEADOS"},
    {"OBSERVACIONES", "OBSERVACIONES"},
};

const Keys kPorDefecto = {"SECTOR", "NOMBRE", "ACTIVIDAD", "PROVINCIA", "LOCALIDAD", "CP"};

QList<QByteArray> lineas(const Keys& marcadas)
{
    QList<QByteArray> list;
    for (const auto& [escrita, clave] : kLineas)
        list.append(QByteArray(escrita) + (marcadas.contains(QLatin1String(clave)) ? "=1" : "=0"));
    return list;
}

// The file as the program writes it for those fields.
QByteArray canonico(const Keys& marcadas)
{
    return "#Campos\r\n" + lineas(marcadas).join("\r\n") + "\r\n";
}

FieldChoice eleccion(const Keys& marcadas)
{
    FieldChoice choice;
    for (const auto& entry : kLineas)
        choice.insert(QLatin1String(entry.second), marcadas.contains(QLatin1String(entry.second)) ? 1 : 0);
    return choice;
}

QByteArray leeArchivo()
{
    QFile file(ListingSettings::path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void escribeArchivo(const Bytes& bytes)
{
    QFile::remove(ListingSettings::path());
    if (!bytes)
        return;
    QFile file(ListingSettings::path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(*bytes);
}

// The report the preview shows.
const CompanyReport& informe(QDialog& dialog)
{
    auto& vista = dynamic_cast<frmVPreliminar&>(dialog);
    return dynamic_cast<ListingDocument&>(*vista.documento()).report();
}

FieldChoice casillas(const frmListado& form)
{
    FieldChoice choice;
    for (int i = 0; i < kLineas.size(); ++i)
        choice.insert(QLatin1String(kLineas.at(i).second), form.chkCampo(i)->isChecked() ? 1 : 0);
    return choice;
}

} // namespace

class TestListado : public QObject
{
    Q_OBJECT

    Connection m_conn;

private Q_SLOTS:
    void initTestCase()
    {
        DialogService::setScripted(true);
        m_conn.open(qEnvironmentVariable("TARVESA_PROGRAM_DIR") + QStringLiteral("/DATA/DIdarari.idb"));
        QVERIFY(m_conn.isOpen());
    }

    void init()
    {
        DialogService::clearShown();
        PrinterCheck::setOverride(true);
        Printers::setPdfOutput(QDir::temp().filePath(QStringLiteral("tst_listado.pdf")));
    }

    void cleanup()
    {
        PrinterCheck::setOverride(std::nullopt);
        Printers::setPdfOutput(QString());
    }

    void writtenFile()
    {
        // The whole file for the default fields, byte for byte.
        QCOMPARE(ListingSettings::lines(ReportFields::defaultChoice()).size(), 22);
        QByteArray esperado(
            "#Campos\r\nSector=1\r\nNombre=1\r\nActividad=1\r\nDireccion=0\r\nLocalidad=1\r\n"
            "Provincia=1\r\nCP=1\r\nAutonomia=0\r\nTelefono=0\r\nE-Mail=0\r\nWeb=0\r\nFax=0\r\n"
            "CIF=0\r\nCARGO_1=0\r\nCONTACTO_1=0\r\nCARGO_2=0\r\nCONTACTO_2=0\r\nSUPERFICIE=0\r\n"
            "VEHICULOS=0\r\nEMPLEADOS=0\r\nOBSERVACIONES=0\r\n");
        QVERIFY(ListingSettings::write(ListingSettings::path(), ReportFields::defaultChoice()));
        QCOMPARE(leeArchivo(), esperado);
        QCOMPARE(canonico(kPorDefecto), esperado);
    }

    void roundTrip_data()
    {
        QTest::addColumn<Bytes>("archivo");
        QTest::addColumn<Keys>("marcadas");

        const Keys algunas = {"SECTOR", "WEB", "FAX", "OBSERVACIONES"};
        QList<QByteArray> desordenadas = lineas(algunas);
        std::reverse(desordenadas.begin(), desordenadas.end());
        QByteArray web = canonico(kPorDefecto);
        web.replace("Web=0", "Web=1.4");

        QTest::newRow("missing file") << Bytes() << kPorDefecto;
        QTest::newRow("as written") << Bytes(canonico(algunas)) << algunas;
        QTest::newRow("lower-case header with blanks")
            << Bytes("  #campos \r\n" + lineas(algunas).join("\r\n") + "\r\n") << algunas;
        QTest::newRow("blank line after the header and at the end")
            << Bytes("#Campos\r\n\r\n" + lineas(algunas).join("\r\n") + "\r\n\r\n") << algunas;
        QTest::newRow("extra and unknown lines")
            << Bytes(canonico(algunas) + "PV=0\r\nColor=azul\r\nsin igual\r\n") << algunas;
        QTest::newRow("Web=1.4") << Bytes(web) << (Keys(kPorDefecto) << "WEB");
        QTest::newRow("line order changed")
            << Bytes("#Campos\r\n" + desordenadas.join("\r\n") + "\r\n") << algunas;
        QTest::newRow("keys in any case, blanks around")
            << Bytes(canonico(algunas).replace("Fax=1", " fAx = 1 ").replace("Sector=1", "SECTOR=1"))
            << algunas;
        QTest::newRow("line ends of another editor")
            << Bytes(canonico(algunas).replace("\r\n", "\n")) << algunas;
        QTest::newRow("broken values keep their defaults") << Bytes(canonico({"WEB"})
                                                                        .replace("Sector=0", "Sector=sí")
                                                                        .replace("CP=0", "CP=7")
                                                                        .replace("Fax=0", "Fax="))
                                                           << Keys {"SECTOR", "CP", "WEB"};
        QTest::newRow("missing keys keep their defaults")
            << Bytes("#Campos\r\nNombre=0\r\nCIF=1\r\n")
            << Keys {"SECTOR", "ACTIVIDAD", "PROVINCIA", "LOCALIDAD", "CP", "CIF"};
        QTest::newRow("another header")
            << Bytes("#Margenes\r\n" + lineas(algunas).join("\r\n") + "\r\n") << kPorDefecto;
        QTest::newRow("empty file") << Bytes(QByteArray()) << kPorDefecto;
        QTest::newRow("header only") << Bytes("#Campos\r\n") << kPorDefecto;
    }

    void roundTrip()
    {
        QFETCH(Bytes, archivo);
        QFETCH(Keys, marcadas);
        escribeArchivo(archivo);
        const FieldChoice esperada = eleccion(marcadas);

        // The launcher reads the file by key and leaves it alone.
        QCOMPARE(ListingSettings::read(ListingSettings::path()), esperada);
        FieldChoice delInforme;
        DialogService::queueForm(
            [&delInforme](QDialog& dialog) { delInforme = informe(dialog).fieldChoice(); });
        Recordset rs;
        rs.open(GuideQueries::allCompaniesSql(), m_conn);
        QVERIFY(clsListado().Muestra(&rs, GuideQueries::allCompaniesCaption()));
        QCOMPARE(delInforme, esperada);
        QCOMPARE(QFile::exists(ListingSettings::path()), archivo.has_value());
        if (archivo)
            QCOMPARE(leeArchivo(), *archivo);

        // Cancel leaves the file as it was and the collection empty.
        {
            frmListado form;
            FieldChoice campos;
            form.setCampos(campos);
            QCOMPARE(casillas(form), esperada);
            form.chkCampo(12)->toggle();
            form.show();
            QTest::keyClick(&form, Qt::Key_Escape);
            QVERIFY(!form.isVisible());
            QVERIFY(campos.isEmpty());
            QCOMPARE(QFile::exists(ListingSettings::path()), archivo.has_value());
            if (archivo)
                QCOMPARE(leeArchivo(), *archivo);
        }

        // The chooser shows what the launcher reads; accepted as it is, a file that gives it is left as
        // it was and a missing one is written as the program writes it.
        {
            frmListado form;
            FieldChoice campos;
            form.setCampos(campos);
            QCOMPARE(casillas(form), esperada);
            form.imgAceptar_Click();
            QCOMPARE(form.result(), int(QDialog::Accepted));
            QCOMPARE(campos, esperada);
            QCOMPARE(leeArchivo(), archivo ? *archivo : canonico(marcadas));
            QCOMPARE(ListingSettings::read(ListingSettings::path()), esperada);
        }

        // A change is written as the program writes it.
        frmListado form;
        form.chkCampo(12)->toggle();
        form.imgAceptar_Click();
        Keys cambiadas = marcadas;
        if (!cambiadas.removeOne(QStringLiteral("CIF")))
            cambiadas.append(QStringLiteral("CIF"));
        QCOMPARE(leeArchivo(), canonico(cambiadas));
        QVERIFY(DialogService::shown().isEmpty());
    }

    // Accepted again with nothing changed, the chooser writes nothing and says nothing, also where the
    // file cannot be written; a change that cannot be kept is said, once.
    void acceptingAgainWritesOnlyAChange()
    {
        escribeArchivo(Bytes("  #campos \r\n" + lineas({"SECTOR", "WEB"}).join("\r\n") + "\r\n"));
        const QByteArray antes = leeArchivo();
        frmListado().imgAceptar_Click();
        QCOMPARE(leeArchivo(), antes);

        const QByteArray carpeta = qgetenv("TARVESA_PROGRAM_DIR");
        qputenv("TARVESA_PROGRAM_DIR", carpeta + "/no/such/folder");
        frmListado().imgAceptar_Click();
        frmListado().imgAceptar_Click();
        const qsizetype dichos = DialogService::shown().size();
        frmListado cambiado;
        cambiado.chkCampo(12)->toggle();
        cambiado.imgAceptar_Click();
        frmListado().imgAceptar_Click();
        qputenv("TARVESA_PROGRAM_DIR", carpeta);
        QCOMPARE(dichos, 0);
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Exclamation);
        QVERIFY(DialogService::shown().first().text.contains(QStringLiteral("Listado.ini")));
    }

    void keysAndChoiceThroughTheDialogService()
    {
        escribeArchivo(canonico(kPorDefecto));
        DialogService::queueForm([](QDialog& dialog) {
            auto& form = static_cast<frmListado&>(dialog);
            form.chkCampo(8)->toggle(); // Telefono
            form.chkCampo(0)->toggle(); // Sector
            QTest::keyClick(&form, Qt::Key_Return);
        });
        const std::optional<FieldChoice> elegida = frmListado::eligeCampos();
        QVERIFY(elegida);
        const Keys marcadas = {"NOMBRE", "ACTIVIDAD", "PROVINCIA", "LOCALIDAD", "CP", "TELEFONO"};
        QCOMPARE(*elegida, eleccion(marcadas));
        QCOMPARE(leeArchivo(), canonico(marcadas));

        DialogService::queueForm([](QDialog& dialog) {
            static_cast<frmListado&>(dialog).chkCampo(3)->toggle();
            static_cast<frmListado&>(dialog).imgCancelar_Click();
        });
        QVERIFY(!frmListado::eligeCampos());
        QCOMPARE(leeArchivo(), canonico(marcadas));
        QCOMPARE(DialogService::formsShown().count(QStringLiteral("frmListado")), 2);
    }

    void chooserLayout()
    {
        frmListado form;
        // Captions stand to the right of their boxes, in three columns of seven rows.
        QSet<int> lefts;
        QSet<int> tops;
        for (int i = 0; i < kLineas.size(); ++i) {
            lefts.insert(form.chkCampo(i)->x());
            tops.insert(form.chkCampo(i)->y());
            QVERIFY(form.rect().contains(form.chkCampo(i)->geometry()));
        }
        QCOMPARE(tops.size(), 7);
        const auto* aceptar = form.findChild<QWidget*>(QStringLiteral("imgAceptar"));
        const auto* cancelar = form.findChild<QWidget*>(QStringLiteral("imgCancelar"));
        QVERIFY(aceptar && cancelar);
        QVERIFY(aceptar->geometry().right() < cancelar->x());
        QVERIFY(form.rect().contains(cancelar->geometry()));
        QCOMPARE(form.chkCampo(0)->face(),
            form.chkCampo(0)->isChecked() ? QStringLiteral("CASILLA_MARCADA") : QStringLiteral("CASILLA"));
    }

    void noCompanies()
    {
        Recordset rs;
        rs.open(GuideQueries::allCompaniesSql() + QStringLiteral(" WHERE 0"), m_conn);
        QVERIFY(!clsListado().Muestra(&rs, QStringLiteral("x")));
        QVERIFY(!clsListado().Muestra(nullptr, QStringLiteral("x")));
        QVERIFY(DialogService::formsShown().isEmpty());
        QCOMPARE(DialogService::shown().size(), 2);
        QCOMPARE(
            DialogService::shown().first().text, QStringLiteral("No hay empresas que mostrar en el listado"));
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Information);
    }

    void noPrinter()
    {
        PrinterCheck::setOverride(false);
        Recordset rs;
        rs.open(GuideQueries::allCompaniesSql(), m_conn);
        QVERIFY(!clsListado().Muestra(&rs, QStringLiteral("x")));
        QVERIFY(DialogService::formsShown().isEmpty());
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().text,
            QStringLiteral("No tiene ninguna impresora instalada. No puede acceder a esta ventana"));
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Exclamation);
    }

    void previewOnItsOwnA4Printer()
    {
        escribeArchivo(Bytes());
        Recordset cuenta;
        cuenta.open(QStringLiteral("SELECT COUNT(*) FROM tbl_empresas"), m_conn);
        int empresas = -1;
        QPageSize::PageSizeId papel = QPageSize::Letter;
        DialogService::queueForm([&](QDialog& dialog) {
            empresas = informe(dialog).companyCount();
            papel = static_cast<frmVPreliminar&>(dialog).impresora().pageLayout().pageSize().id();
        });
        Recordset rs;
        rs.open(GuideQueries::allCompaniesSql(), m_conn);
        QVERIFY(clsListado().Muestra(&rs, GuideQueries::allCompaniesCaption()));
        QCOMPARE(empresas, cuenta.valueAt(0, 0).toInt());
        QCOMPARE(papel, QPageSize::A4);
        QVERIFY(DialogService::shown().isEmpty());
    }
};

QTEST_MAIN(TestListado)
#include "tst_listado.moc"
