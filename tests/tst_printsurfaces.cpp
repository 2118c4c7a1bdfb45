#include "PdfReader.h"
#include "TextCapture.h"
#include "platform/print/Length.h"
#include "platform/print/PreviewSurface.h"
#include "platform/print/PrintPainter.h"
#include "platform/print/PrinterSurface.h"
#include "platform/print/RecordingSurface.h"
#include "platform/print/clsImpresion.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool cerca(double a, double b, double margen = 1e-9)
{
    return qAbs(a - b) <= margen;
}

// The size of each page of a PDF file in points, as pdfinfo reads it.
QList<QSizeF> pdfPageSizes(const QString& pdf)
{
    QList<QSizeF> sizes;
    const QStringList lines = PdfReader::output(QStringLiteral("pdfinfo"),
        {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("9999"), pdf})
                                  .split(QLatin1Char('\n'));
    static const QRegularExpression size(QStringLiteral("^Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    for (const QString& line : lines) {
        const auto match = size.match(line);
        if (match.hasMatch())
            sizes.append(QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()));
    }
    return sizes;
}

QString pdfText(const QString& pdf)
{
    return PdfReader::output(
        QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageMargins(QMarginsF(5, 3.5, 5, 3.5), QPageLayout::Millimeter);
    return printer;
}

} // namespace

class TestPrintSurfaces : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lengthUnits_data()
    {
        QTest::addColumn<Length>("longitud");
        QTest::addColumn<double>("cm");
        QTest::newRow("an inch in twips") << Length::twips(1440) << 2.54;
        QTest::newRow("an inch in points") << Length::points(72) << 2.54;
        QTest::newRow("an inch") << Length::inches(1) << 2.54;
        QTest::newRow("millimetres") << Length::mm(225) << 22.5;
        QTest::newRow("a centimetre in twips") << Length::twips(567) << 567 * 2.54 / 1440;
        QTest::newRow("pixels at 96 dpi") << Length::pixels(96, 96) << 2.54;
    }

    void lengthUnits()
    {
        QFETCH(Length, longitud);
        QFETCH(double, cm);
        QVERIFY(cerca(longitud.toCm(), cm));
        QVERIFY(cerca(longitud.toMm(), cm * 10));
        QVERIFY(cerca(longitud.toTwips(), cm / 2.54 * 1440, 1e-6));
        QVERIFY(cerca(longitud.toPoints(), cm / 2.54 * 72, 1e-6));
        QVERIFY(cerca(longitud.toPixels(300), cm / 2.54 * 300, 1e-6));
    }

    void centimetresComeBackExactly()
    {
        // The layouts step in tenths of a centimetre and compare against the page's edge.
        for (const double cm : {0.3, 0.7, 1.2, 4.7, 29.0})
            QCOMPARE(Length::cm(cm).toCm(), cm);
    }

    void lengthArithmetic()
    {
        QCOMPARE(Length::cm(1) + Length::mm(5), Length::cm(1.5));
        QCOMPARE(Length::cm(3) - Length::mm(10), Length::cm(2));
        QCOMPARE(-Length::cm(2), Length::cm(-2));
        QCOMPARE(Length::cm(2) * 3, Length::cm(6));
        QCOMPARE(3 * Length::cm(2), Length::cm(6));
        QCOMPARE(Length::cm(6) / 4, Length::cm(1.5));
        QCOMPARE(Length::cm(6) / Length::cm(1.5), 4.0);
        QVERIFY(Length::mm(9) < Length::cm(1));
        QVERIFY(Length::points(72) > Length::cm(2.5));
        QVERIFY(Length::cm(1) >= Length::mm(10));
        QVERIFY(Length::cm(1) != Length::mm(11));
        Length y = Length::cm(1);
        y += Length::cm(0.5);
        y -= Length::mm(2);
        QVERIFY(cerca(y.toCm(), 1.3));
    }

    void anyPaperSize_data()
    {
        QTest::addColumn<double>("anchoMm");
        QTest::addColumn<double>("altoMm");
        QTest::newRow("DL envelope") << 220.0 << 110.0;
        QTest::newRow("C5 envelope") << 229.0 << 162.0;
        QTest::newRow("made to measure") << 187.0 << 93.0;
        QTest::newRow("taller than wide") << 105.0 << 241.0;
    }

    void anyPaperSize()
    {
        QFETCH(double, anchoMm);
        QFETCH(double, altoMm);
        const QPageSize papel = PrintSurface::paper(Length::mm(anchoMm), Length::mm(altoMm));
        QVERIFY(papel.isValid());

        RecordingSurface grabacion;
        QVERIFY(grabacion.setPage(papel, QPageLayout::Portrait));
        QCOMPARE(grabacion.paperSize().size(QPageSize::Millimeter), QSizeF(anchoMm, altoMm));

        // On paper, the page that comes out has exactly that size.
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("sobre.pdf"));
        auto printer = pdfPrinter(pdf);
        PrinterSurface impresora(*printer);
        QVERIFY(impresora.setPage(papel, QPageLayout::Portrait));
        QVERIFY(cerca(impresora.pageSize().width(), anchoMm / 10 - 1.0, 0.01));
        QVERIFY(cerca(impresora.pageSize().height(), altoMm / 10 - 0.7, 0.01));
        impresora.text(PagePoint {Length::cm(1), Length::cm(1)}, QStringLiteral("Destinatario"), PrintFont());
        QVERIFY(impresora.end());
        const QList<QSizeF> paginas = pdfPageSizes(pdf);
        QCOMPARE(paginas.size(), 1);
        QVERIFY(cerca(paginas.at(0).width(), Length::mm(anchoMm).toPoints(), 1));
        QVERIFY(cerca(paginas.at(0).height(), Length::mm(altoMm).toPoints(), 1));
    }

    void emptyPaperSizeIsRefused()
    {
        RecordingSurface grabacion;
        QVERIFY(!grabacion.setPage(PrintSurface::paper(Length(), Length::mm(100)), QPageLayout::Portrait));
        QVERIFY(
            !grabacion.setPage(PrintSurface::paper(Length::mm(-5), Length::mm(100)), QPageLayout::Portrait));
        QCOMPARE(grabacion.paper(), QPageSize::A4);
    }

    void envelopeSheetThroughThePrinterObject()
    {
        RecordingSurface grabacion;
        clsImpresion impresion(grabacion);
        QVERIFY(impresion.setHoja(Length::mm(220), Length::mm(110)));
        QCOMPARE(impresion.AnchuraHoja(), qint16(220));
        QCOMPARE(impresion.AlturaHoja(), qint16(110));
        QCOMPARE(grabacion.paper(), QPageSize::Custom);
        // A line runs to the envelope's edge, not the A4 sheet's.
        impresion.imprimeLinea(1, 2);
        QVERIFY(cerca(grabacion.items().at(0).to.x(), 22.0));
    }

    void printerPaintsEachPageWhenItIsFinished()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("largo.pdf"));
        auto printer = pdfPrinter(pdf);
        PrinterSurface impresora(*printer);
        QList<int> enviadas;
        impresora.setPageSentHandler([&](int n) { enviadas.append(n); });
        constexpr int kPaginas = 200;
        for (int i = 1; i <= kPaginas; ++i) {
            if (i > 1)
                impresora.newPage();
            impresora.text(QPointF(1, 1), QStringLiteral("Hoja %1").arg(i), PrintFont());
            // The page before this one is on its way while this one is being drawn.
            QCOMPARE(impresora.pagesSent(), i - 1);
        }
        // Written beside its name until complete.
        QVERIFY(!QFileInfo::exists(pdf));
        qint64 antesDelFinal = 0;
        for (const QFileInfo& escrito : QDir(dir.path()).entryInfoList(QDir::Files | QDir::Hidden))
            antesDelFinal += escrito.size();
        QVERIFY(impresora.end());
        QCOMPARE(impresora.pagesSent(), kPaginas);
        QCOMPARE(enviadas.size(), kPaginas);
        QCOMPARE(enviadas.last(), kPaginas);
        // The file grew while the pages were drawn, not all at the end.
        QVERIFY(antesDelFinal > 0);
        QCOMPARE(pdfPageSizes(pdf).size(), kPaginas);
        const QString texto = pdfText(pdf);
        QVERIFY(texto.contains(QStringLiteral("Hoja 1\n")));
        QVERIFY(texto.contains(QStringLiteral("Hoja 200")));
    }

    void abandonedJobLeavesNothing_data()
    {
        QTest::addColumn<int>("paginas");
        QTest::addColumn<QByteArray>("anterior");
        QTest::newRow("nothing painted yet") << 1 << QByteArray();
        QTest::newRow("pages already sent") << 3 << QByteArray();
        QTest::newRow("pages sent over an existing file") << 3 << QByteArray("%PDF-1.4 anterior");
    }

    void abandonedJobLeavesNothing()
    {
        QFETCH(int, paginas);
        QFETCH(QByteArray, anterior);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("cancelado.pdf"));
        if (!anterior.isEmpty()) {
            QFile viejo(pdf);
            QVERIFY(viejo.open(QIODevice::WriteOnly) && viejo.write(anterior) == anterior.size());
        }
        auto printer = pdfPrinter(pdf);
        PrinterSurface impresora(*printer);
        for (int i = 0; i < paginas; ++i) {
            impresora.newPage();
            impresora.text(QPointF(1, 1), QStringLiteral("Hoja"), PrintFont());
        }
        impresora.abort();
        // The file that was there stays as it was, and nothing else is left.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), anterior.isEmpty() ? 0 : 1);
        QFile viejo(pdf);
        QCOMPARE(viejo.open(QIODevice::ReadOnly) ? viejo.readAll() : QByteArray(), anterior);
        QVERIFY(!impresora.end());
    }

    void multiLineTextKeepsItsPitchOnPaper_data()
    {
        QTest::addColumn<double>("puntos");
        QTest::addColumn<double>("pasoCm"); // from one line to the next: 0.04 cm a point
        QTest::newRow("9 points") << 9.0 << 0.36;
        QTest::newRow("10 points") << 10.0 << 0.40;
        QTest::newRow("12 points") << 12.0 << 0.48;
    }

    void multiLineTextKeepsItsPitchOnPaper()
    {
        QFETCH(double, puntos);
        QFETCH(double, pasoCm);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("lineas.pdf"));
        auto printer = pdfPrinter(pdf);
        PrinterSurface impresora(*printer);
        PrintFont fuente {QStringLiteral("Arial"), puntos, true};
        impresora.text(
            QPointF(2, 3), QStringLiteral("PRIMERA\nSEGUNDA\nTERCERA\nCUARTA\nQUINTA\nSEXTA"), fuente);
        QVERIFY(impresora.end());
        const QString html = PdfReader::output(
            QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        static const QRegularExpression palabra(
            QStringLiteral("yMin=\"([\\d.]+)\"[^>]*yMax=\"([\\d.]+)\"[^>]*>(PRIMERA|SEXTA)<"));
        QList<double> tops;
        double bottom = 0;
        for (auto it = palabra.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            tops.append(match.captured(1).toDouble());
            bottom = match.captured(2).toDouble();
        }
        QCOMPARE(tops.size(), 2);
        // The block's measure (where it is dragged, how far it goes up on the envelope) ends where the
        // last line does.
        PrintItem bloque;
        bloque.text = QStringLiteral("PRIMERA\nSEGUNDA\nTERCERA\nCUARTA\nQUINTA\nSEXTA");
        bloque.font = fuente;
        const double alto = PreviewSurface::bounds(bloque).height() * 72 / 2.54;
        QVERIFY2(cerca(alto, bottom - tops.at(0), 1),
            qPrintable(QStringLiteral("%1 vs %2").arg(alto).arg(bottom - tops.at(0))));
        // Five pitches, in points.
        const double esperado = 5 * pasoCm * 72 / 2.54;
        QVERIFY2(cerca(tops.at(1) - tops.at(0), esperado, 0.1),
            qPrintable(QStringLiteral("%1 vs %2").arg(tops.at(1) - tops.at(0)).arg(esperado)));
    }

    void linesEndWhereTheLayoutMeasuredThem_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<double>("pixelsPerCm");
        QTest::addColumn<double>("puntos");
        QTest::addColumn<QString>("letra");
        const double preview = 567.0 / 15.0;
        QTest::newRow("screen at 96 dpi, labels") << 96 << preview << 8.0 << "Courier New";
        QTest::newRow("screen at 96 dpi, envelope") << 96 << preview << 10.0 << "Arial";
        QTest::newRow("screen at 120 dpi, criterion") << 120 << preview << 11.0 << "Times";
        QTest::newRow("screen at 144 dpi, listing rows") << 144 << preview << 7.0 << "Courier New";
        QTest::newRow("printer at 600 dpi") << 600 << 600 / 2.54 << 9.5 << "Arial";
        QTest::newRow("printer at 300 dpi") << 300 << 300 / 2.54 << 11.0 << "Courier New";
    }

    // On every device, at any scale, each line starts and ends where the surfaces' measures put it.
    void linesEndWhereTheLayoutMeasuredThem()
    {
        QFETCH(int, dpi);
        QFETCH(double, pixelsPerCm);
        QFETCH(double, puntos);
        QFETCH(QString, letra);
        const PrintFont fuente {letra, puntos, true};
        const QStringList lineas {
            QStringLiteral("Polígono Industrial San Cristóbal, C/ Calderón de la Barca"),
            QStringLiteral("San Cristóbal de La Laguna   38201(Santa Cruz de Tenerife)")};
        PrintItem item;
        item.at = QPointF(1.5, 2.0);
        item.text = lineas.join(QLatin1Char('\n'));
        item.font = fuente;
        TextCapture pagina(QSize(qRound(21 * pixelsPerCm), qRound(29.7 * pixelsPerCm)), dpi);
        {
            QPainter painter(&pagina);
            PrintPainter(painter, pixelsPerCm).paint(item);
        }
        const QList<TextCapture::Line> pintadas = pagina.lines();
        QCOMPARE(pintadas.size(), lineas.size());
        for (qsizetype i = 0; i < lineas.size(); ++i) {
            const TextCapture::Line& pintada = pintadas.at(i);
            QCOMPARE(pintada.text, lineas.at(i));
            const double medida = PrintSurface::measure(lineas.at(i), fuente).width.toCm();
            QVERIFY2(qAbs(pintada.width / pixelsPerCm - medida) < 0.002 * medida,
                qPrintable(QStringLiteral("%1 cm painted, %2 cm measured")
                               .arg(pintada.width / pixelsPerCm)
                               .arg(medida)));
            const double baseline
                = item.at.y() + PrintSurface::ascent(fuente).toCm() + double(i) * 0.04 * puntos;
            QVERIFY(cerca(pintada.start.x() / pixelsPerCm, item.at.x(), 1e-3));
            QVERIFY(cerca(pintada.start.y() / pixelsPerCm, baseline, 1e-3));
        }
    }
};

QTEST_MAIN(TestPrintSurfaces)
#include "tst_printsurfaces.moc"
