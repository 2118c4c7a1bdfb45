#include "CardFixture.h"
#include "DocumentsFolder.h"
#include "PdfReader.h"
#include "platform/print/PrinterCheck.h"
#include "platform/print/Printers.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/ImageButton.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>

using namespace CardFixture;

// The record card: printing it.
namespace {

// Opens the card of company `id` and presses its print button, the printer dialog answered with OK;
// the card stays open for the caller.
std::unique_ptr<FrmFicha> imprime(Recordset& rs, qint64 id, Qt::MouseButton boton = Qt::LeftButton)
{
    auto ficha = abre(rs, id);
    DialogService::queueAnswer(DialogService::Answer::Ok);
    QTest::mouseClick(hijo<ImageButton>(ficha.get(), QStringLiteral("cmdImprime")), boton);
    return ficha;
}

} // namespace

class TestFichaImpresion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        DialogService::setScripted(true);
        conn().open(TestInstallation::databasePath());
        QVERIFY(conn().isOpen());
    }

    void init() { DialogService::clearShown(); }

    void cleanup()
    {
        Printers::setPdfOutput(QString());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The wrapping of long observations for printing, on the text as the database keeps it.
    void wrapping_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("lineas");
        const QString a85 = QString(80, QLatin1Char('a')) + QStringLiteral(" bbbb");
        QTest::newRow("85 characters") << a85 << QStringList {a85};
        const QString a86 = QString(80, QLatin1Char('a')) + QStringLiteral(" bbbbb");
        QTest::newRow("86 characters")
            << a86
            << QStringList {QString(80, QLatin1Char('a')) + QLatin1Char(' '), QStringLiteral(" bbbbb")};
        const QString sinBlancos(200, QLatin1Char('x'));
        QTest::newRow("no blank") << sinBlancos << QStringList {sinBlancos};
        const QString blanco120
            = QString(119, QLatin1Char('y')) + QLatin1Char(' ') + QString(30, QLatin1Char('z'));
        QTest::newRow("blank at 120") << blanco120
                                      << QStringList {QString(119, QLatin1Char('y')) + QLatin1Char(' '),
                                             QLatin1Char(' ') + QString(30, QLatin1Char('z'))};
        const QString parrafos = QStringLiteral("Primera línea corta.\r\nSegunda línea, también corta.\r\n")
            + QString(60, QLatin1Char('c')) + QStringLiteral(" tercera");
        QTest::newRow("user line breaks") << parrafos
                                          << QStringList {QStringLiteral("Primera línea corta."),
                                                 QStringLiteral("Segunda línea, también corta."),
                                                 QString(60, QLatin1Char('c')) + QStringLiteral(" tercera")};
        const QString largo = QStringLiteral("palabra ").repeated(30).trimmed();
        QTest::newRow("three lines") << QStringLiteral("   ") + largo + QStringLiteral("  ")
                                     << QStringList {QStringLiteral("palabra ").repeated(10),
                                            QStringLiteral(" ") + QStringLiteral("palabra ").repeated(10),
                                            QStringLiteral(" ") + QStringLiteral("palabra ").repeated(9)
                                                + QStringLiteral("palabra")};
    }

    void wrapping()
    {
        QFETCH(QString, texto);
        QFETCH(QStringList, lineas);
        QCOMPARE(RecordCardLayout::partirObservaciones(texto).split(QStringLiteral("\r\n")), lineas);
    }

    void cancellingThePrinterDialogPrintsNothing()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("ficha.pdf"));
        Printers::setPdfOutput(pdf);
        Recordset rs;
        const auto ficha = abre(rs, 1);
        DialogService::queueAnswer(DialogService::Answer::Cancel);
        QTest::mouseClick(hijo<ImageButton>(ficha.get(), QStringLiteral("cmdImprime")), Qt::LeftButton);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(!BusyPointer::isBusy());
        QVERIFY(ficha->isVisible());
        QCOMPARE(DialogService::shown().size(), 1);
    }

    // Printed for real: every title and value shown is on the page, inside its margins.
    void printsTheCardToPdf_data()
    {
        QTest::addColumn<Campos>("campos");
        QTest::addColumn<int>("paginas");
        const Campos completa {{L::Sector, QStringLiteral("DISTRIBUCION")},
            {L::Empresa, QStringLiteral("Eventos y Banquetes Santiago Ríos - Las Palmas de Gran Canaria")},
            {L::Actividad, QStringLiteral("Distribución de bebidas")}, {L::Cif, QStringLiteral("B35123456")},
            {L::Autonomia, QStringLiteral("Canarias")}, {L::Provincia, QStringLiteral("Las Palmas")},
            {L::Poblacion, QStringLiteral("Las Palmas de Gran Canaria")},
            {L::Domicilio,
                QStringLiteral("Polígono Industrial Las Quemadas, C/ Federico García Lorca, nave 29")},
            {L::Cp, QStringLiteral("35010")}, {L::Telefono, QStringLiteral("928 123 456")},
            {L::Fax, QStringLiteral("928 123 457")},
            {L::Email, QStringLiteral("Pedidos@Banquetes-Santiago.es")},
            {L::Web, QStringLiteral("www.banquetes-santiago.es")},
            {L::Cargo1, QStringLiteral("Director Comercial")},
            {L::Contacto1, QStringLiteral("José Manuel Giménez Molina")},
            {L::Cargo2, QStringLiteral("Compras")}, {L::Contacto2, QStringLiteral("Lucía Peña")},
            {L::Superficie, QStringLiteral("2400")}, {L::Vehiculos, QStringLiteral("14")},
            {L::Empleados, QStringLiteral("85")}, {L::EmpresaId, 1},
            {L::Observaciones,
                QStringLiteral(
                    "Almacén regulador de 2.400 m² con cámaras de frío y flota propia para el reparto diario "
                    "en toda la isla. Ámbito de actuación: Canarias.\r\nHorario de pedidos de lunes a "
                    "viernes.")}};
        QTest::newRow("every field") << completa << 1;
        Campos corta = completa;
        corta.insert(L::Observaciones,
            QStringLiteral("Observación corta, impresa por la caja en su propia letra. ")
                .leftJustified(85, QLatin1Char('.')));
        corta.remove(L::Vehiculos);
        corta.remove(L::Provincia);
        QTest::newRow("short observations, gaps") << corta << 1;
        Campos larga {{L::Empresa, QStringLiteral("Observaciones largas")}};
        QString texto = QString(200, QLatin1Char('X')) + QLatin1Char(' ');
        for (int i = 0; i < 40; ++i)
            texto
                += QStringLiteral("Párrafo %1 de unas observaciones muy largas que siguen y siguen sin parar "
                                  "hasta llenar la hoja entera.\r\n")
                       .arg(i + 1);
        larga.insert(L::Observaciones, texto.trimmed());
        QTest::newRow("observations past the page") << larga << 2;
    }

    void printsTheCardToPdf()
    {
        QFETCH(Campos, campos);
        QFETCH(int, paginas);
        const qint64 id = inserta(campos);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("ficha.pdf"));
        Printers::setPdfOutput(pdf);
        Recordset rs;
        const auto ficha = imprime(rs, id, Qt::RightButton);
        QVERIFY(QFile::exists(pdf));
        QVERIFY(!BusyPointer::isBusy());

        const QString crudo = PdfReader::output(
            QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        // pdftotext ends every page with a form feed.
        QCOMPARE(crudo.count(QChar(0x0C)), paginas);
        const QString texto = normaliza(crudo);

        QStringList esperado;
        for (const L::Placement& d : L::filas()) {
            QLabel* v = valor(ficha.get(), d.posicion);
            if (v->isHidden() || d.posicion == L::EmpresaId)
                continue;
            esperado << QString::fromUtf8(d.titulo) << v->text();
        }
        auto* contactos = hijo<QLabel>(ficha.get(), QStringLiteral("lblContactos"));
        if (!contactos->isHidden())
            esperado << QStringLiteral("Contactos:")
                     << contactos->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        esperado << QStringLiteral("Observaciones:");
        const QString obs
            = hijo<QPlainTextEdit>(ficha.get(), QStringLiteral("txtObservaciones"))->toPlainText();
        for (const QString& palabra :
            obs.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
            if (palabra.size() < 30)
                esperado << palabra;
        }
        for (const QString& e : std::as_const(esperado))
            QVERIFY2(texto.contains(normaliza(e)), qPrintable(e));
        QVERIFY(!texto.contains(QStringLiteral("Seleccionada")));
        QVERIFY(!texto.contains(QStringLiteral("Punto de Venta")));
        // The unbroken run of 200 characters is there, broken only at the margin.
        if (obs.startsWith(QLatin1Char('X')))
            QCOMPARE(texto.count(QLatin1Char('X')), 200);

        // Every word inside the page area: 5 mm at the sides, 3.5 mm at top and bottom.
        const QString html = PdfReader::output(
            QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        const QRegularExpression pagina(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
        const QRegularExpressionMatch p = pagina.match(html);
        QVERIFY(p.hasMatch());
        const double ancho = p.captured(1).toDouble();
        const double alto = p.captured(2).toDouble();
        const double lado = 5 / 25.4 * 72;
        const double arriba = 3.5 / 25.4 * 72;
        const QRegularExpression palabra(QStringLiteral(
            "xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)<"));
        int palabras = 0;
        // Each paragraph of the observations starts its line at the box's left (300 twips in); only the
        // first follows the long run on a continuation line, which begins with a blank.
        const double izquierdaCaja = lado + 300 / 20.0;
        int alBorde = 0;
        for (auto it = palabra.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            ++palabras;
            const QString w = m.captured(5);
            if (w == QStringLiteral("Párrafo"))
                alBorde += qAbs(m.captured(1).toDouble() - izquierdaCaja) < 0.5;
            QVERIFY2(m.captured(1).toDouble() >= lado - 0.5, qPrintable(w));
            QVERIFY2(m.captured(3).toDouble() <= ancho - lado + 0.5, qPrintable(w));
            QVERIFY2(m.captured(2).toDouble() >= arriba - 0.5, qPrintable(w));
            QVERIFY2(m.captured(4).toDouble() <= alto - arriba + 0.5, qPrintable(w));
        }
        QVERIFY(palabras > 10);
        if (obs.startsWith(QLatin1Char('X')))
            QCOMPARE(alBorde, 39);
    }

    // A street stored on two lines prints on its own row, not over the town's.
    void aStoredLineBreakPrintsOnOneLine()
    {
        const qint64 id = inserta({{L::Empresa, QStringLiteral("Dos Líneas")},
            {L::Domicilio, QStringLiteral("Calle Mayor 12\r\nPortal B")},
            {L::Poblacion, QStringLiteral("Sevilla")}});
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("ficha.pdf"));
        Printers::setPdfOutput(pdf);
        Recordset rs;
        const auto ficha = imprime(rs, id);
        QHash<QString, double> alto;
        for (const PdfReader::Word& w : PdfReader::words(pdf))
            alto.insert(w.text, w.topLeft.y());
        QVERIFY(alto.contains(QStringLiteral("CALLE")) && alto.contains(QStringLiteral("PORTAL")));
        QCOMPARE(alto.value(QStringLiteral("PORTAL")), alto.value(QStringLiteral("CALLE")));
        QVERIFY(alto.value(QStringLiteral("SEVILLA")) > alto.value(QStringLiteral("PORTAL")) + 5);
    }

    // No print queue: the dialog offers a PDF file named after the company, in the user's documents.
    void withoutAPrintQueueTheCardGoesToAPdfNamedAfterTheCompany()
    {
        const DocumentsFolder documentos;
        PrinterCheck::setMachine(PrinterCheck::Machine {false, true});
        const auto restaura = qScopeGuard([] { PrinterCheck::setMachine(std::nullopt); });
        const qint64 id = inserta({{L::Empresa, QStringLiteral("Hostal L'Estació / Sants")},
            {L::Poblacion, QStringLiteral("Barcelona")}});
        Recordset rs;
        const auto ficha = imprime(rs, id);
        QCOMPARE(DialogService::shown().size(), 1);
        const QString pdf = QDir(documentos.path()).filePath(QStringLiteral("Hostal L'Estació Sants.pdf"));
        QVERIFY2(QFile::exists(pdf), qPrintable(QDir(documentos.path()).entryList().join(QLatin1Char(','))));
        QVERIFY(PdfReader::output(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                    .contains(QStringLiteral("HOSTAL L'ESTACIÓ")));
        conn().execute(QStringLiteral("DELETE FROM tbl_empresas WHERE id_emp=%1").arg(id));
    }
};

QTEST_MAIN(TestFichaImpresion)
#include "tst_ficha_impresion.moc"
