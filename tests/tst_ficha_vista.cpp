#include "CardFixture.h"
#include "card/clsFicha.h"
#include "platform/os/DesktopOpener.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/ImageButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

using namespace CardFixture;

// The record card: what it shows of a company, where it stands, its links and buttons.
class TestFichaVista : public QObject
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

    void cleanup()
    {
        DesktopOpener::setHandler({});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Laying out: rows stack from the top without gaps; the right-hand column shares a row.
    void layoutRules_data()
    {
        QTest::addColumn<Campos>("campos");
        QTest::addColumn<Tops>("tops");
        QTest::addColumn<int>("observaciones");

        QTest::newRow("only the name")
            << Campos {{L::Empresa, QStringLiteral("Bar Uno")}} << Tops {{L::Empresa, 100}} << 420;
        QTest::newRow("no name") << Campos {{L::Sector, QStringLiteral("HOTELES")}} << Tops {{L::Sector, 100}}
                                 << 420;
        QTest::newRow("vehicles without surface")
            << Campos {{L::Empresa, QStringLiteral("Trans")}, {L::Sector, QStringLiteral("TRANSPORTE")},
                   {L::Vehiculos, QStringLiteral("12")}, {L::Empleados, QStringLiteral("30")}}
            << Tops {{L::Empresa, 100}, {L::Sector, 420}, {L::Vehiculos, 740}, {L::Empleados, 1060}} << 1380;
        QTest::newRow("vehicles beside the surface")
            << Campos {{L::Empresa, QStringLiteral("Trans")}, {L::Superficie, QStringLiteral("800")},
                   {L::Vehiculos, QStringLiteral("12")}, {L::Empleados, QStringLiteral("30")}}
            << Tops {{L::Empresa, 100}, {L::Superficie, 420}, {L::Vehiculos, 420}, {L::Empleados, 740}}
            << 1060;
        QTest::newRow("postcode without province")
            << Campos {{L::Empresa, QStringLiteral("Hotel")}, {L::Poblacion, QStringLiteral("Ceuta")},
                   {L::Cp, QStringLiteral("51001")}, {L::Autonomia, QStringLiteral("Ceuta")}}
            << Tops {{L::Empresa, 100}, {L::Poblacion, 420}, {L::Cp, 740}, {L::Autonomia, 1060}} << 1380;
        QTest::newRow("postcode beside the province")
            << Campos {{L::Empresa, QStringLiteral("Hotel")}, {L::Provincia, QStringLiteral("Málaga")},
                   {L::Cp, QStringLiteral("29001")}}
            << Tops {{L::Empresa, 100}, {L::Provincia, 420}, {L::Cp, 420}} << 740;
        QTest::newRow("blanks are a value")
            << Campos {{L::Empresa, QStringLiteral("X")}, {L::Fax, QStringLiteral("  ")}}
            << Tops {{L::Empresa, 100}, {L::Fax, 420}} << 740;
        QTest::newRow("contacts block") << Campos {{L::Empresa, QStringLiteral("X")},
            {L::Cargo1, QStringLiteral("Gerente")}, {L::Contacto1, QStringLiteral("Ana")}}
                                        << Tops {{L::Empresa, 100}, {L::Cargo1, 420}} << 1560;
        QTest::newRow("every row") << Campos {{L::Sector, QStringLiteral("s")},
            {L::Empresa, QStringLiteral("e")}, {L::Actividad, QStringLiteral("a")},
            {L::Cif, QStringLiteral("c")}, {L::Autonomia, QStringLiteral("a")},
            {L::Provincia, QStringLiteral("p")}, {L::Poblacion, QStringLiteral("p")},
            {L::Domicilio, QStringLiteral("d")}, {L::Cp, QStringLiteral("1")},
            {L::Telefono, QStringLiteral("t")}, {L::Fax, QStringLiteral("f")},
            {L::Email, QStringLiteral("e@x.es")}, {L::Web, QStringLiteral("x.es")},
            {L::Superficie, QStringLiteral("1")}, {L::Vehiculos, QStringLiteral("2")},
            {L::Empleados, QStringLiteral("3")}, {L::EmpresaId, 7}, {L::Cargo2, QStringLiteral("c")}}
                                   << Tops {{L::Empresa, 100}, {L::Cif, 420}, {L::Sector, 740},
                                          {L::Actividad, 1060}, {L::Superficie, 1380}, {L::Vehiculos, 1380},
                                          {L::Empleados, 1700}, {L::Domicilio, 2020}, {L::Poblacion, 2340},
                                          {L::Provincia, 2660}, {L::Cp, 2660}, {L::Autonomia, 2980},
                                          {L::Telefono, 3300}, {L::Fax, 3620}, {L::Email, 3940},
                                          {L::Web, 4260}, {L::EmpresaId, 4580}, {L::Cargo1, 4900}}
                                   << 6040;
    }

    void layoutRules()
    {
        QFETCH(Campos, campos);
        QFETCH(Tops, tops);
        QFETCH(int, observaciones);
        const L l = L::calcula(registro(campos), QStringLiteral("(SEDE)"));
        Tops visibles;
        for (const L::Placement& d : L::filas()) {
            if (l.fila(d.posicion).visible)
                visibles.insert(d.posicion, l.fila(d.posicion).top);
        }
        if (l.fila(L::Cargo1).visible)
            visibles.insert(L::Cargo1, l.fila(L::Cargo1).top);
        QCOMPARE(visibles, tops);
        QCOMPARE(l.fila(L::Observaciones).top, observaciones);
        QCOMPARE(l.topObservaciones(), observaciones + 250);
        if (l.fila(L::Cargo1).visible)
            QCOMPARE(l.topContactos(), l.fila(L::Cargo1).top + 250);
    }

    void texts()
    {
        const L l = L::calcula(
            registro({{L::Empresa, QStringLiteral("Café Ñandú")}, {L::Email, QStringLiteral("Info@Cafe.ES")},
                {L::Web, QStringLiteral("WWW.Cafe.es")}, {L::Poblacion, QStringLiteral("L'Hospitalet")},
                {L::Observaciones, QStringLiteral("Abierto en Agosto.\r\nCierra Lunes")},
                {L::EmpresaId, 12}}),
            QStringLiteral("(Grupo Café)"));
        QCOMPARE(l.fila(L::Empresa).texto, QStringLiteral("CAFÉ ÑANDÚ"));
        QCOMPARE(l.fila(L::Poblacion).texto, QStringLiteral("L'HOSPITALET"));
        QCOMPARE(l.fila(L::Email).texto, QStringLiteral("Info@Cafe.ES"));
        QCOMPARE(l.fila(L::Web).texto, QStringLiteral("WWW.Cafe.es"));
        QCOMPARE(l.fila(L::EmpresaId).texto, QStringLiteral("(Grupo Café)"));
        // Observations keep the case they were typed in.
        QCOMPARE(l.fila(L::Observaciones).texto, QStringLiteral("Abierto en Agosto.\nCierra Lunes"));
        QCOMPARE(l.seleccionada(), std::optional<bool>(false));
    }

    void headOfficeRow_data()
    {
        QTest::addColumn<QVariant>("empresaId");
        QTest::addColumn<std::optional<QString>>("sede");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("texto");
        QTest::newRow("found") << QVariant(12) << std::optional<QString>(QStringLiteral("(SEDE)")) << true
                               << QStringLiteral("(SEDE)");
        QTest::newRow("names nobody")
            << QVariant(999999) << std::optional<QString>(QString()) << true << QString();
        QTest::newRow("no link") << QVariant(QStringLiteral("abc")) << std::optional<QString>() << false
                                 << QString();
        QTest::newRow("absent") << QVariant() << std::optional<QString>(QStringLiteral("(SEDE)")) << false
                                << QString();
    }

    void headOfficeRow()
    {
        QFETCH(QVariant, empresaId);
        QFETCH(std::optional<QString>, sede);
        QFETCH(bool, visible);
        QFETCH(QString, texto);
        const L l
            = L::calcula(registro({{L::Empresa, QStringLiteral("X")}, {L::EmpresaId, empresaId}}), sede);
        QCOMPARE(l.fila(L::EmpresaId).visible, visible);
        QCOMPARE(l.fila(L::EmpresaId).texto, texto);
    }

    void headOfficeKey_data()
    {
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<qint64>("clave"); // -1: none
        QTest::newRow("integer") << QVariant(qint64(12)) << qint64(12);
        QTest::newRow("digits") << QVariant(QStringLiteral("12")) << qint64(12);
        QTest::newRow("digits and blanks") << QVariant(QStringLiteral(" 7 ")) << qint64(7);
        QTest::newRow("word") << QVariant(QStringLiteral("abc")) << qint64(-1);
        QTest::newRow("digits then text") << QVariant(QStringLiteral("12abc")) << qint64(-1);
        QTest::newRow("injection") << QVariant(QStringLiteral("1 OR 1=1")) << qint64(-1);
        QTest::newRow("negative") << QVariant(QStringLiteral("-3")) << qint64(-1);
        QTest::newRow("decimal") << QVariant(QStringLiteral("1.5")) << qint64(-1);
        QTest::newRow("empty") << QVariant(QString()) << qint64(-1);
        QTest::newRow("NULL") << QVariant() << qint64(-1);
    }

    void headOfficeKey()
    {
        QFETCH(QVariant, valor);
        QFETCH(qint64, clave);
        const std::optional<qint64> k = L::claveSede(valor);
        QCOMPARE(k.value_or(-1), clave);
    }

    void contactBlock_data()
    {
        QTest::addColumn<QStringList>("contactos"); // post 1, name 1, post 2, name 2; "-" is NULL
        QTest::addColumn<QString>("texto");
        QTest::newRow("both") << QStringList {"Gerente", "Ana Ruiz", "Compras", "Luis"}
                              << QStringLiteral("GERENTE: ANA RUIZ\nCOMPRAS: LUIS");
        QTest::newRow("first only") << QStringList {"Gerente", "Ana", "-", "-"}
                                    << QStringLiteral("GERENTE: ANA\n");
        QTest::newRow("post without name dropped")
            << QStringList {"Gerente", "-", "Compras", "Luis"} << QStringLiteral("COMPRAS: LUIS");
        QTest::newRow("name without post")
            << QStringList {"-", "Ana", "Compras", "Luis"} << QStringLiteral("ANA\nCOMPRAS: LUIS");
        QTest::newRow("second post without name")
            << QStringList {"Gerente", "Ana", "Compras", "-"} << QStringLiteral("GERENTE: ANA\nCOMPRAS: ");
        QTest::newRow("second name only") << QStringList {"-", "-", "-", "Luis"} << QStringLiteral("LUIS");
        QTest::newRow("first post only") << QStringList {"Gerente", "-", "-", "-"} << QString();
        QTest::newRow("none") << QStringList {"-", "-", "-", "-"} << QString();
        QTest::newRow("line breaks inside the fields") << QStringList {"Jefe\r\nde sala", "Ana\nRuiz", "-",
            "Luis\r"} << QStringLiteral("JEFE DE SALA: ANA RUIZ\nLUIS");
    }

    void contactBlock()
    {
        QFETCH(QStringList, contactos);
        QFETCH(QString, texto);
        Campos campos {{L::Empresa, QStringLiteral("X")}};
        for (int i = 0; i < 4; ++i) {
            if (contactos.at(i) != QLatin1String("-"))
                campos.insert(L::Cargo1 + i, contactos.at(i));
        }
        const L l = L::calcula(registro(campos), std::nullopt);
        QCOMPARE(l.fila(L::Cargo1).texto, texto);
        QCOMPARE(l.fila(L::Cargo1).visible, !texto.isEmpty());
        QCOMPARE(l.fila(L::Observaciones).top, texto.isEmpty() ? 420 : 420 + 840 + 300);
    }

    // Sample rows of the database and rows made for the purpose, shown on the real card.
    void cardShowsRows_data()
    {
        QTest::addColumn<QString>("condicion");
        QTest::addColumn<Campos>("campos"); // inserted when there is no condition
        QTest::newRow("vehicles without surface")
            << QStringLiteral("vehiculos <> '' AND (superficie IS NULL OR superficie = '')") << Campos();
        QTest::newRow("surface and vehicles")
            << QStringLiteral("vehiculos <> '' AND superficie <> ''") << Campos();
        QTest::newRow("name without post")
            << QStringLiteral("contacto_1 <> '' AND (cargo_1 IS NULL OR cargo_1 = '')") << Campos();
        QTest::newRow("point of sale") << QStringLiteral("empresa_id IS NOT NULL") << Campos();
        QTest::newRow("long observations") << QStringLiteral("length(observaciones) > 150") << Campos();
        QTest::newRow("only the name")
            << QString() << Campos {{L::Empresa, QStringLiteral("Sólo Nombre, S.L.")}};
        QTest::newRow("postcode without province")
            << QString()
            << Campos {{L::Empresa, QStringLiteral("Sin Provincia")},
                   {L::Poblacion, QStringLiteral("Melilla")}, {L::Cp, QStringLiteral("52001")}};
        QTest::newRow("post without name")
            << QString()
            << Campos {{L::Empresa, QStringLiteral("Contactos")}, {L::Cargo1, QStringLiteral("Gerente")},
                   {L::Cargo2, QStringLiteral("Jefe de Compras")},
                   {L::Contacto2, QStringLiteral("Luis Peña")}};
        QTest::newRow("second post without name")
            << QString()
            << Campos {{L::Empresa, QStringLiteral("Contactos 2")}, {L::Cargo1, QStringLiteral("Gerente")},
                   {L::Contacto1, QStringLiteral("Ana")}, {L::Cargo2, QStringLiteral("Compras")}};
        QTest::newRow("head office missing")
            << QString() << Campos {{L::Empresa, QStringLiteral("Franquicia")}, {L::EmpresaId, 987654}};
        QTest::newRow("head office not a number")
            << QString()
            << Campos {{L::Empresa, QStringLiteral("Franquicia")}, {L::EmpresaId, QStringLiteral("sede")}};
        QTest::newRow("blank fields") << QString()
                                      << Campos {{L::Empresa, QStringLiteral("Blancos")},
                                             {L::Fax, QStringLiteral("   ")}, {L::Web, QString()}};
    }

    void cardShowsRows()
    {
        QFETCH(QString, condicion);
        QFETCH(Campos, campos);
        const qint64 id = condicion.isEmpty() ? inserta(campos) : primerId(condicion);
        QVERIFY2(id > 0, "no sample row");
        const QVariantList valores = valoresDe(id);

        // What the head-office link must show, looked up here by its key.
        std::optional<QString> sede;
        if (const auto clave = L::claveSede(valores.at(L::EmpresaId))) {
            const QVariant nombre = TestInstallation::scalar(
                QStringLiteral("SELECT empresa FROM tbl_empresas WHERE id_emp=%1").arg(*clave));
            sede = nombre.isValid() ? QLatin1Char('(') + nombre.toString() + QLatin1Char(')') : QString();
        }
        Recordset rs;
        const auto ficha = abre(rs, id);
        comparaConDiseno(ficha.get(), L::calcula(valores, sede));

        if (condicion.startsWith(QLatin1String("empresa_id"))) {
            QVERIFY(valor(ficha.get(), L::EmpresaId)->isVisibleTo(ficha.get()));
            QVERIFY(valor(ficha.get(), L::EmpresaId)->text().startsWith(QLatin1Char('(')));
        }
        if (campos.value(L::EmpresaId) == QVariant(987654)) {
            QVERIFY(titulo(ficha.get(), L::EmpresaId)->isVisibleTo(ficha.get()));
            QCOMPARE(valor(ficha.get(), L::EmpresaId)->text(), QString());
        }
        if (campos.value(L::EmpresaId) == QVariant(QStringLiteral("sede")))
            QVERIFY(!titulo(ficha.get(), L::EmpresaId)->isVisibleTo(ficha.get()));
        // The card itself shows its name and the mark.
        QCOMPARE(hijo<QCheckBox>(ficha.get(), QStringLiteral("Check1"))->isChecked(), valores.at(0).toBool());
        QVERIFY(DialogService::shown().isEmpty());
    }

    // A field is one line on the card: a line break stored in it never runs into the row below.
    void storedLineBreaksShowOnOneLine_data()
    {
        QTest::addColumn<QString>("domicilio");
        QTest::addColumn<QString>("linea");
        QTest::newRow("CR LF") << "Calle Mayor 12\r\nPortal B"
                               << "CALLE MAYOR 12 PORTAL B";
        QTest::newRow("LF and a tab") << "Calle Mayor 12\n\tPortal B"
                                      << "CALLE MAYOR 12 PORTAL B";
        QTest::newRow("CR at the end") << "Calle Mayor 12\r"
                                       << "CALLE MAYOR 12";
    }

    void storedLineBreaksShowOnOneLine()
    {
        QFETCH(QString, domicilio);
        QFETCH(QString, linea);
        const qint64 id = inserta({{L::Empresa, QStringLiteral("Dos Líneas")}, {L::Domicilio, domicilio},
            {L::Poblacion, QStringLiteral("Sevilla")}});
        Recordset rs;
        const auto ficha = abre(rs, id);
        QLabel* calle = valor(ficha.get(), L::Domicilio);
        QLabel* pueblo = valor(ficha.get(), L::Poblacion);
        QTEST(calle->text(), "linea");
        QVERIFY2(calle->geometry().bottom() < pueblo->geometry().top(), qPrintable(calle->text()));
    }

    void headOfficeLinkNeverShowsThePreviousOne()
    {
        const qint64 puntoDeVenta = primerId(QStringLiteral("empresa_id IS NOT NULL"));
        const qint64 raro
            = inserta({{L::Empresa, QStringLiteral("ZZ Punto raro")}, {L::EmpresaId, QStringLiteral("x1")}});
        Recordset rs;
        rs.open(
            kSelect + QStringLiteral(" WHERE id_emp IN (%1, %2) ORDER BY id_emp").arg(puntoDeVenta).arg(raro),
            conn());
        FrmFicha ficha;
        ficha.Muestra(&rs, nullptr);
        ficha.show();
        QVERIFY(!valor(&ficha, L::EmpresaId)->text().isEmpty());
        QTest::mouseClick(hijo<ImageButton>(&ficha, QStringLiteral("cmdSiguiente")), Qt::LeftButton);
        QCOMPARE(rs.absolutePosition(), 2);
        QVERIFY(!valor(&ficha, L::EmpresaId)->isVisibleTo(&ficha));
        QCOMPARE(valor(&ficha, L::EmpresaId)->text(), QString());
        // Paging acts on both releases of a double click: the second goes past the end.
        QTest::mouseClick(hijo<ImageButton>(&ficha, QStringLiteral("cmdAnterior")), Qt::LeftButton);
        dobleClic(hijo<ImageButton>(&ficha, QStringLiteral("cmdSiguiente")));
        QCOMPARE(rs.absolutePosition(), 2);
        QVERIFY(!hijo<ImageButton>(&ficha, QStringLiteral("cmdSiguiente"))->isEnabled());
    }

    // A card opens on its company's top; paging either way, or past either end, keeps the panel where
    // the user scrolled it.
    void pagingKeepsThePanelsScrollPosition_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<int>("desde");
        QTest::addColumn<int>("posicion");
        QTest::newRow("next") << "cmdSiguiente" << 2 << 3;
        QTest::newRow("previous") << "cmdAnterior" << 2 << 1;
        QTest::newRow("past the end") << "cmdSiguiente" << 3 << 3;
        QTest::newRow("past the beginning") << "cmdAnterior" << 1 << 1;
    }

    void pagingKeepsThePanelsScrollPosition()
    {
        QFETCH(QString, boton);
        QFETCH(int, desde);
        QFETCH(int, posicion);
        Recordset rs;
        rs.open(kSelect + QStringLiteral(" WHERE empresa <> '' ORDER BY id_emp LIMIT 3"), conn());
        rs.setAbsolutePosition(desde);
        FrmFicha ficha;
        auto* barra = hijo<QScrollBar>(&ficha, QStringLiteral("FlatScrollBar1"));
        auto* panel = hijo<QWidget>(&ficha, QStringLiteral("picMovible"));
        barra->setValue(800);
        ficha.Muestra(&rs, nullptr);
        ficha.show();
        QCOMPARE(barra->value(), 0);
        QVERIFY(
            valor(&ficha, L::Empresa)->mapTo(hijo<QWidget>(&ficha, QStringLiteral("picFondo")), QPoint()).y()
            >= 0);
        QCOMPARE(barra->maximum(), 3800);
        barra->setValue(1200);
        QCOMPARE(Twips::top(panel), -1200);

        QTest::mouseClick(hijo<ImageButton>(&ficha, boton), Qt::LeftButton);
        QCOMPARE(rs.absolutePosition(), posicion);
        QCOMPARE(barra->value(), 1200);
        QCOMPARE(Twips::top(panel), -1200);
    }

    // The wheel anywhere on the card's panel scrolls it, as its scroll bar does.
    void theWheelScrollsThePanel_data()
    {
        QTest::addColumn<QString>("sobre");
        QTest::newRow("a title") << "lblTitulos_2";
        QTest::newRow("a value") << "lblEmpresa";
        QTest::newRow("the panel") << "picMovible";
        QTest::newRow("the card's frame") << "FrmFicha";
    }

    void theWheelScrollsThePanel()
    {
        QFETCH(QString, sobre);
        Recordset rs;
        rs.open(kSelect + QStringLiteral(" WHERE empresa <> '' ORDER BY id_emp LIMIT 1"), conn());
        FrmFicha ficha;
        ficha.Muestra(&rs, nullptr);
        ficha.show();
        auto* barra = hijo<QScrollBar>(&ficha, QStringLiteral("FlatScrollBar1"));
        auto* panel = hijo<QWidget>(&ficha, QStringLiteral("picMovible"));
        QWidget* destino = sobre == ficha.objectName() ? &ficha : hijo<QWidget>(&ficha, sobre);
        auto rueda = [&](int delta) {
            const QPointF punto(2, 2);
            QWheelEvent e(punto, destino->mapToGlobal(punto), QPoint(), QPoint(0, delta), Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(destino, &e);
        };
        rueda(-120); // towards the user: down the card
        QVERIFY(barra->value() > 0);
        QCOMPARE(Twips::top(panel), enPantalla(-barra->value()));
        const int bajado = barra->value();
        rueda(-120);
        QVERIFY(barra->value() > bajado);
        for (int i = 0; i < 40; ++i)
            rueda(-120);
        QCOMPARE(barra->value(), barra->maximum());
        for (int i = 0; i < 40; ++i)
            rueda(120);
        QCOMPARE(barra->value(), 0);
    }

    // Centred over the window that opens it, moved only as far as it takes to keep it on the screen
    // (the offscreen screen is 800 x 800; the card 679 x 608).
    void theCardStandsOnTheScreen_data()
    {
        QTest::addColumn<QRect>("ventana");
        QTest::addColumn<QPoint>("esquina");
        QTest::newRow("centred") << QRect(50, 50, 700, 700) << QPoint(60, 96);
        QTest::newRow("not above the screen") << QRect(50, -200, 700, 600) << QPoint(60, 0);
        QTest::newRow("not below it") << QRect(50, 700, 700, 600) << QPoint(60, 1024 - 608);
        QTest::newRow("not past its right") << QRect(900, 50, 700, 700) << QPoint(1280 - 679, 96);
        QTest::newRow("not left of it") << QRect(-300, 50, 700, 700) << QPoint(0, 96);
    }

    void theCardStandsOnTheScreen()
    {
        QFETCH(QRect, ventana);
        QFETCH(QPoint, esquina);
        QWidget debajo(nullptr, Qt::FramelessWindowHint);
        debajo.setGeometry(ventana);
        debajo.show();
        QCOMPARE(debajo.screen()->availableGeometry(), QRect(0, 0, 1280, 1024));
        Recordset rs;
        rs.open(kSelect + QStringLiteral(" WHERE empresa <> '' ORDER BY id_emp LIMIT 1"), conn());
        QRect sitio;
        DialogService::queueForm([&](QDialog& ficha) { sitio = ficha.frameGeometry(); });
        clsFicha().Muestra(&rs, nullptr, &debajo);
        QCOMPARE(sitio.size(), QSize(679, 608));
        QCOMPARE(sitio.topLeft(), esquina);
    }

    void linksGoOutInLowerCase()
    {
        const qint64 id = inserta({{L::Empresa, QStringLiteral("Enlaces")},
            {L::Email, QStringLiteral("Info@Enlaces.ES")}, {L::Web, QStringLiteral("WWW.Enlaces.es")}});
        QList<QUrl> abiertas;
        DesktopOpener::setHandler([&](const QUrl& url) {
            abiertas.append(url);
            return true;
        });
        Recordset rs;
        const auto ficha = abre(rs, id);
        QLabel* correo = valor(ficha.get(), L::Email);
        QLabel* web = valor(ficha.get(), L::Web);
        QCOMPARE(correo->text(), QStringLiteral("Info@Enlaces.ES"));
        QTest::mouseClick(correo, Qt::RightButton);
        QVERIFY(abiertas.isEmpty());
        QTest::mouseClick(correo, Qt::LeftButton);
        QTest::mouseClick(web, Qt::LeftButton);
        QCOMPARE(abiertas.size(), 2);
        QCOMPARE(abiertas.at(0).toString(), QStringLiteral("mailto:info@enlaces.es"));
        QVERIFY(abiertas.at(1).toString().contains(QStringLiteral("www.enlaces.es")));
        // A double click opens the link once.
        dobleClic(web);
        QCOMPARE(abiertas.size(), 3);
    }

    void noCompanyNoCard()
    {
        Recordset vacio;
        vacio.open(kSelect + QStringLiteral(" WHERE id_emp < 0"), conn());
        clsFicha().Muestra(&vacio, nullptr);
        clsFicha().Muestra(nullptr, nullptr);
        QCOMPARE(DialogService::shown().size(), 2);
        QCOMPARE(DialogService::shown().first().text, QStringLiteral("No hay ninguna empresa seleccionada"));
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Information);
        QVERIFY(DialogService::formsShown().isEmpty());
    }

    void facesAndRollover()
    {
        Recordset rs;
        rs.open(kSelect + QStringLiteral(" WHERE id_emp <= 2"), conn());
        FrmFicha ficha;
        ficha.Muestra(&rs, nullptr);
        ficha.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ficha));
        auto* anterior = hijo<ImageButton>(&ficha, QStringLiteral("cmdAnterior"));
        auto* siguiente = hijo<ImageButton>(&ficha, QStringLiteral("cmdSiguiente"));
        auto* imprime = hijo<ImageButton>(&ficha, QStringLiteral("cmdImprime"));
        QCOMPARE(anterior->face(), QStringLiteral("ANTERIOR"));
        QCOMPARE(imprime->face(), QStringLiteral("IMPRIMIR"));
        QTest::mouseMove(siguiente);
        QTRY_COMPARE(siguiente->face(), QStringLiteral("RSIGUIENTE"));
        QTest::mouseMove(anterior);
        QTRY_COMPARE(anterior->face(), QStringLiteral("RANTERIOR"));
        QCOMPARE(siguiente->face(), QStringLiteral("SIGUIENTE"));
        // Only the background gives every button its normal face back.
        QTest::mouseMove(&ficha, QPoint(5, ficha.height() - 5));
        QTRY_COMPARE(anterior->face(), QStringLiteral("ANTERIOR"));
        // Escape does not close the card.
        QTest::keyClick(&ficha, Qt::Key_Escape);
        QVERIFY(ficha.isVisible());
    }
};

QTEST_MAIN(TestFichaVista)
#include "tst_ficha_vista.moc"
