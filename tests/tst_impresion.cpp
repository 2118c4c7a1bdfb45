#include "DocumentsFolder.h"
#include "platform/print/PrintSurface.h"
#include "platform/print/PrinterCheck.h"
#include "platform/print/Printers.h"
#include "platform/print/RecordingSurface.h"
#include "platform/print/clsImpresion.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/Twips.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Writes of the paper ('P') and orientation ('O') properties, in order.
using Escrituras = QList<std::pair<char, int>>;

constexpr double kCmPorTwip = 2.54 / 1440;

// A control of a form at its place in twips.
QLabel* etiqueta(QWidget* form, const QString& texto, int left, int top)
{
    auto* label = new QLabel(texto, form);
    label->setFont(Fonts::font(QStringLiteral("Arial"), 9.75, true));
    Twips::place(label, left, top, 3000, 255);
    return label;
}

bool cerca(double a, double b, double margen = 1e-6)
{
    return qAbs(a - b) <= margen;
}

using Machine = PrinterCheck::Machine;

} // namespace

Q_DECLARE_METATYPE(PrinterCheck::Machine)

class TestImpresion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void creationSetsA4UprightInCentimetres()
    {
        RecordingSurface superficie;
        clsImpresion impresion(superficie);
        QCOMPARE(impresion.UnidadMedida(), 7);
        QCOMPARE(impresion.Orientacion(), 1);
        QCOMPARE(impresion.Papel(), 9);
        QCOMPARE(impresion.AlturaHoja(), qint16(270));
        QCOMPARE(impresion.AnchuraHoja(), qint16(200));
        QCOMPARE(superficie.paper(), QPageSize::A4);
        QCOMPARE(superficie.orientation(), QPageLayout::Portrait);
        // Nothing is drawn by setting up the printer.
        QCOMPARE(superficie.pageCount(), 0);
    }

    void sheetSize_data()
    {
        QTest::addColumn<Escrituras>("escrituras");
        QTest::addColumn<qint16>("anchura");
        QTest::addColumn<qint16>("altura");
        QTest::newRow("A4 upright") << Escrituras {{'P', 9}} << qint16(200) << qint16(290);
        QTest::newRow("A4 then landscape") << Escrituras {{'P', 9}, {'O', 2}} << qint16(290) << qint16(200);
        QTest::newRow("landscape then A4") << Escrituras {{'O', 2}, {'P', 9}} << qint16(290) << qint16(200);
        QTest::newRow("landscape, A4, upright")
            << Escrituras {{'O', 2}, {'P', 9}, {'O', 1}} << qint16(200) << qint16(290);
        QTest::newRow("A3 upright") << Escrituras {{'P', 8}} << qint16(290) << qint16(400);
        QTest::newRow("A3 landscape") << Escrituras {{'P', 8}, {'O', 2}} << qint16(400) << qint16(290);
        QTest::newRow("other paper keeps the sheet") << Escrituras {{'P', 1}} << qint16(200) << qint16(270);
        QTest::newRow("other orientation keeps it") << Escrituras {{'O', 5}} << qint16(200) << qint16(270);
    }

    void sheetSize()
    {
        QFETCH(Escrituras, escrituras);
        QFETCH(qint16, anchura);
        QFETCH(qint16, altura);
        RecordingSurface superficie;
        clsImpresion impresion(superficie);
        for (const auto& [que, valor] : escrituras) {
            if (que == 'P')
                impresion.setPapel(valor);
            else
                impresion.setOrientacion(valor);
        }
        QCOMPARE(impresion.AnchuraHoja(), anchura);
        QCOMPARE(impresion.AlturaHoja(), altura);
    }

    void paperTheSurfaceRefusesIsReported()
    {
        RecordingSurface superficie;
        clsImpresion impresion(superficie);
        QVERIFY(!impresion.setPapel(4242));
        QCOMPARE(impresion.Papel(), 4242);
        QVERIFY(impresion.setPapel(8));
        QCOMPARE(superficie.paper(), QPageSize::A3);
        QVERIFY(!impresion.setUnidadMedida(42));
        QCOMPARE(impresion.UnidadMedida(), 7);
    }

    // The sheet's width is given in millimetres and is where a line ends, whatever the unit in force.
    void sheetWidthInMillimetresEndsTheLine_data()
    {
        QTest::addColumn<int>("unidad");
        QTest::addColumn<int>("milimetros");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("finCm");
        QTest::newRow("centimetres, 205 mm") << 7 << 205 << 1.0 << 20.5;
        QTest::newRow("twips, 148 mm") << 1 << 148 << 567.0 << 14.8;
        QTest::newRow("millimetres, 297 mm") << 6 << 297 << 10.0 << 29.7;
    }

    void sheetWidthInMillimetresEndsTheLine()
    {
        QFETCH(int, unidad);
        QFETCH(int, milimetros);
        QFETCH(double, x);
        QFETCH(double, finCm);
        RecordingSurface superficie;
        clsImpresion impresion(superficie);
        QVERIFY(impresion.setUnidadMedida(unidad));
        impresion.setAnchuraHoja(qint16(milimetros));
        QCOMPARE(impresion.AnchuraHoja(), qint16(milimetros));
        impresion.imprimeLinea(x, x);
        // A paper set afterwards gives the sheet of that paper back.
        impresion.setPapel(clsImpresion::A4);
        impresion.imprimeLinea(x, x);
        const PrintPage items = superficie.items();
        QCOMPARE(items.size(), 2);
        QVERIFY2(cerca(items.at(0).to.x(), finCm, 1e-4), qPrintable(QString::number(items.at(0).to.x())));
        QVERIFY(cerca(items.at(0).at.x(), 1.0, 0.001));
        QVERIFY(cerca(items.at(1).to.x(), 20.0));
        QCOMPARE(impresion.AnchuraHoja(), qint16(200));
    }

    void lines_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("lineas");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("one") << QStringLiteral("UNO") << QStringList {QStringLiteral("UNO")};
        QTest::newRow("CR LF") << QStringLiteral("UNO\r\nDOS")
                               << QStringList {QStringLiteral("UNO"), QStringLiteral("DOS")};
        QTest::newRow("as an editor keeps them")
            << QStringLiteral("UNO\nDOS") << QStringList {QStringLiteral("UNO"), QStringLiteral("DOS")};
        QTest::newRow("trailing break")
            << QStringLiteral("UNO\r\n") << QStringList {QStringLiteral("UNO"), QString()};
    }

    void lines()
    {
        QFETCH(QString, texto);
        QFETCH(QStringList, lineas);
        QCOMPARE(clsImpresion::lineas(texto), lineas);
    }

    void controlPrintsAtItsPlaceInItsFont()
    {
        QWidget form;
        QLabel* label = etiqueta(&form, QStringLiteral("CARGO: NOMBRE\nOTRO: NOMBRE"), 300, 1500);
        RecordingSurface superficie;
        clsImpresion impresion(superficie);
        QVERIFY(impresion.setUnidadMedida(clsImpresion::Twips));
        impresion.ImprimeObjeto(label);

        const PrintPage items = superficie.items();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(0).text, QStringLiteral("CARGO: NOMBRE"));
        QCOMPARE(items.at(1).text, QStringLiteral("OTRO: NOMBRE"));
        // The place as the form shows it, one to one in twips.
        const QPointF esquina(Twips::left(label) * kCmPorTwip, Twips::top(label) * kCmPorTwip);
        QVERIFY(cerca(items.at(0).at.x(), esquina.x()));
        QVERIFY(cerca(items.at(0).at.y(), esquina.y()));
        QVERIFY(cerca(items.at(1).at.x(), esquina.x()));
        const double alto = superficie.lineHeight(items.at(0).font);
        QVERIFY(cerca(items.at(1).at.y(), esquina.y() + alto + 50 * kCmPorTwip));
        QCOMPARE(items.at(0).font.name, QStringLiteral("Arial"));
        QCOMPARE(items.at(0).font.pointSize, 9.75);
        QVERIFY(items.at(0).font.bold);
        QCOMPARE(impresion.fuente().name, QStringLiteral("Arial"));
    }

    void emptyOrHiddenControlPrintsNothing()
    {
        QWidget form;
        QLabel* vacia = etiqueta(&form, QString(), 600, 900);
        QLabel* oculta = etiqueta(&form, QStringLiteral("OCULTA"), 1200, 3000);
        oculta->setFont(Fonts::font(QStringLiteral("Times New Roman"), 14));
        oculta->hide();
        RecordingSurface superficie;
        clsImpresion impresion(superficie);
        impresion.setUnidadMedida(clsImpresion::Twips);

        impresion.ImprimeObjeto(vacia);
        QCOMPARE(superficie.items().size(), 0);
        QCOMPARE(impresion.posicion().toPoint(), QPoint(Twips::left(vacia), Twips::top(vacia)));
        QCOMPARE(impresion.fuente().name, QStringLiteral("Arial"));

        impresion.ImprimeObjeto(oculta);
        QCOMPARE(superficie.items().size(), 0);
        QCOMPARE(impresion.posicion().toPoint(), QPoint(Twips::left(vacia), Twips::top(vacia)));
        QCOMPARE(impresion.fuente().name, QStringLiteral("Arial"));
        impresion.imprime();
        QCOMPARE(superficie.pageCount(), 0);
    }

    void textLinesStartAtTheirLeft()
    {
        RecordingSurface superficie;
        clsImpresion impresion(superficie);
        impresion.imprimeTexto(QStringLiteral("UNO\r\n DOS\r\n TRES"), 2, 3);
        const PrintPage items = superficie.items();
        QCOMPARE(items.size(), 3);
        for (const PrintItem& item : items)
            QCOMPARE(item.at.x(), 2.0);
        QCOMPARE(items.at(0).at.y(), 3.0);
        QVERIFY(items.at(1).at.y() > items.at(0).at.y());
        QCOMPARE(items.at(2).text, QStringLiteral(" TRES"));
    }

    void textNeverPassesTheRightEdge_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("no blank") << QString(200, QLatin1Char('W'));
        QTest::newRow("words") << QStringLiteral("PALABRA ").repeated(40).trimmed();
    }

    void textNeverPassesTheRightEdge()
    {
        QFETCH(QString, texto);
        RecordingSurface superficie;
        clsImpresion impresion(superficie);
        impresion.setUnidadMedida(clsImpresion::Twips);
        impresion.imprimeTexto(texto, 300, 6000);
        const PrintPage items = superficie.items();
        QVERIFY(items.size() > 1);
        QString todo;
        for (const PrintItem& item : items) {
            QVERIFY(cerca(item.at.x(), 300 * kCmPorTwip));
            QVERIFY(item.at.x() + superficie.textSize(item.text, item.font).width()
                <= superficie.pageSize().width());
            todo += item.text;
        }
        // Nothing is lost or added by the breaks.
        QCOMPARE(todo, texto);
        if (texto.contains(QLatin1Char(' ')))
            QVERIFY(items.at(0).text.endsWith(QLatin1Char(' ')));
    }

    void longTextGoesOnToNewPages()
    {
        RecordingSurface superficie;
        clsImpresion impresion(superficie);
        QStringList lineas;
        for (int i = 1; i <= 120; ++i)
            lineas.append(QStringLiteral("Línea %1").arg(i));
        impresion.imprimeTexto(lineas.join(QStringLiteral("\r\n")), 1, 20);
        impresion.imprime();
        QVERIFY(superficie.ended());
        QVERIFY(superficie.pageCount() >= 2);
        QCOMPARE(superficie.texts(), lineas);
        const double alto = superficie.pageSize().height();
        for (const PrintPage& page : superficie.pages()) {
            for (const PrintItem& item : page)
                QVERIFY(item.at.y() + superficie.lineHeight(item.font) <= alto);
        }
        // The next page starts at the top.
        QCOMPARE(superficie.pages().at(1).first().at.y(), 0.0);
    }

    void lineRunsToTheSheetEdgeInTheUnitInForce_data()
    {
        QTest::addColumn<int>("unidad");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("centimetres") << 7 << 1.0 << 2.0;
        QTest::newRow("twips") << 1 << 567.0 << 1134.0;
        QTest::newRow("millimetres") << 6 << 10.0 << 20.0;
    }

    void lineRunsToTheSheetEdgeInTheUnitInForce()
    {
        QFETCH(int, unidad);
        QFETCH(double, x);
        QFETCH(double, y);
        RecordingSurface superficie;
        clsImpresion impresion(superficie);
        impresion.setPapel(9);
        QVERIFY(impresion.setUnidadMedida(unidad));
        impresion.imprimeLinea(x, y);
        const PrintPage items = superficie.items();
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.at(0).kind, PrintItem::Kind::Line);
        QVERIFY(cerca(items.at(0).at.x(), 1.0, 0.001));
        QVERIFY(cerca(items.at(0).at.y(), 2.0, 0.001));
        QVERIFY(cerca(items.at(0).to.x(), 20.0));
        QVERIFY(cerca(items.at(0).to.y(), items.at(0).at.y()));
    }

    void pictureAtItsPlaceAndSize()
    {
        QWidget form;
        auto* box = new PictureBox(&form);
        Twips::place(box, 1440, 720, 1500, 1500);
        QPixmap dibujo(96, 48);
        dibujo.fill(Qt::red);
        box->setPicture(dibujo);
        auto* sinDibujo = new QLabel(QStringLiteral("texto"), &form);

        RecordingSurface superficie;
        clsImpresion impresion(superficie);
        impresion.setUnidadMedida(clsImpresion::Twips);
        QVERIFY(!impresion.ImprimeDibujo(sinDibujo));
        QVERIFY(impresion.ImprimeDibujo(box));
        const PrintPage items = superficie.items();
        QCOMPARE(items.size(), 1);
        QVERIFY(cerca(items.at(0).at.x(), 2.54, 0.001));
        QVERIFY(cerca(items.at(0).at.y(), 1.27, 0.001));
        // 96 pixels at 96 dots per inch: one inch.
        QVERIFY(cerca(PrintSurface::pictureSize(items.at(0).picture).width(), 2.54, 0.01));
    }

    void aPageBeginsOnlyWhenDrawnOn()
    {
        RecordingSurface superficie;
        superficie.newPage();
        superficie.text(QPointF(1, 1), QString(), PrintFont());
        QCOMPARE(superficie.pageCount(), 0);
        superficie.text(QPointF(1, 1), QStringLiteral("uno"), PrintFont());
        superficie.newPage();
        superficie.newPage();
        QCOMPARE(superficie.pageCount(), 1);
        superficie.line(QPointF(1, 2), QPointF(3, 2));
        superficie.newPage();
        QCOMPARE(superficie.pageCount(), 2);
        QVERIFY(superficie.end());
        QCOMPARE(superficie.pages().size(), 2);
        QCOMPARE(superficie.pages().at(1).size(), 1);
        // Ended: nothing more goes on it.
        superficie.text(QPointF(1, 1), QStringLiteral("tarde"), PrintFont());
        QCOMPARE(superficie.texts(), QStringList {QStringLiteral("uno")});
    }

    void cancelledDocumentIsAbandoned()
    {
        RecordingSurface superficie;
        clsImpresion impresion(superficie);
        impresion.imprimeTexto(QStringLiteral("algo"), 1, 1);
        impresion.Cancela();
        QVERIFY(superficie.aborted());
        QVERIFY(!superficie.ended());
        QVERIFY(!impresion.imprime());
    }

    void printingToPdfCountsAsAPrinter_data()
    {
        QTest::addColumn<Machine>("machine");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("queue");
        QTest::newRow("print queues and PDF") << Machine {true, true} << true << true;
        QTest::newRow("PDF only, no print queue") << Machine {false, true} << true << false;
        QTest::newRow("print queue only") << Machine {true, false} << true << true;
        QTest::newRow("neither") << Machine {false, false} << false << false;
    }

    void printingToPdfCountsAsAPrinter()
    {
        QFETCH(Machine, machine);
        QFETCH(bool, installed);
        QFETCH(bool, queue);
        PrinterCheck::setMachine(machine);
        QCOMPARE(PrinterCheck::isInstalled(), installed);
        QCOMPARE(PrinterCheck::hasPrintQueue(), queue);
        PrinterCheck::setMachine(std::nullopt);
    }

    void thePlatformAlwaysOffersPdf()
    {
        PrinterCheck::setMachine(std::nullopt);
        QVERIFY(PrinterCheck::machine().pdfOutput);
        QVERIFY(PrinterCheck::isInstalled());
    }

    // Without a print queue the document goes to a PDF file named after it, in the user's documents.
    void withoutAQueueTheDocumentGoesToAPdfOfItsName_data()
    {
        QTest::addColumn<QString>("documento");
        QTest::addColumn<QString>("archivo");
        QTest::newRow("company name") << "Cafetería La Plaza, S.L."
                                      << "Cafetería La Plaza, S.L.pdf";
        QTest::newRow("apostrophe") << "BAR L'AVI"
                                    << "BAR L'AVI.pdf";
        QTest::newRow("separators and refused characters") << "Hostal 24/7: \"El Sol\" \\ Norte?"
                                                           << "Hostal 24 7 El Sol Norte.pdf";
        QTest::newRow("blanks around") << "  Ranking Catering  "
                                       << "Ranking Catering.pdf";
        QTest::newRow("no name") << ""
                                 << "Tarvesa 2010.pdf";
    }

    void withoutAQueueTheDocumentGoesToAPdfOfItsName()
    {
        QFETCH(QString, documento);
        QFETCH(QString, archivo);
        const DocumentsFolder documentos;
        QVERIFY(!QDir(documentos.path()).exists());
        PrinterCheck::setMachine(Machine {false, true});
        const std::unique_ptr<QPrinter> printer = Printers::create(documento);
        PrinterCheck::setMachine(std::nullopt);
        QCOMPARE(printer->outputFormat(), QPrinter::PdfFormat);
        QCOMPARE(printer->outputFileName(), QDir(documentos.path()).filePath(archivo));
        QCOMPARE(printer->docName(), documento);
        QCOMPARE(printer->pageLayout().pageSize().id(), QPageSize::A4);
        // The folder is made so that the print dialog accepts the name as it stands.
        QVERIFY(QDir(documentos.path()).exists());
    }

    void withAQueueTheDocumentGoesToThePrinter()
    {
        const DocumentsFolder documentos;
        PrinterCheck::setMachine(Machine {true, true});
        const std::unique_ptr<QPrinter> printer = Printers::create(QStringLiteral("BAR L'AVI"));
        PrinterCheck::setMachine(std::nullopt);
        // No file of ours: the platform's printer (native where the print system is there).
        QVERIFY(printer->outputFileName().isEmpty());
        QCOMPARE(printer->docName(), QStringLiteral("BAR L'AVI"));
    }
};

QTEST_MAIN(TestImpresion)
#include "tst_impresion.moc"
