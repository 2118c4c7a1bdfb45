#include "MagazineIssue.h"

#include "resources/BannerPainter.h"
#include "resources/GlyphPainter.h"
#include "resources/PictureStyle.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <iterator>

namespace {

constexpr int kResolution = 720;
constexpr qreal kPageWidth = 595.28;
constexpr qreal kPageHeight = 841.89;
constexpr qreal kMargin = 48;
constexpr qreal kGutter = 18;
constexpr qreal kColumn = (kPageWidth - 2 * kMargin - kGutter) / 2;
// The issue's date, so that every run writes the same bytes.
constexpr char kIssueDate[] = "20100301090000";

const QColor kRed(178, 34, 40);
const QColor kInk(34, 34, 34);
const QColor kGrey(105, 100, 92);
const QColor kTint(246, 236, 226);

const QString kIssue = QStringLiteral("Año XIX · Nº 412 · Del 1 al 15 de marzo de 2010");

} // namespace

MagazineIssue::MagazineIssue() = default;
MagazineIssue::~MagazineIssue() = default;

qreal MagazineIssue::units(qreal points) const
{
    return points * kResolution / 72.0;
}

QRectF MagazineIssue::rect(qreal x, qreal y, qreal w, qreal h) const
{
    return {units(x), units(y), units(w), units(h)};
}

QFont MagazineIssue::font(qreal points, bool bold, bool italic, bool serif) const
{
    QFont f(serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans"));
    f.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

qreal MagazineIssue::text(const QRectF& column, qreal top, const QFont& f, const QColor& colour,
    const QString& content, qreal after)
{
    QPainter& p = *m_painter;
    p.setFont(f);
    p.setPen(colour);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    QRectF used;
    p.drawText(rect(column.left(), top, column.width(), kPageHeight - top), flags, content, &used);
    return top + used.height() / units(1) + after;
}

QByteArray MagazineIssue::write()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    m_writer = std::make_unique<QPdfWriter>(&buffer);
    m_writer->setResolution(kResolution);
    m_writer->setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
    m_writer->setCreator(QStringLiteral("KORVAN"));
    m_writer->setTitle(QStringLiteral("Sendavo nº 412 - Revista quincenal de la distribución"));
    m_painter = std::make_unique<QPainter>(m_writer.get());
    PictureStyle::prepare(*m_painter);

    cover();
    contents();
    food();
    drugstore();
    horeca();
    fairs();

    m_painter->end();
    m_painter.reset();
    m_writer.reset();
    QByteArray pdf = buffer.data();
    // The writer stamps the time it ran; as many digits again keep the cross-reference offsets right.
    const QByteArray key("/CreationDate (D:");
    for (qsizetype at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at + 1)) {
        const qsizetype digits = at + key.size();
        if (digits + qsizetype(sizeof kIssueDate - 1) <= pdf.size())
            pdf.replace(digits, sizeof kIssueDate - 1, kIssueDate);
    }
    return pdf;
}

void MagazineIssue::newPage()
{
    m_writer->newPage();
}

void MagazineIssue::runningHead(const QString& section, int page)
{
    QPainter& p = *m_painter;
    p.setFont(font(9, true));
    p.setPen(kRed);
    p.drawText(rect(kMargin, 26, 200, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Sendavo"));
    p.setFont(font(8));
    p.setPen(kGrey);
    p.drawText(rect(kMargin + 60, 26, 300, 14), Qt::AlignLeft | Qt::AlignVCenter, kIssue);
    p.drawText(rect(kMargin, 26, kPageWidth - 2 * kMargin, 14), Qt::AlignRight | Qt::AlignVCenter,
        section.toUpper());
    p.fillRect(rect(kMargin, 42, kPageWidth - 2 * kMargin, 1.2), kRed);
    p.fillRect(rect(kMargin, kPageHeight - 40, kPageWidth - 2 * kMargin, 0.6), kGrey);
    p.drawText(rect(kMargin, kPageHeight - 36, kPageWidth - 2 * kMargin, 12),
        Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Sendavo · Revista quincenal de la distribución · www.korvan.example.es"));
    p.drawText(rect(kMargin, kPageHeight - 36, kPageWidth - 2 * kMargin, 12),
        Qt::AlignRight | Qt::AlignVCenter, QString::number(page));
}

qreal MagazineIssue::sectionTitle(const QString& section, const QString& summary)
{
    QPainter& p = *m_painter;
    p.fillRect(rect(kMargin, 58, 6, 30), kRed);
    p.setFont(font(24, true));
    p.setPen(kInk);
    p.drawText(
        rect(kMargin + 14, 56, kPageWidth - 2 * kMargin, 34), Qt::AlignLeft | Qt::AlignVCenter, section);
    return text(
        QRectF(kMargin, 0, kPageWidth - 2 * kMargin, 0), 96, font(11, false, true, true), kGrey, summary, 14);
}

void MagazineIssue::articles(qreal top, const Article* first, int count)
{
    // The first half of the articles goes down the left column, the rest down the right one.
    const int left = (count + 1) / 2;
    qreal y = top;
    for (int i = 0; i < count; ++i) {
        if (i == left)
            y = top;
        const QRectF box(kMargin + (i < left ? 0 : kColumn + kGutter), 0, kColumn, 0);
        y = text(box, y, font(13, true), kInk, QString::fromUtf8(first[i].headline), 5);
        y = text(box, y, font(10.5, false, false, true), kInk, QString::fromUtf8(first[i].body), 16);
        m_painter->fillRect(rect(box.left(), y - 9, 30, 1.2), kRed);
    }
}

void MagazineIssue::advert(const QRectF& box, const QString& title, const QString& body)
{
    // The publisher's own advertisement: its guide, on the dark frame with the orange rule.
    QPainter& p = *m_painter;
    p.fillRect(rect(box.x(), box.y(), box.width(), box.height()), QColor(PictureStyle::kFrame));
    p.fillRect(rect(box.x(), box.y(), box.width(), 4), QColor(PictureStyle::kAccent));
    const QRectF inside(box.x() + 18, 0, box.width() * 0.62, 0);
    qreal y = text(inside, box.y() + 18, font(20, true), QColor(PictureStyle::kPage), title, 6);
    text(inside, y, font(10), QColor(PictureStyle::kPage), body, 0);
    const qreal mark = qMin(box.height() - 40, box.width() * 0.25);
    GlyphPainter(p).emblem(
        rect(box.right() - mark - 24, box.y() + 20, mark, mark), QColor(PictureStyle::kAccent), units(3));
    p.setFont(font(7));
    p.setPen(QColor(PictureStyle::kMuted));
    p.drawText(rect(box.x(), box.bottom() - 14, box.width() - 8, 10), Qt::AlignRight | Qt::AlignVCenter,
        QStringLiteral("PUBLICIDAD"));
}

void MagazineIssue::cover()
{
    QPainter& p = *m_painter;
    p.fillRect(rect(0, 0, kPageWidth, kPageHeight), QColor(PictureStyle::kPage));
    p.fillRect(rect(0, 0, kPageWidth, 190), kRed);
    p.setFont(font(76, true));
    p.setPen(Qt::white);
    p.drawText(rect(kMargin, 30, kPageWidth - 2 * kMargin, 100), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Sendavo"));
    p.setFont(font(15));
    p.drawText(rect(kMargin, 128, kPageWidth - 2 * kMargin, 24), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Revista quincenal de la distribución"));
    p.setFont(font(9));
    p.drawText(rect(kMargin, 156, kPageWidth - 2 * kMargin, 18), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Alimentación · Droguería y perfumería · Canal Horeca"));
    p.fillRect(rect(0, 190, kPageWidth, 6), QColor(PictureStyle::kAccent));
    p.setFont(font(9, true));
    p.setPen(kInk);
    p.drawText(rect(kMargin, 204, kPageWidth - 2 * kMargin, 16), Qt::AlignLeft | Qt::AlignVCenter,
        kIssue + QStringLiteral(" · 6 €"));

    const QRectF wide(kMargin, 0, kPageWidth - 2 * kMargin, 0);
    qreal y = text(wide, 236, font(30, true), kInk,
        QStringLiteral(
            "La distribución encara 2010 con los precios a la baja y la marca propia en el centro"),
        8);
    y = text(wide, y, font(12, false, true, true), kGrey,
        QStringLiteral(
            "Las grandes cadenas cierran el primer bimestre con ventas planas en valor y más volumen: el "
            "cliente compra más a menudo, gasta menos en cada visita y llena la cesta con la marca del "
            "distribuidor."),
        18);

    // A drawing of the quarter: the shelf of sales, its last bar in the product's orange.
    const QRectF chart(kMargin, y, kPageWidth - 2 * kMargin, 190);
    p.fillRect(rect(chart.x(), chart.y(), chart.width(), chart.height()), kTint);
    const qreal values[] = {0.55, 0.62, 0.58, 0.71, 0.66, 0.78, 0.74, 0.86};
    const qreal slot = (chart.width() - 40) / 8;
    for (int i = 0; i < 8; ++i) {
        const qreal h = (chart.height() - 40) * values[i];
        p.fillRect(rect(chart.x() + 20 + i * slot + 6, chart.bottom() - 20 - h, slot - 12, h),
            i == 7 ? QColor(PictureStyle::kAccent) : (i % 2 ? kRed : kRed.lighter(150)));
    }
    y = chart.bottom() + 22;

    const char* const lines[][2] = {
        {"Alimentación", "Las cadenas regionales ganan cuota en el primer bimestre"},
        {"Droguería y perfumería", "El comercio especialista resiste gracias a la venta asistida"},
        {"Horeca", "Cómo compran hoy los restaurantes: menos proveedores y pedidos más frecuentes"},
        {"Ferias", "El calendario completo de la primavera, con nuestras ediciones especiales"},
    };
    for (const auto& line : lines) {
        p.setFont(font(10, true));
        p.setPen(kRed);
        p.drawText(rect(kMargin, y, 150, 16), Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(line[0]));
        y = text(QRectF(kMargin + 150, 0, kPageWidth - 2 * kMargin - 150, 0), y, font(11, true), kInk,
            QString::fromUtf8(line[1]), 10);
    }

    p.fillRect(rect(0, kPageHeight - 62, kPageWidth, 62), QColor(PictureStyle::kFrame));
    BannerPainter(p).publisherLogo(rect(kMargin, kPageHeight - 48, 150, 34));
    p.setFont(font(9));
    p.setPen(QColor(PictureStyle::kPage));
    p.drawText(rect(kPageWidth / 2, kPageHeight - 48, kPageWidth / 2 - kMargin, 34),
        Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("www.korvan.example.es"));
}

void MagazineIssue::contents()
{
    newPage();
    runningHead(QStringLiteral("Sumario"), 2);
    QPainter& p = *m_painter;
    const QRectF left(kMargin, 0, 170, 0);
    qreal y = text(left, 60, font(22, true), kInk, QStringLiteral("Sumario"), 12);
    const char* const entries[][2] = {
        {"2", "Editorial: vender más barato sin vender peor"},
        {"3", "Alimentación: cadenas regionales, marca propia y nuevas aperturas"},
        {"4", "Droguería y perfumería: el especialista resiste"},
        {"5", "Horeca: así compran los restaurantes en 2010"},
        {"6", "Ferias y congresos de la primavera"},
        {"6", "Suscripciones y ediciones especiales"},
    };
    for (const auto& entry : entries) {
        p.setFont(font(16, true));
        p.setPen(kRed);
        p.drawText(rect(kMargin, y, 28, 20), Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(entry[0]));
        y = text(QRectF(kMargin + 30, 0, 140, 0), y + 2, font(9.5), kInk, QString::fromUtf8(entry[1]), 12);
    }
    y += 10;
    p.fillRect(rect(kMargin, y, 170, 1), kGrey);
    y = text(left, y + 8, font(8, true), kInk, QStringLiteral("Edita"), 2);
    y = text(left, y, font(8), kGrey,
        QStringLiteral("KORVAN\nAvenida de los Olmos, 27, 2.ª planta\n28042 Madrid\nTeléfono 91 555 23 40"),
        8);
    y = text(left, y, font(8, true), kInk, QStringLiteral("Redacción"), 2);
    y = text(left, y, font(8), kGrey, QStringLiteral("redaccion@korvan.example.es"), 8);
    y = text(left, y, font(8, true), kInk, QStringLiteral("Publicidad"), 2);
    y = text(left, y, font(8), kGrey, QStringLiteral("publicidad@korvan.example.es"), 8);
    text(left, y, font(7, false, true), kGrey,
        QStringLiteral(
            "Prohibida la reproducción total o parcial de los contenidos sin autorización expresa del "
            "editor."),
        0);

    const QRectF right(kMargin + 200, 0, kPageWidth - 2 * kMargin - 200, 0);
    qreal r = text(right, 60, font(10, true), kRed, QStringLiteral("EDITORIAL"), 4);
    r = text(right, r, font(20, true), kInk, QStringLiteral("Vender más barato sin vender peor"), 12);
    const char* const paragraphs[] = {
        "El año ha empezado como terminó el anterior: con un consumidor prudente que compara, que visita la "
        "tienda más veces y que gasta menos en cada compra. La distribución ha respondido con rebajas, con "
        "promociones y, sobre todo, con más marca propia en los lineales. Es una respuesta lógica, pero no "
        "puede ser la única.",
        "Bajar precios es fácil; mantener la calidad, el surtido y el servicio mientras se bajan es lo que "
        "distingue a las empresas que saldrán reforzadas de esta etapa. Las cadenas regionales, más cercanas "
        "a su cliente, lo están demostrando mes a mes, y los especialistas de droguería y perfumería han "
        "encontrado en el consejo de sus dependientes un argumento que no se mide solo en euros.",
        "El canal de hostelería vive su propia prueba. Los restaurantes compran menos cada vez, pero con más "
        "frecuencia, y piden a sus proveedores flexibilidad y rapidez. A ellos dedicamos desde este número "
        "una sección propia, que completa la que ya publicamos en nuestra web.",
        "En Sendavo seguiremos contando, cada quince días, lo que hacen las empresas del sector. Nuestra "
        "mejor noticia sería poder contar pronto que el consumo vuelve a crecer.",
    };
    for (const char* paragraph : paragraphs)
        r = text(right, r, font(10.5, false, false, true), kInk, QString::fromUtf8(paragraph), 9);
    text(right, r + 4, font(9, true, true), kGrey, QStringLiteral("La Dirección"), 0);
    advert(QRectF(kMargin, kPageHeight - 222, kPageWidth - 2 * kMargin, 162), QStringLiteral("Tarvesa 2010"),
        QStringLiteral(
            "La guía de empresas de la hostelería: catering, distribución, equipamiento, escuelas, "
            "franquicias, hoteles, transporte y vending. Con CD incluido.\nPídala en "
            "pedidos@korvan.example.es o en el 91 555 23 41."));
}

void MagazineIssue::food()
{
    newPage();
    runningHead(QStringLiteral("Alimentación"), 3);
    const qreal top = sectionTitle(QStringLiteral("Alimentación"),
        QStringLiteral("Las cadenas regionales y la marca del distribuidor marcan el arranque del año."));
    static const Article items[] = {
        {"Las cadenas regionales ganan cuota",
            "Los supermercados de ámbito regional cerraron el primer bimestre con una cuota conjunta del "
            "21,4 % "
            "de las ventas de alimentación envasada, ocho décimas más que un año antes. La cercanía, el "
            "producto "
            "fresco y una política de precios más estable explican buena parte de la mejora, según los "
            "analistas consultados por Sendavo. Grupo Almarza y Supermercados Llebeig encabezan el "
            "crecimiento, con aperturas en sus zonas de origen y reformas de tiendas antiguas."},
        {"La marca propia roza el 40 % del volumen",
            "La marca del distribuidor alcanzó en febrero el 39,2 % de las unidades vendidas en gran "
            "consumo. "
            "Las categorías de limpieza del hogar, conservas y lácteos superan ya el 50 %. Los fabricantes "
            "responden con más innovación y con promociones conjuntas en el punto de venta, mientras "
            "reclaman espacio en los lineales para sus novedades."},
        {"Cadena Oroval abre doce tiendas en Levante",
            "La cadena valenciana inaugurará doce supermercados de proximidad antes del verano, con una "
            "superficie media de 900 metros cuadrados y un surtido de 6.500 referencias. La inversión "
            "prevista "
            "asciende a 18 millones de euros y supondrá la creación de 260 empleos directos."},
        {"Los autoservicios mayoristas se reinventan",
            "Los cash and carry refuerzan su oferta para el pequeño comercio y la hostelería con horarios "
            "ampliados, reparto a domicilio y tarjetas de cliente profesional. El ranking de los 40 "
            "principales "
            "operadores por superficie de venta, que publica este año la guía Tarvesa 2010, muestra una "
            "superficie total en ligero aumento a pesar de los cierres de centros pequeños."},
    };
    articles(top, items, int(std::size(items)));
    advert(QRectF(kMargin, kPageHeight - 222, kPageWidth - 2 * kMargin, 162), QStringLiteral("Ostralin 2010"),
        QStringLiteral(
            "El anuario de la distribución: detallistas, centrales de compra, autoservicios mayoristas "
            "y puntos de venta por sectores, con los estudios económicos del mercado. Ya a la venta."));
}

void MagazineIssue::drugstore()
{
    newPage();
    runningHead(QStringLiteral("Droguería y perfumería"), 4);
    const qreal top = sectionTitle(QStringLiteral("Droguería y perfumería"),
        QStringLiteral("El comercio especialista defiende su terreno con consejo, surtido y fidelización."));
    static const Article items[] = {
        {"El especialista resiste gracias a la venta asistida",
            "Las perfumerías y droguerías especializadas mantuvieron sus ventas en el último trimestre, "
            "frente "
            "al descenso del 3 % del conjunto del mercado. El asesoramiento en tienda, las muestras y los "
            "programas de fidelización son las armas de un canal que compite con la gran distribución en "
            "precio solo en parte."},
        {"Perfumerías Nácar integra a 40 asociados",
            "La central de compras Perfumerías Nácar suma cuarenta nuevos puntos de venta en Andalucía y "
            "Extremadura, con lo que supera los 520 establecimientos asociados. La enseña negocia ya con sus "
            "proveedores para toda la red y prepara una tienda en línea común para el otoño."},
        {"La cosmética masculina crece a doble dígito",
            "El cuidado personal masculino creció un 11 % en valor en 2009 y es ya la categoría más dinámica "
            "del canal. Los fabricantes amplían las gamas de afeitado, hidratación y fragancias, y las "
            "tiendas "
            "le dedican espacios propios, cerca de la caja."},
        {"Droguerías Altamira moderniza su logística",
            "El grupo asturiano estrena un almacén automatizado de 14.000 metros cuadrados en Siero, desde "
            "el "
            "que atenderá a sus 180 tiendas del norte peninsular con repartos diarios."},
    };
    articles(top, items, int(std::size(items)));
    advert(QRectF(kMargin, kPageHeight - 222, kPageWidth - 2 * kMargin, 162), QStringLiteral("Rasmelin 2010"),
        QStringLiteral(
            "Todos los mayoristas y detallistas de droguería y perfumería, con sus puntos de venta, los "
            "estudios por comunidades y el ranking de las principales empresas del sector."));
}

void MagazineIssue::horeca()
{
    newPage();
    runningHead(QStringLiteral("Horeca"), 5);
    qreal top = sectionTitle(QStringLiteral("Así compran los restaurantes en 2010"),
        QStringLiteral("Nuestra nueva sección Horeca sigue al canal de hostelería y restauración: quién le "
                       "vende, cómo compra y qué le piden sus clientes."));
    static const Article items[] = {
        {"Menos proveedores, pedidos más frecuentes",
            "Ocho de cada diez restaurantes han reducido el número de proveedores con los que trabajan y "
            "concentran sus compras en uno o dos distribuidores de confianza. A cambio, piden con más "
            "frecuencia y en menor cantidad, para no inmovilizar dinero en el almacén. El distribuidor que "
            "sirve en el día y admite pedidos pequeños gana clientes."},
        {"El menú del día, refugio del consumo",
            "El menú del día sostiene la facturación de muchos establecimientos: su precio medio se mantiene "
            "en "
            "torno a los 10 euros y su demanda ha crecido entre los trabajadores que antes comían a la "
            "carta. "
            "Los proveedores de producto elaborado y de cuarta gama se benefician de esta tendencia."},
        {"La tecnología entra en la cocina",
            "Los pedidos por internet a los distribuidores de hostelería crecieron un 35 % en 2009. "
            "Hostelgest, "
            "Distribuciones Ébano y otros mayoristas del canal ofrecen ya catálogos en línea con precios "
            "pactados y seguimiento de cada entrega."},
    };
    articles(top, items, int(std::size(items)));

    // A box with the figures of the trade.
    QPainter& p = *m_painter;
    const QRectF box(kMargin + kColumn + kGutter, kPageHeight - 300, kColumn, 230);
    p.fillRect(rect(box.x(), box.y(), box.width(), box.height()), kTint);
    const QRectF inside(box.x() + 12, 0, box.width() - 24, 0);
    top = text(inside, box.y() + 12, font(11, true), kRed, QStringLiteral("Las cifras del canal"), 8);
    const char* const figures[] = {
        "Más de 350.000 establecimientos de hostelería en toda España.",
        "Cerca de 100.000 millones de euros de facturación anual.",
        "En torno al 7 % del producto interior bruto.",
        "Más de 1.400.000 personas empleadas.",
    };
    for (const char* figure : figures)
        top = text(inside, top, font(9.5), kInk, QStringLiteral("· ") + QString::fromUtf8(figure), 6);
    text(inside, top + 4, font(7.5, false, true), kGrey,
        QStringLiteral("Fuente: estimaciones de la redacción a partir de la guía Tarvesa 2010."), 0);
}

void MagazineIssue::fairs()
{
    newPage();
    runningHead(QStringLiteral("Ferias"), 6);
    qreal y = sectionTitle(QStringLiteral("Ferias y congresos de la primavera"),
        QStringLiteral(
            "Sendavo publica una edición especial en cada una de las grandes citas del sector, que se "
            "reparte en los propios recintos feriales."));
    QPainter& p = *m_painter;
    const qreal width = kPageWidth - 2 * kMargin;
    const qreal shares[] = {0.19, 0.47, 0.16, 0.18};
    const char* const rows[][4] = {
        {"Fechas", "Certamen", "Ciudad", "Sector"},
        {"8 al 11 de marzo", "Salón de la Alimentación y las Bebidas", "Barcelona", "Alimentación"},
        {"16 al 18 de marzo", "Encuentro de la Droguería y la Perfumería", "Madrid", "Droguería"},
        {"13 al 15 de abril", "Feria del Equipamiento Hostelero", "Valencia", "Horeca"},
        {"20 al 22 de abril", "Congreso de la Distribución de Proximidad", "Sevilla", "Distribución"},
        {"11 al 13 de mayo", "Salón del Vending y la Restauración Automática", "Bilbao", "Vending"},
        {"25 al 27 de mayo", "Jornadas del Cash and Carry", "Zaragoza", "Mayoristas"},
    };
    for (int r = 0; r < int(std::size(rows)); ++r) {
        const qreal h = 20;
        p.fillRect(rect(kMargin, y, width, h), r == 0 ? kRed : (r % 2 ? QColor(Qt::white) : kTint));
        qreal x = kMargin;
        for (int c = 0; c < 4; ++c) {
            p.setFont(font(9, r == 0));
            p.setPen(r == 0 ? QColor(Qt::white) : kInk);
            p.drawText(rect(x + 5, y, width * shares[c] - 10, h), Qt::AlignLeft | Qt::AlignVCenter,
                QString::fromUtf8(rows[r][c]));
            x += width * shares[c];
        }
        y += h;
    }
    y += 24;

    const QRectF left(kMargin, 0, kColumn, 0);
    qreal l = text(left, y, font(14, true), kInk, QStringLiteral("Ediciones especiales"), 6);
    text(left, l, font(10, false, false, true), kInk,
        QStringLiteral(
            "En cada certamen del calendario, Sendavo publica un número especial con el plano de la "
            "feria, la relación de expositores y las novedades que presentarán. Los anunciantes que "
            "deseen reservar espacio pueden dirigirse a nuestro departamento de publicidad, "
            "publicidad@korvan.example.es, hasta quince días antes de cada feria."),
        0);

    const QRectF box(kMargin + kColumn + kGutter, y - 4, kColumn, 190);
    p.fillRect(rect(box.x(), box.y(), box.width(), box.height()), QColor(PictureStyle::kFrame));
    const QRectF inside(box.x() + 14, 0, box.width() - 28, 0);
    qreal r = text(
        inside, box.y() + 14, font(14, true), QColor(PictureStyle::kAccent), QStringLiteral("Suscríbase"), 8);
    r = text(inside, r, font(10), QColor(PictureStyle::kPage),
        QStringLiteral(
            "Reciba Sendavo cada quince días en su empresa: 22 números y las ediciones especiales por "
            "95 euros al año, IVA incluido."),
        10);
    r = text(inside, r, font(10), QColor(PictureStyle::kPage),
        QStringLiteral("Suscripciones: suscripciones@korvan.example.es\nPedidos: pedidos@korvan.example.es\n"
                       "Teléfono: 91 555 23 41\nwww.korvan.example.es"),
        12);
    BannerPainter(p).publisherLogo(rect(inside.x(), r, inside.width(), 26));
    advert(QRectF(kMargin, kPageHeight - 222, kPageWidth - 2 * kMargin, 162), QStringLiteral("Pelvarin 2010"),
        QStringLiteral("Miles de mayoristas y distribuidores de toda España, clasificados por sectores y "
                       "actualizados cada año, con su zona de distribución y las marcas que representan."));
}
