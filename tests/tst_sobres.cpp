#include "CompanyRows.h"
#include "TestInstallation.h"
#include "platform/print/PreviewSurface.h"
#include "platform/print/RecordingSurface.h"
#include "printing/envelopes/EnvelopeGeometry.h"
#include "printing/envelopes/ImprimeSobres.h"

#include <QTest>

namespace {

bool cerca(const QPointF& a, const QPointF& b)
{
    return qAbs(a.x() - b.x()) < 1e-3 && qAbs(a.y() - b.y()) < 1e-3;
}

QString texto(const QPointF& p)
{
    return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
}

// One step done to an envelope: 't' type, 'w' width, 'h' height, 'd' drag of a 5 x 2 cm block.
struct Paso
{
    char que;
    double a;
    double b = 0;
};
using Pasos = QList<Paso>;

EnvelopeGeometry aplica(const Pasos& pasos)
{
    EnvelopeGeometry sobre;
    for (const Paso& paso : pasos) {
        switch (paso.que) {
        case 't':
            sobre.setTipo(int(paso.a));
            break;
        case 'w':
            sobre.setAnchoMm(int(paso.a));
            break;
        case 'h':
            sobre.setAltoMm(int(paso.a));
            break;
        case 'd':
            sobre.mueveBloque(QPointF(paso.a, paso.b), QSizeF(5, 2));
            break;
        }
    }
    return sobre;
}

} // namespace

Q_DECLARE_METATYPE(Pasos)

class TestSobres : public QObject
{
    Q_OBJECT

private:
    Connection m_conn;

private Q_SLOTS:
    void initTestCase() { m_conn.open(TestInstallation::databasePath()); }

    void geometry_data()
    {
        QTest::addColumn<Pasos>("pasos");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QSizeF>("sobre");
        QTest::addColumn<QPointF>("bloque");
        QTest::addColumn<bool>("automatico");
        QTest::newRow("DL by default")
            << Pasos {} << 0 << QSizeF(22.0, 11.0) << QPointF(11.0, 22.0 / 3) << true;
        QTest::newRow("C5") << Pasos {{'t', 1}} << 1 << QSizeF(22.9, 16.2) << QPointF(11.45, 10.8) << true;
        QTest::newRow("B5") << Pasos {{'t', 2}} << 2 << QSizeF(25.0, 17.6) << QPointF(12.5, 17.6 * 2 / 3)
                            << true;
        QTest::newRow("Nº10") << Pasos {{'t', 3}} << 3 << QSizeF(24.1, 10.5) << QPointF(12.05, 7.0) << true;
        QTest::newRow("Monarca") << Pasos {{'t', 4}} << 4 << QSizeF(19.0, 9.8) << QPointF(9.5, 9.8 * 2 / 3)
                                 << true;
        QTest::newRow("custom keeps the size there is")
            << Pasos {{'t', 1}, {'t', 5}} << 5 << QSizeF(22.9, 16.2) << QPointF(11.45, 10.8) << true;
        QTest::newRow("custom size") << Pasos {{'t', 5}, {'h', 150}, {'w', 200}} << 5 << QSizeF(20.0, 15.0)
                                     << QPointF(10.0, 10.0) << true;
        QTest::newRow("sizes above the limits become the limits")
            << Pasos {{'t', 5}, {'h', 211}, {'w', 300}} << 5 << QSizeF(29.7, 21.0) << QPointF(14.85, 14.0)
            << true;
        QTest::newRow("a zero size keeps the previous one")
            << Pasos {{'t', 5}, {'h', 0}, {'w', 0}} << 5 << QSizeF(22.0, 11.0) << QPointF(11.0, 22.0 / 3)
            << true;
        QTest::newRow("a negative size keeps the previous one")
            << Pasos {{'t', 5}, {'w', -5}} << 5 << QSizeF(22.0, 11.0) << QPointF(11.0, 22.0 / 3) << true;
        QTest::newRow("a standard type ignores typed sizes")
            << Pasos {{'t', 1}, {'h', 150}, {'w', 200}} << 1 << QSizeF(22.9, 16.2) << QPointF(11.45, 10.8)
            << true;
        QTest::newRow("back to a standard type takes its size")
            << Pasos {{'t', 5}, {'w', 100}, {'t', 0}} << 0 << QSizeF(22.0, 11.0) << QPointF(11.0, 22.0 / 3)
            << true;
        QTest::newRow("a type out of the list changes nothing")
            << Pasos {{'t', 1}, {'t', 6}, {'t', -1}} << 1 << QSizeF(22.9, 16.2) << QPointF(11.45, 10.8)
            << true;
        QTest::newRow("drag") << Pasos {{'d', 3, 4}} << 0 << QSizeF(22.0, 11.0) << QPointF(3, 4) << false;
        QTest::newRow("drag to the left and top edges stays there")
            << Pasos {{'d', 0, 0}} << 0 << QSizeF(22.0, 11.0) << QPointF(0, 0) << false;
        QTest::newRow("drag past the top-left is kept on the envelope")
            << Pasos {{'d', -3, -1}} << 0 << QSizeF(22.0, 11.0) << QPointF(0, 0) << false;
        QTest::newRow("drag past the bottom-right is kept on the envelope")
            << Pasos {{'d', 30, 30}} << 0 << QSizeF(22.0, 11.0) << QPointF(17, 9) << false;
        QTest::newRow("type change after a drag: the block goes to the new automatic place")
            << Pasos {{'d', 3, 4}, {'t', 1}} << 1 << QSizeF(22.9, 16.2) << QPointF(11.45, 10.8) << true;
        QTest::newRow("size change after a drag: likewise")
            << Pasos {{'t', 5}, {'d', 3, 4}, {'w', 200}} << 5 << QSizeF(20.0, 11.0) << QPointF(10.0, 22.0 / 3)
            << true;
        QTest::newRow("refused size after a drag: the block stays")
            << Pasos {{'d', 3, 4}, {'w', 200}} << 0 << QSizeF(22.0, 11.0) << QPointF(3, 4) << false;
    }

    void geometry()
    {
        QFETCH(Pasos, pasos);
        QFETCH(int, tipo);
        QFETCH(QSizeF, sobre);
        QFETCH(QPointF, bloque);
        QFETCH(bool, automatico);
        const EnvelopeGeometry geometry = aplica(pasos);
        QCOMPARE(geometry.tipo(), tipo);
        QVERIFY2(qAbs(geometry.tamanoCm().width() - sobre.width()) < 1e-9
                && qAbs(geometry.tamanoCm().height() - sobre.height()) < 1e-9,
            qPrintable(QStringLiteral("%1 x %2")
                           .arg(geometry.tamanoCm().width())
                           .arg(geometry.tamanoCm().height())));
        QVERIFY2(cerca(geometry.bloque(), bloque), qPrintable(texto(geometry.bloque())));
        QCOMPARE(geometry.automatico(), automatico);
    }

    void sizeBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("mm");
        QTest::newRow("digits") << "150" << 150;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("comma") << "15,5" << 0;
        QTest::newRow("point") << "15.5" << 0;
        QTest::newRow("blank") << " 150" << 0;
        QTest::newRow("sign") << "-15" << 0;
        QTest::newRow("letters") << "15a" << 0;
        QTest::newRow("too long to be a size") << "99999999999" << 0;
    }

    void sizeBox()
    {
        QFETCH(QString, text);
        QFETCH(int, mm);
        QCOMPARE(EnvelopeGeometry::leeMm(text), mm);
    }

    // Printing all: one sheet per company from the first, whatever company is shown; no blank sheet.
    void threeEnvelopesThreePages()
    {
        Recordset rs;
        CompanyRows::open(rs, m_conn, 3);
        RecordingSurface surface;
        QCOMPARE(ImprimeSobres(surface, rs, 2, EnvelopeJob(), AttentionChoice(), false), 3);
        surface.newPage();
        QVERIFY(surface.end());
        QCOMPARE(surface.pageCount(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(surface.pages()[i].size(), 1);
            QVERIFY(surface.pages()[i].first().text.startsWith(QStringLiteral("Empresa %1\n").arg(i + 1)));
        }
    }

    void printOne()
    {
        Recordset rs;
        CompanyRows::open(rs, m_conn, 3);
        RecordingSurface surface;
        EnvelopeJob job;
        job.sobre.mueveBloque(QPointF(2, 1), QSizeF(5, 2));
        QCOMPARE(ImprimeSobres(surface, rs, 2, job, AttentionChoice(), true), 1);
        QCOMPARE(surface.texts(), QStringList {"Empresa 2\nCalle 2\nMarbella   29600(Málaga)"});
        // The sheet is the envelope: the block prints where it was put on it.
        QVERIFY(cerca(surface.items().first().at, QPointF(2, 1)));
    }

    void printedOnTheSheet_data()
    {
        QTest::addColumn<Pasos>("pasos");
        QTest::addColumn<QPointF>("lugar");
        // On a sheet of 29.7 x 21.0 cm the envelope lies against the right edge, centred between top
        // and bottom, and the block goes 0.5 cm up and to the left of its place on the envelope.
        QTest::newRow("DL, automatic place") << Pasos {} << QPointF(18.2, 5 + 22.0 / 3 - 0.5);
        QTest::newRow("C5, automatic place") << Pasos {{'t', 1}} << QPointF(17.75, 12.7);
        QTest::newRow("DL, dragged") << Pasos {{'d', 2, 1}} << QPointF(9.2, 5.5);
        QTest::newRow("an envelope as large as the sheet, dragged to its corner: kept on the sheet")
            << Pasos {{'t', 5}, {'w', 297}, {'h', 210}, {'d', 0, 0}} << QPointF(0, 0);
    }

    void printedOnTheSheet()
    {
        QFETCH(Pasos, pasos);
        QFETCH(QPointF, lugar);
        Recordset rs;
        CompanyRows::open(rs, m_conn, 3);
        RecordingSurface surface(QSizeF(29.7, 21.0));
        const EnvelopeJob job {aplica(pasos), 9};
        QCOMPARE(ImprimeSobres(surface, rs, 1, job, AttentionChoice(), false, false), 3);
        QCOMPARE(surface.pageCount(), 3);
        for (const PrintPage& page : surface.pages())
            QVERIFY2(cerca(page.first().at, lugar), qPrintable(texto(page.first().at)));
    }

    // The preview shows the envelope of its company at the block's place on the envelope.
    void preview()
    {
        Recordset rs;
        CompanyRows::open(rs, m_conn, 3,
            QStringLiteral(
                "NULL AS cargo_1, NULL AS contacto_1, 'Jefe de compras' AS cargo_2, NULL AS contacto_2"));
        EnvelopeJob job;
        job.sobre.setTipo(1);
        job.tamLetra = 12;
        RecordingSurface surface(job.sobre.tamanoCm());
        AttentionChoice atencion {QStringLiteral("Sr."), 3, AttentionLine::kCargo2, QString()};
        QCOMPARE(ImprimeSobres(surface, rs, 3, job, atencion, true), 1);
        QCOMPARE(surface.pageCount(), 1);
        const PrintItem block = surface.items().first();
        QCOMPARE(block.text,
            QStringLiteral("Empresa 3\nAtt. Sr. Jefe de compras\nCalle 3\nMarbella   29600(Málaga)"));
        QVERIFY(cerca(block.at, QPointF(11.45, 10.8)));
        QCOMPARE(block.font.name, QStringLiteral("Arial"));
        QCOMPARE(block.font.pointSize, 12.0);
        QVERIFY(block.font.bold);
    }

    void positionThatIsNoCompanyDrawsNothing_data()
    {
        QTest::addColumn<int>("posicion");
        QTest::newRow("zero") << 0;
        QTest::newRow("past the end") << 4;
    }

    void positionThatIsNoCompanyDrawsNothing()
    {
        QFETCH(int, posicion);
        Recordset rs;
        CompanyRows::open(rs, m_conn, 3);
        RecordingSurface surface;
        QCOMPARE(ImprimeSobres(surface, rs, posicion, EnvelopeJob(), AttentionChoice(), true), 0);
        QCOMPARE(surface.pageCount(), 0);
    }

    void blockStaysOnTheEnvelope_data()
    {
        QTest::addColumn<Pasos>("pasos");
        QTest::addColumn<int>("letra");
        QTest::addColumn<QString>("calle");
        QTest::addColumn<QString>("impresa");
        const QString larga = CompanyRows::kCalleLarga;
        const char* const tipos[] = {"DL", "C5", "B5", "Nº10", "Monarca"};
        for (int tipo = 0; tipo < 5; ++tipo)
            QTest::addRow("%s, longest address", tipos[tipo])
                << Pasos {{'t', double(tipo)}} << 9 << larga << larga;
        QTest::newRow("custom 100 x 40, 12 points: moved up, cut")
            << Pasos {{'t', 5}, {'h', 40}, {'w', 100}} << 12 << larga << "…";
        QTest::newRow("a street with CR LF is one line") << Pasos {} << 9 << "C/ Mayor, 3\r\n2º B"
                                                         << "C/ Mayor, 3 2º B";
    }

    // The whole block lies on the envelope, whatever its type, size and font.
    void blockStaysOnTheEnvelope()
    {
        QFETCH(Pasos, pasos);
        QFETCH(int, letra);
        QFETCH(QString, calle);
        QFETCH(QString, impresa);
        Recordset rs;
        CompanyRows::openLongest(rs, m_conn, 1, calle);
        EnvelopeJob job {aplica(pasos), letra};
        RecordingSurface surface(job.sobre.tamanoCm());
        ImprimeSobres(surface, rs, 1, job, AttentionChoice());
        const PrintItem block = surface.items().first();
        const QRectF sobre(QPointF(), job.sobre.tamanoCm());
        QVERIFY2(
            sobre.adjusted(0, 0, 1e-9, 1e-9).contains(PreviewSurface::bounds(block)), qPrintable(block.text));
        const QString calleImpresa = block.text.section(QLatin1Char('\n'), 1, 1);
        QVERIFY2(impresa == "…" ? calleImpresa.endsWith(impresa) : calleImpresa == impresa,
            qPrintable(block.text));
    }

    void blockWithoutStreetKeepsItsLine()
    {
        Recordset rs;
        rs.open(QStringLiteral("SELECT 0, '', 'Bar Sol', '', '', '', NULL, 'Ronda', NULL, '29400', "
                               "NULL AS cargo_1, NULL AS contacto_1, NULL AS cargo_2, NULL AS contacto_2"),
            m_conn);
        RecordingSurface surface;
        ImprimeSobres(surface, rs, 1, EnvelopeJob(), AttentionChoice(), true);
        QCOMPARE(surface.texts(), QStringList {"Bar Sol\n\nRonda   29400()"});
    }
};

QTEST_MAIN(TestSobres)
#include "tst_sobres.moc"
