#include "resources/StringTable.h"

namespace {

struct Entry
{
    int id;
    const char* text;
};

const Entry kStrings[] = {
    {101,
        "La edición 2010 de Tarvesa, cuarta de esta obra, reúne la información más completa y útil para los "
        "profesionales de la hostelería y de las industrias que trabajan para ella. Detrás de cada dato está "
        "la "
        "experiencia de KORVAN, que lleva dos décadas recogiendo, contrastando y ordenando la información "
        "del "
        "sector con la misma exigencia con la que usted cuida de su negocio."},
    {102,
        "La hostelería es uno de los pilares de la economía española. Más de 350.000 establecimientos entre "
        "hoteles, restaurantes, cafeterías, bares y colectividades facturan cada año cerca de 100.000 "
        "millones "
        "de euros, generan en torno al 7 % del producto interior bruto y dan empleo a más de 1.400.000 "
        "personas, una cifra que crece temporada tras temporada con el turismo y con los nuevos hábitos de "
        "consumo fuera del hogar."},
    {103,
        "Esta edición incorpora más de 2.300 empresas nuevas y 9.800 direcciones de correo electrónico, e "
        "incluye por primera vez el ranking de los 40 principales operadores de Cash && Carry por superficie "
        "de venta. Además, el canal de hostelería y restauración estrena sección propia en nuestra web y en "
        "las páginas de nuestra revista quincenal, donde encontrará cada quince días la actualidad del canal "
        "Horeca."},
    {104,
        "Con Tarvesa 2010 conocerá a sus proveedores y a sus clientes, las marcas con las que trabajan, sus "
        "puntos de venta y sus áreas de distribución. Es una herramienta pensada para decidir mejor: comprar "
        "con más criterio, vender más, gestionar con acierto y mejorar los márgenes de su empresa."},
    {105,
        "En un tiempo en que los profesionales reciben mucha más información de la que pueden leer, nuestro "
        "propósito sigue siendo el mismo que el primer día: ofrecerle una información sencilla, ordenada y "
        "fiable, que le ayude en su trabajo diario sin hacerle perder el tiempo."},
    {106,
        "Nada de esto sería posible sin la confianza de nuestros lectores, anunciantes y colaboradores. "
        "Gracias a ustedes, KORVAN cumple 20 años al servicio de los profesionales de la distribución y de "
        "la "
        "hostelería, y afronta con ilusión los que están por venir. A todos, sinceramente, GRACIAS."},
};

} // namespace

QString StringTable::text(int id)
{
    for (const Entry& entry : kStrings) {
        if (entry.id == id)
            return QString::fromUtf8(entry.text);
    }
    return {};
}
