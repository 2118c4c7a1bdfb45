#include "CardFixture.h"
#include "card/clsFicha.h"
#include "core/clsDatosBD.h"
#include "output/export/TextExportWriter.h"
#include "platform/ui/Colors.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ImageButton.h"
#include "shell/SessionEnd.h"

#include <QBuffer>
#include <QCheckBox>
#include <csignal>

using namespace CardFixture;

// The record card: paging through the guide's companies, what is written back, and the head office's own
// card.
class TestFichaEscritura : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        DialogService::setScripted(true);
        conn().open(TestInstallation::databasePath());
        QVERIFY(conn().isOpen());
    }

    void init() { DialogService::clearShown(); }

    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Paging on the guide's own recordset, with the grid following and the changes written back.
    void pagingAtTheStart()
    {
        clsDatosBD datos;
        QVERIFY(datos.setConexion(&conn()));
        QVERIFY(datos.setDatos(kSelect + QStringLiteral(" WHERE observaciones <> '' ORDER BY id_emp")) > 3);
        FlexGrid grid;
        grid.resize(600, 300);
        grid.show();
        grid.setDataSource(datos.getRecordset());
        Recordset* rs = datos.getRecordset();
        grid.setRow(2);
        const qint64 primero = primerId(QStringLiteral("observaciones <> ''"));
        const QString original = guardado(primero, L::Observaciones).toString();
        QVERIFY(original != original.toUpper());

        bool corrio = false;
        DialogService::queueForm([&](QDialog& ficha) {
            corrio = true;
            auto* anterior = hijo<ImageButton>(&ficha, QStringLiteral("cmdAnterior"));
            auto* siguiente = hijo<ImageButton>(&ficha, QStringLiteral("cmdSiguiente"));
            auto* obs = hijo<QPlainTextEdit>(&ficha, QStringLiteral("txtObservaciones"));
            auto* marca = hijo<QCheckBox>(&ficha, QStringLiteral("Check1"));
            QCOMPARE(rs->absolutePosition(), 2);
            QCOMPARE(valor(&ficha, L::Empresa)->text(), rs->textAt(1, L::Empresa).toUpper());

            // A right button does nothing on the paging buttons.
            QTest::mouseClick(anterior, Qt::RightButton);
            QCOMPARE(rs->absolutePosition(), 2);

            QTest::mouseClick(anterior, Qt::LeftButton);
            QCOMPARE(rs->absolutePosition(), 1);
            QCOMPARE(grid.row(), 1);
            QCOMPARE(grid.topRow(), 1);
            QCOMPARE(obs->toPlainText(), RecordCardLayout::comoEditor(original));

            // Typed in mixed case, ticked: the grid shows the mark at once, the database not yet.
            obs->moveCursor(QTextCursor::End);
            QTest::keyClicks(obs, QStringLiteral(" Revisado en Mayo"));
            QTest::mouseClick(marca, Qt::LeftButton, {}, casilla(marca));
            QVERIFY(marca->isChecked());
            grid.setCol(0);
            QCOMPARE(grid.cellBackColor(), bgrColor(0xEAF3F6));
            QCOMPARE(guardado(primero, L::Seleccionada).toBool(), false);

            // Previous on the first record: the changes are written, the record stays.
            QTest::mouseClick(anterior, Qt::LeftButton);
            QCOMPARE(rs->absolutePosition(), 1);
            QVERIFY(!anterior->isEnabled());
            QCOMPARE(anterior->face(), QStringLiteral("DANTERIOR"));
            QVERIFY(siguiente->isEnabled());
            QCOMPARE(guardado(primero, L::Observaciones).toString(),
                original + QStringLiteral(" Revisado en Mayo"));
            QCOMPARE(guardado(primero, L::Seleccionada).toBool(), true);

            QTest::mouseClick(siguiente, Qt::LeftButton);
            QVERIFY(anterior->isEnabled());
            QCOMPARE(anterior->face(), QStringLiteral("ANTERIOR"));
            QCOMPARE(rs->absolutePosition(), 2);
            QCOMPARE(grid.row(), 2);
            QCOMPARE(grid.topRow(), 2);

            // Unticked and closed: written on closing.
            QTest::mouseClick(anterior, Qt::LeftButton);
            QTest::mouseClick(marca, Qt::LeftButton, {}, casilla(marca));
            QTest::mouseClick(hijo<ImageButton>(&ficha, QStringLiteral("imgCancelar")), Qt::RightButton);
            QVERIFY(!ficha.isVisible());
        });
        clsFicha().Muestra(rs, &grid);
        QVERIFY(corrio);
        QCOMPARE(DialogService::formsShown(), QStringList {QStringLiteral("FrmFicha")});
        QCOMPARE(guardado(primero, L::Seleccionada).toBool(), false);
        // The guide's current record is the last one shown.
        QCOMPARE(rs->absolutePosition(), 1);
        QVERIFY(DialogService::shown().isEmpty());
    }

    void pagingAtTheEnd()
    {
        clsDatosBD datos;
        datos.setConexion(&conn());
        const int total
            = datos.setDatos(kSelect + QStringLiteral(" WHERE sector LIKE 'HOTEL%' ORDER BY empresa"));
        QVERIFY(total > 3);
        FlexGrid grid;
        grid.resize(600, 300);
        grid.show();
        grid.setDataSource(datos.getRecordset());
        Recordset* rs = datos.getRecordset();
        grid.setRow(total - 1);

        DialogService::queueForm([&](QDialog& ficha) {
            auto* anterior = hijo<ImageButton>(&ficha, QStringLiteral("cmdAnterior"));
            auto* siguiente = hijo<ImageButton>(&ficha, QStringLiteral("cmdSiguiente"));
            auto* obs = hijo<QPlainTextEdit>(&ficha, QStringLiteral("txtObservaciones"));
            QTest::mouseClick(siguiente, Qt::LeftButton);
            QCOMPARE(rs->absolutePosition(), total);
            QCOMPARE(grid.row(), total);
            QVERIFY(siguiente->isEnabled());

            QTest::keyClicks(obs, QStringLiteral("Última"));
            QTest::mouseClick(siguiente, Qt::LeftButton);
            QCOMPARE(rs->absolutePosition(), total);
            QVERIFY(!siguiente->isEnabled());
            QCOMPARE(siguiente->face(), QStringLiteral("DSIGUIENTE"));
            QVERIFY(anterior->isEnabled());
            QVERIFY(rs->textAt(total - 1, L::Observaciones).contains(QStringLiteral("Última")));
            QCOMPARE(valor(&ficha, L::Empresa)->text(), rs->textAt(total - 1, L::Empresa).toUpper());

            QTest::mouseClick(anterior, Qt::LeftButton);
            QCOMPARE(rs->absolutePosition(), total - 1);
            QVERIFY(siguiente->isEnabled());
            QCOMPARE(siguiente->face(), QStringLiteral("SIGUIENTE"));
            QCOMPARE(grid.row(), total - 1);
            QTest::mouseClick(hijo<ImageButton>(&ficha, QStringLiteral("imgCancelar")), Qt::LeftButton);
        });
        clsFicha().Muestra(rs, &grid);
        QCOMPARE(rs->absolutePosition(), total - 1);
    }

    void movingWithoutChangesWritesNothing()
    {
        Recordset rs;
        rs.open(kSelect + QStringLiteral(" WHERE observaciones <> '' ORDER BY id_emp LIMIT 3"), conn());
        int escrituras = 0;
        rs.addObserver([&](Recordset::Event e, int) { escrituras += e == Recordset::Event::RowChanged; });
        FrmFicha ficha;
        ficha.Muestra(&rs, nullptr);
        ficha.show();
        auto* obs = hijo<QPlainTextEdit>(&ficha, QStringLiteral("txtObservaciones"));
        QTest::keyClick(obs, Qt::Key_Down);
        QTest::keyClick(obs, Qt::Key_End);
        QTest::mouseClick(hijo<ImageButton>(&ficha, QStringLiteral("cmdSiguiente")), Qt::LeftButton);
        // Typed and taken back: the same text again.
        QTest::keyClicks(obs, QStringLiteral("x"));
        QTest::keyClick(obs, Qt::Key_Backspace);
        QTest::mouseClick(hijo<ImageButton>(&ficha, QStringLiteral("cmdSiguiente")), Qt::LeftButton);
        QTest::mouseClick(hijo<ImageButton>(&ficha, QStringLiteral("imgCancelar")), Qt::LeftButton);
        QCOMPARE(escrituras, 0);
    }

    void failedWriteIsToldAndKeepsWhatWasTyped()
    {
        Connection ro;
        ro.open(TestInstallation::databasePath());
        ro.execute(QStringLiteral("PRAGMA query_only=1"));
        Recordset rs;
        rs.open(kSelect + QStringLiteral(" WHERE id_emp <= 3 ORDER BY id_emp"), ro);
        FrmFicha ficha;
        ficha.Muestra(&rs, nullptr);
        ficha.show();
        auto* obs = hijo<QPlainTextEdit>(&ficha, QStringLiteral("txtObservaciones"));
        auto* siguiente = hijo<ImageButton>(&ficha, QStringLiteral("cmdSiguiente"));
        QTest::keyClicks(obs, QStringLiteral("No se pierde"));

        // Kept: the card stays on the company with the text.
        DialogService::queueAnswer(DialogService::Answer::Yes);
        QTest::mouseClick(siguiente, Qt::LeftButton);
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Critical);
        // Why, in Spanish words.
        const QString dicho = DialogService::shown().first().text;
        QVERIFY2(dicho.contains(QStringLiteral("solo lectura")), qPrintable(dicho));
        QVERIFY2(!dicho.contains(QStringLiteral("readonly")), qPrintable(dicho));
        QCOMPARE(rs.absolutePosition(), 1);
        QVERIFY(obs->toPlainText().contains(QStringLiteral("No se pierde")));

        // Closing asks too; staying keeps the card open.
        DialogService::queueAnswer(DialogService::Answer::Yes);
        QTest::mouseClick(hijo<ImageButton>(&ficha, QStringLiteral("imgCancelar")), Qt::LeftButton);
        QVERIFY(ficha.isVisible());

        // Let go, after being told: the move goes on.
        DialogService::queueAnswer(DialogService::Answer::No);
        QTest::mouseClick(siguiente, Qt::LeftButton);
        QCOMPARE(DialogService::shown().size(), 3);
        QCOMPARE(rs.absolutePosition(), 2);
        QVERIFY(!obs->toPlainText().contains(QStringLiteral("No se pierde")));
        QTest::mouseClick(hijo<ImageButton>(&ficha, QStringLiteral("imgCancelar")), Qt::LeftButton);
        QVERIFY(!ficha.isVisible());
        QCOMPARE(DialogService::shown().size(), 3);
    }

    void displayingAMarkIsNoChange()
    {
        const qint64 id = inserta({{L::Empresa, QStringLiteral("Marcada")}, {L::Seleccionada, true}});
        Connection ro;
        ro.open(TestInstallation::databasePath());
        ro.execute(QStringLiteral("PRAGMA query_only=1"));
        Recordset rs;
        rs.open(kSelect + QStringLiteral(" WHERE id_emp=%1").arg(id), ro);
        FrmFicha ficha;
        ficha.Muestra(&rs, nullptr);
        ficha.show();
        QVERIFY(hijo<QCheckBox>(&ficha, QStringLiteral("Check1"))->isChecked());
        QTest::mouseClick(hijo<ImageButton>(&ficha, QStringLiteral("cmdSiguiente")), Qt::LeftButton);
        QTest::mouseClick(hijo<ImageButton>(&ficha, QStringLiteral("imgCancelar")), Qt::LeftButton);
        QVERIFY(!ficha.isVisible());
        QVERIFY(DialogService::shown().isEmpty());
    }

    void recordsetThatCannotStoreGetsReadOnlyEditors()
    {
        Recordset rs;
        rs.open(QStringLiteral(
                    "SELECT DISTINCT seleccionada, sector, empresa, actividad, cif, autonomia, provincia, "
                    "poblacion, domicilio, cp, telefono, fax, email, web, cargo_1, contacto_1, cargo_2, "
                    "contacto_2, superficie, vehiculos, empleados, observaciones, empresa_id "
                    "FROM tbl_empresas WHERE id_emp <= 2"),
            conn());
        QVERIFY(!rs.isUpdatable());
        FrmFicha ficha;
        ficha.Muestra(&rs, nullptr);
        QVERIFY(hijo<QPlainTextEdit>(&ficha, QStringLiteral("txtObservaciones"))->isReadOnly());
        QVERIFY(!hijo<QCheckBox>(&ficha, QStringLiteral("Check1"))->isEnabled());
    }

    void headOfficeOpensItsOwnCard()
    {
        const qint64 sede = inserta(
            {{L::Empresa, QStringLiteral("Grupo Sede Central")}, {L::Sector, QStringLiteral("HOTELES")}});
        const qint64 punto
            = inserta({{L::Empresa, QStringLiteral("Punto de venta 1")}, {L::EmpresaId, sede}});
        Recordset rs;
        const auto ficha = abre(rs, punto);
        QLabel* enlace = valor(ficha.get(), L::EmpresaId);
        QCOMPARE(enlace->text(), QStringLiteral("(Grupo Sede Central)"));
        QCOMPARE(enlace->cursor().shape(), Qt::BitmapCursor);

        QString vista;
        QRect cubre;
        DialogService::queueForm([&](QDialog& segunda) {
            vista = valor(&segunda, L::Empresa)->text();
            cubre = segunda.frameGeometry();
            QVERIFY(!valor(&segunda, L::EmpresaId)->isVisibleTo(&segunda));
            QTest::mouseClick(hijo<ImageButton>(&segunda, QStringLiteral("imgCancelar")), Qt::LeftButton);
        });
        QTest::mouseClick(enlace, Qt::LeftButton);
        QCOMPARE(vista, QStringLiteral("GRUPO SEDE CENTRAL"));
        // The head office's card lies exactly over the card below it.
        QCOMPARE(cubre, ficha->frameGeometry());
        QCOMPARE(DialogService::formsShown(), QStringList {QStringLiteral("FrmFicha")});
        // The first card is unchanged.
        QCOMPARE(valor(ficha.get(), L::Empresa)->text(), QStringLiteral("PUNTO DE VENTA 1"));

        // A head office gone since the card was shown: said, and no second card.
        conn().execute(QStringLiteral("DELETE FROM tbl_empresas WHERE id_emp=%1").arg(sede));
        QTest::mouseClick(enlace, Qt::LeftButton);
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().text,
            QStringLiteral("No se pudo obtener informacion de la sede principal de la empresa"));
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Information);
        QCOMPARE(DialogService::formsShown().size(), 1);
    }

    void aHeadOfficeEditedOnItsCardStaysEditedFromTheGuide_data()
    {
        QTest::addColumn<bool>("copiada");
        QTest::newRow("bound grid") << false;
        QTest::newRow("copied cells") << true;
    }

    // A head office edited on its own card and then, on the guide's card, edited again: the second
    // write builds on the first, never on the guide's old copy.
    void aHeadOfficeEditedOnItsCardStaysEditedFromTheGuide()
    {
        QFETCH(bool, copiada);
        const qint64 sede = inserta({{L::Empresa, QStringLiteral("Sede Norte")},
            {L::Observaciones, QStringLiteral("CLIENTE DESDE 2001")}, {L::Seleccionada, false}});
        const qint64 punto = inserta({{L::Empresa, QStringLiteral("Punto Norte 1")}, {L::EmpresaId, sede}});
        clsDatosBD datos;
        QVERIFY(datos.setConexion(&conn()));
        QCOMPARE(datos.setDatos(kSelect
                     + QStringLiteral(" WHERE id_emp IN (%1, %2) ORDER BY id_emp").arg(sede).arg(punto)),
            2);
        Recordset* rs = datos.getRecordset();
        FlexGrid grid;
        grid.resize(600, 300);
        grid.show();
        grid.setRows(copiada ? 3 : 1);
        grid.setCols(L::NumCampos + 1);
        for (int c = 0; copiada && c < L::NumCampos; ++c) {
            grid.setTextMatrix(1, c + 1, rs->textAt(0, c));
            grid.setTextMatrix(2, c + 1, rs->textAt(1, c));
        }
        if (!copiada)
            grid.setDataSource(rs);
        grid.setRow(2);
        const auto obsGuia = [&grid] { return grid.textMatrix(1, L::Observaciones + 1); };

        DialogService::queueForm([&](QDialog& ficha) {
            auto* obs = hijo<QPlainTextEdit>(&ficha, QStringLiteral("txtObservaciones"));
            // The head office's own card: a note typed and the mark ticked, written on closing.
            DialogService::queueForm([&](QDialog& segunda) {
                auto* suya = hijo<QPlainTextEdit>(&segunda, QStringLiteral("txtObservaciones"));
                auto* marca = hijo<QCheckBox>(&segunda, QStringLiteral("Check1"));
                suya->moveCursor(QTextCursor::End);
                QTest::keyClicks(suya, QStringLiteral(". PAGA A 60 DIAS"));
                QTest::mouseClick(marca, Qt::LeftButton, {}, casilla(marca));
                QTest::mouseClick(hijo<ImageButton>(&segunda, QStringLiteral("imgCancelar")), Qt::LeftButton);
            });
            QTest::mouseClick(valor(&ficha, L::EmpresaId), Qt::LeftButton);
            QCOMPARE(guardado(sede, L::Observaciones).toString(),
                QStringLiteral("CLIENTE DESDE 2001. PAGA A 60 DIAS"));
            QCOMPARE(guardado(sede, L::Seleccionada).toBool(), true);
            // The guide's row of the head office shows it as stored, mark and all.
            QCOMPARE(grid.flexModel()->cellBackColor(1, 0), bgrColor(0xEAF3F6));
            QCOMPARE(obsGuia(), QStringLiteral("CLIENTE DESDE 2001. PAGA A 60 DIAS"));

            // Back on the guide's card, the same company edited again.
            QTest::mouseClick(hijo<ImageButton>(&ficha, QStringLiteral("cmdAnterior")), Qt::LeftButton);
            QCOMPARE(valor(&ficha, L::Empresa)->text(), QStringLiteral("SEDE NORTE"));
            QCOMPARE(obs->toPlainText(), QStringLiteral("CLIENTE DESDE 2001. PAGA A 60 DIAS"));
            QVERIFY(hijo<QCheckBox>(&ficha, QStringLiteral("Check1"))->isChecked());
            obs->moveCursor(QTextCursor::End);
            QTest::keyClicks(obs, QStringLiteral(". VISITADA"));
            QTest::mouseClick(hijo<ImageButton>(&ficha, QStringLiteral("imgCancelar")), Qt::LeftButton);
        });
        clsFicha().Muestra(rs, &grid);
        QCOMPARE(DialogService::formsShown().size(), 2);
        QCOMPARE(guardado(sede, L::Observaciones).toString(),
            QStringLiteral("CLIENTE DESDE 2001. PAGA A 60 DIAS. VISITADA"));
        QCOMPARE(guardado(sede, L::Seleccionada).toBool(), true);
        // The guide shows what is stored: its marker and its copy of the company.
        QCOMPARE(rs->valueAt(0, L::Seleccionada), QVariant(true));
        QCOMPARE(rs->valueAt(0, L::Observaciones).toString(), guardado(sede, L::Observaciones).toString());
        QCOMPARE(obsGuia(), guardado(sede, L::Observaciones).toString());
        grid.setRow(1);
        grid.setCol(0);
        QCOMPARE(grid.cellBackColor(), bgrColor(0xEAF3F6));
        QVERIFY(DialogService::shown().isEmpty());
        conn().execute(
            QStringLiteral("DELETE FROM tbl_empresas WHERE id_emp IN (%1, %2)").arg(sede).arg(punto));
    }

    void anotherProgramsChangeIsNeverOverwrittenUntold_data()
    {
        QTest::addColumn<QString>("otro");
        QTest::addColumn<DialogService::Answer>("respuesta");
        QTest::addColumn<QString>("queda");
        QTest::newRow("keeps own") << "DE B" << DialogService::Answer::Yes << "NOTA DE A";
        QTest::newRow("takes stored") << "DE B" << DialogService::Answer::No << "DE B";
        QTest::newRow("case is a change") << "nota" << DialogService::Answer::No << "nota";
    }

    // Two programs on one database: the card writes only over what it read.
    void anotherProgramsChangeIsNeverOverwrittenUntold()
    {
        QFETCH(QString, otro);
        QFETCH(QString, queda);
        const qint64 id = inserta(
            {{L::Empresa, QStringLiteral("Dos programas")}, {L::Observaciones, QStringLiteral("NOTA")}});
        Recordset rs;
        const auto ficha = abre(rs, id);
        Connection otroPrograma;
        otroPrograma.open(TestInstallation::databasePath());
        otroPrograma.execute(QStringLiteral("UPDATE tbl_empresas SET observaciones=%1 WHERE id_emp=%2")
                                 .arg(SqlText::literal(otro))
                                 .arg(id));
        auto* obs = hijo<QPlainTextEdit>(ficha.get(), QStringLiteral("txtObservaciones"));
        obs->moveCursor(QTextCursor::End);
        QTest::keyClicks(obs, QStringLiteral(" DE A"));
        QFETCH(DialogService::Answer, respuesta);
        DialogService::queueAnswer(respuesta);
        QTest::mouseClick(hijo<ImageButton>(ficha.get(), QStringLiteral("cmdSiguiente")), Qt::LeftButton);
        QCOMPARE(DialogService::shown().size(), 1);
        QVERIFY(DialogService::shown().first().text.contains(
            QStringLiteral("Otro programa ha cambiado esta empresa")));
        QVERIFY(DialogService::shown().first().text.contains(QStringLiteral("Observaciones: ") + otro));
        QCOMPARE(guardado(id, L::Observaciones).toString(), queda);
        QCOMPARE(obs->toPlainText(), queda);
    }

    // Cards nest: what the head office's head office wrote reaches the guide too.
    void aWriteTwoCardsUpReachesTheGuide()
    {
        const qint64 grupo = inserta(
            {{L::Empresa, QStringLiteral("Grupo Sur")}, {L::Observaciones, QStringLiteral("MATRIZ")}});
        const qint64 sede = inserta({{L::Empresa, QStringLiteral("Sede Sur")}, {L::EmpresaId, grupo}});
        const qint64 punto = inserta({{L::Empresa, QStringLiteral("Punto Sur")}, {L::EmpresaId, sede}});
        clsDatosBD datos;
        QVERIFY(datos.setConexion(&conn()));
        QCOMPARE(datos.setDatos(kSelect
                     + QStringLiteral(" WHERE id_emp IN (%1, %2, %3) ORDER BY id_emp")
                           .arg(grupo)
                           .arg(sede)
                           .arg(punto)),
            3);
        Recordset* rs = datos.getRecordset();
        rs->setAbsolutePosition(3);
        FrmFicha ficha;
        ficha.Muestra(rs, nullptr);
        ficha.show();
        DialogService::queueForm([&](QDialog& segunda) {
            DialogService::queueForm([&](QDialog& tercera) {
                auto* obs = hijo<QPlainTextEdit>(&tercera, QStringLiteral("txtObservaciones"));
                obs->moveCursor(QTextCursor::End);
                QTest::keyClicks(obs, QStringLiteral(" EN SEVILLA"));
                QTest::mouseClick(hijo<ImageButton>(&tercera, QStringLiteral("imgCancelar")), Qt::LeftButton);
            });
            QTest::mouseClick(valor(&segunda, L::EmpresaId), Qt::LeftButton);
            QTest::mouseClick(hijo<ImageButton>(&segunda, QStringLiteral("imgCancelar")), Qt::LeftButton);
        });
        QTest::mouseClick(valor(&ficha, L::EmpresaId), Qt::LeftButton);
        QCOMPARE(DialogService::formsShown().size(), 2);
        QCOMPARE(guardado(grupo, L::Observaciones).toString(), QStringLiteral("MATRIZ EN SEVILLA"));
        QCOMPARE(rs->valueAt(0, L::Observaciones).toString(), QStringLiteral("MATRIZ EN SEVILLA"));
        QTest::mouseClick(hijo<ImageButton>(&ficha, QStringLiteral("imgCancelar")), Qt::LeftButton);
        conn().execute(QStringLiteral("DELETE FROM tbl_empresas WHERE id_emp IN (%1, %2, %3)")
                           .arg(grupo)
                           .arg(sede)
                           .arg(punto));
    }

    // The session ends (logout, shutdown, a terminal closed) as closing the card would: its edit is stored.
    void theEndOfTheSessionStoresTheEdit()
    {
        const SessionEnd fin;
        const qint64 id = primerId(QStringLiteral("1"));
        for (const int senal : {SIGTERM, SIGINT, SIGHUP}) {
            Recordset rs;
            const auto ficha = abre(rs, id);
            const QString marca = QStringLiteral("FIN%1 ").arg(senal);
            QTest::keyClicks(hijo<QPlainTextEdit>(ficha.get(), QStringLiteral("txtObservaciones")), marca);
            QCOMPARE(::raise(senal), 0);
            QTRY_VERIFY(!ficha->isVisible());
            QVERIFY(guardado(id, L::Observaciones).toString().contains(marca));
        }
    }

    // Lines typed on the card are stored with CR LF, as every other program reading the database
    // expects, and the text export still writes the company on one line.
    void observationsAreStoredWithCrLf()
    {
        const qint64 id = inserta(
            {{L::Empresa, QStringLiteral("Dos líneas")}, {L::Observaciones, QStringLiteral("PRIMERA")}});
        {
            Recordset rs;
            const auto ficha = abre(rs, id);
            auto* obs = hijo<QPlainTextEdit>(ficha.get(), QStringLiteral("txtObservaciones"));
            obs->moveCursor(QTextCursor::End);
            QTest::keyClick(obs, Qt::Key_Return);
            QTest::keyClicks(obs, QStringLiteral("SEGUNDA"));
            QTest::keyClick(obs, Qt::Key_Return);
            QTest::keyClicks(obs, QStringLiteral("TERCERA"));
            QTest::mouseClick(hijo<ImageButton>(ficha.get(), QStringLiteral("imgCancelar")), Qt::LeftButton);
        }
        QCOMPARE(TestInstallation::scalar(
                     QStringLiteral("SELECT CAST(observaciones AS BLOB) FROM tbl_empresas WHERE id_emp=%1")
                         .arg(id))
                     .toByteArray(),
            QByteArray("PRIMERA\r\nSEGUNDA\r\nTERCERA"));

        Recordset rs;
        rs.open(kSelect + QStringLiteral(" WHERE id_emp=%1").arg(id), conn());
        QByteArray text;
        QBuffer buffer(&text);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        TextExportWriter writer(true);
        QVERIFY2(writer.write(rs, buffer, {}), qPrintable(writer.errorString()));
        const QList<QByteArray> lines = text.split('\n');
        QCOMPARE(lines.size(), 3); // the titles, the company, and nothing after the last CR LF
        QVERIFY(lines.at(1).endsWith("\tPRIMERA SEGUNDA TERCERA\r"));
        conn().execute(QStringLiteral("DELETE FROM tbl_empresas WHERE id_emp=%1").arg(id));
    }
};

QTEST_MAIN(TestFichaEscritura)
#include "tst_ficha_escritura.moc"
