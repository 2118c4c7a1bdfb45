#include "guide/clsGuia.h"

#include "card/clsFicha.h"
#include "core/clsDatosBD.h"
#include "guide/DocumentExplorer.h"
#include "guide/GridBinding.h"
#include "guide/GuideGrid.h"
#include "guide/GuideLayout.h"
#include "guide/SectorMenu.h"
#include "output/clsExportar.h"
#include "output/clsOrdenar.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/Colors.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/MouseEvents.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/ScreenKit.h"
#include "platform/ui/Twips.h"
#include "printing/clsEtiquetas.h"
#include "printing/clsListado.h"
#include "printing/clsSobres.h"
#include "resources/Pictures.h"
#include "shell/clsVentanas.h"
#include "shell/clsWeb.h"
#include "shell/frmWhile.h"
#include "shell/mdMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace {

const QColor kPagina = bgrColor(0xEAF3F6);
const QString kCampoNombre = QStringLiteral("empresa");
const QString kCorreoBD = QStringLiteral("basededatos@korvan.example.es");

template<class T> T* agrega(const QString& nombre, QWidget* contenedor = nullptr)
{
    return ControlRegistry::add<T>(gFormMenu, nombre, contenedor);
}

QRect twipsOf(const QWidget* w)
{
    return w ? QRect(Twips::left(w), Twips::top(w), Twips::width(w), Twips::height(w)) : QRect();
}

} // namespace

clsGuia::clsGuia()
{
    {
        const BusyPointer::Scope busy;
        creaControles();
        pintaPantalla();
        for (PictureBox* pagina : {m_pantalla.data(), m_explorador->pagina()}) {
            if (pagina)
                pagina->setBackColor(kPagina);
        }
    }
    m_sectorActual = GuideQueries::kNoSector;
}

clsGuia::~clsGuia()
{
    const BusyPointer::Scope busy;
    // Each part takes its own controls away; what lies inside the page goes with it.
    m_barra.reset();
    m_explorador.reset();
    m_sectores.reset();
    ControlRegistry::remove(gFormMenu, m_lblRegistros.data());
    ControlRegistry::remove(gFormMenu, m_pantalla.data());
}

void clsGuia::creaControles()
{
    m_pantalla = agrega<PictureBox>(QStringLiteral("guia"));
    m_explorador = std::make_unique<DocumentExplorer>(gFormMenu);
    m_mfgDatos = agrega<FlexGrid>(QStringLiteral("mfgdatos"), m_pantalla);
    m_lblRegistros = agrega<QLabel>(QStringLiteral("registros"));
    m_lblTitulo = agrega<QLabel>(QStringLiteral("titulo"), m_pantalla);
    m_lblMail = agrega<QLabel>(QStringLiteral("mail"), m_pantalla);
    m_txtBusqueda = agrega<QLineEdit>(QStringLiteral("busqueda"), m_pantalla);
    m_lblBusqueda = agrega<QLabel>(QStringLiteral("lbusqueda"), m_pantalla);
    m_barra = std::make_unique<GuideToolbar>(gFormMenu);
    m_sectores = std::make_unique<SectorMenu>(gFormMenu, m_pantalla);
    m_lblCabecera = agrega<QLabel>(QStringLiteral("cabecera"), m_pantalla);

    if (m_mfgDatos) {
        connect(m_mfgDatos, &FlexGrid::mouseMoved, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, double x, double) { mfgDatos_MouseMove(x); });
        connect(m_mfgDatos, &FlexGrid::clicked, this, &clsGuia::mfgDatos_Click);
        connect(m_mfgDatos, &FlexGrid::doubleClicked, this, &clsGuia::mfgDatos_DblClick);
    }
    if (m_txtBusqueda)
        connect(m_txtBusqueda, &QLineEdit::textChanged, this, &clsGuia::txtBusqueda_Change);
    if (m_lblMail)
        MouseEvents::of(m_lblMail).onClick([this] { correo(); });
    connect(m_barra.get(), &GuideToolbar::triggered, this, &clsGuia::actua);
    connect(m_sectores.get(), &SectorMenu::chosen, this, &clsGuia::eligeSector);
    if (m_pantalla)
        connect(m_pantalla, &PictureBox::mouseMoved, this, &clsGuia::pantalla_MouseMove);
}

void clsGuia::pintaPantalla()
{
    clsVentanas& ventanas = gVentanas();
    ventanas.colocaPantalla(m_pantalla);
    ventanas.colocaPantalla(m_explorador->pagina());
    const int codigo = ventanas.getResolucion();
    const GuideLayout::Settings ajustes = GuideLayout::settingsFor(codigo);
    const QRect pagina = twipsOf(m_pantalla);

    if (m_lblTitulo) {
        ScreenKit::caption(m_lblTitulo, QStringLiteral("Puede contactar con el dpto. de BD en "),
            Fonts::font(QStringLiteral("Arial"), 8, false, true),
            m_lblTitulo->palette().color(QPalette::WindowText));
        Twips::move(m_lblTitulo, GuideLayout::kContactLeft, GuideLayout::contactTop(pagina.height()));
        m_lblTitulo->show();
    }
    if (m_lblMail) {
        ScreenKit::caption(m_lblMail, kCorreoBD, Fonts::font(QStringLiteral("Arial"), 8, false, true, true),
            bgrColor(0xFF0000));
        if (m_lblTitulo)
            Twips::move(
                m_lblMail, Twips::left(m_lblTitulo) + Twips::width(m_lblTitulo), Twips::top(m_lblTitulo));
        m_lblMail->setCursor(Pictures::handCursor());
        m_lblMail->show();
    }
    if (m_lblBusqueda) {
        ScreenKit::caption(
            m_lblBusqueda, QStringLiteral("Empresa:"), Fonts::font(QStringLiteral("Tahoma"), 10), Qt::black);
        Twips::move(m_lblBusqueda, GuideLayout::kSearchCaption.x(), GuideLayout::kSearchCaption.y());
    }
    if (m_txtBusqueda) {
        m_txtBusqueda->setFont(Fonts::font(QStringLiteral("Tahoma"), 8.25));
        const int izquierda = GuideLayout::searchBoxLeft(
            m_lblBusqueda ? Twips::left(m_lblBusqueda) + Twips::width(m_lblBusqueda) : 0);
        Twips::place(m_txtBusqueda, izquierda, GuideLayout::kSearchBoxTop, ajustes.searchWidth,
            GuideLayout::kSearchBoxHeight);
        m_txtBusqueda->setFrame(false);
        QPalette pal = m_txtBusqueda->palette();
        pal.setColor(QPalette::Base, bgrColor(0x505E59));
        pal.setColor(QPalette::Text, Qt::white);
        m_txtBusqueda->setPalette(pal);
    }
    if (m_mfgDatos) {
        const QRect rejilla = GuideLayout::grid(pagina.width(), pagina.height());
        Twips::place(m_mfgDatos, rejilla.x(), rejilla.y(), rejilla.width(), rejilla.height());
        m_mfgDatos->setFont(Fonts::font(QStringLiteral("Arial"), ajustes.gridPointSize));
        m_mfgDatos->show();
        m_mfgDatos->setBackColor(bgrColor(0x505E59));
        m_mfgDatos->setBackColorFixed(GuideGrid::unmarkedColor());
        m_mfgDatos->setForeColor(Qt::white);
        m_mfgDatos->setMouseIcon(Pictures::handCursor());
    }
    if (m_lblCabecera && m_mfgDatos)
        m_lblCabecera->setFont(m_mfgDatos->font());
    if (m_lblRegistros) {
        ScreenKit::caption(
            m_lblRegistros, QString(), Fonts::font(QStringLiteral("Arial"), 16, true), Qt::black);
        Twips::move(m_lblRegistros, Twips::left(m_lblRegistros), ScreenKit::titleTop(gFormMenu));
        m_lblRegistros->show();
    }
    m_barra->layout(codigo, pagina);
    PintaSubMenu();
    m_explorador->carga(codigo, gRutaApp);
}

void clsGuia::PintaSubMenu()
{
    const int derecha = m_txtBusqueda ? Twips::left(m_txtBusqueda) + Twips::width(m_txtBusqueda) : 0;
    m_sectores->layout(gVentanas().getResolucion(), derecha,
        m_txtBusqueda ? Twips::top(m_txtBusqueda) : GuideLayout::kSearchBoxTop);
}

void clsGuia::eligeSector(int indice)
{
    if (m_ocupado)
        return;
    m_sectorActual = indice;
    muestraSector();
}

void clsGuia::pantalla_MouseMove()
{
    m_sectores->highlight(m_sectorActual);
}

void clsGuia::actua(GuideToolbar::Action accion)
{
    using Action = GuideToolbar::Action;
    // The view switch and help work in both views; every other action only over the table. While
    // another action runs, the toolbar does nothing.
    if (accion == Action::Ficheros) {
        cambiaVista();
        return;
    }
    if (m_ocupado || (accion != Action::Ayuda && vistaFicheros()))
        return;
    switch (accion) {
    case Action::Ficha:
        muestraFicha();
        break;
    case Action::Exportar:
        exporta();
        break;
    case Action::Ordenar:
        ordena();
        break;
    case Action::Todos:
        todasConSectores();
        break;
    case Action::TodosCaption:
        muestraDatos(m_tipoGuia);
        break;
    case Action::Ayuda:
        ayuda();
        break;
    case Action::Listado:
        listado();
        break;
    case Action::Sobres:
        sobres();
        break;
    case Action::Etiquetas:
        etiquetas();
        break;
    case Action::VerSeleccionadas:
        verSeleccionadas();
        break;
    case Action::DesmarcarTodas:
        desmarcaTodas();
        break;
    case Action::Ficheros:
        break;
    }
}

bool clsGuia::vistaFicheros() const
{
    return m_explorador && m_explorador->visible();
}

void clsGuia::exporta()
{
    clsExportar().Muestra(datosBD().getRecordset());
}

void clsGuia::ordena()
{
    const QScopedValueRollback<bool> ocupado(m_ocupado, true);
    clsDatosBD& datos = datosBD();
    const bool ordenada = clsOrdenar().Muestra(&datos, m_mfgDatos);
    // The rows are other companies now: the first one is current and at the top.
    if (ordenada && !datos.fallo())
        GridBinding::muestraDatos(datos, m_mfgDatos);
    formateaGrid();
    if (ordenada && datos.fallo())
        avisaConsultaFallida();
}

void clsGuia::listado()
{
    clsListado().Muestra(datosBD().getRecordset(), m_tituloGuia);
}

void clsGuia::etiquetas()
{
    clsEtiquetas().Muestra(datosBD().getRecordset());
}

void clsGuia::sobres()
{
    Recordset* rs = datosBD().getRecordset();
    clsSobres().Muestra(rs, m_mfgDatos ? m_mfgDatos->row() : 0);
}

void clsGuia::todasConSectores()
{
    muestraDatos(m_tipoGuia);
    m_sectores->restoreColours();
    m_sectores->restoreSizes();
    m_sectorActual = GuideQueries::kNoSector;
}

void clsGuia::ayuda()
{
    clsWeb().AbreEnVentana(gRutaApp + QStringLiteral("\\data\\ayuda\\la guia.htm"));
}

void clsGuia::correo()
{
    if (!m_lblMail)
        return;
    const BusyPointer::Scope busy;
    QString destino = m_lblMail->text();
    clsWeb().AbreMail(destino);
}

void clsGuia::cambiaVista()
{
    if (!m_pantalla || !m_explorador->pagina())
        return;
    ponVista(!vistaFicheros());
}

void clsGuia::ponVista(bool ficheros)
{
    m_explorador->pagina()->setVisible(ficheros);
    m_pantalla->setVisible(!ficheros);
    m_barra->setFileView(ficheros);
}

void clsGuia::verSeleccionadas()
{
    const QScopedValueRollback<bool> ocupado(m_ocupado, true);
    clsDatosBD& datos = datosBD();
    if (!mdMain::conecta())
        return;
    // Pressed again, the same narrowed query runs again: marks taken off meanwhile drop out.
    const QString base = datos.getSQL().isEmpty() ? GuideQueries::allCompaniesSql() : datos.getSQL();
    const QString sql = GuideQueries::markedOnlySql(base);
    const int n = datos.setDatos(sql);
    if (datos.fallo()) {
        avisaConsultaFallida();
        return;
    }
    m_titulos.remember(sql, m_tituloGuia);
    GridBinding::muestraDatos(datos, m_mfgDatos);
    formateaGrid();
    ponRegistros(n);
}

void clsGuia::desmarcaTodas()
{
    if (DialogService::message(
            QStringLiteral("Se van a desmarcar todos las empresas de la Tarvesa. ¿Desea Continuar?"),
            DialogService::Buttons::YesNo, DialogService::Icon::Information, QStringLiteral("Desmarcado"))
        != DialogService::Answer::Yes)
        return;
    if (!mdMain::conecta())
        return;
    const QScopedValueRollback<bool> ocupado(m_ocupado, true);
    Recordset* rs = datosBD().getRecordset();
    Connection* conexion = rs->activeConnection() ? rs->activeConnection() : &gConexion();
    try {
        conexion->execute(QStringLiteral("UPDATE tbl_empresas set seleccionada=False"));
        if (rs->isOpen())
            rs->requery();
    } catch (const DbError& e) {
        DialogService::message(
            QStringLiteral("No se han podido desmarcar las empresas.\n\n") + e.description(),
            DialogService::Buttons::Ok, DialogService::Icon::Critical);
        return;
    }
    GridBinding::muestraDatos(datosBD(), m_mfgDatos);
    formateaGrid();
    ponRegistros(datosBD().getNumeroRegistros());
    DialogService::message(QStringLiteral("Todas las empresas han sido desmarcadas"),
        DialogService::Buttons::Ok, DialogService::Icon::Information);
}

clsDatosBD& clsGuia::datosBD()
{
    if (!m_datosBD) {
        m_datosBD = std::make_unique<clsDatosBD>();
        m_datosBD->setCampoBusqueda(kCampoNombre);
    }
    return *m_datosBD;
}

void clsGuia::Desmarcar()
{
    if (m_barra)
        m_barra->restoreFaces();
}

void clsGuia::muestraDatos(int tipo)
{
    m_tipoGuia = tipo;
    // Only "all companies" has a query of its own.
    if (tipo != kTodas)
        return;
    setDatosGrid(GuideQueries::allCompaniesSql(), GuideQueries::allCompaniesCaption());
}

void clsGuia::muestraSector()
{
    const QString sql = GuideQueries::sectorSql(m_sectorActual);
    if (!sql.isEmpty())
        setDatosGrid(sql, GuideQueries::sectorCaption(m_sectorActual));
}

int clsGuia::setDatosGrid(const QString& sql, const QString& titulo)
{
    const QScopedValueRollback<bool> ocupado(m_ocupado, true);
    frmWhile::instance().mostrar();
    const BusyPointer::Scope busy;
    PendingEvents::process();
    clsDatosBD& datos = datosBD();
    // A database not open (locked at start-up, say) is tried again; still closed, the guide is empty.
    if (!mdMain::conecta()) {
        frmWhile::instance().unload();
        muestraVacia(titulo);
        return kConsultaFallida;
    }
    datos.setConexion(&gConexion());
    PendingEvents::process();
    const int n = datos.setDatos(sql);
    if (datos.fallo()) {
        frmWhile::instance().unload();
        avisaConsultaFallida();
        // A guide with nothing read yet (a database damaged past what start-up reads) shows its empty
        // page, so the user goes on from it; one showing companies keeps them with their count.
        if (!datos.getRecordset()->isOpen())
            muestraVacia(titulo);
        return kConsultaFallida;
    }
    m_tituloGuia = titulo;
    m_titulos.remember(sql, titulo);
    if (n != 0)
        setTipo(kTodas);
    PendingEvents::process();
    if (m_mfgDatos) {
        if (GuideQueries::fillsByCopy(n))
            GridBinding::muestraDatosMatriz(datos, m_mfgDatos);
        else
            GridBinding::muestraDatos(datos, m_mfgDatos);
    }
    PendingEvents::process();
    formateaGrid();
    if (m_mfgDatos) {
        m_mfgDatos->setRow(1);
        m_mfgDatos->setCol(0);
    }
    frmWhile::instance().unload();
    PendingEvents::process();
    muestraPaginaDatos();
    ponRegistros(n);
    return n;
}

void clsGuia::muestraPaginaDatos()
{
    if (m_barra)
        m_barra->show();
    for (QWidget* control : std::initializer_list<QWidget*> {m_lblBusqueda, m_txtBusqueda, m_pantalla}) {
        if (control)
            control->show();
    }
    // A result arriving while the documents are shown brings the whole toolbar back to the table.
    if (m_pantalla && m_explorador->pagina())
        ponVista(false);
}

void clsGuia::muestraVacia(const QString& titulo)
{
    m_tituloGuia = titulo;
    if (m_mfgDatos && !m_mfgDatos->dataSource()) {
        m_mfgDatos->setRows(1);
        m_mfgDatos->setCols(GuideGrid::kColumns);
    }
    formateaGrid();
    muestraPaginaDatos();
    ponRegistros(0);
}

void clsGuia::ponRegistros(int n)
{
    if (!m_lblRegistros)
        return;
    m_lblRegistros->setText(GuideQueries::countCaption(n));
    m_lblRegistros->adjustSize();
    Twips::move(m_lblRegistros, GuideLayout::kCountLeft, Twips::top(m_lblRegistros));
}

void clsGuia::avisaConsultaFallida()
{
    const QString detalle = m_datosBD ? m_datosBD->ultimoError() : QString();
    DialogService::message(QStringLiteral("No se ha podido consultar la base de datos de empresas.")
            + (detalle.isEmpty() ? QString() : QStringLiteral("\n\n") + detalle),
        DialogService::Buttons::Ok, DialogService::Icon::Critical);
}

bool clsGuia::deshacer()
{
    if (m_ocupado)
        return false;
    const QScopedValueRollback<bool> ocupado(m_ocupado, true);
    clsDatosBD& datos = datosBD();
    if (!datos.deshacer()) {
        if (!datos.fallo())
            return false;
        // Nothing was replaced: the rows, count and caption shown still belong together.
        avisaConsultaFallida();
        return true;
    }
    frmWhile::instance().mostrar();
    PendingEvents::process();
    GridBinding::muestraDatos(datos, m_mfgDatos);
    formateaGrid();
    ponRegistros(datos.getNumeroRegistros());
    m_tituloGuia = m_titulos.captionFor(datos.getSQL(), m_tituloGuia);
    frmWhile::instance().unload();
    return true;
}

void clsGuia::formateaGrid()
{
    GridBinding::formatea(m_mfgDatos, gVentanas().getResolucion());
    MarcaFilasSeleccionadas();
}

void clsGuia::MarcaFilasSeleccionadas()
{
    GridBinding::marcaFilas(m_mfgDatos, m_datosBD ? m_datosBD->getRecordset() : nullptr);
}

void clsGuia::muestraFicha()
{
    const QScopedValueRollback<bool> ocupado(m_ocupado, true);
    clsFicha().Muestra(datosBD().getRecordset(), m_mfgDatos);
}

void clsGuia::cambiaMarca(int fila)
{
    Recordset* rs = datosBD().getRecordset();
    if (!rs || !rs->isOpen() || fila < 1 || fila > rs->recordCount())
        return;
    const QScopedValueRollback<bool> ocupado(m_ocupado, true);
    m_mfgDatos->setCol(0);
    const QString fallo = GridBinding::cambiaMarca(m_mfgDatos, *rs, fila);
    if (!fallo.isEmpty())
        DialogService::message(
            QStringLiteral("No se ha podido guardar la selección de la empresa.\n\n") + fallo,
            DialogService::Buttons::Ok, DialogService::Icon::Critical);
}

void clsGuia::mfgDatos_MouseMove(double x)
{
    if (m_mfgDatos)
        GridBinding::senalaCabecera(m_mfgDatos, m_lblCabecera, x);
}

void clsGuia::mfgDatos_Click()
{
    if (m_ocupado || !m_mfgDatos)
        return;
    PendingEvents::process();
    if (!m_mfgDatos || m_mfgDatos->mouseRow() != 0 || m_mfgDatos->mouseCol() <= 0
        || m_mfgDatos->mousePointer() != FlexGrid::Pointer::Custom)
        return;
    const QScopedValueRollback<bool> ocupado(m_ocupado, true);
    const int izquierda = m_mfgDatos->leftCol();
    frmWhile::instance().mostrar();
    PendingEvents::process();
    clsDatosBD& datos = datosBD();
    QString campo = datos.getNombreCampo(m_mfgDatos->col() - 1);
    if (!campo.isEmpty()) {
        datos.setOrden(campo);
        GridBinding::muestraDatos(datos, m_mfgDatos);
    }
    formateaGrid();
    frmWhile::instance().unload();
    if (m_mfgDatos)
        m_mfgDatos->setLeftCol(izquierda);
    if (datos.fallo())
        avisaConsultaFallida();
}

void clsGuia::mfgDatos_DblClick()
{
    if (m_ocupado || !m_mfgDatos)
        return;
    if (m_mfgDatos->mouseRow() > 0 && m_mfgDatos->mouseCol() > 0)
        muestraFicha();
    if (m_mfgDatos && m_mfgDatos->mouseCol() == 0 && m_mfgDatos->row() > 0)
        cambiaMarca(m_mfgDatos->row());
}

void clsGuia::txtBusqueda_Change()
{
    if (m_ocupado || !m_mfgDatos || !m_txtBusqueda)
        return;
    const QString t = m_txtBusqueda->text();
    clsDatosBD& datos = datosBD();
    int p = 0;
    if (t.isEmpty())
        p = datos.muevePrimero() ? 1 : 0;
    else
        p = datos.getPosicionBusqueda(clsDatosBD::criterioComienzaPor(kCampoNombre, t));
    if (p > 0 && p < m_mfgDatos->rows()) {
        m_mfgDatos->setTopRow(p);
        m_mfgDatos->setRow(p);
    }
}
