#include "guide/clsGuia.h"

#include "card/clsFicha.h"
#include "core/AppPaths.h"
#include "core/clsDatosBD.h"
#include "guide/ExploradorDocumentos.h"
#include "guide/GridBinding.h"
#include "guide/GuideGrid.h"
#include "guide/GuideLayout.h"
#include "guide/GuideQueries.h"
#include "output/clsExportar.h"
#include "output/clsOrdenar.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/os/DesktopOpener.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/MouseEvents.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/Twips.h"
#include "printing/clsEtiquetas.h"
#include "printing/clsListado.h"
#include "printing/clsSobres.h"
#include "resources/Pictures.h"
#include "shell/MenuForm.h"
#include "shell/clsVentanas.h"
#include "shell/clsWeb.h"
#include "shell/frmWhile.h"
#include "shell/mdMain.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTreeWidget>
#include <QTreeWidgetItem>

namespace {

const QColor kPagina = bgrColor(0xEAF3F6);
const QString kCampoNombre = QStringLiteral("empresa");
const QString kCorreoBD = QStringLiteral("basededatos@korvan.example.es");

void procesaMensajes()
{
    PendingEvents::process();
}

template<class T> T* agrega(const QString& nombre, QWidget* contenedor = nullptr)
{
    return ControlRegistry::add<T>(gFormMenu, nombre, contenedor);
}

void etiqueta(QLabel* label, const QString& texto, const QFont& font, const QColor& color)
{
    if (!label)
        return;
    label->setFont(font);
    label->setText(texto);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
    label->setAutoFillBackground(false);
    label->adjustSize();
}

} // namespace

clsGuia::clsGuia()
{
    BusyPointer::set(true);
    creaControles();
    pintaPantalla();
    for (PictureBox* pagina : {pantalla.data(), ExploradorFicheros.data()}) {
        if (pagina)
            pagina->setBackColor(kPagina);
    }
    conectaEventos();
    BusyPointer::set(false);
    sectorActual = GuideQueries::kNoSector;
}

clsGuia::~clsGuia()
{
    BusyPointer::set(true);
    // A name the form does not hold (never made, or gone with its container) is skipped.
    static const char* const kNombres[]
        = {"exportar", "ficha", "registros", "guia", "exploradorficheros", "ordenar", "todos", "ayuda",
            "listado", "sobres", "etiquetas", "ficheros", "desmarcarsel", "versel", "iFicha", "iExportar",
            "iOrdenar", "iTodos", "iAyuda", "iListado", "iSobres", "iEtiquetas", "iFicheros"};
    for (const char* nombre : kNombres)
        ControlRegistry::remove(gFormMenu, QString::fromLatin1(nombre));
    BusyPointer::set(false);
}

void clsGuia::creaControles()
{
    pantalla = agrega<PictureBox>(QStringLiteral("guia"));
    ExploradorFicheros = agrega<PictureBox>(QStringLiteral("exploradorficheros"));
    const std::pair<QPointer<QTreeWidget>*, const char*> arboles[]
        = {{&arbolDistri, "arboldistri"}, {&arbolEquipa, "arbolequipa"}, {&arbolCatering, "arbolcatering"},
            {&arbolEscuelas, "arbolescuelas"}, {&arbolFranq, "arbolfranq"}, {&arbolHotel, "arbolhotel"},
            {&arbolPrinci, "arbolprinci"}, {&arbolVending, "arbolvending"}};
    for (const auto& [campo, nombre] : arboles)
        *campo = agrega<QTreeWidget>(QString::fromLatin1(nombre), ExploradorFicheros);
    mfgDatos = agrega<FlexGrid>(QStringLiteral("mfgdatos"), pantalla);
    lblRegistros = agrega<QLabel>(QStringLiteral("registros"));
    lblTitulo = agrega<QLabel>(QStringLiteral("titulo"), pantalla);
    lblMail = agrega<QLabel>(QStringLiteral("mail"), pantalla);
    txtBusqueda = agrega<QLineEdit>(QStringLiteral("busqueda"), pantalla);
    lblBusqueda = agrega<QLabel>(QStringLiteral("lbusqueda"), pantalla);
    const std::pair<QPointer<ImageButton>*, const char*> botones[]
        = {{&imgFicha, "ficha"}, {&imgExportar, "exportar"}, {&imgOrdenar, "ordenar"}, {&imgTodos, "todos"},
            {&imgAyuda, "ayuda"}, {&imgListado, "listado"}, {&imgSobres, "sobres"},
            {&imgEtiquetas, "etiquetas"}, {&imgContenidoFichero, "ficheros"},
            {&imgVerSeleccionados, "versel"}, {&imgDesmarcarSeleccionados, "desmarcarsel"}};
    for (const auto& [campo, nombre] : botones)
        *campo = agrega<ImageButton>(QString::fromLatin1(nombre));
    lblAviso = agrega<QLabel>(QStringLiteral("aviso"), ExploradorFicheros);
    const std::pair<QPointer<QLabel>*, const char*> rotulos[]
        = {{&lblFicha, "iFicha"}, {&lblExportar, "iExportar"}, {&lblOrdenar, "iOrdenar"},
            {&lblTodos, "iTodos"}, {&lblAyuda, "iAyuda"}, {&lblListado, "iListado"}, {&lblSobres, "iSobres"},
            {&lblEtiquetas, "iEtiquetas"}, {&lblContenidoFichero, "iFicheros"}};
    for (const auto& [campo, nombre] : rotulos)
        *campo = agrega<QLabel>(QString::fromLatin1(nombre));
    const std::pair<QPointer<QLabel>*, const char*> sectores[]
        = {{&lblSectorCatering, "iSectorCatering"}, {&lblSectorDistribucion, "iSectorDistribucion"},
            {&lblSectorVending, "iSectorVending"}, {&lblSectorHoteles, "iSectorHoteles"},
            {&lblSectorTransporte, "iSectorTransporte"}, {&lblSectorEquipamiento, "iSectorEquipamiento"},
            {&lblSectorEscuelas, "iSectorEscuelas"}, {&lblSectorFranquicias, "iSectorFranquicias"}};
    for (const auto& [campo, nombre] : sectores)
        *campo = agrega<QLabel>(QString::fromLatin1(nombre), pantalla);
    for (size_t i = 1; i < lblSeparador.size(); ++i)
        lblSeparador[i] = agrega<QLabel>(QStringLiteral("Separador%1").arg(i), pantalla);
    lblCabecera = agrega<QLabel>(QStringLiteral("cabecera"), pantalla);
}

void clsGuia::pintaPantalla()
{
    clsVentanas& ventanas = gVentanas();
    ventanas.colocaPantalla(pantalla);
    ventanas.colocaPantalla(ExploradorFicheros);
    const GuideLayout::Settings ajustes = GuideLayout::settingsFor(ventanas.getResolucion());
    const int anchoPagina = pantalla ? Twips::width(pantalla) : 0;
    const int altoPagina = pantalla ? Twips::height(pantalla) : 0;

    if (lblTitulo) {
        etiqueta(lblTitulo, QStringLiteral("Puede contactar con el dpto. de BD en "),
            Fonts::font(QStringLiteral("Arial"), 8, false, true),
            lblTitulo->palette().color(QPalette::WindowText));
        Twips::move(lblTitulo, 200, altoPagina - 300);
        // It lies over the grid's bottom edge: the scroll bar under it still takes the clicks.
        lblTitulo->setAttribute(Qt::WA_TransparentForMouseEvents);
        lblTitulo->show();
    }
    if (lblMail) {
        etiqueta(lblMail, kCorreoBD, Fonts::font(QStringLiteral("Arial"), 8, false, true, true),
            bgrColor(0xFF0000));
        if (lblTitulo)
            Twips::move(lblMail, Twips::left(lblTitulo) + Twips::width(lblTitulo), Twips::top(lblTitulo));
        lblMail->setCursor(Pictures::handCursor());
        lblMail->show();
    }
    if (lblBusqueda) {
        etiqueta(
            lblBusqueda, QStringLiteral("Empresa:"), Fonts::font(QStringLiteral("Tahoma"), 10), Qt::black);
        Twips::move(lblBusqueda, 50, 100);
    }
    if (txtBusqueda) {
        txtBusqueda->setFont(Fonts::font(QStringLiteral("Tahoma"), 8.25));
        const int izquierda = lblBusqueda ? Twips::left(lblBusqueda) + Twips::width(lblBusqueda) + 50 : 50;
        Twips::place(txtBusqueda, izquierda, 50, ajustes.searchWidth, 300);
        txtBusqueda->setFrame(false);
        QPalette pal = txtBusqueda->palette();
        pal.setColor(QPalette::Base, bgrColor(0x505E59));
        pal.setColor(QPalette::Text, Qt::white);
        txtBusqueda->setPalette(pal);
    }
    if (mfgDatos) {
        Twips::place(mfgDatos, 100, 500, anchoPagina - 200, altoPagina - 500);
        mfgDatos->setFont(Fonts::font(QStringLiteral("Arial"), ajustes.gridPointSize));
        mfgDatos->show();
        mfgDatos->setBackColor(bgrColor(0x505E59));
        mfgDatos->setBackColorFixed(GuideGrid::unmarkedColor());
        mfgDatos->setForeColor(Qt::white);
        mfgDatos->setMouseIcon(Pictures::handCursor());
    }
    if (lblCabecera && mfgDatos)
        lblCabecera->setFont(mfgDatos->font());
    if (lblRegistros) {
        const auto* menu = qobject_cast<const MenuForm*>(gFormMenu.data());
        const int altoForm = menu ? menu->alturaTwips() : 0;
        const bool sinBorde = gFormMenu && gFormMenu->objectName() == QLatin1String("frmMenu");
        etiqueta(lblRegistros, QString(), Fonts::font(QStringLiteral("Arial"), 16, true), Qt::black);
        Twips::move(lblRegistros, Twips::left(lblRegistros), GuideLayout::countTop(altoForm, sinBorde));
        lblRegistros->show();
    }
    pintaToolbar();
    PintaSubMenu();
    cargaExploradorFicheros();
}

void clsGuia::pintaToolbar()
{
    const GuideLayout::Settings ajustes = GuideLayout::settingsFor(gVentanas().getResolucion());
    const int arribaPagina = pantalla ? Twips::top(pantalla) : 0;
    const int altoPagina = pantalla ? Twips::height(pantalla) : 0;
    const int anchoPagina = pantalla ? Twips::width(pantalla) : 0;

    const auto boton = [](ImageButton* img, const char* imagen, const char* ayuda) {
        if (!img)
            return;
        img->setPicture(QString::fromLatin1(imagen));
        img->hide();
        img->raise();
        img->setToolTip(QString::fromUtf8(ayuda));
        img->setCursor(Pictures::handCursor());
    };
    boton(imgDesmarcarSeleccionados, "DESMARCAR",
        "Desmarca todas las fichas seleccionadas en la tabla de datos");
    if (imgDesmarcarSeleccionados)
        Twips::move(imgDesmarcarSeleccionados, anchoPagina - 500, arribaPagina - 700);
    boton(imgVerSeleccionados, "VERSEL", "Muestra las empresas seleccionadas");
    if (imgVerSeleccionados)
        Twips::move(imgVerSeleccionados, anchoPagina - 1000, arribaPagina - 700);

    struct Herramienta
    {
        QLabel* rotulo;
        ImageButton* imagen;
        const char* texto;
        const char* picture;
        const char* ayuda;
    };
    const Herramienta barra[] = {
        {lblFicha, imgFicha, "Ficha", "FICHA", "Muestra la Ficha de la Empresa seleccionada en la ventana"},
        {lblExportar, imgExportar, "Exportar", "EXPORTAR",
            "Guarda los datos de la ventana en formato MS Excel o Texto"},
        {lblOrdenar, imgOrdenar, "Ordenar", "ORDENAR", "Ordena los datos por el campo que seleccione"},
        {lblTodos, imgTodos, "Ver Todos", "TODOS", "Visualiza en la ventana todos los datos del sector"},
        {lblContenidoFichero, imgContenidoFichero, "Ver en ficheros", "FICHEROS",
            "Mostrar la información en ficheros"},
        {lblAyuda, imgAyuda, "Ayuda", "AYUDA", "Ayuda de esta ventana"},
        {lblListado, imgListado, "Listado", "LISTADOS",
            "Imprime un listado de las empresas que se visualizan en la vetana"},
        {lblSobres, imgSobres, "Sobres", "SOBRES",
            "Imprime los sobres para las empresas que se visualizan en la ventana"},
        {lblEtiquetas, imgEtiquetas, "Etiquetas", "ETIQUETAS",
            "Imprime etiquetas para las empresas que se visualizan en la ventana"},
    };

    const int arriba = arribaPagina + altoPagina + ajustes.captionsBelowPanel;
    QList<int> anchos;
    for (const Herramienta& h : barra) {
        if (!h.rotulo)
            continue;
        h.rotulo->setCursor(Pictures::handCursor());
        etiqueta(h.rotulo, QString::fromUtf8(h.texto), Fonts::font(QStringLiteral("Arial"), 9), Qt::black);
        h.rotulo->hide();
        anchos.append(Twips::width(h.rotulo));
    }
    // Each caption follows the auto-sized width of the one before it.
    const QList<int> izquierdas
        = GuideLayout::captionLefts(ajustes.firstCaptionLeft, ajustes.captionSpacing, anchos);
    qsizetype i = 0;
    for (const Herramienta& h : barra) {
        if (h.rotulo)
            Twips::move(h.rotulo, izquierdas.value(i++), arriba);
    }
    for (const Herramienta& h : barra) {
        boton(h.imagen, h.picture, h.ayuda);
        if (!h.imagen || !h.rotulo)
            continue;
        const int arribaRotulo = Twips::top(h.rotulo);
        Twips::move(h.imagen,
            GuideLayout::buttonLeft(Twips::left(h.rotulo), Twips::width(h.rotulo), Twips::width(h.imagen)),
            arribaRotulo - Twips::height(h.imagen));
    }
}

std::array<QLabel*, GuideQueries::kSectorCount> clsGuia::etiquetasSector() const
{
    // By sector index: Catering, Distribucion, Equipamiento, Escuelas, Franquicias, Hoteles, Transporte,
    // Vending.
    return {lblSectorCatering, lblSectorDistribucion, lblSectorEquipamiento, lblSectorEscuelas,
        lblSectorFranquicias, lblSectorHoteles, lblSectorTransporte, lblSectorVending};
}

void clsGuia::PintaSubMenu()
{
    const bool pequena = gVentanas().getResolucion() == 2;
    const int hueco = pequena ? 220 : 500;
    const double espacio = pequena ? 340 : 550;
    const double tamano = pequena ? 8 : 10;
    const QColor morado = bgrColor(0x800080);
    struct Fila
    {
        QLabel* etiqueta;
        const char* texto;
    };
    // Transporte has a label but no place in the row.
    const Fila fila[] = {{lblSectorCatering, "Catering"}, {lblSectorDistribucion, "Distribución"},
        {lblSectorEquipamiento, "Equipamiento"}, {lblSectorEscuelas, "Escuelas"},
        {lblSectorFranquicias, "Franquicias"}, {lblSectorHoteles, "Hoteles"}, {lblSectorVending, "Vending"}};
    const int arriba = txtBusqueda ? Twips::top(txtBusqueda) : 50;
    double izquierda = txtBusqueda ? Twips::left(txtBusqueda) + Twips::width(txtBusqueda) + 100 + hueco : 0;
    QLabel* anterior = nullptr;
    for (size_t i = 0; i < std::size(fila); ++i) {
        QLabel* label = fila[i].etiqueta;
        if (!label)
            continue;
        if (anterior)
            izquierda = Twips::left(anterior) + Twips::width(anterior) + espacio;
        label->setCursor(Pictures::handCursor());
        etiqueta(label, QString::fromUtf8(fila[i].texto),
            Fonts::font(QStringLiteral("Century Gothic"), tamano, !pequena), morado);
        Twips::move(label, int(izquierda), arriba);
        label->show();
        QLabel* separador = i + 1 < std::size(fila) ? lblSeparador[i + 1].data() : nullptr;
        if (separador) {
            etiqueta(
                separador, QStringLiteral("|"), Fonts::font(QStringLiteral("Century Gothic"), 11), morado);
            Twips::move(separador, int(Twips::left(label) + Twips::width(label) + espacio / 3), 50);
            separador->show();
        }
        anterior = label;
    }
}

void clsGuia::restauraColorSectores()
{
    for (QLabel* label : etiquetasSector())
        colorea(label, bgrColor(0x800080));
}

void clsGuia::restauraTamanoSectores()
{
    const double tamano = gVentanas().getResolucion() == 2 ? 8 : 10;
    for (QLabel* label : etiquetasSector())
        cambiaTamano(label, tamano);
}

void clsGuia::colorea(QLabel* label, const QColor& color)
{
    if (!label)
        return;
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
}

void clsGuia::cambiaTamano(QLabel* label, double puntos)
{
    if (!label)
        return;
    QFont font = label->font();
    font.setPointSizeF(puntos);
    label->setFont(font);
    // It keeps its Left and grows to the right.
    label->adjustSize();
}

void clsGuia::resaltaSector(int indice)
{
    restauraTamanoSectores();
    restauraColorSectores();
    QLabel* label
        = indice >= 0 && indice < GuideQueries::kSectorCount ? etiquetasSector()[size_t(indice)] : nullptr;
    cambiaTamano(label, gVentanas().getResolucion() == 2 ? 10 : 12);
    colorea(label, Qt::black);
}

void clsGuia::eligeSector(int indice)
{
    if (m_ocupado)
        return;
    sectorActual = indice;
    muestraSector();
}

void clsGuia::pantalla_MouseMove()
{
    restauraColorSectores();
    restauraTamanoSectores();
    if (sectorActual >= 0 && sectorActual < GuideQueries::kSectorCount)
        resaltaSector(sectorActual);
}

std::array<QTreeWidget*, 8> clsGuia::arboles() const
{
    return {arbolDistri, arbolPrinci, arbolCatering, arbolVending, arbolFranq, arbolHotel, arbolEscuelas,
        arbolEquipa};
}

void clsGuia::cargaExploradorFicheros()
{
    const int codigo = gVentanas().getResolucion();
    const bool grande = codigo >= 3;
    const int arribaInferior = grande ? 1600 : 1200;
    if (lblAviso) {
        if (grande) {
            etiqueta(lblAviso,
                QStringLiteral("Haga doble clic con el ratón sobre el archivo que desea visualizar"),
                Fonts::font(QStringLiteral("Arial"), 12), Qt::black);
            Twips::move(lblAviso, 6700, 4300);
            lblAviso->show();
        } else {
            lblAviso->hide();
        }
    }
    const int alto = ExploradorFicheros ? Twips::height(ExploradorFicheros) : 1000;
    // First row left to right, each 200 twips after the one before; the lower rows under them.
    const QRect lugares[8] = {
        {500, 0, 2500, alto},
        {3200, 0, 2500, 1000},
        {5900, 0, 2500, 1000},
        {8600, 0, 2500, 1000},
        grande ? QRect(11300, 0, 2500, 1000) : QRect(3200, 2400, 2500, 1000),
        {3200, arribaInferior, 2500, 1000},
        {5900, arribaInferior, 2500, 1000},
        {8600, arribaInferior, 2500, 1000},
    };
    const auto arbol = arboles();
    for (size_t i = 0; i < arbol.size(); ++i) {
        QTreeWidget* t = arbol[i];
        if (!t)
            continue;
        Twips::place(t, lugares[i].x(), lugares[i].y(), lugares[i].width(), lugares[i].height());
        t->setHeaderHidden(true);
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->setFrameShape(QFrame::NoFrame);
        t->setIconSize(QSize(20, 20));
        QPalette pal = t->palette();
        pal.setColor(QPalette::Base, kPagina);
        t->setPalette(pal);
        t->show();
        // A missing folder or an unreadable file leaves that tree or item out; the others go on.
        const ExploradorDocumentos::Carpeta& carpeta = ExploradorDocumentos::kCarpetas[i];
        auto* raiz = new QTreeWidgetItem(t, QStringList(QString::fromLatin1(carpeta.raiz)));
        raiz->setIcon(0, QIcon(Pictures::get(QStringLiteral("CARPETA"))));
        raiz->setData(0, Qt::UserRole, QString());
        raiz->setExpanded(true);
        const QString ruta = AppPaths::localPath(gRutaApp + QString::fromLatin1(carpeta.ruta));
        cargaFicherosCarpeta(ruta, raiz);
        raiz->setExpanded(true);
        connect(t, &QTreeWidget::itemDoubleClicked, this,
            [this, i](QTreeWidgetItem* item) { abreDocumento(i, item); });
    }
}

void clsGuia::cargaFicherosCarpeta(const QString& carpeta, QTreeWidgetItem* padre)
{
    for (const QString& nombre : ExploradorDocumentos::ficheros(carpeta)) {
        auto* hoja = new QTreeWidgetItem(padre, QStringList(ExploradorDocumentos::textoVisible(nombre)));
        hoja->setData(0, Qt::UserRole, nombre);
        hoja->setIcon(
            0, QIcon(Pictures::get(ExploradorDocumentos::picture(ExploradorDocumentos::imagen(nombre)))));
    }
}

void clsGuia::abreDocumento(size_t arbol, QTreeWidgetItem* item)
{
    // Nothing chosen, or the folder itself: nothing to open.
    if (!item || !item->parent() || arbol >= std::size(ExploradorDocumentos::kCarpetas))
        return;
    const QString nombre = item->data(0, Qt::UserRole).toString();
    const QString ruta = AppPaths::localPath(gRutaApp
        + QString::fromLatin1(ExploradorDocumentos::kCarpetas[arbol].ruta) + QLatin1Char('\\') + nombre);
    if (!DesktopOpener::openDocument(ruta))
        DialogService::message(QStringLiteral("No se ha podido abrir el documento %1").arg(nombre),
            DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
}

void clsGuia::conectaEventos()
{
    if (mfgDatos) {
        connect(mfgDatos, &FlexGrid::mouseMoved, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, double x, double) { mfgDatos_MouseMove(x); });
        connect(mfgDatos, &FlexGrid::clicked, this, &clsGuia::mfgDatos_Click);
        connect(mfgDatos, &FlexGrid::doubleClicked, this, &clsGuia::mfgDatos_DblClick);
    }
    if (txtBusqueda)
        connect(txtBusqueda, &QLineEdit::textChanged, this, &clsGuia::txtBusqueda_Change);

    // The toolbar: image buttons act on the release of any mouse button, captions on a click.
    const struct
    {
        ImageButton* boton;
        QLabel* rotulo;
        void (clsGuia::*accion)();
    } barra[] = {
        {imgFicha, lblFicha, &clsGuia::muestraFicha},
        {imgExportar, lblExportar, &clsGuia::exporta},
        {imgOrdenar, lblOrdenar, &clsGuia::ordena},
        {imgAyuda, lblAyuda, &clsGuia::ayuda},
        {imgListado, lblListado, &clsGuia::listado},
        {imgSobres, lblSobres, &clsGuia::sobres},
        {imgEtiquetas, lblEtiquetas, &clsGuia::etiquetas},
        {imgDesmarcarSeleccionados, nullptr, &clsGuia::desmarcaTodas},
    };
    for (const auto& b : barra) {
        const auto accion = b.accion;
        if (b.boton)
            connect(b.boton, &ImageButton::released, this, [this, accion] { ejecuta(accion); });
        if (b.rotulo)
            MouseEvents::of(b.rotulo).onClick([this, accion] { ejecuta(accion); });
    }
    if (imgTodos)
        connect(imgTodos, &ImageButton::released, this, [this] { ejecuta(&clsGuia::todasConSectores); });
    if (lblTodos)
        MouseEvents::of(lblTodos).onClick([this] { ejecuta(&clsGuia::todas); });
    if (imgVerSeleccionados)
        connect(imgVerSeleccionados, &ImageButton::clicked, this,
            [this] { ejecuta(&clsGuia::verSeleccionadas); });
    if (imgContenidoFichero)
        connect(imgContenidoFichero, &ImageButton::clicked, this, &clsGuia::cambiaVista);
    if (lblContenidoFichero)
        MouseEvents::of(lblContenidoFichero).onClick([this] { cambiaVista(); });
    if (lblMail)
        MouseEvents::of(lblMail).onClick([this] { correo(); });
    for (ImageButton* boton : {imgFicha.data(), imgExportar.data(), imgOrdenar.data(), imgTodos.data(),
             imgAyuda.data(), imgListado.data(), imgSobres.data(), imgEtiquetas.data(),
             imgContenidoFichero.data(), imgVerSeleccionados.data(), imgDesmarcarSeleccionados.data()}) {
        if (boton)
            connect(boton, &ImageButton::mouseMoved, boton, &ImageButton::showRollover);
    }

    // The sector row.
    const auto etiquetas = etiquetasSector();
    for (int i = 0; i < GuideQueries::kSectorCount; ++i) {
        if (QLabel* label = etiquetas[size_t(i)]) {
            MouseEvents::of(label).onMove([this, i] { resaltaSector(i); });
            MouseEvents::of(label).onRelease([this, i](Qt::MouseButton) { eligeSector(i); });
        }
    }
    if (pantalla)
        connect(pantalla, &PictureBox::mouseMoved, this, &clsGuia::pantalla_MouseMove);
}

void clsGuia::ejecuta(void (clsGuia::*accion)())
{
    // While the documents are shown, or while another action runs, the toolbar does nothing.
    if (m_ocupado || vistaFicheros())
        return;
    (this->*accion)();
}

bool clsGuia::vistaFicheros() const
{
    return ExploradorFicheros && !ExploradorFicheros->isHidden();
}

void clsGuia::exporta()
{
    clsExportar().Muestra(datosBD().getRecordset());
}

void clsGuia::ordena()
{
    const QScopedValueRollback<bool> ocupado(m_ocupado, true);
    clsDatosBD& datos = datosBD();
    const int fila = mfgDatos ? mfgDatos->row() : 0;
    const int primera = mfgDatos ? mfgDatos->topRow() : 0;
    const bool ordenada = clsOrdenar().Muestra(&datos, mfgDatos);
    if (ordenada && !datos.fallo()) {
        GridBinding::muestraDatos(datos, mfgDatos);
        // The current row stays current and in view.
        if (mfgDatos && fila > 0 && fila < mfgDatos->rows()) {
            mfgDatos->setTopRow(primera);
            mfgDatos->setRow(fila);
        }
    }
    formateaGrid();
    if (ordenada && datos.fallo())
        avisaConsultaFallida();
}

void clsGuia::listado()
{
    clsListado().Muestra(datosBD().getRecordset(), tituloGuia);
}

void clsGuia::etiquetas()
{
    clsEtiquetas().Muestra(datosBD().getRecordset());
}

void clsGuia::sobres()
{
    Recordset* rs = datosBD().getRecordset();
    clsSobres().Muestra(rs, mfgDatos ? mfgDatos->row() : 0);
}

void clsGuia::todas()
{
    muestraDatos(tipoGuia);
}

void clsGuia::todasConSectores()
{
    muestraDatos(tipoGuia);
    restauraColorSectores();
    restauraTamanoSectores();
    sectorActual = GuideQueries::kNoSector;
}

void clsGuia::ayuda()
{
    clsWeb().AbreEnVentana(gRutaApp + QStringLiteral("\\data\\ayuda\\la guia.htm"));
}

void clsGuia::correo()
{
    if (!lblMail)
        return;
    const BusyPointer::Scope busy;
    QString destino = lblMail->text();
    clsWeb().AbreMail(destino);
}

void clsGuia::cambiaVista()
{
    if (!pantalla || !ExploradorFicheros)
        return;
    ponVista(!vistaFicheros());
}

void clsGuia::ponVista(bool ficheros)
{
    ExploradorFicheros->setVisible(ficheros);
    pantalla->setVisible(!ficheros);
    if (lblContenidoFichero) {
        lblContenidoFichero->setText(
            ficheros ? QStringLiteral("Ver en tabla") : QStringLiteral("Ver en ficheros"));
        lblContenidoFichero->adjustSize();
        // The caption stands 150 twips to the right while the documents are shown.
        if (m_izquierdaFicheros < 0)
            m_izquierdaFicheros = Twips::left(lblContenidoFichero);
        Twips::move(
            lblContenidoFichero, m_izquierdaFicheros + (ficheros ? 150 : 0), Twips::top(lblContenidoFichero));
    }
    for (QWidget* control : std::initializer_list<QWidget*> {imgFicha, lblFicha, imgOrdenar, lblOrdenar,
             imgEtiquetas, lblEtiquetas, imgSobres, lblSobres, lblExportar, imgExportar, imgListado,
             lblListado, imgTodos, lblTodos, imgVerSeleccionados, imgDesmarcarSeleccionados}) {
        if (control)
            control->setEnabled(!ficheros);
    }
}

void clsGuia::verSeleccionadas()
{
    const QScopedValueRollback<bool> ocupado(m_ocupado, true);
    clsDatosBD& datos = datosBD();
    // Pressed again, the same narrowed query runs again: marks taken off meanwhile drop out.
    const QString sql = GuideQueries::markedOnlySql(datos.getSQL());
    const int n = datos.setDatos(sql);
    if (datos.fallo()) {
        avisaConsultaFallida();
        return;
    }
    m_titulos.remember(sql, tituloGuia);
    GridBinding::muestraDatos(datos, mfgDatos);
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
    GridBinding::muestraDatos(datosBD(), mfgDatos);
    formateaGrid();
    ponRegistros(datosBD().getNumeroRegistros());
    DialogService::message(QStringLiteral("Todas las empresas han sido desmarcadas"),
        DialogService::Buttons::Ok, DialogService::Icon::Information);
}

clsDatosBD& clsGuia::datosBD()
{
    if (!m_datosBD)
        m_datosBD = std::make_unique<clsDatosBD>();
    return *m_datosBD;
}

void clsGuia::Desmarcar()
{
    const std::pair<ImageButton*, const char*> caras[] = {{imgFicha, "FICHA"}, {imgExportar, "EXPORTAR"},
        {imgOrdenar, "ORDENAR"}, {imgTodos, "TODOS"}, {imgAyuda, "AYUDA"}, {imgListado, "LISTADOS"},
        {imgEtiquetas, "ETIQUETAS"}, {imgSobres, "SOBRES"}, {imgContenidoFichero, "FICHEROS"},
        {imgVerSeleccionados, "VERSEL"}, {imgDesmarcarSeleccionados, "DESMARCAR"}};
    for (const auto& [img, cara] : caras) {
        if (img)
            img->setPicture(QString::fromLatin1(cara));
    }
}

void clsGuia::muestraDatos(int tipo)
{
    tipoGuia = tipo;
    // Only "all companies" has a query of its own.
    if (tipo != 1)
        return;
    setDatosGrid(GuideQueries::allCompaniesSql(), GuideQueries::allCompaniesCaption());
}

void clsGuia::muestraSector()
{
    const QString sql = GuideQueries::sectorSql(sectorActual);
    if (!sql.isEmpty())
        setDatosGrid(sql, GuideQueries::sectorCaption(sectorActual));
}

int clsGuia::setDatosGrid(const QString& sql, const QString& titulo)
{
    const QScopedValueRollback<bool> ocupado(m_ocupado, true);
    frmWhile::instance().mostrar();
    const BusyPointer::Scope busy;
    procesaMensajes();
    clsDatosBD& datos = datosBD();
    // No open connection: the query below fails and says so.
    datos.setConexion(&gConexion());
    procesaMensajes();
    const int n = datos.setDatos(sql);
    if (datos.fallo()) {
        frmWhile::instance().unload();
        BusyPointer::set(false);
        avisaConsultaFallida();
        return kConsultaFallida;
    }
    tituloGuia = titulo;
    m_titulos.remember(sql, titulo);
    if (n != 0)
        setTipo(1);
    procesaMensajes();
    if (mfgDatos) {
        if (GuideQueries::fillsByCopy(n))
            GridBinding::muestraDatosMatriz(datos, mfgDatos);
        else
            GridBinding::muestraDatos(datos, mfgDatos);
    }
    procesaMensajes();
    formateaGrid();
    if (mfgDatos) {
        mfgDatos->setRow(1);
        mfgDatos->setCol(0);
    }
    frmWhile::instance().unload();
    procesaMensajes();
    muestraPaginaDatos();
    ponRegistros(n);
    return n;
}

void clsGuia::muestraPaginaDatos()
{
    for (QWidget* control : std::initializer_list<QWidget*> {lblFicha, lblExportar, lblOrdenar, lblTodos,
             lblAyuda, lblListado, lblSobres, lblEtiquetas, lblContenidoFichero, imgFicha, imgExportar,
             imgOrdenar, imgTodos, imgAyuda, imgListado, imgSobres, imgEtiquetas, imgContenidoFichero,
             imgVerSeleccionados, imgDesmarcarSeleccionados, lblBusqueda, txtBusqueda, pantalla}) {
        if (control)
            control->show();
    }
    // A result arriving while the documents are shown brings the whole toolbar back to the table.
    if (pantalla && ExploradorFicheros)
        ponVista(false);
}

void clsGuia::ponRegistros(int n)
{
    if (!lblRegistros)
        return;
    lblRegistros->setText(GuideQueries::countCaption(n));
    lblRegistros->adjustSize();
    Twips::move(lblRegistros, 900, Twips::top(lblRegistros));
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
        if (datos.fallo())
            avisaConsultaFallida();
        return false;
    }
    frmWhile::instance().mostrar();
    procesaMensajes();
    GridBinding::muestraDatos(datos, mfgDatos);
    formateaGrid();
    ponRegistros(datos.getNumeroRegistros());
    tituloGuia = m_titulos.captionFor(datos.getSQL(), tituloGuia);
    frmWhile::instance().unload();
    return true;
}

void clsGuia::formateaGrid()
{
    if (!mfgDatos)
        return;
    mfgDatos->setFormatString(GuideGrid::formatString());
    for (int c = 2; c < GuideGrid::kColumns; ++c) {
        mfgDatos->setColAlignment(c, GuideGrid::alignment(c));
        mfgDatos->setColHeaderCaption(c, GuideGrid::headerCaption(c));
    }
    mfgDatos->setForeColorFixed(bgrColor(0x0000FF));
    mfgDatos->setBackColorFixed(GuideGrid::unmarkedColor());
    anchoColumnas();
    MarcaFilasSeleccionadas();
}

void clsGuia::anchoColumnas()
{
    const int codigo = gVentanas().getResolucion();
    for (int c = 0; c < GuideGrid::kColumns; ++c)
        mfgDatos->setColWidth(c, GuideGrid::width(c, codigo));
}

void clsGuia::MarcaFilasSeleccionadas()
{
    if (!mfgDatos)
        return;
    const BusyPointer::Scope busy;
    const int filas = mfgDatos->rows() - 1;
    const Recordset* rs = m_datosBD ? m_datosBD->getRecordset() : nullptr;
    // Row r shows record r: the stored value decides, not a copied text.
    const bool porRegistro = rs && rs->isOpen() && rs->recordCount() == filas;
    FlexGridModel* modelo = mfgDatos->flexModel();
    const QColor marcada = GuideGrid::markedColor();
    const QColor sinMarcar = GuideGrid::unmarkedColor();
    for (int r = 1; r <= filas; ++r) {
        const bool marca = porRegistro ? GuideGrid::isMarked(rs->valueAt(r - 1, 0))
                                       : GuideGrid::isMarked(mfgDatos->textMatrix(r, 1));
        modelo->setCellBackColor(r, 0, marca ? marcada : sinMarcar);
    }
    mfgDatos->setCol(0);
}

void clsGuia::muestraFicha()
{
    const QScopedValueRollback<bool> ocupado(m_ocupado, true);
    clsFicha().Muestra(datosBD().getRecordset(), mfgDatos);
}

void clsGuia::pintaMarca(int fila, bool marcada)
{
    if (mfgDatos)
        mfgDatos->flexModel()->setCellBackColor(
            fila, 0, marcada ? GuideGrid::markedColor() : GuideGrid::unmarkedColor());
}

void clsGuia::cambiaMarca(int fila)
{
    Recordset* rs = datosBD().getRecordset();
    if (!rs || !rs->isOpen() || fila < 1 || fila > rs->recordCount())
        return;
    const QScopedValueRollback<bool> ocupado(m_ocupado, true);
    mfgDatos->setCol(0);
    const bool antes = GuideGrid::isMarked(rs->valueAt(fila - 1, 0));
    pintaMarca(fila, !antes);
    try {
        rs->setAbsolutePosition(fila);
        rs->field(0) = !antes;
        rs->update();
    } catch (const DbError& e) {
        rs->cancelUpdate();
        pintaMarca(fila, antes);
        DialogService::message(
            QStringLiteral("No se ha podido guardar la selección de la empresa.\n\n") + e.description(),
            DialogService::Buttons::Ok, DialogService::Icon::Critical);
        return;
    }
    // Copied cells do not follow the record by themselves.
    if (!mfgDatos->dataSource())
        mfgDatos->setTextMatrix(fila, 1, Recordset::displayText(rs->valueAt(fila - 1, 0)));
}

void clsGuia::mfgDatos_MouseMove(double x)
{
    if (!mfgDatos)
        return;
    const int c = mfgDatos->mouseCol();
    const QString caption = mfgDatos->colHeaderCaption(c);
    int ancho = 0;
    if (lblCabecera && !caption.isEmpty()) {
        lblCabecera->setText(caption);
        lblCabecera->adjustSize();
        ancho = Twips::width(lblCabecera);
    }
    const int p = mfgDatos->colPos(c);
    const bool mano = mfgDatos->mouseRow() == 0 && float(x) < float(p + ancho);
    mfgDatos->setMousePointer(mano ? FlexGrid::Pointer::Custom : FlexGrid::Pointer::Default);
}

void clsGuia::mfgDatos_Click()
{
    if (m_ocupado || !mfgDatos)
        return;
    procesaMensajes();
    if (!mfgDatos || mfgDatos->mouseRow() != 0 || mfgDatos->mouseCol() <= 0
        || mfgDatos->mousePointer() != FlexGrid::Pointer::Custom)
        return;
    const QScopedValueRollback<bool> ocupado(m_ocupado, true);
    const int izquierda = mfgDatos->leftCol();
    frmWhile::instance().mostrar();
    procesaMensajes();
    clsDatosBD& datos = datosBD();
    QString campo = datos.getNombreCampo(mfgDatos->col() - 1);
    if (!campo.isEmpty()) {
        datos.setOrden(campo);
        GridBinding::muestraDatos(datos, mfgDatos);
    }
    formateaGrid();
    frmWhile::instance().unload();
    if (mfgDatos)
        mfgDatos->setLeftCol(izquierda);
    if (datos.fallo())
        avisaConsultaFallida();
}

void clsGuia::mfgDatos_DblClick()
{
    if (m_ocupado || !mfgDatos)
        return;
    if (mfgDatos->mouseRow() > 0 && mfgDatos->mouseCol() > 0)
        muestraFicha();
    if (mfgDatos && mfgDatos->mouseCol() == 0 && mfgDatos->row() > 0)
        cambiaMarca(mfgDatos->row());
}

void clsGuia::txtBusqueda_Change()
{
    if (m_ocupado || !mfgDatos || !txtBusqueda)
        return;
    const QString t = txtBusqueda->text();
    clsDatosBD& datos = datosBD();
    int p = 0;
    if (t.isEmpty())
        p = datos.muevePrimero() ? 1 : 0;
    else
        p = datos.getPosicionBusqueda(clsDatosBD::criterioComienzaPor(kCampoNombre, t));
    if (p > 0 && p < mfgDatos->rows()) {
        mfgDatos->setTopRow(p);
        mfgDatos->setRow(p);
    }
}
