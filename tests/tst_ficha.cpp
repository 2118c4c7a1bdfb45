#include "DocumentsFolder.h"
#include "card/FrmFicha.h"
#include "card/RecordCardLayout.h"
#include "card/clsFicha.h"
#include "core/clsDatosBD.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/SqlText.h"
#include "platform/os/DesktopOpener.h"
#include "platform/print/PrinterCheck.h"
#include "platform/print/Printers.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/Colors.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/Twips.h"
#include "shell/mdMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <functional>

using L = RecordCardLayout;

namespace {

const QString kSelect = QStringLiteral("SELECT seleccionada, sector, empresa, actividad, cif, autonomia, "
                                       "provincia, poblacion, domicilio, cp, telefono, "
                                       "fax, email, web, cargo_1, contacto_1, cargo_2, contacto_2, "
                                       "superficie, vehiculos, empleados, observaciones, "
                                       "empresa_id FROM tbl_empresas");

const QStringList kColumnas = {QStringLiteral("seleccionada"), QStringLiteral("sector"),
    QStringLiteral("empresa"), QStringLiteral("actividad"), QStringLiteral("cif"),
    QStringLiteral("autonomia"), QStringLiteral("provincia"), QStringLiteral("poblacion"),
    QStringLiteral("domicilio"), QStringLiteral("cp"), QStringLiteral("telefono"), QStringLiteral("fax"),
    QStringLiteral("email"), QStringLiteral("web"), QStringLiteral("cargo_1"), QStringLiteral("contacto_1"),
    QStringLiteral("cargo_2"), QStringLiteral("contacto_2"), QStringLiteral("superficie"),
    QStringLiteral("vehiculos"), QStringLiteral("empleados"), QStringLiteral("observaciones"),
    QStringLiteral("empresa_id")};

using Campos = QMap<int, QVariant>;
using Tops = QMap<int, int>;

QString rutaBase()
{
    return qEnvironmentVariable("TARVESA_PROGRAM_DIR") + QStringLiteral("/DATA/DIdarari.idb");
}

// A company record with the given fields and every other one NULL.
QVariantList registro(const Campos& campos)
{
    QVariantList valores;
    for (int i = 0; i < L::NumCampos; ++i)
        valores.append(i == L::Seleccionada ? QVariant(false) : QVariant());
    for (auto it = campos.cbegin(); it != campos.cend(); ++it)
        valores[it.key()] = it.value();
    return valores;
}

// Where a control stands once placed by its twips on the screen.
int enPantalla(int twips)
{
    return Twips::fromPixels(Twips::toPixels(twips));
}

template<class T> T* hijo(QWidget* ficha, const QString& nombre)
{
    T* w = ficha->findChild<T*>(nombre);
    if (!w)
        qWarning("no control %s", qPrintable(nombre));
    return w;
}

QLabel* valor(QWidget* ficha, int posicion)
{
    for (const L::Diseno& d : L::filas()) {
        if (d.posicion == posicion)
            return hijo<QLabel>(ficha, QString::fromLatin1(d.valor));
    }
    return nullptr;
}

QLabel* titulo(QWidget* ficha, int posicion)
{
    return hijo<QLabel>(ficha, QStringLiteral("lblTitulos_%1").arg(posicion));
}

// On the box itself, where a click ticks it.
QPoint casilla(QWidget* check)
{
    return QPoint(8, check->height() / 2);
}

QString normaliza(QString texto)
{
    return texto.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

} // namespace

class TestFicha : public QObject
{
    Q_OBJECT

private:
    Connection& conn() { return gConexion(); }

    qint64 inserta(const Campos& campos)
    {
        QStringList columnas;
        QStringList valores;
        for (auto it = campos.cbegin(); it != campos.cend(); ++it) {
            columnas.append(kColumnas.at(it.key()));
            const QVariant& v = it.value();
            if (!v.isValid())
                valores.append(QStringLiteral("NULL"));
            else if (v.typeId() == QMetaType::Bool)
                valores.append(v.toBool() ? QStringLiteral("1") : QStringLiteral("0"));
            else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
                valores.append(QString::number(v.toLongLong()));
            else
                valores.append(SqlText::literal(v.toString()));
        }
        conn().execute(QStringLiteral("INSERT INTO tbl_empresas (%1) VALUES (%2)")
                           .arg(columnas.join(QStringLiteral(", ")), valores.join(QStringLiteral(", "))));
        return escalar(QStringLiteral("SELECT max(id_emp) FROM tbl_empresas")).toLongLong();
    }

    QVariant escalar(const QString& sql)
    {
        Recordset rs;
        rs.open(sql, conn());
        return rs.isEOF() ? QVariant() : rs.field(0).value();
    }

    qint64 primerId(const QString& condicion)
    {
        const QVariant id
            = escalar(QStringLiteral("SELECT id_emp FROM tbl_empresas WHERE %1 ORDER BY id_emp LIMIT 1")
                          .arg(condicion));
        return id.isValid() ? id.toLongLong() : -1;
    }

    QVariant guardado(qint64 id, int posicion)
    {
        return escalar(QStringLiteral("SELECT %1 FROM tbl_empresas WHERE id_emp=%2")
                           .arg(kColumnas.at(posicion))
                           .arg(id));
    }

    // The card of one company, shown.
    std::unique_ptr<FrmFicha> abre(Recordset& rs, qint64 id)
    {
        rs.open(kSelect + QStringLiteral(" WHERE id_emp=%1").arg(id), conn());
        auto ficha = std::make_unique<FrmFicha>();
        ficha->Muestra(&rs, nullptr);
        ficha->show();
        return ficha;
    }

    // Every row of the card stands where the layout puts it and shows what the layout says.
    void comparaConDiseno(QWidget* ficha, const L& l)
    {
        for (const L::Diseno& d : L::filas()) {
            const L::Fila& f = l.fila(d.posicion);
            QLabel* v = valor(ficha, d.posicion);
            QLabel* t = titulo(ficha, d.posicion);
            QVERIFY(v && t);
            QCOMPARE(v->isVisibleTo(ficha), f.visible);
            QCOMPARE(t->isVisibleTo(ficha), f.visible);
            if (!f.visible)
                continue;
            QCOMPARE(v->text(), f.texto);
            QCOMPARE(Twips::top(v), enPantalla(f.top));
            QCOMPARE(Twips::top(t), enPantalla(f.top));
            QCOMPARE(Twips::left(v), enPantalla(d.valorLeft));
            QCOMPARE(Twips::left(t), enPantalla(d.tituloLeft));
        }
        auto* contactos = hijo<QLabel>(ficha, QStringLiteral("lblContactos"));
        QCOMPARE(contactos->isVisibleTo(ficha), l.fila(L::Cargo1).visible);
        if (contactos->isVisibleTo(ficha)) {
            QCOMPARE(contactos->text(), l.fila(L::Cargo1).texto);
            QCOMPARE(Twips::top(contactos), enPantalla(l.topContactos()));
        }
        auto* obs = hijo<QPlainTextEdit>(ficha, QStringLiteral("txtObservaciones"));
        QVERIFY(obs->isVisibleTo(ficha));
        QCOMPARE(obs->toPlainText(), l.fila(L::Observaciones).texto);
        QCOMPARE(Twips::top(obs), enPantalla(l.topObservaciones()));
        QCOMPARE(Twips::top(titulo(ficha, L::Observaciones)), enPantalla(l.fila(L::Observaciones).top));
    }

    QVariantList valoresDe(qint64 id)
    {
        Recordset rs;
        rs.open(kSelect + QStringLiteral(" WHERE id_emp=%1").arg(id), conn());
        QVariantList v;
        for (int i = 0; i < L::NumCampos; ++i)
            v.append(rs.field(i).value());
        return v;
    }

private Q_SLOTS:
    void initTestCase()
    {
        DialogService::setScripted(true);
        conn().open(rutaBase());
        QVERIFY(conn().isOpen());
    }

    void init() { DialogService::clearShown(); }

    void cleanup()
    {
        Printers::setPdfOutput(QString());
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
        for (const L::Diseno& d : L::filas()) {
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
            const QVariant nombre
                = escalar(QStringLiteral("SELECT empresa FROM tbl_empresas WHERE id_emp=%1").arg(*clave));
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
    }

    // Paging either way shows the next company from the top, its name in sight.
    void eachCompanyShowsFromTheTop_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<int>("posicion");
        QTest::newRow("next") << "cmdSiguiente" << 3;
        QTest::newRow("previous") << "cmdAnterior" << 1;
    }

    void eachCompanyShowsFromTheTop()
    {
        QFETCH(QString, boton);
        QFETCH(int, posicion);
        Recordset rs;
        rs.open(kSelect + QStringLiteral(" WHERE empresa <> '' ORDER BY id_emp LIMIT 3"), conn());
        rs.setAbsolutePosition(2);
        FrmFicha ficha;
        ficha.Muestra(&rs, nullptr);
        ficha.show();
        auto* barra = hijo<QScrollBar>(&ficha, QStringLiteral("FlatScrollBar1"));
        auto* panel = hijo<QWidget>(&ficha, QStringLiteral("picMovible"));
        auto* vista = hijo<QWidget>(&ficha, QStringLiteral("picFondo"));
        QLabel* nombre = valor(&ficha, L::Empresa);
        QCOMPARE(barra->maximum(), 3800);
        barra->setValue(1200);
        QCOMPARE(Twips::top(panel), -1200);
        QVERIFY(nombre->mapTo(vista, QPoint(0, 0)).y() < 0);

        QTest::mouseClick(hijo<ImageButton>(&ficha, boton), Qt::LeftButton);
        QCOMPARE(rs.absolutePosition(), posicion);
        QCOMPARE(barra->value(), 0);
        QVERIFY(Twips::top(panel) >= -75);
        QVERIFY(nombre->isVisibleTo(&ficha));
        QVERIFY(nombre->mapTo(vista, QPoint(0, 0)).y() >= 0);
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
        ro.open(rutaBase());
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
        ro.open(rutaBase());
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

    // A head office edited on its own card and then, on the guide's card, edited again: the second
    // write builds on the first, never on the guide's old copy.
    void aHeadOfficeEditedOnItsCardStaysEditedFromTheGuide()
    {
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
        grid.setDataSource(rs);
        grid.setRow(2);

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
        grid.setRow(1);
        grid.setCol(0);
        QCOMPARE(grid.cellBackColor(), bgrColor(0xEAF3F6));
        QVERIFY(DialogService::shown().isEmpty());
        conn().execute(
            QStringLiteral("DELETE FROM tbl_empresas WHERE id_emp IN (%1, %2)").arg(sede).arg(punto));
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

    // Centred over the window that opens it, moved only as far as it takes to keep it on the screen
    // (the offscreen screen is 800 x 800; the card 679 x 608).
    void theCardStandsOnTheScreen_data()
    {
        QTest::addColumn<QRect>("ventana");
        QTest::addColumn<QPoint>("esquina");
        QTest::newRow("centred") << QRect(50, 50, 700, 700) << QPoint(60, 96);
        QTest::newRow("not above the screen") << QRect(50, -200, 700, 600) << QPoint(60, 0);
        QTest::newRow("not below it") << QRect(50, 500, 700, 600) << QPoint(60, 192);
        QTest::newRow("not past its right") << QRect(400, 50, 700, 700) << QPoint(121, 96);
        QTest::newRow("not left of it") << QRect(-300, 50, 700, 700) << QPoint(0, 96);
    }

    void theCardStandsOnTheScreen()
    {
        QFETCH(QRect, ventana);
        QFETCH(QPoint, esquina);
        QWidget debajo(nullptr, Qt::FramelessWindowHint);
        debajo.setGeometry(ventana);
        debajo.show();
        QCOMPARE(debajo.screen()->availableGeometry(), QRect(0, 0, 800, 800));
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

    // The wrapping of long observations for printing, on the text as the database keeps it.
    void wrapping_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("lineas");
        const QString a85 = QString(80, QLatin1Char('a')) + QStringLiteral(" bbbb");
        QTest::newRow("85 characters") << a85 << QStringList {a85};
        const QString a86 = QString(80, QLatin1Char('a')) + QStringLiteral(" bbbbb");
        QTest::newRow("86 characters")
            << a86
            << QStringList {QString(80, QLatin1Char('a')) + QLatin1Char(' '), QStringLiteral(" bbbbb")};
        const QString sinBlancos(200, QLatin1Char('x'));
        QTest::newRow("no blank") << sinBlancos << QStringList {sinBlancos};
        const QString blanco120
            = QString(119, QLatin1Char('y')) + QLatin1Char(' ') + QString(30, QLatin1Char('z'));
        QTest::newRow("blank at 120") << blanco120
                                      << QStringList {QString(119, QLatin1Char('y')) + QLatin1Char(' '),
                                             QLatin1Char(' ') + QString(30, QLatin1Char('z'))};
        const QString parrafos = QStringLiteral("Primera línea corta.\r\nSegunda línea, también corta.\r\n")
            + QString(60, QLatin1Char('c')) + QStringLiteral(" tercera");
        QTest::newRow("user line breaks") << parrafos
                                          << QStringList {QStringLiteral("Primera línea corta."),
                                                 QStringLiteral("Segunda línea, también corta."),
                                                 QString(60, QLatin1Char('c')) + QStringLiteral(" tercera")};
        const QString largo = QStringLiteral("palabra ").repeated(30).trimmed();
        QTest::newRow("three lines") << QStringLiteral("   ") + largo + QStringLiteral("  ")
                                     << QStringList {QStringLiteral("palabra ").repeated(10),
                                            QStringLiteral(" ") + QStringLiteral("palabra ").repeated(10),
                                            QStringLiteral(" ") + QStringLiteral("palabra ").repeated(9)
                                                + QStringLiteral("palabra")};
    }

    void wrapping()
    {
        QFETCH(QString, texto);
        QFETCH(QStringList, lineas);
        QCOMPARE(RecordCardLayout::partirObservaciones(texto).split(QStringLiteral("\r\n")), lineas);
    }

    void cancellingThePrinterDialogPrintsNothing()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("ficha.pdf"));
        Printers::setPdfOutput(pdf);
        Recordset rs;
        const auto ficha = abre(rs, 1);
        DialogService::queueAnswer(DialogService::Answer::Cancel);
        QTest::mouseClick(hijo<ImageButton>(ficha.get(), QStringLiteral("cmdImprime")), Qt::LeftButton);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(!BusyPointer::isBusy());
        QVERIFY(ficha->isVisible());
        QCOMPARE(DialogService::shown().size(), 1);
    }

    // Printed for real: every title and value shown is on the page, inside its margins.
    void printsTheCardToPdf_data()
    {
        QTest::addColumn<Campos>("campos");
        QTest::addColumn<int>("paginas");
        const Campos completa {{L::Sector, QStringLiteral("DISTRIBUCION")},
            {L::Empresa, QStringLiteral("Eventos y Banquetes Santiago Ríos - Las Palmas de Gran Canaria")},
            {L::Actividad, QStringLiteral("Distribución de bebidas")}, {L::Cif, QStringLiteral("B35123456")},
            {L::Autonomia, QStringLiteral("Canarias")}, {L::Provincia, QStringLiteral("Las Palmas")},
            {L::Poblacion, QStringLiteral("Las Palmas de Gran Canaria")},
            {L::Domicilio,
                QStringLiteral("Polígono Industrial Las Quemadas, C/ Federico García Lorca, nave 29")},
            {L::Cp, QStringLiteral("35010")}, {L::Telefono, QStringLiteral("928 123 456")},
            {L::Fax, QStringLiteral("928 123 457")},
            {L::Email, QStringLiteral("Pedidos@Banquetes-Santiago.es")},
            {L::Web, QStringLiteral("www.banquetes-santiago.es")},
            {L::Cargo1, QStringLiteral("Director Comercial")},
            {L::Contacto1, QStringLiteral("José Manuel Giménez Molina")},
            {L::Cargo2, QStringLiteral("Compras")}, {L::Contacto2, QStringLiteral("Lucía Peña")},
            {L::Superficie, QStringLiteral("2400")}, {L::Vehiculos, QStringLiteral("14")},
            {L::Empleados, QStringLiteral("85")}, {L::EmpresaId, 1},
            {L::Observaciones,
                QStringLiteral(
                    "Almacén regulador de 2.400 m² con cámaras de frío y flota propia para el reparto diario "
                    "en toda la isla. Ámbito de actuación: Canarias.\r\nHorario de pedidos de lunes a "
                    "viernes.")}};
        QTest::newRow("every field") << completa << 1;
        Campos corta = completa;
        corta.insert(L::Observaciones,
            QStringLiteral("Observación corta, impresa por la caja en su propia letra. ")
                .leftJustified(85, QLatin1Char('.')));
        corta.remove(L::Vehiculos);
        corta.remove(L::Provincia);
        QTest::newRow("short observations, gaps") << corta << 1;
        Campos larga {{L::Empresa, QStringLiteral("Observaciones largas")}};
        QString texto = QString(200, QLatin1Char('X')) + QLatin1Char(' ');
        for (int i = 0; i < 40; ++i)
            texto
                += QStringLiteral("Párrafo %1 de unas observaciones muy largas que siguen y siguen sin parar "
                                  "hasta llenar la hoja entera.\r\n")
                       .arg(i + 1);
        larga.insert(L::Observaciones, texto.trimmed());
        QTest::newRow("observations past the page") << larga << 2;
    }

    void printsTheCardToPdf()
    {
        QFETCH(Campos, campos);
        QFETCH(int, paginas);
        const qint64 id = inserta(campos);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("ficha.pdf"));
        Printers::setPdfOutput(pdf);
        Recordset rs;
        const auto ficha = abre(rs, id);

        DialogService::queueAnswer(DialogService::Answer::Ok);
        QTest::mouseClick(hijo<ImageButton>(ficha.get(), QStringLiteral("cmdImprime")), Qt::RightButton);
        QVERIFY(QFile::exists(pdf));
        QVERIFY(!BusyPointer::isBusy());

        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished());
        const QString crudo = QString::fromUtf8(pdftotext.readAllStandardOutput());
        // pdftotext ends every page with a form feed.
        QCOMPARE(crudo.count(QChar(0x0C)), paginas);
        const QString texto = normaliza(crudo);

        QStringList esperado;
        for (const L::Diseno& d : L::filas()) {
            QLabel* v = valor(ficha.get(), d.posicion);
            if (v->isHidden() || d.posicion == L::EmpresaId)
                continue;
            esperado << QString::fromUtf8(d.titulo) << v->text();
        }
        auto* contactos = hijo<QLabel>(ficha.get(), QStringLiteral("lblContactos"));
        if (!contactos->isHidden())
            esperado << QStringLiteral("Contactos:")
                     << contactos->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        esperado << QStringLiteral("Observaciones:");
        const QString obs
            = hijo<QPlainTextEdit>(ficha.get(), QStringLiteral("txtObservaciones"))->toPlainText();
        for (const QString& palabra :
            obs.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
            if (palabra.size() < 30)
                esperado << palabra;
        }
        for (const QString& e : std::as_const(esperado))
            QVERIFY2(texto.contains(normaliza(e)), qPrintable(e));
        QVERIFY(!texto.contains(QStringLiteral("Seleccionada")));
        QVERIFY(!texto.contains(QStringLiteral("Punto de Venta")));
        // The unbroken run of 200 characters is there, broken only at the margin.
        if (obs.startsWith(QLatin1Char('X')))
            QCOMPARE(texto.count(QLatin1Char('X')), 200);

        // Every word inside the page area: 5 mm at the sides, 3.5 mm at top and bottom.
        QProcess bbox;
        bbox.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        QVERIFY(bbox.waitForFinished());
        const QString html = QString::fromUtf8(bbox.readAllStandardOutput());
        const QRegularExpression pagina(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
        const QRegularExpressionMatch p = pagina.match(html);
        QVERIFY(p.hasMatch());
        const double ancho = p.captured(1).toDouble();
        const double alto = p.captured(2).toDouble();
        const double lado = 5 / 25.4 * 72;
        const double arriba = 3.5 / 25.4 * 72;
        const QRegularExpression palabra(QStringLiteral(
            "xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)<"));
        int palabras = 0;
        // Each paragraph of the observations starts its line at the box's left (300 twips in); only the
        // first follows the long run on a continuation line, which begins with a blank.
        const double izquierdaCaja = lado + 300 / 20.0;
        int alBorde = 0;
        for (auto it = palabra.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            ++palabras;
            const QString w = m.captured(5);
            if (w == QStringLiteral("Párrafo"))
                alBorde += qAbs(m.captured(1).toDouble() - izquierdaCaja) < 0.5;
            QVERIFY2(m.captured(1).toDouble() >= lado - 0.5, qPrintable(w));
            QVERIFY2(m.captured(3).toDouble() <= ancho - lado + 0.5, qPrintable(w));
            QVERIFY2(m.captured(2).toDouble() >= arriba - 0.5, qPrintable(w));
            QVERIFY2(m.captured(4).toDouble() <= alto - arriba + 0.5, qPrintable(w));
        }
        QVERIFY(palabras > 10);
        if (obs.startsWith(QLatin1Char('X')))
            QCOMPARE(alBorde, 39);
    }

    // No print queue: the dialog offers a PDF file named after the company, in the user's documents.
    void withoutAPrintQueueTheCardGoesToAPdfNamedAfterTheCompany()
    {
        const DocumentsFolder documentos;
        PrinterCheck::setMachine(PrinterCheck::Machine {false, true});
        const auto restaura = qScopeGuard([] { PrinterCheck::setMachine(std::nullopt); });
        const qint64 id = inserta({{L::Empresa, QStringLiteral("Hostal L'Estació / Sants")},
            {L::Poblacion, QStringLiteral("Barcelona")}});
        Recordset rs;
        const auto ficha = abre(rs, id);
        DialogService::queueAnswer(DialogService::Answer::Ok);
        QTest::mouseClick(hijo<ImageButton>(ficha.get(), QStringLiteral("cmdImprime")), Qt::LeftButton);
        QCOMPARE(DialogService::shown().size(), 1);
        const QString pdf = QDir(documentos.path()).filePath(QStringLiteral("Hostal L'Estació Sants.pdf"));
        QVERIFY2(QFile::exists(pdf), qPrintable(QDir(documentos.path()).entryList().join(QLatin1Char(','))));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished());
        QVERIFY(QString::fromUtf8(pdftotext.readAllStandardOutput())
                    .contains(QStringLiteral("HOSTAL L'ESTACIÓ")));
        conn().execute(QStringLiteral("DELETE FROM tbl_empresas WHERE id_emp=%1").arg(id));
    }
};

QTEST_MAIN(TestFicha)
#include "tst_ficha.moc"
