#include "CompanyRows.h"
#include "TestInstallation.h"
#include "platform/print/RecordingSurface.h"
#include "printing/labels/AttentionLine.h"
#include "printing/labels/ImprimeEtiquetas.h"
#include "printing/labels/LabelSheet.h"

#include <QTest>

Q_DECLARE_METATYPE(LabelSheet)
Q_DECLARE_METATYPE(AttentionChoice)
Q_DECLARE_METATYPE(AttentionContacts)

namespace {

const QSizeF kA4Vertical(20, 29);
const QSizeF kA4Apaisado(29, 20);

QList<QPointF> puntos(const QList<double>& xs, const QList<double>& ys)
{
    QList<QPointF> list;
    for (const double y : ys) {
        for (const double x : xs)
            list.append(QPointF(x, y));
    }
    return list;
}

bool igualesAprox(const QList<QPointF>& a, const QList<QPointF>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (qAbs(a[i].x() - b[i].x()) > 1e-4 || qAbs(a[i].y() - b[i].y()) > 1e-4)
            return false;
    }
    return true;
}

// The empresa line of every label drawn, page by page: "Empresa 1" and so on.
QList<QStringList> empresasPorPagina(const RecordingSurface& surface)
{
    QList<QStringList> pages;
    for (const PrintPage& page : surface.pages()) {
        QStringList names;
        for (const PrintItem& item : page) {
            if (item.text.startsWith(QStringLiteral("Empresa ")))
                names.append(item.text);
        }
        pages.append(names);
    }
    return pages;
}

QStringList empresas(int from, int to)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list.append(QStringLiteral("Empresa %1").arg(i));
    return list;
}

AttentionContacts contactos(const QVariant& cargo1, const QVariant& contacto1,
    const QVariant& cargo2 = QVariant(), const QVariant& contacto2 = QVariant())
{
    return {cargo1, contacto1, cargo2, contacto2};
}

AttentionChoice eleccion(const QString& saludo, const QString& cargo, const QString& libre = QString())
{
    const QStringList list = AttentionLine::cargosConContactos();
    return {saludo, int(list.indexOf(cargo)), cargo, libre};
}

const QVariant kNull;

} // namespace

class TestEtiquetas : public QObject
{
    Q_OBJECT

private:
    Connection m_conn;

private Q_SLOTS:
    void initTestCase() { m_conn.open(TestInstallation::databasePath()); }

    void origins_data()
    {
        QTest::addColumn<LabelSheet>("sheet");
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<QList<QPointF>>("expected");
        const LabelSheet defaults;
        QTest::newRow("A4 upright: eight rows of two")
            << defaults << kA4Vertical << puntos({0.5, 10.5}, {2.0, 5.2, 8.4, 11.6, 14.8, 18.0, 21.2, 24.4});
        QTest::newRow("A4 landscape: five rows of three")
            << defaults << kA4Apaisado << puntos({0.5, 10.5, 20.0}, {2.0, 5.2, 8.4, 11.6, 14.8});
        QTest::newRow("A3: third column, eight rows")
            << defaults << QSizeF(29, 29)
            << puntos({0.5, 10.5, 20.0}, {2.0, 5.2, 8.4, 11.6, 14.8, 18.0, 21.2, 24.4});
        QTest::newRow("width of exactly 20: two columns")
            << defaults << QSizeF(20, 20) << puntos({0.5, 10.5}, {2.0, 5.2, 8.4, 11.6, 14.8});
        QTest::newRow("third column stays at 20 whatever the others") << LabelSheet {
            1.0, 3.0, 4.0, 9.0, 9} << QSizeF(28.7, 20.3) << puntos({1.0, 9.0, 20.0}, {3.0, 7.0, 11.0, 15.0});
        QTest::newRow("row ending exactly at the limit stays")
            << LabelSheet {0.5, 1.0, 4.0, 10.5, 8} << QSizeF(20, 13) << puntos({0.5, 10.5}, {1.0, 5.0, 9.0});
        QTest::newRow("distance of zero: one row, no endless page")
            << LabelSheet {0.5, 2.0, 0.0, 10.5, 8} << kA4Vertical << puntos({0.5, 10.5}, {2.0});
        QTest::newRow("negative distance: one row")
            << LabelSheet {0.5, 2.0, -3.2, 10.5, 8} << kA4Vertical << puntos({0.5, 10.5}, {2.0});
        QTest::newRow("distance taller than the page: one row")
            << LabelSheet {0.5, 2.0, 40.0, 10.5, 8} << kA4Vertical << puntos({0.5, 10.5}, {2.0});
    }

    void origins()
    {
        QFETCH(LabelSheet, sheet);
        QFETCH(QSizeF, page);
        QFETCH(QList<QPointF>, expected);
        const QList<QPointF> actual = LabelSheetLayout::origins(sheet, page);
        QVERIFY2(igualesAprox(actual, expected), qPrintable(QStringLiteral("%1 origins").arg(actual.size())));
        QCOMPARE(LabelSheetLayout::labelsPerPage(sheet, page), expected.size());
    }

    void pagination_data()
    {
        QTest::addColumn<bool>("apaisado");
        QTest::addColumn<int>("companies");
        QTest::addColumn<QList<QStringList>>("pages");
        QTest::newRow("upright, 1") << false << 1 << QList<QStringList> {empresas(1, 1)};
        QTest::newRow("upright, 2") << false << 2 << QList<QStringList> {empresas(1, 2)};
        QTest::newRow("upright, 16: one full sheet") << false << 16 << QList<QStringList> {empresas(1, 16)};
        QTest::newRow("upright, 17") << false << 17 << QList<QStringList> {empresas(1, 16), empresas(17, 17)};
        QTest::newRow("landscape, 1") << true << 1 << QList<QStringList> {empresas(1, 1)};
        QTest::newRow("landscape, 15: one full sheet") << true << 15 << QList<QStringList> {empresas(1, 15)};
        QTest::newRow("landscape, 16")
            << true << 16 << QList<QStringList> {empresas(1, 15), empresas(16, 16)};
        QTest::newRow("landscape, 17")
            << true << 17 << QList<QStringList> {empresas(1, 15), empresas(16, 17)};
    }

    // Printing every page: each sheet holds the companies in order and no blank sheet follows the last.
    void pagination()
    {
        QFETCH(bool, apaisado);
        QFETCH(int, companies);
        QFETCH(QList<QStringList>, pages);
        Recordset rs;
        CompanyRows::open(rs, m_conn, companies);
        QCOMPARE(rs.recordCount(), companies);
        RecordingSurface surface;
        QVERIFY(surface.setPage(QPageSize::A4, apaisado ? QPageLayout::Landscape : QPageLayout::Portrait));
        const LabelPageResult result
            = ImprimeEtiquetas(surface, rs, LabelSheet(), AttentionChoice(), 1, false);
        QVERIFY(surface.end());
        QCOMPARE(empresasPorPagina(surface), pages);
        QCOMPARE(result.paginas, pages.size());
        QVERIFY(!result.haySiguiente());
    }

    // The preview draws one page at a time and says where the next one starts.
    void previewPages_data()
    {
        QTest::addColumn<int>("companies");
        QTest::addColumn<int>("inicio");
        QTest::addColumn<QStringList>("drawn");
        QTest::addColumn<int>("siguiente");
        QTest::newRow("1 company") << 1 << 1 << empresas(1, 1) << 0;
        QTest::newRow("2 companies") << 2 << 1 << empresas(1, 2) << 0;
        QTest::newRow("16 companies: the end is reached") << 16 << 1 << empresas(1, 16) << 0;
        QTest::newRow("17 companies, first page") << 17 << 1 << empresas(1, 16) << 17;
        QTest::newRow("17 companies, second page") << 17 << 17 << empresas(17, 17) << 0;
        QTest::newRow("33 companies, middle page") << 33 << 17 << empresas(17, 32) << 33;
        QTest::newRow("start past the end draws nothing") << 3 << 4 << QStringList() << 0;
    }

    void previewPages()
    {
        QFETCH(int, companies);
        QFETCH(int, inicio);
        QFETCH(QStringList, drawn);
        QFETCH(int, siguiente);
        Recordset rs;
        CompanyRows::open(rs, m_conn, companies);
        RecordingSurface surface;
        const LabelPageResult result
            = ImprimeEtiquetas(surface, rs, LabelSheet(), AttentionChoice(), inicio, true);
        QCOMPARE(surface.pageCount(), drawn.isEmpty() ? 0 : 1);
        const QList<QStringList> pages = empresasPorPagina(surface);
        QCOMPARE(pages.value(0), drawn);
        QCOMPARE(result.posicionSiguiente, siguiente);
    }

    // Printing all of a full sheet gives exactly one page; printing from a later page starts there.
    void printAllOfFullSheetIsOnePage()
    {
        Recordset rs;
        CompanyRows::open(rs, m_conn, 16);
        RecordingSurface surface;
        ImprimeEtiquetas(surface, rs, LabelSheet(), AttentionChoice(), 1, false);
        surface.newPage();
        QVERIFY(surface.end());
        QCOMPARE(surface.pageCount(), 1);
    }

    void labelLines_data()
    {
        QTest::addColumn<QString>("cargo");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<double>>("ys");
        QTest::newRow("no attention line")
            << QStringLiteral("<Ninguno>") << QStringList {"Empresa 1", "Calle 1", "Marbella   29600(Málaga)"}
            << QList<double> {2.0, 2.4, 2.8};
        QTest::newRow("with an attention line")
            << QStringLiteral("Presidente")
            << QStringList {"Empresa 1", "Att. Sr. Presidente", "Calle 1", "Marbella   29600(Málaga)"}
            << QList<double> {2.0, 2.4, 2.8, 3.2};
    }

    // A label's lines one under the other, 0.4 cm apart, at its column's x, bold Courier New.
    void labelLines()
    {
        QFETCH(QString, cargo);
        QFETCH(QStringList, texts);
        QFETCH(QList<double>, ys);
        Recordset rs;
        CompanyRows::open(rs, m_conn, 1);
        RecordingSurface surface;
        LabelSheet sheet;
        sheet.tamLetra = 9;
        ImprimeEtiquetas(surface, rs, sheet, eleccion(QStringLiteral("Sr."), cargo), 1, true);
        const PrintPage items = surface.items();
        QCOMPARE(surface.texts(), texts);
        for (qsizetype i = 0; i < items.size(); ++i) {
            QCOMPARE(items[i].at.x(), 0.5);
            QVERIFY(qAbs(items[i].at.y() - ys[i]) < 1e-4);
            QCOMPARE(items[i].font.name, QStringLiteral("Courier New"));
            QCOMPARE(items[i].font.pointSize, 9.0);
            QVERIFY(items[i].font.bold);
        }
    }

    // Each label takes its own company's contact: one without any has no line, the others keep theirs.
    void attentionPerLabel()
    {
        Recordset rs;
        CompanyRows::open(rs, m_conn, 3,
            QStringLiteral("CASE i WHEN 2 THEN NULL ELSE 'Gerente' END AS cargo_1, "
                           "CASE i WHEN 1 THEN 'Ana Pérez' WHEN 3 THEN '' END AS contacto_1, "
                           "NULL AS cargo_2, NULL AS contacto_2"));
        RecordingSurface surface;
        ImprimeEtiquetas(
            surface, rs, LabelSheet(), eleccion(QStringLiteral("Sra."), AttentionLine::kCargo1), 1, true);
        QStringList lines;
        for (const QString& text : surface.texts()) {
            if (text.startsWith(QStringLiteral("Att.")))
                lines.append(text);
        }
        QCOMPARE(lines, (QStringList {"Att. Sra. Ana Pérez", "Att. Sra. Gerente"}));
    }

    void attentionLine_data()
    {
        QTest::addColumn<AttentionChoice>("choice");
        QTest::addColumn<AttentionContacts>("contacts");
        QTest::addColumn<QString>("expected");
        const AttentionContacts both = contactos("Gerente", "Ana Pérez", "Jefe de compras", "Luis Gil");
        QTest::newRow("none") << eleccion("Sr.", "<Ninguno>") << both << QString();
        QTest::newRow("a post of the list")
            << eleccion("Sr.", "Dtor. General") << both << "Att. Sr. Dtor. General";
        QTest::newRow("contact 1") << eleccion("D.", "CARGO_1") << both << "Att. D. Ana Pérez";
        QTest::newRow("contact 2") << eleccion("Dña.", "CARGO_2") << both << "Att. Dña. Luis Gil";
        QTest::newRow("NULL contact: the post")
            << eleccion("Sr.", "CARGO_1") << contactos("Gerente", kNull) << "Att. Sr. Gerente";
        QTest::newRow("empty contact: the post")
            << eleccion("Sr.", "CARGO_1") << contactos("Gerente", "") << "Att. Sr. Gerente";
        QTest::newRow("blank contact: the post")
            << eleccion("Sr.", "CARGO_1") << contactos("Gerente", "   ") << "Att. Sr. Gerente";
        QTest::newRow("contact 2 NULL: its post")
            << eleccion("Sr.", "CARGO_2") << contactos(kNull, kNull, "Jefe de compras", kNull)
            << "Att. Sr. Jefe de compras";
        QTest::newRow("contact and post NULL: no line")
            << eleccion("Sr.", "CARGO_1") << contactos(kNull, kNull) << QString();
        QTest::newRow("contact and post empty: no line")
            << eleccion("Sr.", "CARGO_1") << contactos("", "") << QString();
        QTest::newRow("custom text") << eleccion("D.", "Personalizado", "Juan Ruiz") << both
                                     << "Att. D. Juan Ruiz";
        QTest::newRow("custom, empty text: ends in the blank")
            << eleccion("D.", "Personalizado", "") << both << "Att. D. ";
        QTest::newRow("empty salutation: two blanks")
            << eleccion("", "Presidente") << both << "Att.  Presidente";
        QTest::newRow("typed salutation")
            << eleccion("Excmo.", "Presidente") << both << "Att. Excmo. Presidente";
    }

    void attentionLine()
    {
        QFETCH(AttentionChoice, choice);
        QFETCH(AttentionContacts, contacts);
        QFETCH(QString, expected);
        QCOMPARE(AttentionLine::linea(choice, contacts), expected);
    }

    void titleList()
    {
        const QStringList list = AttentionLine::cargosConContactos();
        QCOMPARE(list.size(), 20);
        QCOMPARE(
            list.mid(0, 5), (QStringList {"<Ninguno>", "Personalizado", "CARGO_1", "CARGO_2", "Presidente"}));
        QCOMPARE(AttentionLine::cargos().size(), 18);
    }

    void linesFitTheirLabel_data()
    {
        QTest::addColumn<LabelSheet>("sheet");
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<QString>("calle");
        QTest::addColumn<QStringList>("impresas");
        const QString larga = CompanyRows::kCalleLarga;
        QTest::newRow("A4 upright: narrowed, whole")
            << LabelSheet() << kA4Vertical << larga << QStringList {larga, larga};
        QTest::newRow("second column at 13, 10 points: the right one is cut")
            << LabelSheet {0.5, 2.0, 3.2, 13.0, 10} << kA4Vertical << larga << QStringList {larga, "…"};
        QTest::newRow("a street with CR LF is one line")
            << LabelSheet() << kA4Vertical << "C/ Mayor, 3\r\n2º B"
            << QStringList {"C/ Mayor, 3 2º B", "C/ Mayor, 3 2º B"};
    }

    // The longest addresses of the sample data: no line reaches the next label or past the page.
    void linesFitTheirLabel()
    {
        QFETCH(LabelSheet, sheet);
        QFETCH(QSizeF, page);
        QFETCH(QString, calle);
        QFETCH(QStringList, impresas);
        Recordset rs;
        CompanyRows::openLongest(rs, m_conn, int(impresas.size()), calle);
        RecordingSurface surface(page);
        ImprimeEtiquetas(surface, rs, sheet, AttentionChoice(), 1, true);
        const PrintPage items = surface.items();
        QCOMPARE(items.size(), 3 * impresas.size());
        for (qsizetype i = 0; i < items.size(); ++i) {
            const PrintItem& item = items.at(i);
            double limite = page.width();
            for (const double x : LabelSheetLayout::columns(sheet, page))
                limite = x > item.at.x() ? qMin(limite, x) : limite;
            QVERIFY2(item.at.x() + PrintSurface::measure(item.text, item.font).width.toCm() <= limite,
                qPrintable(item.text));
            const QString impresa = impresas.at(i / 3);
            if (i % 3 == 1)
                QVERIFY2(impresa == "…" ? item.text.endsWith(impresa) : item.text == impresa,
                    qPrintable(item.text));
        }
    }

    // The town line keeps its brackets when the province is missing.
    void townLineWithoutProvince()
    {
        Recordset rs;
        rs.open(QStringLiteral("SELECT 0, '', 'Bar Sol', '', '', '', NULL, 'Ronda', NULL, '29400', "
                               "NULL AS cargo_1, NULL AS contacto_1, NULL AS cargo_2, NULL AS contacto_2"),
            m_conn);
        RecordingSurface surface;
        ImprimeEtiquetas(surface, rs, LabelSheet(), AttentionChoice(), 1, true);
        // The empty street draws nothing, so the town line follows the name.
        QCOMPARE(surface.texts(), (QStringList {"Bar Sol", "Ronda   29400()"}));
        QCOMPARE(surface.items().last().at.y(), 2.8);
    }
};

QTEST_MAIN(TestEtiquetas)
#include "tst_etiquetas.moc"
