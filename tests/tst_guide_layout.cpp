#include "guide/GuideLayout.h"

#include <QTest>

// The guide's layout arithmetic: where the toolbar, the grid and the contact line stand, in twips, from
// the page panel the window layer places at each resolution code.
class TestGuideLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theToolbarAndThePageAtEachCode_data()
    {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QRect>("pagina");
        QTest::addColumn<int>("arribaRotulos");
        QTest::addColumn<int>("primerRotulo");
        QTest::addColumn<int>("espacio");
        QTest::addColumn<int>("anchoBusqueda");
        QTest::addColumn<double>("fuenteRejilla");
        QTest::addColumn<QPoint>("verSeleccionadas");
        QTest::addColumn<QPoint>("desmarcar");
        QTest::addColumn<int>("arribaContacto");
        // Left, Top, Width, Height of the page panel; the grid's size follows from it.
        const QRect pequena(150, 3700, 11600, 3800);
        const QRect grande(250, 4650, 14900, 5300);
        QTest::newRow("code 2") << 2 << pequena << 8050 << 300 << 500 << 1500 << 8.0 << QPoint(10600, 3000)
                                << QPoint(11100, 3000) << 3500;
        QTest::newRow("code 1") << 1 << grande << 10500 << 450 << 800 << 2000 << 8.0 << QPoint(13900, 3950)
                                << QPoint(14400, 3950) << 5000;
        QTest::newRow("code 3") << 3 << grande << 10500 << 450 << 800 << 2000 << 9.0 << QPoint(13900, 3950)
                                << QPoint(14400, 3950) << 5000;
        QTest::newRow("code 6") << 6 << grande << 10500 << 450 << 800 << 2000 << 8.0 << QPoint(13900, 3950)
                                << QPoint(14400, 3950) << 5000;
    }

    void theToolbarAndThePageAtEachCode()
    {
        QFETCH(int, codigo);
        QFETCH(QRect, pagina);
        const GuideLayout::Settings s = GuideLayout::settingsFor(codigo);
        QTEST(GuideLayout::captionsTop(pagina.top(), pagina.height(), s), "arribaRotulos");
        QTEST(s.firstCaptionLeft, "primerRotulo");
        QTEST(s.captionSpacing, "espacio");
        QTEST(s.searchWidth, "anchoBusqueda");
        QTEST(s.gridPointSize, "fuenteRejilla");
        QTEST(GuideLayout::showMarkedButton(pagina.width(), pagina.top()), "verSeleccionadas");
        QTEST(GuideLayout::clearMarksButton(pagina.width(), pagina.top()), "desmarcar");
        QTEST(GuideLayout::contactTop(pagina.height()), "arribaContacto");
    }

    void theContactLineStandsBelowTheGrid_data()
    {
        QTest::addColumn<QSize>("pagina");
        QTest::addColumn<QRect>("rejilla");
        // The grid at (100, 500), W - 200 wide and H - 800 high: it ends where the contact line starts.
        QTest::newRow("small page") << QSize(11600, 3800) << QRect(100, 500, 11400, 3000);
        QTest::newRow("large page") << QSize(14900, 5300) << QRect(100, 500, 14700, 4500);
    }

    void theContactLineStandsBelowTheGrid()
    {
        QFETCH(QSize, pagina);
        QFETCH(QRect, rejilla);
        QCOMPARE(GuideLayout::grid(pagina.width(), pagina.height()), rejilla);
        QCOMPARE(rejilla.y() + rejilla.height(), GuideLayout::contactTop(pagina.height()));
    }

    void theSectorRow_data()
    {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<double>("primera");
        QTest::addColumn<double>("siguiente");
        QTest::addColumn<int>("separador");
        QTest::addColumn<double>("reposo");
        QTest::addColumn<double>("resaltada");
        QTest::addColumn<bool>("negrita");
        // From a search box ending at 4000 and a label ending at 6000.
        QTest::newRow("code 2") << 2 << 4320.0 << 6340.0 << 6113 << 8.0 << 10.0 << false;
        QTest::newRow("code 1") << 1 << 4600.0 << 6550.0 << 6183 << 10.0 << 12.0 << true;
        QTest::newRow("code 3") << 3 << 4600.0 << 6550.0 << 6183 << 10.0 << 12.0 << true;
        QTest::newRow("code 6") << 6 << 4600.0 << 6550.0 << 6183 << 10.0 << 12.0 << true;
    }

    void theSectorRow()
    {
        QFETCH(int, codigo);
        const GuideLayout::SectorRow fila = GuideLayout::sectorRowFor(codigo);
        QTEST(GuideLayout::firstSectorLeft(4000, fila), "primera");
        QTEST(GuideLayout::nextSectorLeft(6000, fila), "siguiente");
        QTEST(GuideLayout::separatorLeft(6000, fila), "separador");
        QTEST(fila.restSize, "reposo");
        QTEST(fila.highlightSize, "resaltada");
        QTEST(fila.bold, "negrita");
    }

    void theExplorersTrees_data()
    {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<int>("arbol");
        QTest::addColumn<QRect>("lugar");
        // An explorer 5300 high.
        for (int codigo : {3, 6}) {
            const QByteArray c = "code " + QByteArray::number(codigo) + ", ";
            QTest::newRow(c + "Distribuidores") << codigo << 0 << QRect(500, 0, 2500, 5300);
            QTest::newRow(c + "Vending") << codigo << 3 << QRect(8600, 0, 2500, 1000);
            QTest::newRow(c + "Franquicias") << codigo << 4 << QRect(11300, 0, 2500, 1000);
            QTest::newRow(c + "Hoteles") << codigo << 5 << QRect(3200, 1600, 2500, 1000);
            QTest::newRow(c + "Equipamientos") << codigo << 7 << QRect(8600, 1600, 2500, 1000);
        }
        for (int codigo : {1, 2}) {
            const QByteArray c = "code " + QByteArray::number(codigo) + ", ";
            QTest::newRow(c + "Principales") << codigo << 1 << QRect(3200, 0, 2500, 1000);
            QTest::newRow(c + "Franquicias") << codigo << 4 << QRect(3200, 2400, 2500, 1000);
            QTest::newRow(c + "Escuelas") << codigo << 6 << QRect(5900, 1200, 2500, 1000);
        }
    }

    void theExplorersTrees()
    {
        QFETCH(int, codigo);
        QFETCH(int, arbol);
        QTEST(GuideLayout::tree(arbol, codigo, 5300), "lugar");
    }

    void theHintShowsInTheLargeLayoutOnly()
    {
        QVERIFY(!GuideLayout::showsHint(1));
        QVERIFY(!GuideLayout::showsHint(2));
        QVERIFY(GuideLayout::showsHint(3));
        QVERIFY(GuideLayout::showsHint(6));
    }
};

QTEST_MAIN(TestGuideLayout)
#include "tst_guide_layout.moc"
