#include "resources/Pictures.h"

#include <QImage>
#include <QSet>
#include <QTest>

namespace {

// How many pixels two images of one size differ in.
int differingPixels(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column)
            count += x.pixel(column, row) != y.pixel(column, row);
    return count;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyNameDrawsAtItsSize();
    void menuFaces_data();
    void menuFaces();
    void lookupIgnoresCase();
    void unknownName();
    void backgrounds_data();
    void backgrounds();
    void handCursor();
    void windowIcons();
    void directionFaces_data();
    void directionFaces();
    void formatIconsGreyWhenChosen();
    void dialogPagesUnderTheirText_data();
    void dialogPagesUnderTheirText();
};

void TestPictures::everyNameDrawsAtItsSize()
{
    const QStringList names = Pictures::names();
    QVERIFY(!names.isEmpty());
    for (const QString& name : names) {
        const QPixmap pixmap = Pictures::get(name);
        QVERIFY2(!pixmap.isNull(), qPrintable(name));
        QCOMPARE(pixmap.size(), Pictures::size(name));
    }
}

void TestPictures::menuFaces_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QSize>("small");
    QTest::addColumn<QSize>("large");
    // The menu form lays its buttons out by these sizes.
    QTest::newRow("empresa") << "EMPRESA" << QSize(76, 36) << QSize(97, 45);
    QTest::newRow("guia") << "GUIA" << QSize(116, 36) << QSize(148, 45);
    QTest::newRow("ranking") << "RANKING" << QSize(106, 36) << QSize(135, 45);
    QTest::newRow("publi") << "PUBLI" << QSize(103, 36) << QSize(132, 45);
    QTest::newRow("buscar") << "BUSCAR" << QSize(51, 36) << QSize(67, 45);
    QTest::newRow("ayuda") << "AYUDA" << QSize(82, 37) << QSize(105, 47);
    QTest::newRow("salir") << "SALIR" << QSize(59, 37) << QSize(75, 47);
}

void TestPictures::menuFaces()
{
    QFETCH(QString, button);
    QFETCH(QSize, small);
    QFETCH(QSize, large);
    const QList<std::pair<QString, QSize>> layouts {
        {QStringLiteral("_800"), small}, {QStringLiteral("_1024"), large}};
    for (const auto& [suffix, size] : layouts) {
        const QPixmap normal = Pictures::get(QStringLiteral("BOTON_") + button + suffix);
        const QPixmap rollover = Pictures::get(QStringLiteral("BOTON_R") + button + suffix);
        QCOMPARE(normal.size(), size);
        QCOMPARE(rollover.size(), size);
        // Lit: most of the face changes, not a pixel or two.
        QVERIFY(differingPixels(normal.toImage(), rollover.toImage()) > size.width() * size.height() / 2);
    }
}

void TestPictures::lookupIgnoresCase()
{
    QVERIFY(Pictures::exists(QStringLiteral("boton_rguia_800")));
    QCOMPARE(Pictures::size(QStringLiteral("Splash")), Pictures::size(QStringLiteral("SPLASH")));
    QCOMPARE(Pictures::get(QStringLiteral("rImprimir")).toImage(),
        Pictures::get(QStringLiteral("RIMPRIMIR")).toImage());
    const QImage printer = Pictures::get(QStringLiteral("imprimir")).toImage();
    QVERIFY(differingPixels(printer, Pictures::get(QStringLiteral("RIMPRIMIR")).toImage()) > 0);
}

void TestPictures::unknownName()
{
    QVERIFY(Pictures::get(QStringLiteral("NO_EXISTE")).isNull());
    QVERIFY(!Pictures::exists(QStringLiteral("NO_EXISTE")));
    QVERIFY(!Pictures::size(QStringLiteral("NO_EXISTE")).isValid());
    QVERIFY(Pictures::get(QString()).isNull());
}

void TestPictures::backgrounds_data()
{
    QTest::addColumn<bool>("small");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("calculator");
    QTest::addColumn<QRect>("page");
    QTest::newRow("800") << true << QSize(800, 600) << QRect(0, 566, 31, 32)
                         << QRect(QPoint(10, 246), QPoint(783, 499));
    QTest::newRow("1024") << false << QSize(1024, 768) << QRect(0, 730, 31, 32)
                          << QRect(QPoint(16, 310), QPoint(1009, 663));
}

void TestPictures::backgrounds()
{
    QFETCH(bool, small);
    QFETCH(QSize, size);
    QFETCH(QRect, calculator);
    QFETCH(QRect, page);
    const QImage image = Pictures::background(small);
    QCOMPARE(image.size(), size);

    // The hot spot shows a drawing, not the plain footer.
    QSet<QRgb> colours;
    for (int y = calculator.top(); y <= calculator.bottom(); ++y)
        for (int x = calculator.left(); x <= calculator.right(); ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY(colours.size() >= 4);

    // The screens' panel goes on the page: it stays one plain colour.
    const QRgb cream = image.pixel(page.topLeft());
    for (int y = page.top(); y <= page.bottom(); y += 7)
        for (int x = page.left(); x <= page.right(); x += 7)
            QCOMPARE(image.pixel(x, y), cream);
    QCOMPARE(image.pixel(page.bottomRight()), cream);
    QVERIFY(image.pixel(page.topLeft() - QPoint(1, 1)) != cream);
}

void TestPictures::handCursor()
{
    const QCursor cursor = Pictures::handCursor();
    const QPixmap pixmap = cursor.pixmap();
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.toImage(), Pictures::get(QStringLiteral("mano")).toImage());
    // The hot spot is the fingertip: drawn just under it, transparent beside it.
    const QImage image = pixmap.toImage();
    const QPoint tip = cursor.hotSpot();
    QVERIFY(image.rect().contains(tip));
    QVERIFY(qAlpha(image.pixel(tip + QPoint(0, 2))) == 255);
    QVERIFY(qAlpha(image.pixel(tip + QPoint(-5, 0))) == 0);
}

void TestPictures::windowIcons()
{
    QCOMPARE(Pictures::windowIcon(false).availableSizes(), QList<QSize> {QSize(24, 24)});
    QCOMPARE(Pictures::windowIcon(true).availableSizes(), QList<QSize> {QSize(32, 32)});
}

void TestPictures::directionFaces_data()
{
    QTest::addColumn<QString>("face");
    QTest::newRow("ascending") << "ASCENDENTE";
    QTest::newRow("descending") << "DESCENDENTE";
    QTest::newRow("ascending chosen") << "MASCENDENTE";
    QTest::newRow("descending chosen") << "MDESCENDENTE";
}

void TestPictures::directionFaces()
{
    QFETCH(QString, face);
    const QImage normal = Pictures::get(face).toImage();
    // Each face has its roll-over and disabled faces, all of one size, all told apart.
    for (const QChar prefix : {QLatin1Char('R'), QLatin1Char('D')}) {
        const QImage other = Pictures::get(prefix + face).toImage();
        QCOMPARE(other.size(), normal.size());
        QVERIFY2(
            differingPixels(normal, other) > normal.width() * normal.height() / 8, qPrintable(prefix + face));
    }
    // The chosen face and the free one of a direction are not the same key.
    const QString pair = face.startsWith(QLatin1Char('M')) ? face.mid(1) : QLatin1Char('M') + face;
    QVERIFY(differingPixels(normal, Pictures::get(pair).toImage()) > normal.width() * normal.height() / 8);
    // Up and down are told apart.
    const QString reverse = face.contains(QLatin1String("ASC"))
        ? QString(face).replace(QLatin1String("ASC"), QLatin1String("DESC"))
        : QString(face).replace(QLatin1String("DESC"), QLatin1String("ASC"));
    QVERIFY(differingPixels(normal, Pictures::get(reverse).toImage()) > 20);
}

void TestPictures::formatIconsGreyWhenChosen()
{
    for (const QString& icon :
        {QStringLiteral("ICOEXCEL"), QStringLiteral("ICOWORD"), QStringLiteral("ICOTEXTO")}) {
        const QImage colour = Pictures::get(icon).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage grey
            = Pictures::get(QLatin1Char('M') + icon).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(grey.size(), colour.size());
        int coloured = 0;
        for (int y = 0; y < colour.height(); ++y) {
            for (int x = 0; x < colour.width(); ++x) {
                const QRgb c = colour.pixel(x, y);
                coloured += qAlpha(c) == 255 && QColor(c).hsvSaturation() > 80;
                const QRgb g = grey.pixel(x, y);
                QVERIFY2(qAbs(qRed(g) - qGreen(g)) <= 1 && qAbs(qGreen(g) - qBlue(g)) <= 1, qPrintable(icon));
            }
        }
        QVERIFY2(coloured > 20, qPrintable(icon));
    }
}

void TestPictures::dialogPagesUnderTheirText_data()
{
    QTest::addColumn<QString>("background");
    QTest::addColumn<QList<QRect>>("text");
    // Where the dialogs write in black: it must be on the light page, not on the dark frame.
    QTest::newRow("export") << "FONDO_EXPORTAR"
                            << QList<QRect> {QRect(8, 42, 89, 17), QRect(96, 42, 80, 17),
                                   QRect(144, 88, 121, 17), QRect(144, 184, 121, 17)};
    QTest::newRow("sort") << "FONDO_ORDENAR" << QList<QRect> {QRect(24, 64, 265, 145)};
}

void TestPictures::dialogPagesUnderTheirText()
{
    QFETCH(QString, background);
    QFETCH(QList<QRect>, text);
    const QImage image = Pictures::get(background).toImage();
    QCOMPARE(image.size(), QSize(399, 272));
    for (const QRect& r : text) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                QVERIFY2(qGray(image.pixel(x, y)) > 200, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
    // The title band is dark.
    QVERIFY(qGray(image.pixel(image.width() - 3, 20)) < 100);
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
