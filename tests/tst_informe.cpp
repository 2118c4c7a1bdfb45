#include "PdfReader.h"
#include "guide/GuideQueries.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/print/PrinterSurface.h"
#include "platform/print/Printers.h"
#include "platform/print/RecordingSurface.h"
#include "printing/CompanyReport.h"
#include "printing/ListingDocument.h"
#include "printing/preview/PreviewPrintJob.h"

#include <QLocale>
#include <QPrinter>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kNombre = 2; // the company name's column in the guide's query

QString rutaBase()
{
    return qEnvironmentVariable("TARVESA_PROGRAM_DIR") + QStringLiteral("/DATA/DIdarari.idb");
}

FieldChoice soloCampos(const QStringList& claves)
{
    FieldChoice choice;
    for (const ReportField& field : ReportFields::all())
        choice.insert(
            QString::fromLatin1(field.key), claves.contains(QString::fromLatin1(field.key)) ? 1 : 0);
    return choice;
}

FieldChoice todosLosCampos()
{
    FieldChoice choice;
    for (const ReportField& field : ReportFields::all())
        choice.insert(QString::fromLatin1(field.key), 1);
    return choice;
}

bool cerca(double a, double b)
{
    return qAbs(a - b) < 1e-6;
}

// The company rows of a page: its texts below the rule, by height.
QMap<double, QStringList> filas(const PrintPage& page, double ruleY)
{
    QMap<double, QStringList> rows;
    for (const PrintItem& item : page) {
        if (item.kind == PrintItem::Kind::Text && item.at.y() > ruleY + 1e-6)
            rows[std::round(item.at.y() * 1000) / 1000].append(item.text);
    }
    return rows;
}

const PrintItem* textoQueEmpieza(const PrintPage& page, const QString& comienzo)
{
    for (const PrintItem& item : page) {
        if (item.kind == PrintItem::Kind::Text && item.text.startsWith(comienzo))
            return &item;
    }
    return nullptr;
}

QString sinBlancosDobles(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

} // namespace

class TestInforme : public QObject
{
    Q_OBJECT

    Connection m_conn;

    void abre(Recordset& rs, int limite = -1)
    {
        QString sql = GuideQueries::selectList() + QStringLiteral(" FROM tbl_empresas ORDER BY id_emp");
        if (limite >= 0)
            sql += QStringLiteral(" LIMIT %1").arg(limite);
        rs.open(sql, m_conn);
    }

    int totalEmpresas()
    {
        Recordset rs;
        rs.open(QStringLiteral("SELECT COUNT(*) FROM tbl_empresas"), m_conn);
        return rs.valueAt(0, 0).toInt();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_conn.open(rutaBase());
        QVERIFY(m_conn.isOpen());
        QVERIFY(totalEmpresas() > 400);
    }

    void rowsPerPage_data()
    {
        QTest::addColumn<int>("papel");
        QTest::addColumn<int>("orientacion");
        QTest::addColumn<int>("primera");
        QTest::addColumn<int>("siguientes");
        // The page areas of the recording surface: the sheet less a printer's margins.
        QTest::newRow("A4 upright, 20 x 29") << int(QPageSize::A4) << int(QPageLayout::Portrait) << 71 << 87;
        QTest::newRow("A4 landscape, 29 x 20")
            << int(QPageSize::A4) << int(QPageLayout::Landscape) << 41 << 57;
        QTest::newRow("A3 upright, 28.7 x 41.3")
            << int(QPageSize::A3) << int(QPageLayout::Portrait) << 112 << 128;
        QTest::newRow("A3 landscape, 41.3 x 28.7")
            << int(QPageSize::A3) << int(QPageLayout::Landscape) << 70 << 86;
    }

    void rowsPerPage()
    {
        QFETCH(int, papel);
        QFETCH(int, orientacion);
        QFETCH(int, primera);
        QFETCH(int, siguientes);
        Recordset rs;
        abre(rs);
        const CompanyReport informe(
            rs, QImage(), QStringLiteral("Sector: Todos"), soloCampos({QStringLiteral("NOMBRE")}));
        RecordingSurface superficie;
        QVERIFY(superficie.setPage(QPageSize::PageSizeId(papel), QPageLayout::Orientation(orientacion)));
        const double alto = superficie.pageSize().height();
        informe.drawPage(superficie, 1);
        superficie.newPage();
        informe.drawPage(superficie, 2);
        QCOMPARE(superficie.pageCount(), 2);

        const QMap<double, QStringList> uno = filas(superficie.pages().at(0), 6.8);
        const QMap<double, QStringList> dos = filas(superficie.pages().at(1), 2.1);
        QCOMPARE(uno.size(), primera);
        QCOMPARE(dos.size(), siguientes);
        QVERIFY(cerca(uno.firstKey(), 7.2));
        QVERIFY(cerca(dos.firstKey(), 2.5));
        for (const auto* pagina : {&uno, &dos}) {
            // One pitch apart; the last row crosses the allowance and still stands on the page.
            const QList<double> ys = pagina->keys();
            for (qsizetype i = 1; i < ys.size(); ++i)
                QVERIFY(cerca(ys.at(i) - ys.at(i - 1), 0.3));
            QVERIFY(ys.last() > alto - 1.0);
            QVERIFY(ys.at(ys.size() - 2) <= alto - 1.0 + 1e-6);
            QVERIFY(ys.last() + superficie.lineHeight(PrintFont {QStringLiteral("Courier New"), 7}) < alto);
        }
        // Page 2 goes on with the company after page 1's last.
        QCOMPARE(uno.last().first(), rs.textAt(primera - 1, kNombre).left(uno.last().first().size()));
        QCOMPARE(dos.first().first(), rs.textAt(primera, kNombre).left(dos.first().first().size()));
    }

    void headerAndHeadings()
    {
        Recordset rs;
        abre(rs);
        CompanyReport informe(rs, QImage(QStringLiteral(":/nonexistent")), QStringLiteral("Sector: Todos"),
            ReportFields::defaultChoice());
        QDateTime reloj(QDate(2010, 3, 1), QTime(17, 45));
        informe.setClock([&reloj] { return reloj; });
        const QImage logo(qEnvironmentVariable("TARVESA_PROGRAM_DIR") + QStringLiteral("/logoKorvan.bmp"));
        QVERIFY2(!logo.isNull(), "the installation has its report logo");
        CompanyReport conLogo(rs, logo, QStringLiteral("Sector: Todos"), ReportFields::defaultChoice());
        // The listing opens on A4 landscape, where the default columns fit.
        RecordingSurface superficie;
        superficie.setPage(QPageSize::A4, QPageLayout::Landscape);
        const double ancho = superficie.pageSize().width();
        conLogo.drawPage(superficie, 1);
        const PrintPage pagina = superficie.pages().first();

        QCOMPARE(pagina.first().kind, PrintItem::Kind::Picture);
        QCOMPARE(pagina.first().at, QPointF(1.0, 0.7));
        // The logo ends above the title.
        QVERIFY(0.7 + PrintSurface::pictureSize(logo).height() < 2.5);

        const PrintItem* titulo = textoQueEmpieza(pagina, QStringLiteral("EMPRESAS TARVESA 2010"));
        QVERIFY(titulo);
        QCOMPARE(titulo->at, QPointF(ancho / 2 - 4.8, 2.5));
        QVERIFY(titulo->font.bold);
        const PrintItem* total = textoQueEmpieza(pagina, QStringLiteral("Total Empresas: "));
        QVERIFY(total);
        QCOMPARE(total->text, QStringLiteral("Total Empresas: %1").arg(totalEmpresas()));
        QCOMPARE(total->at, QPointF(1.0, 3.7));
        const PrintItem* criterio = textoQueEmpieza(pagina, QStringLiteral("Criterio de selección: "));
        QVERIFY(criterio);
        QCOMPARE(criterio->text, QStringLiteral("Criterio de selección: Sector: Todos"));
        QCOMPARE(criterio->at, QPointF(1.0, 4.7));
        const PrintItem* etiqueta = textoQueEmpieza(pagina, QStringLiteral("Página: "));
        QVERIFY(etiqueta);
        QCOMPARE(etiqueta->at, QPointF(1.0, 6.0));
        QVERIFY(etiqueta->font.bold);

        // The date and time line says when the first page was drawn, again at each drawing.
        const auto horaDibujada = [&informe] {
            RecordingSurface otra;
            informe.drawPage(otra, 1);
            const PrintPage primera = otra.pages().first();
            for (const PrintItem& item : primera) {
                if (cerca(item.at.y(), 4.2))
                    return item.text;
            }
            return QString();
        };
        // Written as the system's locale writes a date and a time, whichever that is.
        const auto dice = [](const QString& linea, const QDateTime& momento) {
            const QLocale sistema = QLocale::system();
            return linea.contains(sistema.toString(momento.date(), QLocale::ShortFormat))
                && linea.contains(sistema.toString(momento.time(), QLocale::ShortFormat));
        };
        QVERIFY2(dice(horaDibujada(), reloj), qPrintable(horaDibujada()));
        reloj = QDateTime(QDate(2010, 3, 2), QTime(18, 10));
        QVERIFY2(dice(horaDibujada(), reloj), qPrintable(horaDibujada()));

        // The rule, and each heading standing over its column's values.
        bool regla = false;
        for (const PrintItem& item : pagina)
            regla = regla
                || (item.kind == PrintItem::Kind::Line && item.at == QPointF(1.0, 6.8)
                    && item.to == QPointF(ancho, 6.8));
        QVERIFY(regla);
        QSet<double> columnas;
        QStringList encabezados;
        for (const PrintItem& item : pagina) {
            if (item.kind == PrintItem::Kind::Text && cerca(item.at.y(), 6.4)) {
                columnas.insert(item.at.x());
                encabezados.append(item.text);
            }
        }
        QCOMPARE(encabezados,
            QStringList({"Sector", "Nombre Empresa", "Actividad", "Provincia", "Localidad", "C.P."}));
        QVERIFY(columnas.contains(1.0));
        for (const PrintItem& item : pagina) {
            if (item.kind == PrintItem::Kind::Text && item.at.y() > 7.0)
                QVERIFY2(columnas.contains(item.at.x()), qPrintable(item.text));
        }

        // A long criterion goes on over lines within the page, and the page's rows move down under it.
        const QString largo
            = QStringLiteral("  Empresa: *HOSTAL*  Sector: ESCUELAS DE HOSTELERÍA  Autonomia: "
                             "COMUNIDAD FORAL DE NAVARRA  Provincia: NAVARRA  Poblacion: "
                             "SAN ADRIÁN  Actividad: ESCUELA DE HOSTELERÍA Y TURISMO");
        CompanyReport extenso(rs, QImage(), largo, ReportFields::defaultChoice());
        RecordingSurface vertical;
        extenso.drawPage(vertical, 1);
        const PrintPage primera = vertical.pages().first();
        QStringList lineas;
        for (const PrintItem& item : primera) {
            if (item.at.y() > 4.6 && item.at.y() < 6.0) {
                QCOMPARE(item.at, QPointF(1.0, 4.7 + 0.5 * lineas.size()));
                QVERIFY(1.0 + vertical.textSize(item.text, item.font).width() <= vertical.pageSize().width());
                lineas.append(item.text);
            }
        }
        QVERIFY(lineas.size() > 1);
        QCOMPARE(sinBlancosDobles(lineas.join(QLatin1Char(' '))),
            sinBlancosDobles(QStringLiteral("Criterio de selección: ") + largo));
        const double baja = 0.5 * (lineas.size() - 1);
        QCOMPARE(filas(primera, 6.8 + baja).firstKey(), std::round((7.2 + baja) * 1000) / 1000);
    }

    void laterPagePositions()
    {
        Recordset rs;
        abre(rs);
        const CompanyReport informe(rs, QImage(), QStringLiteral("x"), ReportFields::defaultChoice());
        RecordingSurface superficie;
        informe.drawPage(superficie, 3);
        const PrintPage pagina = superficie.pages().first();
        QVERIFY(!textoQueEmpieza(pagina, QStringLiteral("EMPRESAS TARVESA")));
        const PrintItem* etiqueta = textoQueEmpieza(pagina, QStringLiteral("Página: 3 de "));
        QVERIFY(etiqueta);
        QCOMPARE(etiqueta->at, QPointF(1.0, 1.0));
        QVERIFY(textoQueEmpieza(pagina, QStringLiteral("Sector"))->at == QPointF(1.0, 1.7));
        QCOMPARE(filas(pagina, 2.1).firstKey(), 2.5);
    }

    void pageTotals_data()
    {
        QTest::addColumn<bool>("impresora");
        QTest::addColumn<int>("empresas");
        QTest::addColumn<int>("paginas");
        // A 20 cm high page holds 41 rows under the header and 57 on later pages.
        QTest::newRow("29 x 20: one company") << false << 1 << 1;
        QTest::newRow("29 x 20: first page full") << false << 41 << 1;
        QTest::newRow("29 x 20: one more") << false << 42 << 2;
        QTest::newRow("29 x 20: two pages full") << false << 98 << 2;
        QTest::newRow("29 x 20: 100, two rows on a third") << false << 100 << 3;
        QTest::newRow("29 x 20: 115") << false << 115 << 3;
        // The printer's landscape A4, as the preview lays it out: the same 29 x 20, its margins turned.
        QTest::newRow("printer: one company") << true << 1 << 1;
        QTest::newRow("printer: first page full") << true << 41 << 1;
        QTest::newRow("printer: one more") << true << 42 << 2;
        QTest::newRow("printer: two pages full") << true << 98 << 2;
        QTest::newRow("printer: one more on a third") << true << 99 << 3;
        QTest::newRow("printer: 115") << true << 115 << 3;
    }

    void pageTotals()
    {
        QFETCH(bool, impresora);
        QFETCH(int, empresas);
        QFETCH(int, paginas);
        Recordset rs;
        abre(rs, empresas);
        QCOMPARE(rs.recordCount(), empresas);
        CompanyReport informe(rs, QImage(), QStringLiteral("x"), soloCampos({QStringLiteral("NOMBRE")}));
        RecordingSurface superficie(QSizeF(29, 20));
        if (impresora)
            QVERIFY(superficie.setPage(QPageSize::A4, QPageLayout::Landscape));
        QCOMPARE(informe.layout(superficie.pageSize()).pageCount(), paginas);
        // As the preview prints every page: each from where the one before left off.
        ListingDocument documento(informe);
        QCOMPARE(documento.pageCount(superficie.pageSize()), paginas);
        int inicio = 1;
        for (int numero = 1; inicio > 0; ++numero) {
            superficie.newPage();
            const int siguiente = documento.drawPage(superficie, PreviewPage {inicio, numero, true});
            QVERIFY(siguiente == 0 || siguiente > inicio);
            inicio = siguiente;
        }
        QVERIFY(superficie.end());
        QCOMPARE(superficie.pageCount(), paginas);
        int fila = 0;
        for (int p = 1; p <= paginas; ++p) {
            const PrintPage& pagina = superficie.pages().at(p - 1);
            QVERIFY(textoQueEmpieza(pagina, QStringLiteral("Página: %1 de %2").arg(p).arg(paginas)));
            const QMap<double, QStringList> rows = filas(pagina, p == 1 ? 6.8 : 2.1);
            // No page is offered empty.
            QVERIFY(!rows.isEmpty());
            for (const QStringList& row : rows) {
                QVERIFY(rs.textAt(fila, kNombre).startsWith(row.first()));
                ++fila;
            }
        }
        QCOMPARE(fila, empresas);
    }

    void everyCountPagesExactly()
    {
        for (const QSizeF& size : {QSizeF(29, 20), QSizeF(20, 29), QSizeF(28.7, 41.3), QSizeF(20, 7)}) {
            for (int n = 0; n <= 400; ++n) {
                const ReportLayout layout(size, n);
                int filas = 0;
                for (int p = 1; p <= layout.pageCount(); ++p) {
                    QCOMPARE(layout.firstRow(p), filas);
                    QVERIFY(n == 0 || layout.rowsOn(p) > 0);
                    filas += layout.rowsOn(p);
                }
                QCOMPARE(filas, n);
                QCOMPARE(layout.rowsOn(layout.pageCount() + 1), 0);
            }
        }
    }

    void valuesAreClippedToTheirColumn()
    {
        Recordset rs;
        abre(rs, 200);
        ColumnWidths anchos = ReportFields::defaultWidths();
        anchos.insert(QStringLiteral("NOMBRE"), 1.5);
        const CompanyReport informe(rs, QImage(), QStringLiteral("x"),
            soloCampos({QStringLiteral("NOMBRE"), QStringLiteral("ACTIVIDAD")}), anchos);
        RecordingSurface superficie;
        informe.drawPage(superficie, 1);
        const PrintFont fuente {QStringLiteral("Courier New"), 7};
        int recortados = 0;
        int fila = 0;
        for (const QStringList& row : filas(superficie.pages().first(), 6.8)) {
            const QString nombre = rs.textAt(fila++, kNombre);
            QVERIFY(superficie.textSize(row.first(), fuente).width() <= 1.5);
            QVERIFY(nombre.startsWith(row.first()));
            recortados += row.first().size() < nombre.size();
        }
        QVERIFY(recortados > 0);
    }

    void columnsPastTheEdgeAreCounted_data()
    {
        QTest::addColumn<int>("papel");
        QTest::addColumn<int>("orientacion");
        // The notice advises only the papers that would leave out fewer columns.
        QTest::addColumn<QString>("consejo");
        QTest::newRow("A4 upright") << int(QPageSize::A4) << int(QPageLayout::Portrait)
                                    << QStringLiteral(
                                           "Pruebe con el papel apaisado, el A3 apaisado o menos campos.");
        QTest::newRow("A4 landscape") << int(QPageSize::A4) << int(QPageLayout::Landscape)
                                      << QStringLiteral("Pruebe con el A3 o menos campos.");
        QTest::newRow("A3 landscape") << int(QPageSize::A3) << int(QPageLayout::Landscape)
                                      << QStringLiteral("Pruebe con menos campos.");
    }

    void columnsPastTheEdgeAreCounted()
    {
        QFETCH(int, papel);
        QFETCH(int, orientacion);
        QFETCH(QString, consejo);
        Recordset rs;
        abre(rs, 10);
        CompanyReport informe(rs, QImage(), QStringLiteral("x"), todosLosCampos());
        RecordingSurface superficie;
        superficie.setPage(QPageSize::PageSizeId(papel), QPageLayout::Orientation(orientacion));
        const double ancho = superficie.pageSize().width();
        const ColumnPlan plan = informe.columns(ancho);
        QCOMPARE(plan.columns.size() + plan.notFitting, ReportFields::all().size());
        QVERIFY(plan.notFitting > 0);
        QVERIFY(!plan.columns.isEmpty());
        const ReportColumn& ultima = plan.columns.last();
        QVERIFY(ultima.x + ultima.width <= ancho);
        // The next one would not have fitted.
        QVERIFY(ultima.x + ultima.width + ReportFields::all().at(ultima.field + 1).width > ancho);
        informe.drawPage(superficie, 1);
        int encabezados = 0;
        const QList<PrintPage> paginas = superficie.pages();
        for (const PrintItem& item : paginas.first()) {
            QVERIFY(item.at.x() < ancho);
            encabezados += item.kind == PrintItem::Kind::Text && cerca(item.at.y(), 6.4);
        }
        QCOMPARE(encabezados, plan.columns.size());
        const QPageLayout hoja(QPageSize(QPageSize::PageSizeId(papel)), QPageLayout::Orientation(orientacion),
            QMarginsF(5, 3.5, 5, 3.5), QPageLayout::Millimeter);
        const QString aviso = ListingDocument(informe).notice(superficie.pageSize(), otherPapers(hoja));
        QVERIFY2(aviso.endsWith(consejo), qPrintable(aviso));
    }

    void observationsOnOneLineAndNullsLeaveGaps()
    {
        const QString fila
            = QStringLiteral("(SELECT id_emp FROM tbl_empresas ORDER BY id_emp LIMIT 1 OFFSET %1)");
        m_conn.execute(
            QStringLiteral("UPDATE tbl_empresas SET observaciones = 'Primer párrafo.' || char(13, 10) || "
                           "'Segundo.', sector = 'CATERING' WHERE id_emp = ")
            + fila.arg(0));
        m_conn.execute(QStringLiteral("UPDATE tbl_empresas SET sector = NULL WHERE id_emp = ") + fila.arg(1));
        Recordset rs;
        abre(rs, 2);
        const CompanyReport informe(rs, QImage(), QStringLiteral("x"),
            soloCampos({QStringLiteral("SECTOR"), QStringLiteral("OBSERVACIONES")}));
        RecordingSurface superficie(QSizeF(29, 20));
        informe.drawPage(superficie, 1);
        const QMap<double, QStringList> rows = filas(superficie.pages().first(), 6.8);
        QCOMPARE(rows.first(), QStringList({"CATERING", "Primer párrafo. Segundo."}));
        // No sector: the observations keep their column.
        const QList<double> ys = rows.keys();
        const QList<PrintPage> paginas = superficie.pages();
        for (const PrintItem& item : paginas.first()) {
            if (cerca(item.at.y(), ys.at(1)))
                QCOMPARE(item.at.x(), 1.0 + 4.0);
        }
    }

    void onePageFromItsFirstRecord()
    {
        Recordset rs;
        abre(rs, 300);
        CompanyReport informe(rs, QImage(), QStringLiteral("x"), ReportFields::defaultChoice());
        ListingDocument documento(informe);
        RecordingSurface superficie;
        const ReportLayout layout = informe.layout(superficie.pageSize());
        QCOMPARE(layout.pageCount(), 4);
        // The page the preview shows third, printed on its own.
        const int siguiente = documento.drawPage(superficie, PreviewPage {layout.firstRow(3) + 1, 3, true});
        QCOMPARE(siguiente, layout.firstRow(4) + 1);
        QCOMPARE(superficie.pageCount(), 1);
        QVERIFY(textoQueEmpieza(superficie.pages().first(), QStringLiteral("Página: 3 de 4")));
        const QMap<double, QStringList> rows = filas(superficie.pages().first(), 2.1);
        const QString nombre = rs.textAt(layout.firstRow(3), kNombre);
        QVERIFY(std::any_of(rows.first().cbegin(), rows.first().cend(),
            [&nombre](const QString& texto) { return !texto.isEmpty() && nombre.startsWith(texto); }));
        // The last page leaves nothing to follow.
        RecordingSurface ultima;
        QCOMPARE(documento.drawPage(ultima, PreviewPage {siguiente, 4, false}), 0);
    }

    void printedToPdf()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("listado.pdf"));
        Printers::setPdfOutput(pdf);
        const std::unique_ptr<QPrinter> impresora = Printers::create();
        Printers::setPdfOutput(QString());
        Recordset rs;
        abre(rs, 200);
        CompanyReport informe(rs, QImage(qEnvironmentVariable("TARVESA_PROGRAM_DIR") + "/logoKorvan.bmp"),
            QStringLiteral("Sector: Todos"), ReportFields::defaultChoice());
        ListingDocument documento(informe);
        PrinterSurface superficie(*impresora);
        QVERIFY(superficie.setPage(QPageSize::A4, QPageLayout::Landscape));
        const ReportLayout layout = informe.layout(superficie.pageSize());
        QVERIFY(layout.pageCount() > 2);
        QCOMPARE(PreviewPrintJob(documento, superficie).printAll(nullptr), PreviewPrintJob::Result::Printed);

        for (int p = 1; p <= layout.pageCount(); ++p) {
            const QString texto = sinBlancosDobles(PdfReader::output(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(p), QStringLiteral("-l"),
                    QString::number(p), pdf, QStringLiteral("-")}));
            QVERIFY2(texto.contains(QStringLiteral("Página: %1 de %2").arg(p).arg(layout.pageCount())),
                qPrintable(texto));
            QCOMPARE(texto.contains(QStringLiteral("EMPRESAS TARVESA 2010")), p == 1);
            if (p == 1) {
                QVERIFY(texto.contains(QStringLiteral("Total Empresas: 200")));
                QVERIFY(texto.contains(QStringLiteral("Criterio de selección: Sector: Todos")));
                QVERIFY(texto.contains(QStringLiteral("Nombre Empresa")));
            }
            for (int fila = layout.firstRow(p); fila < layout.firstRow(p) + layout.rowsOn(p); ++fila) {
                // The start of the name, which fits its column whatever its length.
                const QString nombre = sinBlancosDobles(rs.textAt(fila, kNombre).left(30));
                QVERIFY2(
                    texto.contains(nombre), qPrintable(QStringLiteral("page %1: %2").arg(p).arg(nombre)));
            }
        }
    }
};

QTEST_MAIN(TestInforme)
#include "tst_informe.moc"
