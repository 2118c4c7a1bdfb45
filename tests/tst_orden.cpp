#include "TestInstallation.h"
#include "core/clsDatosBD.h"
#include "guide/GuideQueries.h"
#include "guide/clsGuia.h"
#include "output/clsOrdenar.h"
#include "output/frmOrden.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/Twips.h"
#include "shell/clsMenu.h"
#include "shell/mdMain.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {

const QString kTodas = GuideQueries::selectList() + QStringLiteral("FROM tbl_empresas");

using TestInstallation::guideGrid;

void pulsa(QWidget* w)
{
    QVERIFY(w);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2));
}

ImageButton* boton(QDialog& form, const char* nombre)
{
    return ControlRegistry::find<ImageButton>(&form, QString::fromLatin1(nombre));
}

QPushButton* opcion(QDialog& form, int i)
{
    return form.findChild<QPushButton*>(QStringLiteral("optCampo%1").arg(i));
}

// What the open form shows: the chosen option's index (-1 none) and the two direction faces.
struct Preset
{
    int opcion = -2;
    QString ascendente;
    QString descendente;
};

Preset lee(QDialog& form)
{
    Preset p;
    p.opcion = -1;
    for (int i = 0; i < frmOrden::kOpciones; ++i) {
        if (opcion(form, i)->isChecked())
            p.opcion = i;
    }
    p.ascendente = form.findChild<ImageButton*>(QStringLiteral("imgOrden0"))->face();
    p.descendente = form.findChild<ImageButton*>(QStringLiteral("imgOrden1"))->face();
    return p;
}

// The values of one column of a recordset, in its order.
QStringList columna(const Recordset& rs, int posicion)
{
    QStringList valores;
    for (int r = 0; r < rs.recordCount(); ++r)
        valores << rs.textAt(r, posicion);
    return valores;
}

} // namespace

class TestOrden : public QObject
{
    Q_OBJECT

private:
    void arranca()
    {
        QVERIFY(TestInstallation::showGuide());
        QVERIFY(dynamic_cast<clsGuia*>(gMenu().pantalla()));
        QVERIFY(guideGrid()->dataSource());
    }

    // Runs the guide's sort button with `paso` driving the dialog.
    void ordenaDesdeLaGuia(std::function<void(QDialog&)> paso)
    {
        DialogService::queueForm(std::move(paso));
        pulsa(TestInstallation::control(QStringLiteral("ordenar")));
    }

private Q_SLOTS:
    void initTestCase()
    {
        DialogService::setScripted(true);
        clsMenu::registraPantalla(Screen::Guide, [] { return std::make_unique<clsGuia>(); });
    }

    void init()
    {
        DialogService::clearShown();
        arranca();
    }

    void cleanupTestCase()
    {
        delete gFormMenu.data();
        liberaGlobales();
    }

    void sortsTheGuideAndReopensOnIt_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<int>("sentido");
        const char* const rotulos[] = {"Empresa", "Actividad", "Direccion", "Comunidad", "Provincia",
            "Poblacion", "C.P.", "Telefono", "E-Mail", "Web", "CIF", "Fax"};
        for (int i = 0; i < frmOrden::kOpciones; ++i) {
            QTest::addRow("%s ascending", rotulos[i]) << i << 0;
            QTest::addRow("%s descending", rotulos[i]) << i << 1;
        }
    }

    void sortsTheGuideAndReopensOnIt()
    {
        QFETCH(int, indice);
        QFETCH(int, sentido);
        Recordset* rs = guideGrid()->dataSource();
        ordenaDesdeLaGuia([&](QDialog& form) {
            pulsa(opcion(form, indice));
            pulsa(form.findChild<ImageButton*>(QStringLiteral("imgOrden%1").arg(sentido)));
            pulsa(boton(form, "iaceptar"));
        });
        QVERIFY(!DialogService::formsShown().isEmpty());
        QCOMPARE(DialogService::formsShown().constLast(), QStringLiteral("frmOrden"));

        // Against the database's own order for the same term.
        const int posicion = frmOrden::posicionCampo(indice);
        const QString termino
            = rs->fieldName(posicion) + (sentido == 0 ? QStringLiteral(" ASC") : QStringLiteral(" DESC"));
        QVERIFY2(rs->source().endsWith(QStringLiteral("ORDER BY ") + termino), qPrintable(rs->source()));
        Recordset esperado;
        esperado.open(kTodas + QStringLiteral(" ORDER BY ") + termino, gConexion());
        QCOMPARE(rs->recordCount(), esperado.recordCount());
        QCOMPARE(columna(*rs, posicion), columna(esperado, posicion));
        // The grid shows the sorted companies.
        QCOMPARE(guideGrid()->dataSource(), rs);
        QCOMPARE(guideGrid()->textMatrix(1, posicion + 1), esperado.textAt(0, posicion));

        // Reopened, the dialog shows the order in force.
        Preset visto;
        ordenaDesdeLaGuia([&](QDialog& form) {
            visto = lee(form);
            pulsa(boton(form, "icancelar"));
        });
        QCOMPARE(visto.opcion, indice);
        QCOMPARE(
            visto.ascendente, sentido == 0 ? QStringLiteral("MASCENDENTE") : QStringLiteral("ASCENDENTE"));
        QCOMPARE(
            visto.descendente, sentido == 1 ? QStringLiteral("MDESCENDENTE") : QStringLiteral("DESCENDENTE"));
    }

    void presetAfterAHeaderSort_data()
    {
        QTest::addColumn<QStringList>("cabeceras");
        QTest::addColumn<int>("opcion");
        QTest::addColumn<int>("sentido");
        QTest::newRow("not sorted yet") << QStringList() << 0 << 0;
        QTest::newRow("telefono") << QStringList {"telefono"} << 7 << 0;
        QTest::newRow("telefono twice") << QStringList {"telefono", "telefono"} << 7 << 1;
        QTest::newRow("cif then email") << QStringList {"cif", "email"} << 8 << 0;
        QTest::newRow("sector, no option") << QStringList {"sector"} << -1 << 0;
        QTest::newRow("sector twice, no option") << QStringList {"sector", "sector"} << -1 << 1;
        QTest::newRow("the mark, no option") << QStringList {"seleccionada"} << -1 << 0;
    }

    void presetAfterAHeaderSort()
    {
        QFETCH(QStringList, cabeceras);
        QFETCH(int, opcion);
        QFETCH(int, sentido);
        clsDatosBD datos;
        QVERIFY(datos.setConexion(&gConexion()));
        datos.setDatos(kTodas);
        // A click on a heading hands the bare field name.
        for (QString campo : cabeceras)
            datos.setOrden(campo);
        Preset visto;
        DialogService::queueForm([&](QDialog& form) {
            visto = lee(form);
            pulsa(boton(form, "icancelar"));
        });
        const QString antes = datos.getRecordset()->source();
        QVERIFY(!clsOrdenar().Muestra(&datos, nullptr));
        QCOMPARE(visto.opcion, opcion);
        QCOMPARE(visto.ascendente == QStringLiteral("MASCENDENTE"), sentido == 0);
        QCOMPARE(visto.descendente == QStringLiteral("MDESCENDENTE"), sentido == 1);
        // Cancel leaves the query as it was.
        QCOMPARE(datos.getRecordset()->source(), antes);
    }

    void acceptWithNoOptionKeepsTheFieldWithTheChosenDirection()
    {
        clsDatosBD datos;
        QVERIFY(datos.setConexion(&gConexion()));
        datos.setDatos(kTodas);
        QString campo = QStringLiteral("sector");
        datos.setOrden(campo);
        DialogService::queueForm([](QDialog& form) {
            pulsa(form.findChild<ImageButton*>(QStringLiteral("imgOrden1")));
            pulsa(boton(form, "iaceptar"));
        });
        QVERIFY(clsOrdenar().Muestra(&datos, nullptr));
        QVERIFY2(datos.getRecordset()->source().endsWith(QStringLiteral("ORDER BY sector DESC")),
            qPrintable(datos.getRecordset()->source()));
        Recordset esperado;
        esperado.open(kTodas + QStringLiteral(" ORDER BY sector DESC"), gConexion());
        QCOMPARE(columna(*datos.getRecordset(), 1), columna(esperado, 1));
    }

    void acceptWithoutChangesRunsTheSameSortAgain()
    {
        clsDatosBD datos;
        QVERIFY(datos.setConexion(&gConexion()));
        datos.setDatos(kTodas + QStringLiteral(" ORDER BY poblacion DESC"));
        DialogService::queueForm([](QDialog& form) { pulsa(boton(form, "iaceptar")); });
        QVERIFY(clsOrdenar().Muestra(&datos, nullptr));
        QVERIFY(datos.getRecordset()->source().endsWith(QStringLiteral("ORDER BY poblacion DESC")));
    }

    void cancelChangesNothingAndASortGoesBackToTheFirstRow()
    {
        FlexGrid* g = guideGrid();
        Recordset* rs = g->dataSource();
        g->setTopRow(40);
        g->setRow(57);
        rs->setAbsolutePosition(57);
        const QString fuente = rs->source();
        ordenaDesdeLaGuia([](QDialog& form) { pulsa(boton(form, "icancelar")); });
        QCOMPARE(rs->source(), fuente);
        QCOMPARE(g->row(), 57);
        QCOMPARE(g->topRow(), 40);
        QCOMPARE(rs->absolutePosition(), 57);

        ordenaDesdeLaGuia([](QDialog& form) {
            pulsa(opcion(form, 5));
            pulsa(boton(form, "iaceptar"));
        });
        QVERIFY(rs->source() != fuente);
        QCOMPARE(g->row(), 1);
        QCOMPARE(g->topRow(), 1);
        QCOMPARE(rs->absolutePosition(), 1);
    }

    void cancelAfterAFailedQuerySaysNothing()
    {
        auto* guia = dynamic_cast<clsGuia*>(gMenu().pantalla());
        QCOMPARE(
            guia->setDatosGrid(kTodas + QStringLiteral(" WHERE no_such_column = 1"), QStringLiteral("x")),
            clsGuia::kConsultaFallida);
        DialogService::clearShown();
        ordenaDesdeLaGuia([](QDialog& form) { pulsa(boton(form, "icancelar")); });
        QVERIFY(DialogService::shown().isEmpty());
    }

    void enterAndEscDoNothing()
    {
        bool abierto = false;
        ordenaDesdeLaGuia([&](QDialog& form) {
            QTest::keyClick(&form, Qt::Key_Return);
            QTest::keyClick(&form, Qt::Key_Escape);
            abierto = form.isVisible();
            pulsa(boton(form, "icancelar"));
        });
        QVERIFY(abierto);
    }

    void buttonsSitByTheRule()
    {
        ordenaDesdeLaGuia([](QDialog& form) {
            ImageButton* aceptar = boton(form, "iaceptar");
            ImageButton* cancelar = boton(form, "icancelar");
            QVERIFY(aceptar->isVisible() && cancelar->isVisible());
            QCOMPARE(Twips::top(cancelar), Twips::height(&form) - 750);
            QCOMPARE(Twips::top(aceptar), Twips::top(cancelar));
            // To the pixel: twips become whole pixels.
            QVERIFY(qAbs(Twips::left(cancelar) + Twips::width(cancelar) - (Twips::width(&form) - 550))
                < Twips::kPerPixel);
            QVERIFY(qAbs(Twips::left(aceptar) + Twips::width(aceptar) - (Twips::left(cancelar) - 300))
                < Twips::kPerPixel);
            // Roll-over faces, restored over the bare form.
            Q_EMIT aceptar->mouseMoved();
            QCOMPARE(aceptar->face(), QStringLiteral("RACEPTAR"));
            QMouseEvent fondo(QEvent::MouseMove, QPointF(5, form.height() / 2),
                form.mapToGlobal(QPointF(5, form.height() / 2)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&form, &fondo);
            QCOMPARE(aceptar->face(), QStringLiteral("ACEPTAR"));
            pulsa(cancelar);
        });
    }
};

QTEST_MAIN(TestOrden)
#include "tst_orden.moc"
