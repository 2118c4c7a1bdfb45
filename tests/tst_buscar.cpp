#include "TestInstallation.h"
#include "guide/clsGuia.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/db/SpanishText.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ImageButton.h"
#include "search/SearchCriteria.h"
#include "search/frmBuscar.h"
#include "shell/Pantalla.h"
#include "shell/clsMenu.h"
#include "shell/frmAyudaGrande.h"
#include "shell/mdMain.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>
#include <functional>

namespace {

using List = SearchCriteria::List;

const QString kSelect = QStringLiteral(
    "SELECT seleccionada, sector, empresa, actividad, cif, autonomia, provincia, poblacion, domicilio, cp, "
    "telefono, fax, email, web, cargo_1, contacto_1, cargo_2, contacto_2, superficie, vehiculos, empleados, "
    "observaciones, empresa_id FROM tbl_empresas");

// One company as the searches look at it.
struct Empresa
{
    bool seleccionada = false;
    QString sector, empresa, actividad, autonomia, provincia, poblacion;
};

// What the guide stand-in was asked to show, and what it showed.
struct Guia
{
    int vivas = 0;
    QString sql; // the query shown now
    QString anterior; // the one undo goes back to
    QString titulo;
    QStringList pedidas;
    QList<Empresa> filas; // the companies of the last query asked for
};
Guia g_guia;
int g_portadas = 0;

QList<Empresa> leeEmpresas(const QString& sql)
{
    QList<Empresa> filas;
    Recordset rs;
    rs.open(sql, gConexion());
    for (rs.moveFirst(); !rs.isEOF(); rs.moveNext()) {
        Empresa e;
        e.seleccionada = rs.field(QStringLiteral("seleccionada")).value().toBool();
        e.sector = rs.field(QStringLiteral("sector")).toString();
        e.empresa = rs.field(QStringLiteral("empresa")).toString();
        e.actividad = rs.field(QStringLiteral("actividad")).toString();
        e.autonomia = rs.field(QStringLiteral("autonomia")).toString();
        e.provincia = rs.field(QStringLiteral("provincia")).toString();
        e.poblacion = rs.field(QStringLiteral("poblacion")).toString();
        filas.append(e);
    }
    return filas;
}

// Stands in for the guide: runs the query as the guide's query service does and keeps one undo.
class GuiaDePrueba : public Pantalla
{
public:
    GuiaDePrueba() { ++g_guia.vivas; }
    ~GuiaDePrueba() override { --g_guia.vivas; }
    int setDatosGrid(const QString& sql, const QString& titulo) override
    {
        g_guia.pedidas << sql;
        g_guia.anterior = g_guia.sql;
        g_guia.sql = sql;
        g_guia.titulo = titulo;
        try {
            g_guia.filas = leeEmpresas(sql);
        } catch (const DbError&) {
            g_guia.filas.clear();
        }
        return int(g_guia.filas.size());
    }
    bool deshacer() override
    {
        if (g_guia.anterior.isEmpty())
            return false;
        g_guia.sql = g_guia.anterior;
        g_guia.anterior.clear();
        return true;
    }
    bool esGuia() const override { return true; }
};

class PortadaDePrueba : public Pantalla
{
public:
    PortadaDePrueba() { ++g_portadas; }
    ~PortadaDePrueba() override { --g_portadas; }
};

// Counts the mouse presses that reach each top-level window.
class ContadorDePulsaciones : public QObject
{
public:
    QHash<const QWidget*, int> pulsaciones;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            if (auto* w = qobject_cast<QWidget*>(watched))
                ++pulsaciones[w->window()];
        }
        return false;
    }
};

template<class T> T* control(frmBuscar& form, const char* nombre)
{
    return form.findChild<T*>(QLatin1String(nombre));
}

// Picks an entry the way a user does: opens the list, moves to the entry and presses Enter.
bool elige(QComboBox* lista, const QString& texto)
{
    const int i = lista->findText(texto, Qt::MatchFixedString);
    if (i < 0)
        return false;
    lista->setFocus();
    lista->showPopup();
    QAbstractItemView* vista = lista->view();
    if (!QTest::qWaitFor([vista] { return vista->isVisible(); }))
        return false;
    vista->setCurrentIndex(lista->model()->index(i, 0));
    QTest::keyClick(vista, Qt::Key_Return);
    return !vista->isVisible() && lista->currentIndex() == i;
}

QStringList entradas(const QComboBox* lista)
{
    QStringList textos;
    for (int i = 0; i < lista->count(); ++i)
        textos << lista->itemText(i);
    return textos;
}

void escribe(QLineEdit* caja, const QString& texto)
{
    caja->setFocus();
    caja->selectAll();
    QTest::keyClick(caja, Qt::Key_Delete);
    // Typed when the keyboard can; other characters pasted in.
    if (QString::fromLatin1(texto.toLatin1()) == texto)
        QTest::keyClicks(caja, texto);
    else
        caja->insert(texto);
}

// The distinct values of a column among the given companies, once per spelling that differs only in
// case, in Spanish order: what a list of the form must hold after its empty entry.
QStringList distintos(const QList<Empresa>& empresas, QString Empresa::*columna)
{
    QStringList valores;
    for (const Empresa& e : empresas) {
        if (!(e.*columna).isEmpty())
            valores << e.*columna;
    }
    std::sort(valores.begin(), valores.end(),
        [](const QString& a, const QString& b) { return SpanishText::compare(a, b) < 0; });
    valores.erase(std::unique(valores.begin(), valores.end(),
                      [](const QString& a, const QString& b) { return SpanishText::compare(a, b) == 0; }),
        valores.end());
    return valores;
}

bool mismaLista(const QStringList& a, const QStringList& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (SpanishText::compare(a[i], b[i]) != 0)
            return false;
    }
    return true;
}

bool igual(const QString& a, const QString& b)
{
    return SpanishText::compare(a, b) == 0;
}

} // namespace

class TestBuscar : public QObject
{
    Q_OBJECT

private:
    QList<Empresa> m_todas;

    void arranca()
    {
        QVERIFY(TestInstallation::startProgram(1024));
        // The program starts on the publisher's pages: no guide stand-in is alive.
        g_guia = {};
    }

    // One modal showing of the search form from the menu's search option, with `paso` as the user.
    void busca(std::function<void(frmBuscar&)> paso)
    {
        frmBuscar::encolaGuion(std::move(paso));
        gMenu().Muestra(Screen::Search);
    }

    QList<Empresa> donde(const std::function<bool(const Empresa&)>& cumple) const
    {
        QList<Empresa> filas;
        for (const Empresa& e : m_todas) {
            if (cumple(e))
                filas << e;
        }
        return filas;
    }

    // The spelling of a column's value as the lists offer it, for a value that has companies.
    static QString elQueMasAparece(const QList<Empresa>& empresas, QString Empresa::*columna,
        const std::function<bool(const QString&)>& admite)
    {
        QHash<QString, int> veces;
        for (const Empresa& e : empresas) {
            if (admite(e.*columna))
                ++veces[SpanishText::fold(e.*columna)];
        }
        QString mejor;
        for (auto it = veces.cbegin(); it != veces.cend(); ++it) {
            if (mejor.isEmpty() || it.value() > veces.value(mejor))
                mejor = it.key();
        }
        return mejor;
    }

private Q_SLOTS:
    void initTestCase()
    {
        DialogService::setScripted(true);
        clsMenu::registraBuscador(&frmBuscar::Muestra);
        clsMenu::registraPantalla(Screen::Company, [] { return std::make_unique<PortadaDePrueba>(); });
        clsMenu::registraPantalla(Screen::Guide, [] { return std::make_unique<GuiaDePrueba>(); });
        arranca();
        m_todas = leeEmpresas(kSelect);
        QCOMPARE(
            m_todas.size(), TestInstallation::count(QStringLiteral("SELECT count(*) FROM tbl_empresas")));
    }

    void init()
    {
        arranca();
        DialogService::clearShown();
    }

    void cleanup()
    {
        clsMenu::registraPantalla(Screen::Guide, [] { return std::make_unique<GuiaDePrueba>(); });
    }

    void cleanupTestCase()
    {
        delete gFormMenu.data();
        liberaGlobales();
    }

    // The query and caption builders.

    void consultaYTitulo_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("exacta");
        QTest::addColumn<QStringList>("listas"); // sector, region, province, town, activity
        QTest::addColumn<bool>("seleccionadas");
        QTest::addColumn<QString>("condiciones");
        QTest::addColumn<QString>("titulo");

        const QStringList ninguna(5);
        QTest::newRow("no criteria") << "" << false << ninguna << false << ""
                                     << "";
        QTest::newRow("marked only") << "" << false << ninguna << true << " WHERE  seleccionada=True"
                                     << "  Seleccionadas";
        QTest::newRow("name anywhere")
            << "casa" << false << ninguna << false << " WHERE  empresa LIKE '%casa%'"
            << "  Empresa: *CASA*";
        QTest::newRow("name not trimmed")
            << " mar " << false << ninguna << false << " WHERE  empresa LIKE '% mar %'"
            << "  Empresa: * MAR *";
        QTest::newRow("opening quote: begins with")
            << "\"hotel" << false << ninguna << false << " WHERE  empresa LIKE 'hotel%'"
            << "  Empresa: HOTEL*";
        QTest::newRow("closing quote: ends with")
            << "s.l.\"" << false << ninguna << false << " WHERE  empresa LIKE '%s.l.'"
            << "  Empresa: *S.L.";
        QTest::newRow("both quotes: the whole name, caption as typed")
            << "\"Casa Pepe\"" << false << ninguna << false << " WHERE  empresa LIKE 'Casa Pepe'"
            << "  Empresa: Casa Pepe";
        QTest::newRow("two quotes alone: the empty name")
            << "\"\"" << false << ninguna << false << " WHERE  empresa LIKE ''"
            << "  Empresa: ";
        QTest::newRow("a lone quote is looked for as itself")
            << "\"" << false << ninguna << false << " WHERE  empresa LIKE '%\"%'"
            << "  Empresa: *\"*";
        QTest::newRow("exact word: equality, quotes are part of the name")
            << "Bar \"El Cruce\"" << true << ninguna << false << " WHERE  empresa = 'Bar \"El Cruce\"'"
            << "  Empresa: BAR \"EL CRUCE\"";
        QTest::newRow("name erased: no name condition, ticked or not") << "" << true << ninguna << false << ""
                                                                       << "";
        QTest::newRow("apostrophe in the name")
            << "d'aragón" << false << ninguna << false << " WHERE  empresa LIKE '%d''aragón%'"
            << "  Empresa: *D'ARAGÓN*";
        QTest::newRow("apostrophe, exact word")
            << "D'Or" << true << ninguna << false << " WHERE  empresa = 'D''Or'"
            << "  Empresa: D'OR";
        QTest::newRow("name, sector and town")
            << "mar" << false << QStringList {"HOTELES", "", "", "L'Hospitalet de Llobregat", ""} << false
            << " WHERE  empresa LIKE '%mar%' AND Sector='HOTELES' AND Poblacion='L''Hospitalet de Llobregat'"
            << "  Empresa: *MAR*  Sector: HOTELES  Poblacion: L'HOSPITALET DE LLOBREGAT";
        QTest::newRow("every list and marked, in their order")
            << "" << false
            << QStringList {"catering", "Andalucía", "Málaga", "Vélez-Málaga", "Colectividades"} << true
            << " WHERE  Sector='catering' AND Autonomia='Andalucía' AND Provincia='Málaga' AND "
               "Poblacion='Vélez-Málaga' AND actividad='Colectividades' AND seleccionada=True"
            << "  Sector: CATERING  Autonomia: ANDALUCÍA  Provincia: MÁLAGA  Poblacion: VÉLEZ-MÁLAGA  "
               "Actividad: COLECTIVIDADES  Seleccionadas";
        QTest::newRow("only a province")
            << "" << false << QStringList {"", "", "Ávila", "", ""} << false << " WHERE  Provincia='Ávila'"
            << "  Provincia: ÁVILA";
    }

    void consultaYTitulo()
    {
        QFETCH(QString, nombre);
        QFETCH(bool, exacta);
        QFETCH(QStringList, listas);
        QFETCH(bool, seleccionadas);
        QFETCH(QString, condiciones);
        QFETCH(QString, titulo);
        SearchCriteria c;
        c.nombre = nombre;
        c.palabraExacta = exacta;
        c.sector = listas[0];
        c.autonomia = listas[1];
        c.provincia = listas[2];
        c.poblacion = listas[3];
        c.actividad = listas[4];
        c.soloSeleccionadas = seleccionadas;
        QCOMPARE(c.sql(), kSelect + condiciones);
        QCOMPARE(c.titulo(), titulo);
        // Whatever was typed, the query runs.
        Recordset rs;
        rs.open(c.sql(), gConexion());
        QVERIFY(rs.isOpen());
    }

    void consultasDeLasListas_data()
    {
        QTest::addColumn<int>("lista");
        QTest::addColumn<QStringList>("elegidas"); // sector, region, province, town, activity
        QTest::addColumn<QString>("sql");
        const QStringList ninguna(5);
        QTest::newRow("regions without a sector come from start-up") << int(List::Autonomia) << ninguna << "";
        QTest::newRow("regions of a sector")
            << int(List::Autonomia) << QStringList {"HOTELES", "", "", "", ""}
            << "SELECT DISTINCT(autonomia) FROM tbl_empresas WHERE sector='HOTELES' ORDER BY 1";
        QTest::newRow("every province")
            << int(List::Provincia) << ninguna << "SELECT distinct(provincia) FROM tbl_empresas ORDER BY 1";
        QTest::newRow("towns of a province alone: two blanks after WHERE")
            << int(List::Poblacion) << QStringList {"", "", "Málaga", "", ""}
            << "SELECT distinct(poblacion) FROM tbl_empresas WHERE  Provincia='Málaga' ORDER BY 1";
        QTest::newRow("provinces ignore the lists below them")
            << int(List::Provincia) << QStringList {"VENDING", "Cataluña", "Girona", "Roses", "Bar"}
            << "SELECT distinct(provincia) FROM tbl_empresas WHERE  Sector='VENDING' AND "
               "Autonomia='Cataluña' ORDER BY 1";
        QTest::newRow("activities of a town with an apostrophe")
            << int(List::Actividad)
            << QStringList {"HOTELES", "Cataluña", "Barcelona", "L'Hospitalet de Llobregat", ""}
            << "SELECT distinct(actividad) FROM tbl_empresas WHERE  Sector='HOTELES' AND "
               "Autonomia='Cataluña' AND "
               "Provincia='Barcelona' AND Poblacion='L''Hospitalet de Llobregat' ORDER BY 1";
    }

    void consultasDeLasListas()
    {
        QFETCH(int, lista);
        QFETCH(QStringList, elegidas);
        QFETCH(QString, sql);
        SearchCriteria c;
        c.sector = elegidas[0];
        c.autonomia = elegidas[1];
        c.provincia = elegidas[2];
        c.poblacion = elegidas[3];
        c.actividad = elegidas[4];
        QCOMPARE(c.consultaLista(List(lista)), sql);
    }

    // The form.

    void elFormulario()
    {
        QPointer<frmBuscar> visto;
        bool modal = false;
        QWidget* foco = nullptr;
        QStringList cadena;
        QImage imagen;
        busca([&](frmBuscar& f) {
            visto = &f;
            modal = QApplication::activeModalWidget() == &f;
            foco = f.focusWidget();
            QWidget* w = f.findChild<QLineEdit*>(QStringLiteral("txtNombre"));
            for (int paso = 0; paso < 100 && cadena.size() < 8; ++paso, w = w->nextInFocusChain()) {
                if (w->focusPolicy() & Qt::TabFocus)
                    cadena << w->objectName();
            }
            imagen = f.grab().toImage();
        });
        QVERIFY(visto);
        QVERIFY(!visto->isVisible());
        QVERIFY(modal);
        QCOMPARE(visto->windowTitle(), QStringLiteral("Buscar"));
        QVERIFY(visto->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(foco, control<QLineEdit>(*visto, "txtNombre"));
        QCOMPARE(cadena,
            QStringList({"txtNombre", "Check1", "Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Check2"}));
        QVERIFY(!control<QCheckBox>(*visto, "Check1")->isEnabled());
        QCOMPARE(control<QLabel>(*visto, "Label1_3")->text(), QStringLiteral("Empresa:"));
        QCOMPARE(control<QCheckBox>(*visto, "Check2")->text(), QStringLiteral("Sólo seleccionadas"));
        QCOMPARE(control<ImageButton>(*visto, "imgAceptar")->face(), QStringLiteral("ACEPTAR"));
        QCOMPARE(control<ImageButton>(*visto, "imgCancelar")->face(), QStringLiteral("CANCELAR"));
        QCOMPARE(control<ImageButton>(*visto, "imgAyuda")->face(), QStringLiteral("AYUDA2"));
        QCOMPARE(control<ImageButton>(*visto, "imgAyuda")->size(), QSize(26, 38));
        // The title band of the background picture at the top, the form's colour in the strip below it.
        QCOMPARE(imagen.size(), QSize(489, 399));
        QVERIFY(qGray(imagen.pixel(250, 30)) < 90);
        QCOMPARE(QColor(imagen.pixel(250, 385)), QColor(246, 243, 234));
        QVERIFY(g_guia.pedidas.isEmpty());
    }

    void listasSinEleccion()
    {
        QStringList sectores, regiones, provincias, poblaciones, actividades;
        busca([&](frmBuscar& f) {
            sectores = entradas(control<QComboBox>(f, "Combo5"));
            regiones = entradas(control<QComboBox>(f, "Combo1"));
            provincias = entradas(control<QComboBox>(f, "Combo2"));
            poblaciones = entradas(control<QComboBox>(f, "Combo3"));
            actividades = entradas(control<QComboBox>(f, "Combo4"));
        });
        for (const QStringList* lista : {&sectores, &regiones, &provincias, &poblaciones, &actividades}) {
            QVERIFY(lista->size() > 1);
            QCOMPARE(lista->first(), QString());
        }
        // Spanish order, each value once whatever its case.
        QVERIFY(mismaLista(sectores.mid(1), distintos(m_todas, &Empresa::sector)));
        QVERIFY(mismaLista(regiones.mid(1), distintos(m_todas, &Empresa::autonomia)));
        QVERIFY(mismaLista(provincias.mid(1), distintos(m_todas, &Empresa::provincia)));
        QVERIFY(mismaLista(poblaciones.mid(1), distintos(m_todas, &Empresa::poblacion)));
        QVERIFY(mismaLista(actividades.mid(1), distintos(m_todas, &Empresa::actividad)));
    }

    void laCascada()
    {
        const QString sector
            = elQueMasAparece(m_todas, &Empresa::sector, [](const QString&) { return true; });
        const auto delSector = donde([&](const Empresa& e) { return igual(e.sector, sector); });
        bool bien = true;
        QStringList regiones, provincias, poblaciones, actividades, regionesOtraVez, tras;
        QString region;
        QList<Empresa> deLaRegion;
        busca([&](frmBuscar& f) {
            auto* Combo5 = control<QComboBox>(f, "Combo5");
            auto* Combo1 = control<QComboBox>(f, "Combo1");
            auto* Combo2 = control<QComboBox>(f, "Combo2");
            auto* Combo3 = control<QComboBox>(f, "Combo3");
            auto* Combo4 = control<QComboBox>(f, "Combo4");
            const QStringList todasLasRegiones = entradas(Combo1);
            bien = bien && elige(Combo5, sector);
            regiones = entradas(Combo1);
            provincias = entradas(Combo2);
            poblaciones = entradas(Combo3);
            actividades = entradas(Combo4);
            // A region of the sector: the lists below it follow both choices.
            region = regiones.value(1);
            deLaRegion = donde(
                [&](const Empresa& e) { return igual(e.sector, sector) && igual(e.autonomia, region); });
            bien = bien && elige(Combo1, region);
            tras = entradas(Combo2) + QStringList {QStringLiteral("|")} + entradas(Combo4);
            // Choosing an activity refills nothing.
            const QStringList antes = entradas(Combo1) + entradas(Combo2) + entradas(Combo3);
            bien = bien && elige(Combo4, Combo4->itemText(1));
            bien = bien && antes == entradas(Combo1) + entradas(Combo2) + entradas(Combo3);
            bien = bien && Combo1->currentText() == region && Combo4->currentIndex() == 1;
            // Refilling the sector list on its own does not set off the cascade.
            f.RellenaSector();
            bien = bien && Combo5->currentText().isEmpty() && Combo1->currentText() == region;
            // The empty sector brings the whole start-up list back.
            bien = bien && elige(Combo5, sector) && elige(Combo5, QString());
            regionesOtraVez = entradas(Combo1);
            bien = bien && regionesOtraVez == todasLasRegiones;
        });
        QVERIFY(bien);
        QVERIFY(mismaLista(regiones.mid(1), distintos(delSector, &Empresa::autonomia)));
        QVERIFY(regiones.size() > 2);
        QVERIFY(mismaLista(provincias.mid(1), distintos(delSector, &Empresa::provincia)));
        QVERIFY(mismaLista(poblaciones.mid(1), distintos(delSector, &Empresa::poblacion)));
        QVERIFY(mismaLista(actividades.mid(1), distintos(delSector, &Empresa::actividad)));
        const qsizetype corte = tras.indexOf(QStringLiteral("|"));
        QVERIFY(mismaLista(tras.mid(1, corte - 1), distintos(deLaRegion, &Empresa::provincia)));
        QVERIFY(mismaLista(tras.mid(corte + 2), distintos(deLaRegion, &Empresa::actividad)));
    }

    void apostrofoEnUnaPoblacion()
    {
        const QString pueblo = QStringLiteral("L'Hospitalet de Llobregat");
        const auto esperadas = donde([&](const Empresa& e) { return igual(e.poblacion, pueblo); });
        QVERIFY(!esperadas.isEmpty());
        bool bien = true;
        QStringList actividades;
        busca([&](frmBuscar& f) {
            bien = elige(control<QComboBox>(f, "Combo2"), QStringLiteral("Barcelona"))
                && elige(control<QComboBox>(f, "Combo3"), pueblo);
            actividades = entradas(control<QComboBox>(f, "Combo4"));
            QTest::mouseClick(control<ImageButton>(f, "imgAceptar"), Qt::LeftButton);
        });
        QVERIFY(bien);
        QVERIFY(mismaLista(actividades.mid(1), distintos(esperadas, &Empresa::actividad)));
        QCOMPARE(g_guia.filas.size(), esperadas.size());
        QCOMPARE(
            g_guia.titulo, QStringLiteral("  Provincia: BARCELONA  Poblacion: L'HOSPITALET DE LLOBREGAT"));
        QVERIFY(DialogService::shown().isEmpty());
        QCOMPARE(gMenu().getTipo(), Screen::Guide);
    }

    void acentosYMayusculasEnUnaProvincia()
    {
        // A province with an accent that some companies were typed for in capitals.
        QHash<QString, QSet<QString>> grafias;
        for (const Empresa& e : m_todas) {
            if (e.provincia.contains(QRegularExpression(QStringLiteral("[ÁÉÍÓÚáéíóú]"))))
                grafias[SpanishText::fold(e.provincia)] << e.provincia;
        }
        QString provincia;
        for (auto it = grafias.cbegin(); it != grafias.cend(); ++it) {
            if (it.value().size() > 1 && (provincia.isEmpty() || it.key() < provincia))
                provincia = it.key();
        }
        QVERIFY(!provincia.isEmpty());
        const auto esperadas = donde([&](const Empresa& e) { return igual(e.provincia, provincia); });
        bool bien = true;
        busca([&](frmBuscar& f) {
            bien = elige(control<QComboBox>(f, "Combo2"), provincia);
            QTest::keyClick(control<QComboBox>(f, "Combo2"), Qt::Key_Enter);
        });
        QVERIFY(bien);
        QCOMPARE(g_guia.filas.size(), esperadas.size());
        for (const Empresa& e : g_guia.filas)
            QVERIFY(igual(e.provincia, provincia));
        QCOMPARE(g_guia.titulo, QStringLiteral("  Provincia: ") + provincia.toUpper());
    }

    void busquedasPorNombre_data()
    {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<bool>("exacta");
        QTest::addColumn<int>("esperadas");

        const auto cuenta = [this](const std::function<bool(const QString&)>& cumple) {
            return int(donde([&](const Empresa& e) { return cumple(SpanishText::fold(e.empresa)); }).size());
        };
        const QString nombre = m_todas.value(41).empresa;
        const QString plegado = SpanishText::fold(nombre);
        const QString primera = plegado.section(QLatin1Char(' '), 0, 0);
        const QString ultima = plegado.section(QLatin1Char(' '), -1);
        QString conApostrofo;
        for (const Empresa& e : m_todas) {
            const qsizetype i = e.empresa.indexOf(QLatin1Char('\''));
            if (i > 0) {
                conApostrofo = e.empresa.mid(i - 1, 5).toLower();
                break;
            }
        }
        QVERIFY(!conApostrofo.isEmpty());

        QTest::newRow("anywhere") << primera.toUpper() << false
                                  << cuenta([&](const QString& n) { return n.contains(primera); });
        QTest::newRow("begins with") << QLatin1Char('"') + primera << false
                                     << cuenta([&](const QString& n) { return n.startsWith(primera); });
        QTest::newRow("ends with") << ultima + QLatin1Char('"') << false
                                   << cuenta([&](const QString& n) { return n.endsWith(ultima); });
        QTest::newRow("whole name between quotes") << QLatin1Char('"') + plegado + QLatin1Char('"') << false
                                                   << cuenta([&](const QString& n) { return n == plegado; });
        QTest::newRow("exact word") << nombre.toLower() << true
                                    << cuenta([&](const QString& n) { return n == plegado; });
        QTest::newRow("an apostrophe")
            << conApostrofo << false
            << cuenta([&](const QString& n) { return n.contains(SpanishText::fold(conApostrofo)); });
        QTest::newRow("a lone quote")
            << "\"" << false << cuenta([&](const QString& n) { return n.contains(QLatin1Char('"')); });
    }

    void busquedasPorNombre()
    {
        QFETCH(QString, tecleado);
        QFETCH(bool, exacta);
        QFETCH(int, esperadas);
        if (esperadas == 0)
            DialogService::queueAnswer(DialogService::Answer::No);
        busca([&](frmBuscar& f) {
            escribe(control<QLineEdit>(f, "txtNombre"), tecleado);
            if (exacta)
                QTest::mouseClick(control<QCheckBox>(f, "Check1"), Qt::LeftButton);
            QTest::keyClick(control<QLineEdit>(f, "txtNombre"), Qt::Key_Return);
        });
        QCOMPARE(g_guia.pedidas.size(), 1);
        QVERIFY(g_guia.pedidas.first().contains(
            exacta ? QStringLiteral("empresa = ") : QStringLiteral("empresa LIKE ")));
        QCOMPARE(g_guia.filas.size(), esperadas);
        // Nothing found: the question, answered No, and no new showing.
        QCOMPARE(DialogService::shown().size(), esperadas == 0 ? 1 : 0);
    }

    void soloSeleccionadas()
    {
        QCOMPARE(gConexion().execute(
                     QStringLiteral("UPDATE tbl_empresas SET seleccionada=1 WHERE id_emp IN (3, 333, 3333)")),
            3);
        busca([](frmBuscar& f) {
            QTest::mouseClick(control<QCheckBox>(f, "Check2"), Qt::LeftButton);
            QTest::mouseClick(control<ImageButton>(f, "imgAceptar"), Qt::RightButton);
        });
        gConexion().execute(QStringLiteral("UPDATE tbl_empresas SET seleccionada=0"));
        QCOMPARE(g_guia.filas.size(), 3);
        QCOMPARE(g_guia.titulo, QStringLiteral("  Seleccionadas"));
    }

    void unaBusquedaSinResultados()
    {
        // A first search fills the guide.
        busca([](frmBuscar& f) {
            QVERIFY(elige(control<QComboBox>(f, "Combo2"), QStringLiteral("Barcelona")));
            QTest::keyClick(&f, Qt::Key_Return);
        });
        const QString primera = g_guia.sql;
        QVERIFY(!g_guia.filas.isEmpty());

        // One that finds nothing goes back to it and asks; No leaves everything as it was.
        int mostrado = 0;
        DialogService::queueAnswer(DialogService::Answer::No);
        busca([&](frmBuscar& f) {
            ++mostrado;
            escribe(control<QLineEdit>(f, "txtNombre"), QStringLiteral("zzqxw"));
            QTest::keyClick(control<QComboBox>(f, "Combo3"), Qt::Key_Return);
        });
        QCOMPARE(mostrado, 1);
        QCOMPARE(g_guia.sql, primera);
        QCOMPARE(g_guia.vivas, 1);
        QCOMPARE(gMenu().getTipo(), Screen::Guide);
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().text,
            QStringLiteral(
                "Ninguna Empresa Cumple las Condiciones Impuestas. ¿Desea Realizar Otra búqueda?"));
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Exclamation);

        // Yes shows the form again, once, with the criteria as they were.
        DialogService::clearShown();
        DialogService::queueAnswer(DialogService::Answer::Yes);
        QString otraVez;
        frmBuscar::encolaGuion([&](frmBuscar& f) {
            ++mostrado;
            QTest::keyClick(control<QLineEdit>(f, "txtNombre"), Qt::Key_Enter);
        });
        frmBuscar::encolaGuion([&](frmBuscar& f) {
            ++mostrado;
            otraVez = f.criterios().nombre;
        });
        gMenu().Muestra(Screen::Search);
        QCOMPARE(mostrado, 3);
        QCOMPARE(otraVez, QStringLiteral("zzqxw"));
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(g_guia.sql, primera);
    }

    void desdeLasPaginasDeLaEditorial()
    {
        QCOMPARE(g_portadas, 1);
        QCOMPARE(gMenu().getTipo(), Screen::Company);
        busca([](frmBuscar& f) {
            QVERIFY(elige(control<QComboBox>(f, "Combo1"), QStringLiteral("Galicia")));
            QTest::mouseClick(control<ImageButton>(f, "imgAceptar"), Qt::LeftButton);
        });
        QCOMPARE(g_portadas, 0);
        QCOMPARE(g_guia.vivas, 1);
        QCOMPARE(gMenu().getTipo(), Screen::Guide);
        QCOMPARE(gFormMenu->findChild<QLabel*>(QStringLiteral("imgStatus"))->property("picture").toString(),
            QStringLiteral("GUIA1024"));
        QCOMPARE(g_guia.filas.size(),
            donde([](const Empresa& e) { return igual(e.autonomia, QStringLiteral("Galicia")); }).size());
    }

    void teclasEnLasListas()
    {
        bool abierta = false;
        bool cerradaAlBuscar = false;
        QString elegida;
        busca([&](frmBuscar& f) {
            auto* Combo2 = control<QComboBox>(f, "Combo2");
            Combo2->setFocus();
            QTest::keyClick(Combo2, Qt::Key_M);
            abierta = Combo2->view()->isVisible();
            elegida = Combo2->currentText();
            Combo2->hidePopup();
            // Enter in a list searches and opens nothing.
            QTest::keyClick(Combo2, Qt::Key_Return);
            cerradaAlBuscar = !Combo2->view()->isVisible() && !f.isVisible();
        });
        QVERIFY(abierta);
        QVERIFY(elegida.startsWith(QLatin1Char('M'), Qt::CaseInsensitive));
        QVERIFY(cerradaAlBuscar);
        QCOMPARE(g_guia.titulo, QStringLiteral("  Provincia: ") + elegida.toUpper());

        // Esc hides the form without a search.
        g_guia.pedidas.clear();
        busca([](frmBuscar& f) {
            auto* Combo4 = control<QComboBox>(f, "Combo4");
            Combo4->setFocus();
            QTest::keyClick(Combo4, Qt::Key_Escape);
            QVERIFY(!f.isVisible());
        });
        QVERIFY(g_guia.pedidas.isEmpty());
    }

    void laPalabraExactaSigueAlNombre()
    {
        QList<bool> estados;
        busca([&](frmBuscar& f) {
            auto* txtNombre = control<QLineEdit>(f, "txtNombre");
            auto* Check1 = control<QCheckBox>(f, "Check1");
            QTest::keyClicks(txtNombre, QStringLiteral("bar"));
            estados << Check1->isEnabled();
            QTest::mouseClick(Check1, Qt::LeftButton);
            escribe(txtNombre, QString());
            estados << Check1->isEnabled() << Check1->isChecked();
            QTest::keyClicks(txtNombre, QStringLiteral("x"));
            estados << Check1->isEnabled() << Check1->isChecked();
        });
        QCOMPARE(estados, QList<bool>({true, false, true, true, true}));
    }

    void elFormularioGuardaLoQueSeDejo()
    {
        QString region;
        busca([&](frmBuscar& f) {
            escribe(control<QLineEdit>(f, "txtNombre"), QStringLiteral("Hotel"));
            QTest::mouseClick(control<QCheckBox>(f, "Check1"), Qt::LeftButton);
            QTest::mouseClick(control<QCheckBox>(f, "Check2"), Qt::LeftButton);
            QVERIFY(elige(control<QComboBox>(f, "Combo5"), QStringLiteral("HOTELES")));
            region = control<QComboBox>(f, "Combo1")->itemText(1);
            QVERIFY(elige(control<QComboBox>(f, "Combo1"), region));
            QTest::mouseClick(control<ImageButton>(f, "imgCancelar"), Qt::MiddleButton);
        });
        QVERIFY(g_guia.pedidas.isEmpty());
        SearchCriteria vuelta;
        bool activa = false;
        busca([&](frmBuscar& f) {
            vuelta = f.criterios();
            activa = control<QCheckBox>(f, "Check1")->isEnabled();
        });
        QCOMPARE(vuelta.nombre, QStringLiteral("Hotel"));
        QVERIFY(vuelta.palabraExacta && activa);
        QVERIFY(vuelta.soloSeleccionadas);
        QVERIFY(igual(vuelta.sector, QStringLiteral("HOTELES")));
        QCOMPARE(vuelta.autonomia, region);
    }

    void carasDeLosBotones()
    {
        QStringList caras;
        busca([&](frmBuscar& f) {
            auto* aceptar = control<ImageButton>(f, "imgAceptar");
            auto* ayuda = control<ImageButton>(f, "imgAyuda");
            // Straight to the form's window: the pointer of the offscreen platform may find the menu first.
            QWindow* ventana = f.windowHandle();
            QTest::mouseMove(ventana, aceptar->mapTo(&f, QPoint(5, 5)));
            caras << aceptar->face() << ayuda->face();
            QTest::mouseMove(ventana, ayuda->mapTo(&f, QPoint(5, 5)));
            caras << aceptar->face() << ayuda->face();
            QTest::mouseMove(ventana, QPoint(200, 330));
            caras << aceptar->face() << ayuda->face();
        });
        QCOMPARE(caras, QStringList({"RACEPTAR", "AYUDA2", "RACEPTAR", "RAYUDA2", "ACEPTAR", "AYUDA2"}));
    }

    void elFormularioYSuAyudaSeCentranSobreElMenu()
    {
        QPoint centroFormulario, centroAyuda;
        busca([&](frmBuscar& f) {
            centroFormulario = f.frameGeometry().center();
            QTest::mouseClick(control<ImageButton>(f, "imgAyuda"), Qt::LeftButton);
            const auto ventanas = QApplication::topLevelWidgets();
            for (QWidget* w : ventanas) {
                if (auto* a = qobject_cast<frmAyudaGrande*>(w); a && a->isVisible()) {
                    centroAyuda = a->geometry().center();
                    a->close();
                }
            }
        });
        const QPoint centroMenu = gFormMenu->frameGeometry().center();
        // The menu form does not stand at the middle of the screen, so the two can be told apart.
        QVERIFY(centroMenu != QGuiApplication::primaryScreen()->geometry().center());
        QCOMPARE(centroFormulario, centroMenu);
        QCOMPARE(centroAyuda, centroMenu);
    }

    // Centred when first shown; moved by the user, it opens again where it was left, unless that is
    // off every screen.
    void elFormularioVuelveDondeSeDejo()
    {
        QPoint primera, movida, segunda, tercera;
        busca([&](frmBuscar& f) {
            primera = f.frameGeometry().center();
            f.move(f.pos() + QPoint(-70, 45));
            movida = f.pos();
        });
        busca([&](frmBuscar& f) {
            segunda = f.pos();
            f.move(-5000, -5000);
        });
        busca([&](frmBuscar& f) { tercera = f.frameGeometry().center(); });
        QCOMPARE(primera, gFormMenu->frameGeometry().center());
        QCOMPARE(segunda, movida);
        QCOMPARE(tercera, primera);
    }

    void laAyudaSigueUsableJuntoAlFormulario()
    {
        QPointer<frmAyudaGrande> ayuda;
        QString pagina, texto;
        bool formularioAbierto = false;
        bool modal = false;
        ContadorDePulsaciones contador;
        busca([&](frmBuscar& f) {
            QTest::mouseClick(control<ImageButton>(f, "imgAyuda"), Qt::LeftButton);
            const auto ventanas = QApplication::topLevelWidgets();
            for (QWidget* w : ventanas) {
                if (auto* a = qobject_cast<frmAyudaGrande*>(w); a && a->isVisible())
                    ayuda = a;
            }
            if (!ayuda)
                return;
            pagina = ayuda->navegador()->source().toLocalFile();
            texto = ayuda->navegador()->toPlainText();
            formularioAbierto = f.isVisible();
            modal = QApplication::activeModalWidget() == &f;
            // Input reaches the help window; the menu form under the modal form gets none.
            qApp->installEventFilter(&contador);
            QTest::mouseClick(ayuda->windowHandle(), Qt::LeftButton, {}, QPoint(40, 40));
            QTest::mouseClick(gFormMenu->windowHandle(), Qt::LeftButton, {}, QPoint(40, 40));
            qApp->removeEventFilter(&contador);
        });
        QVERIFY(ayuda);
        QVERIFY(formularioAbierto && modal);
        QVERIFY(pagina.endsWith(QStringLiteral("AYUDA/buscar.htm")));
        QVERIFY(texto.contains(QStringLiteral("Sólo seleccionadas")));
        QVERIFY(contador.pulsaciones.value(ayuda.data()) > 0);
        QCOMPARE(contador.pulsaciones.value(gFormMenu.data()), 0);
        ayuda->close();
        QTRY_VERIFY(!ayuda);
    }

    // The same searches handed to the real guide.

    void conLaGuia()
    {
        clsMenu::registraPantalla(Screen::Guide, [] { return std::make_unique<clsGuia>(); });
        const QString pueblo = QStringLiteral("L'Hospitalet de Llobregat");
        const auto delPueblo = donde([&](const Empresa& e) { return igual(e.poblacion, pueblo); });

        // From the publisher pages: the search opens the guide on its companies.
        QCOMPARE(gMenu().getTipo(), Screen::Company);
        busca([&](frmBuscar& f) {
            QVERIFY(elige(control<QComboBox>(f, "Combo3"), pueblo));
            QTest::mouseClick(control<ImageButton>(f, "imgAceptar"), Qt::LeftButton);
        });
        auto* guia = dynamic_cast<clsGuia*>(gMenu().pantalla());
        QVERIFY(guia);
        QCOMPARE(gMenu().getTipo(), Screen::Guide);
        QCOMPARE(g_portadas, 0);
        auto* grid = TestInstallation::guideGrid();
        QVERIFY(grid);
        QCOMPARE(grid->rows(), int(delPueblo.size()) + 1);
        QCOMPARE(guia->getTitulo(), QStringLiteral("  Poblacion: L'HOSPITALET DE LLOBREGAT"));
        QVERIFY(DialogService::shown().isEmpty());

        // Nothing found: back to the town's companies, the question, and No keeps them.
        DialogService::queueAnswer(DialogService::Answer::No);
        busca([](frmBuscar& f) {
            escribe(control<QLineEdit>(f, "txtNombre"), QStringLiteral("zzqxw"));
            QTest::keyClick(control<QLineEdit>(f, "txtNombre"), Qt::Key_Return);
        });
        QCOMPARE(gMenu().pantalla(), guia);
        QCOMPARE(grid->rows(), int(delPueblo.size()) + 1);
        QCOMPARE(guia->getTitulo(), QStringLiteral("  Poblacion: L'HOSPITALET DE LLOBREGAT"));
        QCOMPARE(gMenu().getTipo(), Screen::Guide);
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Exclamation);

        // A name with an apostrophe and a province in other capitals and accents. One such company in
        // the province and one outside it, whatever the sample holds.
        DialogService::clearShown();
        gConexion().execute(
            QStringLiteral("INSERT INTO tbl_empresas (seleccionada, sector, empresa, autonomia, provincia, "
                           "poblacion) VALUES "
                           "(0, 'HOTELES', 'Bodega L''Empordà', 'Cataluña', 'Barcelona', 'Barcelona'), "
                           "(0, 'HOTELES', 'Café L''Olla', 'Cataluña', 'Girona', 'Girona')"));
        const auto retira = qScopeGuard([] {
            gConexion().execute(QStringLiteral(
                "DELETE FROM tbl_empresas WHERE empresa IN ('Bodega L''Empordà', 'Café L''Olla')"));
        });
        const int esperadas = TestInstallation::count(QStringLiteral(
            "SELECT COUNT(*) FROM tbl_empresas WHERE provincia = 'BARCELONA' AND empresa LIKE '%l''%'"));
        QVERIFY(esperadas >= 1);
        busca([](frmBuscar& f) {
            escribe(control<QLineEdit>(f, "txtNombre"), QStringLiteral("L'"));
            QVERIFY(elige(control<QComboBox>(f, "Combo3"), QString()));
            QVERIFY(elige(control<QComboBox>(f, "Combo2"), QStringLiteral("BARCELONA")));
            QTest::keyClick(&f, Qt::Key_Enter);
        });
        QVERIFY(DialogService::shown().isEmpty());
        QCOMPARE(grid->rows(), esperadas + 1);
        QStringList nombres;
        for (int fila = 1; fila < grid->rows(); ++fila) {
            nombres << grid->textMatrix(fila, 3);
            QVERIFY(nombres.last().contains(QLatin1Char('\'')));
        }
        QVERIFY(nombres.contains(QStringLiteral("Bodega L'Empordà")));
        QVERIFY(!nombres.contains(QStringLiteral("Café L'Olla")));
        QCOMPARE(guia->getTitulo(), QStringLiteral("  Empresa: *L'*  Provincia: BARCELONA"));
    }
};

QTEST_MAIN(TestBuscar)
#include "tst_buscar.moc"
