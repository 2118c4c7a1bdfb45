#include "printing/AttentionControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class TestAtencionControles : public QObject
{
    Q_OBJECT

private:
    template<typename T> static T* hijo(QWidget& parent, const char* name)
    {
        return parent.findChild<T*>(QLatin1String(name));
    }

private Q_SLOTS:
    void lists()
    {
        AttentionControls controls;
        auto* saludo = hijo<QComboBox>(controls, "Combo2");
        auto* cargo = hijo<QComboBox>(controls, "Combo1");
        QCOMPARE(saludo->count(), 5);
        QVERIFY(saludo->isEditable());
        QCOMPARE(saludo->currentText(), QString());
        QCOMPARE(cargo->count(), 18);
        QCOMPARE(cargo->currentText(), QStringLiteral("<Ninguno>"));
        controls.insertaContactos();
        controls.insertaContactos();
        QCOMPARE(cargo->count(), 20);
        QCOMPARE(cargo->itemText(2), QStringLiteral("CARGO_1"));
        QCOMPARE(cargo->itemText(3), QStringLiteral("CARGO_2"));
        QCOMPARE(cargo->itemText(4), QStringLiteral("Presidente"));
    }

    void choice()
    {
        AttentionControls controls;
        controls.insertaContactos();
        hijo<QComboBox>(controls, "Combo2")->setCurrentText(QStringLiteral("Excmo."));
        hijo<QComboBox>(controls, "Combo1")->setCurrentIndex(2);
        hijo<QLineEdit>(controls, "txtAtt")->setText(QStringLiteral("Ana"));
        const AttentionChoice choice = controls.eleccion();
        QCOMPARE(choice.saludo, QStringLiteral("Excmo."));
        QCOMPARE(choice.indiceCargo, 2);
        QCOMPARE(choice.cargo, QStringLiteral("CARGO_1"));
        QCOMPARE(choice.textoLibre, QStringLiteral("Ana"));
    }

    // Every keystroke in the free text asks for one redraw.
    void typingRedraws()
    {
        AttentionControls controls;
        QSignalSpy redraws(&controls, &AttentionControls::redibujar);
        QTest::keyClicks(hijo<QLineEdit>(controls, "txtAtt"), QStringLiteral("Luis"));
        QCOMPARE(redraws.count(), 4);
    }

    void freeTextEmptiedWithoutRedraw_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("left");
        QTest::newRow("none keeps the text") << 0 << "Ana";
        QTest::newRow("custom keeps the text") << 1 << "Ana";
        QTest::newRow("a contact empties it") << 2 << "";
        QTest::newRow("a post empties it") << 6 << "";
    }

    // Emptying the free text while an envelope is drawn never asks for a redraw of its own.
    void freeTextEmptiedWithoutRedraw()
    {
        QFETCH(int, indice);
        QFETCH(QString, left);
        AttentionControls controls;
        controls.insertaContactos();
        hijo<QLineEdit>(controls, "txtAtt")->setText(QStringLiteral("Ana"));
        hijo<QComboBox>(controls, "Combo1")->setCurrentIndex(indice);
        QSignalSpy redraws(&controls, &AttentionControls::redibujar);
        controls.vaciaTextoLibreSiCargo();
        QCOMPARE(hijo<QLineEdit>(controls, "txtAtt")->text(), left);
        QCOMPARE(redraws.count(), 0);
    }

    // A choice in a list moves the focus on, and leaving the list redraws.
    void choosingMovesTheFocusAndRedraws()
    {
        AttentionControls controls;
        controls.show();
        controls.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&controls));
        auto* cargo = hijo<QComboBox>(controls, "Combo1");
        cargo->setFocus();
        QTRY_VERIFY(cargo->hasFocus());
        QSignalSpy redraws(&controls, &AttentionControls::redibujar);
        cargo->setCurrentIndex(4);
        Q_EMIT cargo->activated(4);
        QTRY_VERIFY(hijo<QLineEdit>(controls, "txtAtt")->hasFocus());
        QCOMPARE(redraws.count(), 1);
    }
};

QTEST_MAIN(TestAtencionControles)
#include "tst_atencion_controles.moc"
