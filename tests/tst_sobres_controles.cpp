#include "printing/EnvelopeControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class TestSobresControles : public QObject
{
    Q_OBJECT

private:
    struct Frame
    {
        EnvelopeControls controls;
        QLineEdit* alto = nullptr;
        QLineEdit* ancho = nullptr;
        QComboBox* tipo = nullptr;
        QComboBox* letra = nullptr;

        Frame()
        {
            alto = controls.findChild<QLineEdit*>(QStringLiteral("txtSobreAlto"));
            ancho = controls.findChild<QLineEdit*>(QStringLiteral("txtSobreAncho"));
            tipo = controls.findChild<QComboBox*>(QStringLiteral("cboSobreTipo"));
            letra = controls.findChild<QComboBox*>(QStringLiteral("cboSobreLetra"));
        }

        void elige(QComboBox* box, int index)
        {
            box->setCurrentIndex(index);
            Q_EMIT box->activated(index);
        }

        // Types into a size box (replacing its text) and leaves it with Enter.
        void escribe(QLineEdit* box, const QString& text)
        {
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, text);
        }
    };

private Q_SLOTS:
    void firstLaunch()
    {
        Frame frame;
        QCOMPARE(frame.tipo->count(), 6);
        QCOMPARE(frame.tipo->currentText(), QStringLiteral("DL: 110x220 mm"));
        QCOMPARE(frame.tipo->itemText(3), QStringLiteral("Nº10: 105x241 mm"));
        QCOMPARE(frame.letra->currentText(), QStringLiteral("9"));
        QCOMPARE(frame.alto->text(), QStringLiteral("110"));
        QCOMPARE(frame.ancho->text(), QStringLiteral("220"));
        QVERIFY(frame.alto->isReadOnly());
        QCOMPARE(frame.controls.sobre().tamanoCm(), QSizeF(22.0, 11.0));
    }

    void configSobres_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("ancho");
        QTest::addColumn<int>("alto");
        QTest::addColumn<int>("letra");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSizeF>("sobre");
        QTest::addColumn<int>("letraMostrada");
        QTest::newRow("custom 200 x 150")
            << 5 << 200 << 150 << 10 << "Personalizado" << QSizeF(20.0, 15.0) << 10;
        QTest::newRow("C5 whatever the sizes")
            << 1 << 200 << 150 << 12 << "C5: 162x229 mm" << QSizeF(22.9, 16.2) << 12;
        QTest::newRow("a type out of the list is skipped, the font still taken")
            << 9 << 200 << 150 << 8 << "DL: 110x220 mm" << QSizeF(22.0, 11.0) << 8;
        QTest::newRow("a font out of the list is skipped")
            << 4 << 0 << 0 << 14 << "Monarca: 98x190 mm" << QSizeF(19.0, 9.8) << 9;
    }

    void configSobres()
    {
        QFETCH(int, tipo);
        QFETCH(int, ancho);
        QFETCH(int, alto);
        QFETCH(int, letra);
        QFETCH(QString, caption);
        QFETCH(QSizeF, sobre);
        QFETCH(int, letraMostrada);
        Frame frame;
        frame.controls.configSobres(tipo, ancho, alto, letra);
        QCOMPARE(frame.tipo->currentText(), caption);
        QCOMPARE(frame.controls.sobre().tamanoCm(), sobre);
        QCOMPARE(frame.letra->currentText(), QString::number(letraMostrada));
        QCOMPARE(frame.controls.tamLetra(), letraMostrada);
    }

    // Choosing "Personalizado" unlocks the boxes without changing the envelope; C5 locks them.
    void typeChoice()
    {
        Frame frame;
        QSignalSpy cambios(&frame.controls, &EnvelopeControls::sobreCambiado);
        frame.elige(frame.tipo, 5);
        QVERIFY(!frame.alto->isReadOnly());
        QCOMPARE(frame.controls.sobre().tamanoCm(), QSizeF(22.0, 11.0));
        frame.elige(frame.tipo, 1);
        QVERIFY(frame.alto->isReadOnly());
        QCOMPARE(frame.alto->text(), QStringLiteral("162"));
        QCOMPARE(frame.ancho->text(), QStringLiteral("229"));
        QCOMPARE(frame.controls.sobre().bloque(), QPointF(11.45, 10.8));
        QCOMPARE(cambios.count(), 2);
    }

    void sizeBoxes_data()
    {
        QTest::addColumn<bool>("alto");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("afterEnter");
        QTest::newRow("height 211") << true << "211"
                                    << "210"
                                    << "210";
        QTest::newRow("width 300") << false << "300"
                                   << "297"
                                   << "297";
        QTest::newRow("letters, blanks, commas and points are not typed") << true << "1a ,.5"
                                                                          << "15"
                                                                          << "15";
        QTest::newRow("an empty box keeps the size") << true << ""
                                                     << ""
                                                     << "110";
        QTest::newRow("zero keeps the size") << false << "0"
                                             << "0"
                                             << "220";
        QTest::newRow("a size") << false << "180"
                                << "180"
                                << "180";
    }

    void sizeBoxes()
    {
        QFETCH(bool, alto);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, afterEnter);
        Frame frame;
        frame.elige(frame.tipo, 5);
        QLineEdit* box = alto ? frame.alto : frame.ancho;
        frame.escribe(box, typed);
        QCOMPARE(box->text(), shown);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), afterEnter);
        const QSizeF size = frame.controls.sobre().tamanoCm();
        QCOMPARE(int(qRound((alto ? size.height() : size.width()) * 10)), afterEnter.toInt());
    }

    // A dragged block is printed where it is; a size change brings it to the automatic place shown.
    void dragThenResize()
    {
        Frame frame;
        frame.elige(frame.tipo, 5);
        frame.controls.mueveBloque(QPointF(0, 0), QSizeF(6, 2));
        QVERIFY(!frame.controls.sobre().automatico());
        QCOMPARE(frame.controls.trabajo().sobre.bloque(), QPointF(0, 0));
        frame.escribe(frame.ancho, QStringLiteral("200"));
        QTest::keyClick(frame.ancho, Qt::Key_Return);
        QVERIFY(frame.controls.sobre().automatico());
        QCOMPARE(frame.controls.sobre().bloque(), QPointF(10.0, 22.0 / 3));
    }

    void fontChoice()
    {
        Frame frame;
        QSignalSpy letras(&frame.controls, &EnvelopeControls::letraCambiada);
        frame.elige(frame.letra, 4);
        QCOMPARE(frame.controls.tamLetra(), 12);
        QCOMPARE(letras.count(), 1);
        QCOMPARE(letras.first().first().toInt(), 12);
    }
};

QTEST_MAIN(TestSobresControles)
#include "tst_sobres_controles.moc"
