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
<p>La Guía de Empresas presenta las empresas de la hostelería en una tabla, una por fila, con todos sus
datos: sector, nombre, actividad, CIF, comunidad, provincia, población, dirección, código postal,
teléfono, fax, correo electrónico, web, personas de contacto con su cargo, superficie, vehículos,
empleados y observaciones. Desde ella se consultan, se marcan, se exportan y se imprimen. Debajo de la
tabla, el contador <b>Empresas</b> indica cuántas empresas se muestran.</p>

<h2>Elegir el sector</h2>
<p>Al abrir la guía se muestran todas las empresas. En la fila de sectores, a la derecha de la casilla
<b>Empresa</b>, pulse sobre <b>Catering</b>, <b>Distribución</b>, <b>Equipamiento</b>,
<b>Escuelas</b>, <b>Franquicias</b>, <b>Hoteles</b> o <b>Vending</b> para ver sólo las empresas de ese
sector. El sector elegido queda resaltado. El botón <b>Ver Todos</b> vuelve a mostrar todas las
empresas de la guía.</p>

<h2>Ordenar la lista</h2>
<p>Pulse sobre el título de una columna (el puntero se convierte en una mano) para ordenar la lista por
ella; una segunda pulsación invierte el orden. Los nombres se ordenan según las reglas del español:
sin distinguir mayúsculas de minúsculas, con las letras acentuadas junto a las demás y la ñ detrás de
la n.</p>
<p><a name="ordenar"></a>El botón <b>Ordenar</b> de la barra de herramientas abre una ventana con los
campos por los que puede ordenar (Empresa, Actividad, CIF, Comunidad, Provincia, Población, Dirección,
C.P., Teléfono, Fax, Web y E-Mail) y las dos flechas del sentido: hacia arriba, de la A a la Z; hacia
abajo, de la Z a la A. Al abrirse muestra el orden actual: el campo elegido queda hundido y la flecha
del sentido, en gris. Si la lista está ordenada por un campo que no figura en la ventana (por ejemplo,
el sector), no aparece ningún campo elegido; si acepta sin elegir uno, se conserva ese campo con el
sentido que indique. Pulse <b>Aceptar</b> (la marca de verificación) para ordenar todas las empresas que
se muestran o <b>Cancelar</b> (el aspa) para dejar la lista como estaba. La tabla queda en la misma fila en
que estaba.</p>

<h2>Buscar por nombre</h2>
<p>Escriba el nombre de una empresa, o sólo su principio, en la casilla <b>Empresa:</b> situada sobre
la tabla. Mientras escribe, la tabla se sitúa en la primera empresa, en el orden en que se muestran,
cuyo nombre empieza por lo escrito. No importa si lo escribe en mayúsculas o en minúsculas. Para
buscar por sector, comunidad, provincia, localidad o actividad, use el botón <b>Buscar</b> del menú
principal (vea <a href="buscar.htm">Buscar empresas</a>).</p>

<h2>Marcar empresas</h2>
<p>La casilla gris de la izquierda de cada fila indica si la empresa está marcada: clara si lo está,
oscura si no. Haga doble clic sobre ella para marcar o desmarcar la empresa. Las marcas se guardan en
la base de datos y se conservan de una sesión a otra.</p>
<ul>
<li><b>Ver seleccionadas</b> (sobre la tabla, a la derecha) deja en la tabla sólo las empresas
marcadas de las que se muestran, en el mismo orden.</li>
<li><b>Desmarcar</b> quita, tras pedir confirmación, las marcas de todas las empresas de la guía, no
sólo de las que se muestran.</li>
</ul>

<h2>La ficha de la empresa</h2>
<p>Haga doble clic sobre cualquier dato de una empresa, o pulse <b>Ficha</b>, para abrir su ficha. En
ella puede pasar a la empresa anterior o siguiente, escribir sus observaciones, marcarla o desmarcarla,
escribirle un correo, visitar su web, ver la empresa central de un punto de venta e imprimir la
ficha.</p>

<h2>La barra de herramientas</h2>
<ul>
<li><b>Ficha</b>: abre la ficha de la empresa seleccionada.</li>
<li><b>Exportar</b>: guarda las empresas que se muestran en una hoja de cálculo, un documento o un
archivo de texto. Vea <a href="exportar.htm">Exportar datos</a>.</li>
<li><b>Ordenar</b>: ordena las empresas por el campo y en el sentido que elija (vea
<a href="#ordenar">Ordenar la lista</a>).</li>
<li><b>Ver Todos</b>: muestra todas las empresas de la guía.</li>
<li><b>Ver en ficheros</b>: muestra, en lugar de la tabla, los documentos de cada sector (informes en
PDF y hojas de cálculo). Haga doble clic sobre un documento para abrirlo con el programa que tenga
instalado para ese tipo de archivo. <b>Ver en tabla</b> vuelve a la tabla.</li>
<li><b>Ayuda</b>: abre esta página.</li>
<li><b>Listado</b>: imprime una relación de las empresas que se muestran. Vea
<a href="listado.htm">Imprimir un listado</a>.</li>
<li><b>Sobres</b>: imprime sobres con la dirección de las empresas, empezando por la seleccionada. Vea
<a href="sobres.htm">Imprimir sobres</a>.</li>
<li><b>Etiquetas</b>: imprime etiquetas con la dirección de las empresas que se muestran. Vea
<a href="etiquetas.htm">Imprimir etiquetas</a>.</li>
</ul>
<p>Los listados, las etiquetas y los sobres se muestran primero en una vista preliminar, para que
compruebe el resultado antes de imprimir. Si sólo le interesan algunas empresas, márquelas y pulse
<b>Ver seleccionadas</b> antes de exportar o imprimir.</p>

<h2>Contacto</h2>
<p>Al pie de la tabla encontrará la dirección de correo del departamento de bases de datos de KORVAN:
púlsela para escribirle si encuentra algún dato que deba corregirse.</p>
)"},

    {"buscar.htm", "Buscar empresas", R"(<h1>Buscar empresas</h1>
<p>El formulario <b>Buscar</b> localiza las empresas de la guía que cumplen las condiciones que usted
fije. Se abre con el botón <b>Buscar</b> del menú principal. Rellene sólo los datos que le interesen:
los que deje en blanco no se tienen en cuenta, y las empresas encontradas cumplen todos los demás a
la vez.</p>

<h2>El nombre de la empresa</h2>
<p>Escriba en la casilla <b>Empresa</b> el nombre o una parte de él. No importa si lo escribe en
mayúsculas o en minúsculas, pero sí las tildes. Sin más indicaciones, el texto puede estar en
cualquier parte del nombre. Con las comillas dobles (") indica dónde empieza o dónde acaba:</p>
<ul>
<li><b>"hotel</b> busca los nombres que empiezan por <i>hotel</i>;</li>
<li><b>s.l."</b> busca los nombres que terminan en <i>s.l.</i>;</li>
<li><b>"Hotel Miramar"</b>, entre comillas, busca el nombre completo <i>Hotel Miramar</i>.</li>
</ul>
<p>Si marca <b>Buscar palabra exacta</b>, el nombre de la empresa debe ser exactamente el que ha
escrito, y las comillas se buscan como parte del nombre. Esta opción sólo está disponible mientras
la casilla <b>Empresa</b> tiene algún texto.</p>

<h2>Sector, comunidad, provincia, localidad y actividad</h2>
<p>Las cinco listas ofrecen los valores que existen en la guía. Cada una depende de lo elegido en las
anteriores: al elegir un sector, la lista <b>Comunidad</b> muestra sólo las comunidades donde hay
empresas de ese sector, y las listas <b>Provincia</b>, <b>Localidad</b> y <b>Actividad</b> se
rellenan de nuevo con los valores que corresponden. Del mismo modo, la comunidad elegida limita las
provincias, la provincia las localidades y la localidad las actividades. Al cambiar una lista, las
que dependen de ella vuelven a quedar en blanco.</p>
<p>Para abrir una lista, púlsela con el ratón o empiece a escribir el valor que busca. La entrada en
blanco de cada lista significa «cualquiera».</p>

<h2>Sólo seleccionadas</h2>
<p>Marque <b>Sólo seleccionadas</b> para limitar la búsqueda a las empresas que haya marcado en la
<a href="la%20guia.htm">Guía de Empresas</a>.</p>

<h2>Los botones</h2>
<ul>
<li><b>Aceptar</b> (la marca de verificación) o la tecla Intro realizan la búsqueda.</li>
<li><b>Cancelar</b> (el aspa) o la tecla Esc cierran el formulario sin buscar.</li>
<li><b>Ayuda</b> (el signo de interrogación) abre esta página, que puede consultar sin cerrar el
formulario.</li>
</ul>
<p>El formulario recuerda los datos de la última búsqueda, de modo que puede afinarla sin empezar de
nuevo. Para moverlo, arrástrelo desde cualquier punto de su fondo.</p>

<h2>El resultado</h2>
<p>Las empresas encontradas aparecen en la <a href="la%20guia.htm">Guía de Empresas</a>, donde puede
ordenarlas, marcarlas, ver sus fichas, exportarlas o imprimirlas; las condiciones de la búsqueda
sirven de título al listado impreso. Si ninguna empresa cumple las condiciones, la guía vuelve a
mostrar lo que mostraba antes y el programa le ofrece realizar otra búsqueda.</p>
<p class="nota">Si obtiene demasiadas empresas, añada algún criterio; si no obtiene ninguna, quite
alguno o revise cómo lo ha escrito.</p>
)"},

    {"exportar.htm", "Exportar datos", R"(<h1>Exportar datos</h1>
<p>La exportación guarda en un archivo los datos de las empresas que muestra la
<a href="la%20guia.htm">Guía de Empresas</a>, para que pueda usarlos en otros programas: su hoja de
cálculo, su procesador de textos, su programa de gestión de clientes o la combinación de
correspondencia. Se exportan <b>todas las empresas que se muestran</b>, en el mismo orden en que las ve
en la tabla, estén marcadas o no.</p>

<h2>Antes de exportar</h2>
<ul>
<li>Elija el sector o haga una <a href="buscar.htm">búsqueda</a> para mostrar sólo las empresas que le
interesan.</li>
<li>Si sólo quiere algunas, márquelas y pulse <b>Ver seleccionadas</b>: se exportarán únicamente
ésas.</li>
<li>Ordénelas como prefiera, pulsando sobre el título de una columna o con el botón <b>Ordenar</b>; el
archivo conserva ese orden.</li>
</ul>

<h2>La ventana Exportar</h2>
<p>Pulse <b>Exportar</b> en la barra de herramientas de la guía. La ventana indica, junto a
<b>Se va a exportar:</b>, cuántos registros (empresas) contendrá el archivo. Elija el formato pulsando
sobre su icono; el elegido queda hundido y en gris. Al abrirse, está elegida la hoja de cálculo.</p>
<ul>
<li><b>Microsoft Excel</b> (hoja de cálculo, archivo <b>.xlsx</b>): una hoja con una fila de títulos y
una fila por empresa, con una columna para cada dato: Sector, Empresa, Actividad, CIF, Autonomía,
Provincia, Población, Dirección, Código Postal, Teléfono, Fax, E-Mail, Web, Cargo 1, Contacto 1,
Cargo 2, Contacto 2, Superficie, Vehiculos, Empleados y Observaciones. Los códigos postales y los
teléfonos se guardan como texto, de modo que conservan sus ceros iniciales. Es el formato más cómodo
para ordenar, filtrar o hacer cuentas.</li>
<li><b>Microsoft Word</b> (documento, archivo <b>.docx</b>): una página apaisada con una tabla cuya
primera fila lleva los títulos y cada una de las siguientes, los datos de una empresa, de Sector a
Empleados; las observaciones no se incluyen. Lista para imprimir o para retocarla con su procesador de
textos.</li>
<li><b>Documento de Texto</b> (archivo <b>.txt</b>): una línea de títulos y una línea por empresa, con
los datos separados por tabuladores, las observaciones incluidas. Lo admite casi cualquier programa y
es el más indicado para importar los datos o combinar correspondencia. Está escrito con los caracteres
de Windows (ANSI) y con los finales de línea de Windows.</li>
</ul>
<p>Pulse <b>Aceptar</b> (la marca de verificación) o la tecla Intro para continuar, <b>Cancelar</b> (el
aspa) o la tecla Esc para cerrar la ventana sin exportar nada, y <b>Ayuda</b> (el signo de
interrogación) para abrir esta página. Para mover la ventana, arrástrela desde cualquier punto de su
fondo.</p>

<h2>El nombre del archivo</h2>
<p>Después se abre la ventana <b>Guardar como</b>, que sólo muestra los archivos del formato elegido.
Escoja la carpeta y escriba el nombre del archivo:</p>
<ul>
<li>si lo escribe sin extensión, se añade la del formato: <b>.xlsx</b>, <b>.docx</b> o <b>.txt</b>;</li>
<li>un nombre terminado en <b>.xls</b> se guarda como <b>.xlsx</b>, y uno terminado en <b>.doc</b>, como
<b>.docx</b>, los formatos actuales de las hojas de cálculo y los documentos;</li>
<li>si ya existe un archivo con el nombre que se va a guardar, el programa le pregunta si desea
reemplazarlo; si no existe, le pregunta si desea crearlo. Si responde <b>No</b>, vuelve a la ventana
<b>Guardar como</b> para elegir otro nombre.</li>
</ul>
<p class="nota">La pregunta se refiere siempre al archivo que de verdad se va a escribir: si escribe
<i>clientes.xls</i>, se le pregunta por <i>clientes.xlsx</i>. Un archivo <i>clientes.xls</i> anterior no
se modifica ni se borra.</p>
<p>Si cancela la ventana <b>Guardar como</b>, vuelve a la ventana Exportar con el mismo formato elegido,
para escoger otro o cancelar.</p>

<h2>Mientras se exporta</h2>
<p>Al aceptar el nombre, la ventana Exportar se cierra y aparece el aviso <b>Trabajando</b>; mientras
tanto el puntero muestra el reloj de arena y el menú principal no admite pulsaciones. La exportación
no cambia la empresa seleccionada en la tabla ni el orden de la lista.</p>

<h2>Si algo falla</h2>
<p>Si el archivo no puede escribirse (la carpeta no admite escritura, el disco está lleno, el archivo
está abierto en otro programa...), un mensaje lo indica con el motivo. El archivo se escribe primero
aparte y sólo sustituye al anterior cuando está completo, de modo que un archivo que ya existía queda
intacto si la exportación falla. Si exporta una lista sin empresas, el archivo contiene sólo los
títulos.</p>

<h2>Abrir el archivo</h2>
<p>Los archivos .xlsx y .docx se abren con Microsoft Excel y Microsoft Word 2007 o posteriores, con
LibreOffice y con la mayoría de los programas de oficina actuales. El archivo de texto se abre con
cualquier editor de textos; para llevarlo a una hoja de cálculo, indique el tabulador como separador.</p>
)"},

    {"listado.htm", "Imprimir un listado", R"(<h1>Imprimir un listado</h1>
<p>El listado es una relación impresa de las empresas de la guía, una por línea, con las columnas
que usted elija y en el mismo orden en que las ve en la pantalla. Se imprimen todas las empresas que
muestra la guía en ese momento, no sólo las marcadas: si quiere listar sólo las marcadas, pulse antes
<b>Ver seleccionadas</b>.</p>

<h2>Cómo imprimir</h2>
<ol>
<li>Prepare la lista en la <a href="la%20guia.htm">Guía de Empresas</a>: elija el sector o haga una
búsqueda, ordénela como prefiera y, si sólo quiere algunas empresas, márquelas y muéstrelas.</li>
<li>Pulse <b>Listado</b> en la barra de herramientas. Se abre la vista preliminar con la primera
página.</li>
<li>Revise el resultado página a página y, si todo es correcto, pulse el botón de la impresora.</li>
</ol>
<p>Si la guía no muestra ninguna empresa, o si el equipo no tiene ninguna impresora instalada, el
programa se lo indica y no abre la vista preliminar. La impresora debe admitir papel A4.</p>

<h2>Qué contiene cada página</h2>
<ul>
<li>La primera página lleva la cabecera: el logotipo de KORVAN, el título <i>EMPRESAS TARVESA
2010</i>, el número total de empresas, la fecha y la hora, y el criterio de selección (por ejemplo
<i>Sector: CATERING</i>).</li>
<li>Todas las páginas llevan los títulos de las columnas bajo una línea y la indicación
<i>Página: n de N</i>.</li>
<li>Cada empresa ocupa una línea. Un dato que no cabe en el ancho de su columna se corta, para que
no tape la columna siguiente; un dato vacío deja su columna en blanco.</li>
</ul>

<h2><a name="vista"></a>La vista preliminar</h2>
<p>La vista preliminar muestra las páginas tal como saldrán de la impresora. En ella puede:</p>
<ul>
<li>pasar a la página siguiente o volver a la anterior con las flechas;</li>
<li>elegir el papel (A4 o A3) y la orientación (vertical o apaisada); al cambiarlos, el listado vuelve
a la primera página y se recalcula el número de páginas;</li>
<li>elegir las columnas del listado con el botón de configuración;</li>
<li>imprimir: tras elegir la impresora, el programa pregunta si desea imprimir todas las páginas o
sólo la que está viendo. Mientras imprime, una ventana indica la página que se está enviando y le
permite cancelar la impresión;</li>
<li>consultar esta ayuda o cerrar la vista preliminar. Si la cierra sin imprimir, no se imprime
nada.</li>
</ul>

<h2><a name="campos"></a>Elegir las columnas</h2>
<p>El botón de configuración de la vista preliminar abre la ventana de campos, con una casilla por
cada dato de la empresa: Sector, Empresa, Actividad, Dirección, Localidad, Provincia, Código Postal,
Comunidad, Teléfono, Correo electrónico, Web, Fax, CIF, los dos cargos y contactos, Superficie,
Vehículos, Empleados y Observaciones.</p>
<ul>
<li>Marque las casillas de las columnas que desea y pulse <b>Aceptar</b> (o la tecla Intro): el
listado se vuelve a componer desde la primera página con esas columnas.</li>
<li>Pulse <b>Cancelar</b> (o la tecla Esc) para dejar el listado como estaba.</li>
<li>Las columnas se imprimen siempre en el mismo orden, de izquierda a derecha: Sector, Nombre,
Actividad, CIF, Comunidad, Provincia, Localidad, Dirección, C.P., Teléfono, Fax, Correo electrónico,
Web, cargos y contactos, Superficie, Vehículos, Empleados y Observaciones.</li>
<li>Si elige más columnas de las que caben en el ancho del papel, la vista preliminar le dice cuántas
no caben y se imprimen las que caben. Pruebe la orientación apaisada o el papel A3, o quite alguna
columna.</li>
</ul>
<p>Su elección se guarda en el archivo <i>Listado.ini</i> de la carpeta del programa y se usa en los
listados siguientes. Si ese archivo falta o está dañado, el listado muestra las columnas Sector,
Nombre Empresa, Actividad, Provincia, Localidad y C.P. Si ha cambiado la elección y no se puede
guardar, el programa dice por qué y el listado la usa igualmente.</p>

<h2>Consejos</h2>
<ul>
<li>Para listados largos, compruebe primero en la vista preliminar el número total de páginas.</li>
<li>Si sólo necesita una parte, imprima sólo la página que está viendo.</li>
</ul>
)"},

    {"etiquetas.htm", "Imprimir etiquetas", R"(<h1>Imprimir etiquetas</h1>
<p>Imprime la dirección postal de cada empresa de la guía en hojas de etiquetas adhesivas, listas para
sus envíos por correo. Las etiquetas se colocan de izquierda a derecha y de arriba abajo, en el mismo
orden en que ve las empresas en la guía.</p>

<h2>Cómo imprimir</h2>
<ol>
<li>Prepare la lista en la <a href="la%20guia.htm">Guía de Empresas</a>: elija el sector o haga una
búsqueda; si sólo quiere algunas empresas, márquelas y pulse <b>Ver seleccionadas</b>.</li>
<li>Pulse <b>Etiquetas</b> en la barra de herramientas. Se abre la
<a href="listado.htm#vista">vista preliminar</a> con la primera hoja de etiquetas.</li>
<li>Elija, si lo desea, una línea de atención (vea más abajo) y, con el botón <b>Configurar</b>, la
colocación de las etiquetas en la hoja.</li>
<li>Pase las hojas con los botones de página siguiente y anterior para revisarlas.</li>
<li>Pulse <b>Imprimir</b>. Después de elegir la impresora, el programa le pregunta si quiere imprimir
todas las hojas o sólo la que está viendo.</li>
</ol>

<h2>Qué lleva cada etiqueta</h2>
<ol>
<li>El nombre de la empresa.</li>
<li>La línea de atención, si ha elegido una y la empresa tiene a quién dirigirla.</li>
<li>La dirección.</li>
<li>La población, el código postal y, entre paréntesis, la provincia.</li>
</ol>
<p>El texto se imprime en letra Courier New negrita, del tamaño elegido en la configuración.</p>

<h2><a name="atencion"></a>La línea de atención</h2>
<p>En el recuadro <b>A la atención de:</b> de la vista preliminar puede añadir a cada etiqueta una
línea que empieza por «Att.» y nombra a una persona o a un cargo:</p>
<ul>
<li>En la primera lista elija el tratamiento (Sr., Sra., D., Dña.) o escriba el suyo; puede dejarla en
blanco.</li>
<li>En la segunda lista elija el destinatario:
  <ul>
  <li><b>&lt;Ninguno&gt;</b>: sin línea de atención.</li>
  <li><b>Personalizado</b>: el texto que escriba en la casilla de al lado, el mismo en todas las
  etiquetas.</li>
  <li><b>CARGO_1</b> y <b>CARGO_2</b>: la primera o la segunda persona de contacto que la guía
  recoge de cada empresa. Si la empresa no tiene el nombre de esa persona, se usa su cargo; si no tiene
  ninguno de los dos, esa etiqueta sale sin línea de atención y las demás conservan la suya.</li>
  <li>Un cargo de la lista (Presidente, Dtor. General, Dtor. Comercial…): ese cargo en todas las
  etiquetas.</li>
  </ul></li>
</ul>
<p>La hoja que está viendo se actualiza en cuanto cambia la elección o escribe en la casilla.</p>

<h2><a name="configurar"></a>Configurar las etiquetas</h2>
<p>El botón <b>Configurar</b> de la vista preliminar abre una ventana con las medidas de su hoja de
etiquetas, todas en centímetros y con una cifra decimal (puede escribir la coma decimal o el punto):</p>
<table border="1" cellpadding="4" cellspacing="0">
<tr><th>Medida</th><th>Qué es</th><th>Valor inicial</th><th>Valores admitidos</th></tr>
<tr><td>Márgenes: Izquierdo</td><td>distancia del borde izquierdo a la primera columna</td><td>0,5</td><td>de 0 a 3</td></tr>
<tr><td>Márgenes: Superior</td><td>distancia del borde superior a la primera fila</td><td>2,0</td><td>de 0 a 4</td></tr>
<tr><td>Separación entre etiquetas</td><td>distancia del comienzo de una fila al de la siguiente</td><td>3,2</td><td>de 0,1 a 9</td></tr>
<tr><td>Segunda columna etiquetas</td><td>distancia del borde izquierdo a la segunda columna</td><td>10,5</td><td>de 9 a 13</td></tr>
<tr><td>Tamaño de la letra</td><td>en puntos</td><td>8</td><td>8, 9 o 10</td></tr>
</table>
<ul>
<li>Si escribe una medida mayor que la admitida, la casilla muestra el máximo. Al salir de una casilla
vacía, recupera su valor inicial.</li>
<li><b>Restaurar</b> vuelve a poner los valores iniciales en todas las casillas.</li>
<li><b>Aceptar</b> (o la tecla Intro) comprueba todas las casillas, también la que está escribiendo,
guarda las medidas y vuelve a dibujar las etiquetas desde la primera hoja. <b>Cancelar</b> (o la tecla
Esc) cierra la ventana sin cambiar nada.</li>
</ul>
<p>En papel A4 vertical caben dos columnas de etiquetas. Si elige papel A4 apaisado o A3 en la vista
preliminar, se añade una tercera columna a 20 cm del borde izquierdo. Con los valores iniciales, una
hoja A4 vertical lleva 16 etiquetas (8 filas de 2) y una apaisada 15 (5 filas de 3).</p>
<p>Las medidas se guardan en el archivo <code>Etiqueta.ini</code> de la carpeta del programa y se usan
la próxima vez que imprima etiquetas. Si el archivo falta o tiene algún valor no válido, ese valor
toma su valor inicial.</p>

<h2>Consejos</h2>
<ul>
<li>Imprima primero una página en papel normal y póngala al trasluz sobre una hoja de etiquetas para
comprobar que coinciden; ajuste los márgenes si es necesario.</li>
<li>Use etiquetas adecuadas para su impresora (láser o de inyección de tinta) y colóquelas en la
bandeja como indique su manual.</li>
<li>Si sólo quiere repetir una hoja, elija imprimir la página actual.</li>
</ul>
)"},

    {"sobres.htm", "Imprimir sobres", R"(<h1>Imprimir sobres</h1>
<p>Imprime directamente en el sobre la dirección de cada empresa de la guía, un sobre por empresa.</p>

<h2>Cómo imprimir</h2>
<ol>
<li>Prepare la lista en la <a href="la%20guia.htm">Guía de Empresas</a> y marque las empresas si
sólo quiere algunas.</li>
<li>Seleccione en la guía una empresa y pulse <b>Sobres</b> en la barra de herramientas. La
<a href="listado.htm#vista">vista preliminar</a> muestra el sobre de esa empresa a su tamaño real.</li>
<li>Elija el tipo de sobre, el tamaño de la letra y, si lo desea, una línea de atención.</li>
<li>Arrastre con el ratón el bloque de la dirección hasta donde quiera que se imprima.</li>
<li>Pulse <b>Imprimir</b>. Después de elegir la impresora, el programa le pregunta si quiere imprimir
todos los sobres, desde la primera empresa de la guía hasta la última, o sólo el que está viendo.</li>
</ol>

<h2>Qué lleva cada sobre</h2>
<p>Un bloque de texto en letra Arial negrita con el nombre de la empresa, la línea de atención si la
hay, la dirección y, en la última línea, la población, el código postal y la provincia entre
paréntesis.</p>

<h2>Configuración del sobre</h2>
<p>En el recuadro <b>Configuracion Sobre</b> de la vista preliminar:</p>
<ul>
<li><b>Sobre</b>: el tipo de sobre. Los tipos normalizados tienen su propio tamaño:
  <table border="1" cellpadding="4" cellspacing="0">
  <tr><th>Tipo</th><th>Alto</th><th>Ancho</th></tr>
  <tr><td>DL</td><td>110 mm</td><td>220 mm</td></tr>
  <tr><td>C5</td><td>162 mm</td><td>229 mm</td></tr>
  <tr><td>B5</td><td>176 mm</td><td>250 mm</td></tr>
  <tr><td>Nº10</td><td>105 mm</td><td>241 mm</td></tr>
  <tr><td>Monarca</td><td>98 mm</td><td>190 mm</td></tr>
  </table>
  Elija <b>Personalizado</b> para escribir usted las medidas.</li>
<li><b>Alto</b> y <b>Ancho</b>: las medidas del sobre en milímetros enteros. Sólo se pueden cambiar con
el tipo Personalizado. El alto no puede pasar de 210 mm ni el ancho de 297 mm; si deja una casilla
vacía o en cero, el sobre conserva la medida que tenía.</li>
<li><b>T. Letra</b>: el tamaño de la letra de la dirección, de 8 a 12 puntos.</li>
</ul>

<h2>Colocar la dirección</h2>
<p>Al abrir la vista preliminar, la dirección aparece en su lugar habitual: empieza en la mitad del
ancho del sobre y a dos tercios de su alto. Puede arrastrarla a cualquier lugar del sobre, incluso
hasta sus bordes; se imprimirá exactamente donde la deje. Si cambia después el tipo o las medidas del
sobre, la dirección vuelve a su lugar habitual en el nuevo sobre, y se imprime donde la ve.</p>

<h2>La línea de atención</h2>
<p>Se elige como en las etiquetas (vea <a href="etiquetas.htm#atencion">la línea de atención</a>) y
se imprime como segunda línea del bloque, debajo del nombre de la empresa.</p>

<h2>Cómo se imprime</h2>
<p>Cada sobre se imprime en una hoja A4 apaisada: introduzca el sobre en la bandeja apoyado en el
borde derecho y centrado de arriba abajo. Se imprime un sobre por hoja y ninguna hoja en blanco al
final.</p>
<p>Al cerrar la vista preliminar, el tipo de sobre, sus medidas y el tamaño de la letra se guardan en
el archivo <code>Sobre.ini</code> de la carpeta del programa y se usan la próxima vez. Si ha cambiado
alguno y la carpeta no admite cambios, el programa lo avisa una vez, dice por qué, y la vista
preliminar se cierra igualmente.</p>

<h2>Consejos</h2>
<ul>
<li>Consulte en el manual de su impresora cómo se colocan los sobres en la bandeja: por qué cara y en
qué sentido.</li>
<li>Antes de una tirada larga, imprima un solo sobre de prueba eligiendo imprimir el sobre actual.</li>
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
