#include "TestInstallation.h"
#include "printing/settings/EnvelopeSettings.h"
#include "printing/settings/LabelSettings.h"

#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

Q_DECLARE_METATYPE(LabelSettings)
Q_DECLARE_METATYPE(EnvelopeSettings)

namespace {

const char* const kEtiquetaPorDefecto = "#Margenes\r\nIzquierdo=0,5\r\nSuperior=2,0\r\n\r\n#Maquetar\r\n"
                                        "Separacion=3,2\r\nSegunda=10,5\r\nFuente=8\r\n";
const char* const kSobrePorDefecto
    = "#Dimensiones\r\nAltura=110\r\nAnchura=220\r\n\r\n#Maquetar\r\nFuente=9\r\n"
      "Sobre=0\r\n\r\n#Posicionado\r\nAutomatico=1\r\nIzq=11,00\r\nSup=7,33\r\n";

LabelSettings etiqueta(double izq, double sup, double sep, double seg, int fuente)
{
    return LabelSettings {izq, sup, sep, seg, fuente};
}

EnvelopeSettings sobre(int alto, int ancho, int fuente, int tipo)
{
    EnvelopeSettings settings;
    settings.altura = alto;
    settings.anchura = ancho;
    settings.fuente = fuente;
    settings.tipoSobre = tipo;
    return settings;
}

QByteArray leeBytes(const QString& programFile)
{
    QFile file(SettingsFile::programPath(programFile));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A file holding `text`, as the codec reads it.
SettingsFile archivo(const QString& text)
{
    return SettingsFile::parse(text.toLatin1());
}

// Random text built from fragments of settings files, cut at a random place.
QString ruido(QRandomGenerator& random)
{
    static const QStringList piezas {"#Margenes", "#MAQUETAR", " #maquetar ", "#Dimensiones", "#Posicionado",
        "Izquierdo=", "Superior=", "Separacion=", "Segunda=", "Fuente=", "Sobre=", "Altura=", "Anchura=",
        "Automatico=", "Izq=", "Sup=", "=", ",", ".", "-", "0", "1", "3,2", "9", "10,5", "12", "255", "300",
        "1e308", "nan", "inf", "-0", "0,0", "99999999999999999999", "\r\n", "\n", "\r", " ", "á", "\xff"};
    QString text;
    const int count = random.bounded(60);
    for (int i = 0; i < count; ++i) {
        if (random.bounded(8) == 0)
            text += QChar(char16_t(random.bounded(1, 0x2000)));
        else
            text += piezas.at(random.bounded(piezas.size()));
    }
    return text.left(random.bounded(text.size() + 1));
}

} // namespace

class TestPrintSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void labelReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<LabelSettings>("expected");
        const LabelSettings defaults;
        QTest::newRow("no file") << QString() << defaults;
        QTest::newRow("as written") << QString::fromLatin1(kEtiquetaPorDefecto) << defaults;
        QTest::newRow("other values") << "#Margenes\r\nIzquierdo=1,0\r\nSuperior=1,5\r\n\r\n#"
                                         "Maquetar\r\nSeparacion=3,0\r\nSegunda=10,0\r\n"
                                         "Fuente=9\r\n"
                                      << etiqueta(1.0, 1.5, 3.0, 10.0, 9);
        QTest::newRow("decimal point") << "#Margenes\nIzquierdo=1.5\nSuperior=.5\n"
                                       << etiqueta(1.5, 0.5, 3.2, 10.5, 8);
        QTest::newRow("top margin out of range alone falls back")
            << "#Margenes\r\nIzquierdo=1,0\r\nSuperior=7,5\r\n"
            << etiqueta(1.0, 2.0, 3.2, 10.5, 8);
        QTest::newRow("font 12 alone falls back")
            << "#Maquetar\r\nSeparacion=4,0\r\nSegunda=12,0\r\nFuente=12\r\n"
            << etiqueta(0.5, 2.0, 4.0, 12.0, 8);
        QTest::newRow("second column not a number alone falls back")
            << "#Maquetar\r\nSeparacion=4,0\r\nSegunda=abc\r\nFuente=10\r\n"
            << etiqueta(0.5, 2.0, 4.0, 10.5, 10);
        QTest::newRow("second column below its range")
            << "#Maquetar\r\nSeparacion=4,0\r\nSegunda=5\r\nFuente=10\r\n"
            << etiqueta(0.5, 2.0, 4.0, 10.5, 10);
        QTest::newRow("a lone comma") << "#Margenes\r\nIzquierdo=,\r\nSuperior=1\r\n"
                                      << etiqueta(0.5, 1.0, 3.2, 10.5, 8);
        QTest::newRow("zero distance") << "#Maquetar\r\nSeparacion=0\r\n" << defaults;
        QTest::newRow("negative distance") << "#Maquetar\r\nSeparacion=-3,2\r\n" << defaults;
        QTest::newRow("empty values") << "#Margenes\r\nIzquierdo=\r\nSuperior=\r\n" << defaults;
        QTest::newRow("header in lower case with blanks, keys misspelt")
            << "  #margenes \r\nIzq=1\r\nSup=3\r\n"
            << etiqueta(1.0, 3.0, 3.2, 10.5, 8);
        QTest::newRow("sections the other way round, lines between")
            << "x\r\n#Maquetar\r\nSeparacion=5\r\nSegunda=11\r\nFuente=10\r\nnada\r\n#Margenes\r\n2\r\n1\r\n"
            << etiqueta(2.0, 1.0, 5.0, 11.0, 10);
        QTest::newRow("file ends after a header") << "#Margenes\r\nIzquierdo=1,0\r\n"
                                                  << etiqueta(1.0, 2.0, 3.2, 10.5, 8);
        QTest::newRow("font written as a decimal") << "#Maquetar\r\n3\r\n10\r\nFuente=9,0\r\n"
                                                   << etiqueta(0.5, 2.0, 3.0, 10.0, 9);
        QTest::newRow("font with a fraction") << "#Maquetar\r\n3\r\n10\r\nFuente=9,5\r\n"
                                              << etiqueta(0.5, 2.0, 3.0, 10.0, 8);
        QTest::newRow("thousands separators are no number")
            << "#Margenes\r\nIzquierdo=1.000,5\r\nSuperior=1,000.5\r\n"
            << defaults;
    }

    void labelReading()
    {
        QFETCH(QString, text);
        QFETCH(LabelSettings, expected);
        QCOMPARE(LabelSettings::fromFile(archivo(text)), expected);
    }

    void envelopeReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<EnvelopeSettings>("expected");
        const EnvelopeSettings defaults;
        QTest::newRow("no file") << QString() << defaults;
        QTest::newRow("custom 150 x 200")
            << "#Dimensiones\r\nAltura=150\r\nAnchura=200\r\n#Maquetar\r\nFuente=10\r\nSobre=5\r\n"
            << sobre(150, 200, 10, 5);
        QTest::newRow("a standard type has its own size")
            << "#Dimensiones\r\nAltura=150\r\nAnchura=200\r\n#Maquetar\r\nFuente=10\r\nSobre=1\r\n"
            << sobre(162, 229, 10, 1);
        QTest::newRow("header in lower case with blanks, key misspelt")
            << " #dimensiones  \r\nAlto=150\r\nAnchura=200\r\n#Maquetar\r\nFuente=9\r\nSobre=5\r\n"
            << sobre(150, 200, 9, 5);
        QTest::newRow("font not a number alone falls back") << "#Maquetar\r\nFuente=grande\r\nSobre=3\r\n"
                                                            << sobre(105, 241, 9, 3);
        QTest::newRow("type above 255 alone falls back") << "#Maquetar\r\nFuente=12\r\nSobre=300\r\n"
                                                         << sobre(110, 220, 12, 0);
        QTest::newRow("type 6 falls back") << "#Maquetar\r\nFuente=12\r\nSobre=6\r\n"
                                           << sobre(110, 220, 12, 0);
        QTest::newRow("file ends after #Maquetar")
            << "#Dimensiones\r\nAltura=150\r\nAnchura=200\r\n#Maquetar\r\n"
            << sobre(110, 220, 9, 0);
        QTest::newRow("empty font") << "#Maquetar\r\nFuente=\r\nSobre=4\r\n" << sobre(98, 190, 9, 4);
        QTest::newRow("sizes above the limits fall back")
            << "#Dimensiones\r\nAltura=211\r\nAnchura=298\r\n#Maquetar\r\nFuente=9\r\nSobre=5\r\n"
            << sobre(110, 220, 9, 5);
        QTest::newRow("zero sizes fall back")
            << "#Dimensiones\r\nAltura=0\r\nAnchura=0\r\n#Maquetar\r\nFuente=9\r\nSobre=5\r\n"
            << sobre(110, 220, 9, 5);
        EnvelopeSettings dragged;
        dragged.automatico = false;
        dragged.izq = 2.5;
        dragged.sup = 1.25;
        QTest::newRow("a dragged block") << "#Posicionado\r\nAutomatico=0\r\nIzq=2,5\r\nSup=1.25\r\n"
                                         << dragged;
    }

    void envelopeReading()
    {
        QFETCH(QString, text);
        QFETCH(EnvelopeSettings, expected);
        QCOMPARE(EnvelopeSettings::fromFile(archivo(text)), expected);
    }

    void customEnvelopeReopens()
    {
        const EnvelopeGeometry geometry = sobre(150, 200, 9, 5).geometry();
        QVERIFY(geometry.tamanoLibre());
        QCOMPARE(geometry.tamanoCm(), QSizeF(20.0, 15.0));
        QVERIFY(geometry.automatico());
        QCOMPARE(sobre(150, 200, 9, 2).geometry().tamanoCm(), QSizeF(25.0, 17.6));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("Spanish") << "es_ES";
        QTest::newRow("C") << "C";
    }

    // Both files written and read back through the program's folder give the same bytes, whatever the
    // locale: the decimal comma, CR LF, and a file read and written again unchanged.
    void roundTrip()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        QVERIFY(LabelSettings().write());
        QCOMPARE(leeBytes(LabelSettings::archivo()), QByteArray(kEtiquetaPorDefecto));
        QCOMPARE(LabelSettings::read(), LabelSettings());
        QVERIFY(EnvelopeSettings::from(EnvelopeGeometry(), 9).write());
        QCOMPARE(leeBytes(EnvelopeSettings::archivo()), QByteArray(kSobrePorDefecto));

        const LabelSettings otras = etiqueta(1.0, 1.5, 3.0, 10.0, 9);
        QVERIFY(otras.write());
        const QByteArray bytes = leeBytes(LabelSettings::archivo());
        QVERIFY(bytes.contains("Izquierdo=1,0\r\nSuperior=1,5\r\n"));
        QCOMPARE(LabelSettings::read(), otras);
        QVERIFY(LabelSettings::read().write());
        QCOMPARE(leeBytes(LabelSettings::archivo()), bytes);

        EnvelopeGeometry arrastrado;
        arrastrado.setTipo(EnvelopeGeometry::kPersonalizado);
        arrastrado.setAnchoMm(200);
        arrastrado.setAltoMm(150);
        arrastrado.mueveBloque(QPointF(0, 1.25), QSizeF(5, 2));
        const EnvelopeSettings sobreArrastrado = EnvelopeSettings::from(arrastrado, 11);
        QVERIFY(sobreArrastrado.write());
        const QByteArray sobreBytes = leeBytes(EnvelopeSettings::archivo());
        // A dragged block is written with its place, and "Automatico=1" as always.
        QVERIFY(sobreBytes.endsWith("#Posicionado\r\nAutomatico=1\r\nIzq=0,00\r\nSup=1,25\r\n"));
        QCOMPARE(EnvelopeSettings::read(), sobreArrastrado);
        QVERIFY(EnvelopeSettings::read().write());
        QCOMPARE(leeBytes(EnvelopeSettings::archivo()), sobreBytes);
    }

    // A folder that cannot be written: false and a Spanish reason naming the file; nothing thrown.
    void unwritableFolder()
    {
        const QByteArray saved = qgetenv("TARVESA_PROGRAM_DIR");
        qputenv("TARVESA_PROGRAM_DIR", saved + "/no/such/folder");
        QString error;
        const bool written = LabelSettings().write(&error);
        qputenv("TARVESA_PROGRAM_DIR", saved);
        QVERIFY(!written);
        QVERIFY(error.startsWith(QStringLiteral("No se pudo guardar el archivo")));
        QVERIFY(error.contains(QStringLiteral("Etiqueta.ini"), Qt::CaseInsensitive));
        QVERIFY2(error.endsWith(QStringLiteral("no existe.")), qPrintable(error));
    }

    // Thousands of random and cut files: never a crash, always values within the dialogs' ranges.
    void fuzz()
    {
        QRandomGenerator random(20101);
        for (int i = 0; i < 4000; ++i) {
            const QString text = ruido(random);
            const SettingsFile lines = archivo(text);
            const LabelSettings label = LabelSettings::fromFile(lines);
            QVERIFY2(label.esValido(), qPrintable(text));
            QVERIFY(LabelSheetLayout::labelsPerPage(label.sheet(), QSizeF(20, 29)) > 0);
            const EnvelopeSettings envelope = EnvelopeSettings::fromFile(lines);
            QVERIFY2(envelope.altura >= 1 && envelope.altura <= 210, qPrintable(text));
            QVERIFY2(envelope.anchura >= 1 && envelope.anchura <= 297, qPrintable(text));
            QVERIFY2(envelope.fuente >= 8 && envelope.fuente <= 12, qPrintable(text));
            QVERIFY2(EnvelopeGeometry::tipoValido(envelope.tipoSobre), qPrintable(text));
            QVERIFY(envelope.izq >= 0 && envelope.sup >= 0);
            const QSizeF size = envelope.geometry().tamanoCm();
            QVERIFY(size.width() > 0 && size.height() > 0);
        }
    }
};

QTEST_MAIN(TestPrintSettings)
#include "tst_print_settings.moc"
