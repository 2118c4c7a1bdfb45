#include "HelpWriter.h"

#include "HtmlPage.h"
#include "OutputFile.h"

#include <QDir>

namespace {

struct HelpPage
{
    const char* file;
    const char* title;
    const char* body;
};

const char* const kBanner
    = "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\"><tr><td class=\"banda\" bgcolor=\"#F08214\">"
      "<span style=\"color: #FFFFFF; font-size: 9pt;\"><b>TARVESA 2010</b> &middot; Guía de empresas de la "
      "hostelería</span></td></tr></table>\n";

const char* const kToIndex = "<a href=\"index.html\">Índice de la ayuda</a>";
const char* const kToGuide = " &middot; <a href=\"la%20guia.htm\">La Guía de Empresas</a>";

const char* const kFooter = "<p class=\"pie\"><br>Tarvesa 2010 &middot; Guía de empresas de la hostelería "
                            "&middot; Edita KORVAN</p>\n";

const HelpPage kPages[] = {
    {"index.html", "Ayuda de Tarvesa 2010", R"(<h1>Ayuda de Tarvesa 2010</h1>
<p>Tarvesa 2010 es la <b>Guía de empresas de la hostelería</b> que edita KORVAN. Reúne las empresas
que trabajan para el sector en toda España (catering, distribución, equipamiento, escuelas,
franquicias, hoteles, transporte y vending) con su dirección, sus teléfonos y sus personas de contacto.</p>
<p>Con ella puede consultar las empresas de cada sector, marcar las que le interesen, buscarlas por
distintos criterios, ver la ficha completa de cada una, exportar sus datos a otros programas e imprimir
listados, etiquetas y sobres.</p>

<h2>Contenido</h2>
<table width="100%" cellspacing="0" cellpadding="0"><tr>
<td width="50%" valign="top"><ul>
<li><a href="#menu">El menú principal</a></li>
<li><a href="#empresa">La Empresa</a></li>
<li><a href="#guia">Guía de Empresas</a></li>
<li><a href="#ranking">Ranking</a></li>
<li><a href="#publicaciones">Publicaciones</a></li>
<li><a href="#buscar">Buscar</a></li>
<li><a href="#calculadora">La calculadora</a></li>
</ul></td>
<td width="50%" valign="top"><ul>
<li><a href="la%20guia.htm">La Guía de Empresas en detalle</a></li>
<li><a href="buscar.htm">Buscar empresas</a></li>
<li><a href="exportar.htm">Exportar datos</a></li>
<li><a href="listado.htm">Imprimir un listado</a></li>
<li><a href="etiquetas.htm">Imprimir etiquetas</a></li>
<li><a href="sobres.htm">Imprimir sobres</a></li>
</ul></td>
</tr></table>

<h2><a name="menu"></a>El menú principal</h2>
<p>El menú principal es la pantalla de partida del programa. Sus botones llevan a cada una de las
pantallas: <b>La Empresa</b>, <b>Guía de Empresas</b>, <b>Ranking</b>, <b>Publicaciones</b> y
<b>Buscar</b>. El botón <b>Ayuda</b> abre estas páginas y el botón <b>Salir</b> cierra el programa.</p>

<h2><a name="empresa"></a>La Empresa</h2>
<p>Presenta a KORVAN, la editorial que publica esta guía: quiénes somos, a qué nos dedicamos y cómo
ponerse en contacto con nosotros. Si pulsa sobre una dirección de correo electrónico o de Internet, se
abrirá con su programa de correo o con su navegador.</p>

<h2><a name="guia"></a>Guía de Empresas</h2>
<p>Es la consulta principal del programa. Elija un sector y verá sus empresas en una tabla, una por
fila. En ella puede:</p>
<ul>
<li>ordenar la lista por sus columnas;</li>
<li>marcar las empresas que le interesen, para trabajar después sólo con ellas;</li>
<li>localizar una empresa escribiendo su nombre;</li>
<li>abrir la ficha de una empresa, con todos sus datos;</li>
<li>usar la barra de herramientas para buscar, exportar los datos o imprimir listados, etiquetas y
sobres.</li>
</ul>
<p>Encontrará todos los detalles en <a href="la%20guia.htm">La Guía de Empresas</a>.</p>

<h2><a name="ranking"></a>Ranking</h2>
<p>Muestra las empresas líderes de cinco sectores: <b>Catering</b>, <b>Equipamiento</b>,
<b>Distribución</b>, <b>Vending</b> y <b>Cash &amp; Carry</b>. Elija el sector en el recuadro del
ranking y verá sus primeras empresas ordenadas por número de empleados, con su población y su
provincia. El botón <b>Imprimir</b> del recuadro imprime el ranking que esté viendo.</p>
<p class="nota">KORVAN elabora los rankings con los datos de la guía. Cuentan sólo las sedes centrales,
no las delegaciones, y sólo las empresas que han facilitado su número de empleados.</p>

<h2><a name="publicaciones"></a>Publicaciones</h2>
<p>Presenta las revistas que KORVAN edita para los profesionales de la hostelería. De cada revista
puede consultar sus números en formato PDF: al elegir uno, se abre con el lector de PDF de su equipo,
desde el que puede leerlo, guardarlo o imprimirlo.</p>

<h2><a name="buscar"></a>Buscar</h2>
<p>Abre el formulario de búsqueda, con el que puede localizar empresas combinando varios criterios:
sector, actividad, nombre, provincia, población... Las empresas encontradas se muestran en la Guía de
Empresas, donde puede trabajar con ellas como con cualquier otra lista. Vea
<a href="buscar.htm">Buscar empresas</a>.</p>

<h2><a name="calculadora"></a>La calculadora</h2>
<p>Pulse sobre la calculadora del menú principal para abrirla. Además de las operaciones habituales,
convierte importes entre pesetas y euros al tipo de cambio oficial:</p>
<p align="center"><span class="acento">1 euro = 166,386 pesetas</span></p>
<p>Así, 10.000 pesetas equivalen a 60,10 euros, y 50 euros, a 8.319 pesetas.</p>
)"},

    {"la guia.htm", "La Guía de Empresas", R"(<h1>La Guía de Empresas</h1>
<p>La Guía de Empresas presenta las empresas de un sector en una tabla, una por fila, con sus datos
principales. Es el lugar desde el que se consultan, se marcan, se exportan y se imprimen.</p>

<h2>Elegir el sector</h2>
<p>Al entrar en la guía, elija el sector que desea consultar: Catering, Distribución, Equipamiento,
Escuelas, Franquicias, Hoteles, Transporte o Vending. La tabla muestra entonces todas sus empresas.</p>

<h2>Ordenar la lista</h2>
<p>Pulse sobre el título de una columna para ordenar la lista por ella. Los nombres se ordenan según
las reglas del español: sin distinguir mayúsculas de minúsculas y con la ñ detrás de la n.</p>

<h2>Marcar empresas</h2>
<p>Marque las empresas que le interesen en la columna de marca. Así puede reunir su propia selección y
trabajar después sólo con ella: exportarla o imprimir su listado, sus etiquetas o sus sobres.</p>

<h2>Buscar por nombre</h2>
<p>Para llegar enseguida a una empresa, escriba su nombre, o sólo el principio, en la casilla de
búsqueda de la guía: la lista se sitúa en la primera empresa que coincide. No importa si lo escribe en
mayúsculas o en minúsculas.</p>

<h2>La ficha de la empresa</h2>
<p>Haga doble clic sobre una empresa para abrir su ficha, con todos los datos que recoge la guía:
actividad, CIF, dirección, código postal, población y provincia, teléfono, fax, correo electrónico,
página web, personas de contacto y su cargo, superficie, vehículos, número de empleados y
observaciones.</p>

<h2>La barra de herramientas</h2>
<ul>
<li><b>Buscar</b>: abre el formulario de búsqueda por criterios. Vea
<a href="buscar.htm">Buscar empresas</a>.</li>
<li><b>Exportar</b>: guarda los datos de las empresas en una hoja de cálculo, un documento o un archivo
de texto. Vea <a href="exportar.htm">Exportar datos</a>.</li>
<li><b>Listado</b>: imprime una relación de las empresas con sus datos principales. Vea
<a href="listado.htm">Imprimir un listado</a>.</li>
<li><b>Etiquetas</b>: imprime etiquetas adhesivas con la dirección de cada empresa. Vea
<a href="etiquetas.htm">Imprimir etiquetas</a>.</li>
<li><b>Sobres</b>: imprime la dirección de cada empresa directamente en el sobre. Vea
<a href="sobres.htm">Imprimir sobres</a>.</li>
</ul>
<p>Los listados, las etiquetas y los sobres se muestran primero en una
<a href="listado.htm#vista">vista preliminar</a>, para que compruebe el resultado antes de
imprimir.</p>
)"},

    {"buscar.htm", "Buscar empresas", R"(<h1>Buscar empresas</h1>
<p>El formulario de búsqueda le permite encontrar las empresas que cumplen las condiciones que usted
fije, en un sector o en toda la guía.</p>

<h2>Cómo buscar</h2>
<ol>
<li>Pulse <b>Buscar</b> en el menú principal o en la barra de herramientas de la guía.</li>
<li>Rellene sólo los datos que le interesen; los que deje en blanco no se tienen en cuenta.</li>
<li>Inicie la búsqueda.</li>
</ol>

<h2>Los criterios</h2>
<p>Puede buscar por <b>sector</b>, <b>actividad</b>, <b>nombre de la empresa</b>, <b>comunidad
autónoma</b>, <b>provincia</b>, <b>población</b> y <b>código postal</b>. No importa si escribe en
mayúsculas o en minúsculas.</p>
<p>Cuando indica varios criterios, las empresas encontradas los cumplen todos a la vez. Por ejemplo,
el sector <i>Hoteles</i> y la provincia <i>Málaga</i> dan los hoteles de la provincia de Málaga.</p>

<h2>El resultado</h2>
<p>Las empresas encontradas aparecen en la <a href="la%20guia.htm">Guía de Empresas</a>, donde puede
ordenarlas, marcarlas, ver sus fichas, exportarlas o imprimirlas. Si ninguna empresa cumple las
condiciones, el programa se lo indica y le ofrece hacer otra búsqueda.</p>
<p class="nota">Si obtiene demasiadas empresas, añada algún criterio; si no obtiene ninguna, quite
alguno o revise cómo lo ha escrito.</p>
)"},

    {"exportar.htm", "Exportar datos", R"(<h1>Exportar datos</h1>
<p>La exportación guarda en un archivo los datos de las empresas de la guía para que pueda usarlos en
otros programas: su hoja de cálculo, su procesador de textos o su programa de gestión de clientes.</p>

<h2>Formatos</h2>
<ul>
<li><b>Hoja de cálculo</b>: una fila por empresa y una columna por dato, para ordenar, filtrar o
hacer cuentas.</li>
<li><b>Documento</b>: una relación de las empresas con sus datos, lista para abrir con su procesador
de textos.</li>
<li><b>Texto</b>: un archivo de texto con los datos de cada empresa en una línea, que admite casi
cualquier programa; es el más indicado para combinar correspondencia.</li>
</ul>

<h2>Cómo exportar</h2>
<ol>
<li>En la <a href="la%20guia.htm">Guía de Empresas</a>, prepare la lista: elija el sector o haga una
búsqueda, y marque las empresas si sólo quiere algunas.</li>
<li>Pulse <b>Exportar</b> en la barra de herramientas y elija el formato.</li>
<li>Indique el nombre y la carpeta del archivo.</li>
</ol>
<p>Después podrá abrir el archivo con el programa que prefiera.</p>
)"},

    {"listado.htm", "Imprimir un listado", R"(<h1>Imprimir un listado</h1>
<p>El listado es una relación impresa de las empresas de la guía con sus datos principales, en el
mismo orden en que las ve en la pantalla.</p>

<h2>Cómo imprimir</h2>
<ol>
<li>Prepare la lista en la <a href="la%20guia.htm">Guía de Empresas</a>: elija el sector o haga una
búsqueda, ordénela como prefiera y marque las empresas si sólo quiere algunas.</li>
<li>Pulse <b>Listado</b> en la barra de herramientas.</li>
<li>Revise el resultado en la vista preliminar y, si todo es correcto, imprímalo.</li>
</ol>

<h2><a name="vista"></a>La vista preliminar</h2>
<p>La vista preliminar muestra las páginas tal como saldrán de la impresora. En ella puede pasar de
una página a otra, ampliar o reducir la vista, elegir la impresora y enviar el trabajo a imprimir. Si
cierra la vista preliminar sin imprimir, no se imprime nada.</p>
)"},

    {"etiquetas.htm", "Imprimir etiquetas", R"(<h1>Imprimir etiquetas</h1>
<p>Imprime la dirección postal de cada empresa en hojas de etiquetas adhesivas, listas para sus envíos
por correo. Cada etiqueta lleva el nombre de la empresa, la persona de contacto cuando la guía la
recoge, la dirección, el código postal, la población y la provincia.</p>

<h2>Cómo imprimir</h2>
<ol>
<li>Prepare la lista en la <a href="la%20guia.htm">Guía de Empresas</a> y marque las empresas si
sólo quiere algunas.</li>
<li>Pulse <b>Etiquetas</b> en la barra de herramientas.</li>
<li>Elija el formato de sus hojas de etiquetas.</li>
<li>Compruebe en la <a href="listado.htm#vista">vista preliminar</a> cómo quedan e imprímalas.</li>
</ol>

<h2>Consejos</h2>
<ul>
<li>Imprima primero una página en papel normal y póngala al trasluz sobre una hoja de etiquetas para
comprobar que coinciden.</li>
<li>Use etiquetas adecuadas para su impresora (láser o de inyección de tinta) y colóquelas en la
bandeja como indique su manual.</li>
</ul>
)"},

    {"sobres.htm", "Imprimir sobres", R"(<h1>Imprimir sobres</h1>
<p>Imprime directamente en el sobre la dirección de cada empresa: el nombre, la persona de contacto
cuando la guía la recoge, la dirección, el código postal, la población y la provincia.</p>

<h2>Cómo imprimir</h2>
<ol>
<li>Prepare la lista en la <a href="la%20guia.htm">Guía de Empresas</a> y marque las empresas si
sólo quiere algunas.</li>
<li>Pulse <b>Sobres</b> en la barra de herramientas.</li>
<li>Elija el tamaño de sus sobres.</li>
<li>Compruebe en la <a href="listado.htm#vista">vista preliminar</a> cómo quedan e imprímalos.</li>
</ol>

<h2>Consejos</h2>
<ul>
<li>Consulte en el manual de su impresora cómo se colocan los sobres en la bandeja: por qué cara y en
qué sentido.</li>
<li>Antes de una tirada larga, imprima un solo sobre de prueba.</li>
</ul>
)"},
};

} // namespace

HelpWriter::HelpWriter(QString outputFolder)
    : m_folder(std::move(outputFolder))
{
}

bool HelpWriter::write()
{
    m_error.clear();
    const QDir folder(m_folder);
    for (const HelpPage& page : kPages) {
        QString body = QString::fromUtf8(kBanner);
        if (qstrcmp(page.file, "index.html") != 0) {
            body += QStringLiteral("<p class=\"nota\">") + QString::fromUtf8(kToIndex);
            if (qstrcmp(page.file, "la guia.htm") != 0)
                body += QString::fromUtf8(kToGuide);
            body += QStringLiteral("</p>\n");
        }
        body += QString::fromUtf8(page.body) + QString::fromUtf8(kFooter);
        const QString html = HtmlPage::document(QString::fromUtf8(page.title), body);
        if (!OutputFile::write(folder.filePath(QString::fromUtf8(page.file)), html.toUtf8(), m_error))
            return false;
    }
    return true;
}
