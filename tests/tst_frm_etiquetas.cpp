#include "core/SettingsFile.h"
#include "platform/ui/DialogService.h"
#include "printing/frmEtiquetas.h"
#include "printing/labels/LabelBoxRules.h"
#include "printing/settings/LabelSettings.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using LabelBoxRules::Box;
Q_DECLARE_METATYPE(LabelBoxRules::Box)

namespace {

QByteArray archivo()
{
    QFile file(SettingsFile::programPath(LabelSettings::archivo()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString clave(const QString& caja)
{
    if (caja == QLatin1String("txtIzq"))
        return QStringLiteral("Izquierdo");
    if (caja == QLatin1String("txtSup"))
        return QStringLiteral("Superior");
    if (caja == QLatin1String("txtSep"))
        return QStringLiteral("Separacion");
    return QStringLiteral("Segunda");
}

QString campo(const QString& caja)
{
    if (caja == QLatin1String("txtIzq"))
        return QStringLiteral("MI");
    if (caja == QLatin1String("txtSup"))
        return QStringLiteral("MS");
    if (caja == QLatin1String("txtSep"))
        return QStringLiteral("SE");
    return QStringLiteral("SC");
}

// On the screen with the keyboard, as the preview opens it.
bool showActive(frmEtiquetas& dialog)
{
    dialog.show();
    dialog.activateWindow();
    return QTest::qWaitForWindowActive(&dialog);
}

} // namespace

class TestFrmEtiquetas : public QObject
{
    Q_OBJECT

private:
    QStringList cajas(const frmEtiquetas& dialog)
    {
        QStringList texts;
        for (const char* name : {"txtIzq", "txtSup", "txtSep", "txtSeg"})
            texts.append(dialog.findChild<QLineEdit*>(QLatin1String(name))->text());
        texts.append(dialog.findChild<QComboBox*>(QStringLiteral("cboLetra"))->currentText());
        return texts;
    }

private Q_SLOTS:
    void initTestCase() { DialogService::setScripted(true); }
    void init()
    {
        QFile::remove(SettingsFile::programPath(LabelSettings::archivo()));
        DialogService::clearShown();
    }

    void limit_data()
    {
        QTest::addColumn<Box>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("top margin 7,5") << Box::Superior << "7,5"
                                        << "4";
        QTest::newRow("top margin 4 stays") << Box::Superior << "4"
                                            << "4";
        QTest::newRow("left margin 3,1") << Box::Izquierdo << "3,1"
                                         << "3";
        QTest::newRow("distance 15") << Box::Separacion << "15"
                                     << "9";
        QTest::newRow("second column 15: no limit while typing") << Box::Segunda << "15"
                                                                 << "15";
        QTest::newRow("a lone comma is the start of a number") << Box::Izquierdo << ","
                                                               << ",";
        QTest::newRow("empty") << Box::Izquierdo << ""
                               << "";
        QTest::newRow("pasted text") << Box::Superior << "abc"
                                     << "4";
    }

    void limit()
    {
        QFETCH(Box, box);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(LabelBoxRules::limita(box, text), expected);
    }

    void completion_data()
    {
        QTest::addColumn<Box>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole number") << Box::Superior << "2"
                                      << "2,0";
        QTest::newRow("rounded") << Box::Izquierdo << "0,56"
                                 << "0,6";
        QTest::newRow("decimal point") << Box::Izquierdo << "1.5"
                                       << "1,5";
        QTest::newRow("empty left margin") << Box::Izquierdo << ""
                                           << "0,5";
        QTest::newRow("empty top margin") << Box::Superior << ""
                                          << "2,0";
        QTest::newRow("empty distance") << Box::Separacion << ""
                                        << "3,2";
        QTest::newRow("empty second column") << Box::Segunda << ""
                                             << "10,5";
        QTest::newRow("lone comma") << Box::Superior << ","
                                    << "2,0";
        QTest::newRow("second column 15") << Box::Segunda << "15"
                                          << "13,0";
        QTest::newRow("second column 5") << Box::Segunda << "5"
                                         << "9,0";
        QTest::newRow("distance 0 is never zero") << Box::Separacion << "0"
                                                  << "0,1";
        QTest::newRow("distance 0,04 is never zero") << Box::Separacion << "0,04"
                                                     << "0,1";
        QTest::newRow("top margin 7,5") << Box::Superior << "7,5"
                                        << "4,0";
    }

    void completion()
    {
        QFETCH(Box, box);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(LabelBoxRules::completa(box, text), expected);
    }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QChar>("typed");
        QTest::addColumn<QChar>("expected");
        QTest::newRow("digit") << "1"
                               << "" << QChar('5') << QChar('5');
        QTest::newRow("first comma") << "1"
                                     << "" << QChar(',') << QChar(',');
        QTest::newRow("point becomes a comma") << "1"
                                               << "" << QChar('.') << QChar(',');
        QTest::newRow("second comma") << "1,2"
                                      << "" << QChar(',') << QChar();
        QTest::newRow("second point") << "1,2"
                                      << "" << QChar('.') << QChar();
        QTest::newRow("comma over the selected comma") << "1,2"
                                                       << ",2" << QChar(',') << QChar(',');
        QTest::newRow("letter") << "1"
                                << "" << QChar('a') << QChar();
        QTest::newRow("blank") << "1"
                               << "" << QChar(' ') << QChar();
        QTest::newRow("minus") << ""
                               << "" << QChar('-') << QChar();
        QTest::newRow("other script digit") << ""
                                            << "" << QChar(0x0663) << QChar();
    }

    void keyFilter()
    {
        QFETCH(QString, text);
        QFETCH(QString, selected);
        QFETCH(QChar, typed);
        QFETCH(QChar, expected);
        QCOMPARE(LabelBoxRules::filtra(text, selected, typed), expected);
    }

    // Typing into a box of the dialog, then leaving it or pressing Enter in it: Accept completes every
    // box, the one being edited included, writes the file and fills the collection.
    void typing_data()
    {
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QString>("whileTyping");
        QTest::addColumn<QString>("saved");
        QTest::newRow("7,5 in the top margin") << "txtSup"
                                               << "7,5" << false << "4"
                                               << "4,0";
        QTest::newRow("7,5 in the top margin, Enter") << "txtSup"
                                                      << "7,5" << true << "4"
                                                      << "4,0";
        QTest::newRow("15 in the second column, leaving") << "txtSeg"
                                                          << "15" << false << "15"
                                                          << "13,0";
        QTest::newRow("15 in the second column, Enter") << "txtSeg"
                                                        << "15" << true << "15"
                                                        << "13,0";
        QTest::newRow("a lone comma, leaving") << "txtIzq"
                                               << "," << false << ","
                                               << "0,5";
        QTest::newRow("a lone comma, Enter") << "txtIzq"
                                             << "," << true << ","
                                             << "0,5";
        QTest::newRow("comma then five") << "txtIzq"
                                         << ",5" << true << ",5"
                                         << "0,5";
        QTest::newRow("an empty box, leaving") << "txtSup"
                                               << "" << false << ""
                                               << "2,0";
        QTest::newRow("an empty box, Enter") << "txtSup"
                                             << "" << true << ""
                                             << "2,0";
        QTest::newRow("a point is a comma") << "txtIzq"
                                            << "1.5" << true << "1,5"
                                            << "1,5";
        QTest::newRow("a second comma is dropped") << "txtIzq"
                                                   << "1,2,3" << false << "1,23"
                                                   << "1,2";
        QTest::newRow("letters are dropped") << "txtSep"
                                             << "a4b" << true << "4"
                                             << "4,0";
        QTest::newRow("a zero distance") << "txtSep"
                                         << "0" << true << "0"
                                         << "0,1";
        QTest::newRow("second column below its range") << "txtSeg"
                                                       << "5" << false << "5"
                                                       << "9,0";
    }

    void typing()
    {
        QFETCH(QString, caja);
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(QString, whileTyping);
        QFETCH(QString, saved);
        QMap<QString, QString> campos;
        frmEtiquetas dialog;
        dialog.setCampos(campos);
        QVERIFY(showActive(dialog));
        auto* box = dialog.findChild<QLineEdit*>(caja);
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        // Focus selects the whole text, so typing replaces it.
        QCOMPARE(box->selectedText(), box->text());
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, typed);
        QCOMPARE(box->text(), whileTyping);
        if (enter) {
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            QTest::keyClick(box, Qt::Key_Tab);
            QTRY_VERIFY(!box->hasFocus());
            QCOMPARE(box->text(), saved);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(campos.value(campo(caja)), saved);
        const QByteArray line = "\r\n" + clave(caja).toLatin1() + "=" + saved.toLatin1() + "\r\n";
        QVERIFY2(archivo().contains(line), archivo().constData());
        QVERIFY(DialogService::shown().isEmpty());
    }

    void aClickIntoABoxSelectsItsWholeText_data()
    {
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("typed");
        QTest::newRow("left margin") << "txtIzq"
                                     << "1,5";
        QTest::newRow("second column") << "txtSeg"
                                       << "15";
        QTest::newRow("distance between rows") << "txtSep"
                                               << "2";
    }

    // As the keyboard's Tab does: typing replaces the text the box had.
    void aClickIntoABoxSelectsItsWholeText()
    {
        QFETCH(QString, caja);
        QFETCH(QString, typed);
        QMap<QString, QString> campos;
        frmEtiquetas dialog;
        dialog.setCampos(campos);
        QVERIFY(showActive(dialog));
        auto* box = dialog.findChild<QLineEdit*>(caja);
        dialog.findChild<QComboBox*>(QStringLiteral("cboLetra"))->setFocus();
        QTRY_VERIFY(!box->hasFocus());
        box->setText(QStringLiteral("10,5"));
        const QPoint enElTexto(box->width() / 4, box->height() / 2);
        QTest::mousePress(box, Qt::LeftButton, {}, enElTexto);
        QTest::mouseMove(box, QPoint(box->width() / 2, box->height() / 2));
        QTest::mouseRelease(box, Qt::LeftButton, {}, enElTexto);
        QVERIFY(box->hasFocus());
        QVERIFY(!box->text().isEmpty());
        QCOMPARE(box->selectedText(), box->text());
        QTest::keyClicks(box, typed);
        QCOMPARE(box->text(), typed);
        // Once it has the focus, a click places the cursor.
        QTest::mouseClick(box, Qt::LeftButton, {}, enElTexto);
        QVERIFY(!box->hasSelectedText());
    }

    void acceptWritesEightLines()
    {
        QMap<QString, QString> campos;
        frmEtiquetas dialog;
        dialog.setCampos(campos);
        const QStringList values {"1,0", "1,5", "3,0", "10,0"};
        int i = 0;
        for (const char* name : {"txtIzq", "txtSup", "txtSep", "txtSeg"})
            dialog.findChild<QLineEdit*>(QLatin1String(name))->setText(values[i++]);
        dialog.findChild<QComboBox*>(QStringLiteral("cboLetra"))->setCurrentIndex(1);
        dialog.guardaConfiguracion();
        QCOMPARE(archivo(),
            QByteArray("#Margenes\r\nIzquierdo=1,0\r\nSuperior=1,5\r\n\r\n#Maquetar\r\nSeparacion=3,0\r\n"
                       "Segunda=10,0\r\nFuente=9\r\n"));
        const QMap<QString, QString> expected {
            {"MI", "1,0"}, {"MS", "1,5"}, {"SE", "3,0"}, {"SC", "10,0"}, {"LE", "9"}};
        QCOMPARE(campos, expected);
        QCOMPARE(
            LabelSettings::fromCampos(campos, LabelSettings()), (LabelSettings {1.0, 1.5, 3.0, 10.0, 9}));
    }

    // Accepted again with nothing changed, the dialog writes nothing and says nothing, also where the
    // file cannot be written; a change that cannot be kept is said, once.
    void acceptingAgainWritesOnlyAChange()
    {
        const QByteArray antes = "  #margenes\r\nIzquierdo=1\r\nSuperior=1,50\r\n";
        {
            QFile out(SettingsFile::programPath(LabelSettings::archivo()));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(antes);
        }
        frmEtiquetas().guardaConfiguracion();
        QCOMPARE(archivo(), antes);

        const QByteArray carpeta = qgetenv("TARVESA_PROGRAM_DIR");
        qputenv("TARVESA_PROGRAM_DIR", carpeta + "/no/such/folder");
        frmEtiquetas().guardaConfiguracion();
        frmEtiquetas().guardaConfiguracion();
        const qsizetype dichos = DialogService::shown().size();
        QMap<QString, QString> campos;
        frmEtiquetas cambiado;
        cambiado.setCampos(campos);
        cambiado.findChild<QComboBox*>(QStringLiteral("cboLetra"))->setCurrentIndex(2);
        cambiado.guardaConfiguracion();
        frmEtiquetas().guardaConfiguracion();
        qputenv("TARVESA_PROGRAM_DIR", carpeta);
        QCOMPARE(dichos, 0);
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Exclamation);
        QVERIFY(DialogService::shown().first().text.contains(QStringLiteral("Etiqueta.ini")));
        // The change applies to the labels shown all the same.
        QCOMPARE(campos.value(QStringLiteral("LE")), QStringLiteral("10"));
    }

    void loading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("no file") << QByteArray() << QStringList {"0,5", "2,0", "3,2", "10,5", "8"};
        QTest::newRow("values of the file") << QByteArray(
            "#Margenes\r\nIzquierdo=1\r\nSuperior=1,5\r\n#Maquetar\r\nSeparacion=3\r\nSegunda=12\r\nFuente="
            "10\r\n") << QStringList {"1,0", "1,5", "3,0", "12,0", "10"};
        QTest::newRow("top margin 7,5: its default")
            << QByteArray("#Margenes\r\nIzquierdo=1\r\nSuperior=7,5\r\n")
            << QStringList {"1,0", "2,0", "3,2", "10,5", "8"};
        QTest::newRow("font 12: its default")
            << QByteArray("#Maquetar\r\nSeparacion=3\r\nSegunda=12\r\nFuente=12\r\n")
            << QStringList {"0,5", "2,0", "3,0", "12,0", "8"};
    }

    void loading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, shown);
        if (!file.isEmpty()) {
            QFile out(SettingsFile::programPath(LabelSettings::archivo()));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file);
        }
        frmEtiquetas dialog;
        QCOMPARE(cajas(dialog), shown);
    }

    // "Restaurar" is red while the pointer moves over it, and white again over the form.
    void restoreIsRedWhileHovered()
    {
        frmEtiquetas dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* restaurar = dialog.findChild<QLabel*>(QStringLiteral("Label8"));
        const auto color = [&] { return restaurar->palette().color(QPalette::WindowText); };
        QTest::mouseMove(&dialog, QPoint(2, 2));
        QCOMPARE(color(), QColor(255, 255, 255));
        for (const QPoint& at : {QPoint(3, 3), restaurar->rect().center()}) {
            QTest::mouseMove(restaurar, at);
            QCOMPARE(color(), QColor(255, 0, 0));
        }
        QTest::mouseMove(&dialog, QPoint(2, 2));
        QCOMPARE(color(), QColor(255, 255, 255));
    }

    // Cancel, by Esc or after "Restaurar", writes nothing and leaves the collection empty.
    void restoreThenCancel()
    {
        const QByteArray before = "#Margenes\r\nIzquierdo=1,0\r\nSuperior=1,5\r\n";
        {
            QFile out(SettingsFile::programPath(LabelSettings::archivo()));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(before);
        }
        QMap<QString, QString> campos;
        frmEtiquetas dialog;
        dialog.setCampos(campos);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* restaurar = dialog.findChild<QLabel*>(QStringLiteral("Label8"));
        // A press slid off "Restaurar" is taken back.
        const QStringList leidas = cajas(dialog);
        QTest::mousePress(restaurar, Qt::LeftButton);
        QTest::mouseRelease(restaurar, Qt::LeftButton, {}, restaurar->rect().center() + QPoint(150, 0));
        QCOMPARE(cajas(dialog), leidas);
        QTest::mouseClick(restaurar, Qt::LeftButton);
        QCOMPARE(cajas(dialog), (QStringList {"0,5", "2,0", "3,2", "10,5", "8"}));
        QTest::keyClick(dialog.findChild<QLineEdit*>(QStringLiteral("txtIzq")), Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(campos.isEmpty());
        QCOMPARE(archivo(), before);
    }
};

QTEST_MAIN(TestFrmEtiquetas)
#include "tst_frm_etiquetas.moc"
