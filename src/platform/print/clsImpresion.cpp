#include "platform/print/clsImpresion.h"

#include "platform/print/PrintSurface.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <cmath>
#include <optional>

namespace {

// The gap the printer leaves under every line of a control's text, in the unit in force.
constexpr double kEspacioEntreLineas = 50;

// The length of one unit of a scale, given by its code.
std::optional<Length> unidadDe(int unidad)
{
    switch (unidad) {
    case clsImpresion::Twips:
        return Length::twips(1);
    case clsImpresion::Puntos:
        return Length::points(1);
    case clsImpresion::Pulgadas:
        return Length::inches(1);
    case clsImpresion::Milimetros:
        return Length::mm(1);
    case clsImpresion::Centimetros:
        return Length::cm(1);
    default:
        return std::nullopt;
    }
}

std::optional<QPageSize::PageSizeId> tamanoPapel(int papel)
{
    switch (papel) {
    case 1:
        return QPageSize::Letter;
    case 5:
        return QPageSize::Legal;
    case 8:
        return QPageSize::A3;
    case 9:
        return QPageSize::A4;
    case 11:
        return QPageSize::A5;
    default:
        return std::nullopt;
    }
}

QPageLayout::Orientation orientacionDe(int orientacion)
{
    return orientacion == clsImpresion::Apaisado ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QString textoDe(const QWidget* obj)
{
    if (const auto* label = qobject_cast<const QLabel*>(obj))
        return label->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(obj))
        return box->toPlainText();
    if (const auto* box = qobject_cast<const QTextEdit*>(obj))
        return box->toPlainText();
    if (const auto* box = qobject_cast<const QLineEdit*>(obj))
        return box->text();
    return {};
}

} // namespace

clsImpresion::clsImpresion(PrintSurface& impresora)
    : m_impresora(impresora)
{
    m_unidadMedida = Centimetros;
    setOrientacion(Vertical);
    setPapel(A4);
    if (const auto papel = tamanoPapel(m_papel))
        m_impresora.setPage(*papel, orientacionDe(m_orientacion));
    // The height stays a little short of the sheet until paper or orientation is written again.
    m_alturaHoja = Length::cm(27);
    m_anchuraHoja = Length::cm(20);
}

PagePoint clsImpresion::punto(double x, double y) const
{
    return PagePoint {x * m_unidad, y * m_unidad};
}

bool clsImpresion::setUnidadMedida(int unidad)
{
    const auto longitud = unidadDe(unidad);
    if (!longitud)
        return false;
    m_unidadMedida = unidad;
    m_unidad = *longitud;
    return true;
}

void clsImpresion::setOrientacion(int orientacion)
{
    m_orientacion = orientacion;
    if (orientacion == Vertical || orientacion == Apaisado) {
        if (const auto papel = tamanoPapel(m_papel))
            m_impresora.setPage(*papel, orientacionDe(orientacion));
    }
    calculaTamHoja();
}

bool clsImpresion::setPapel(int papel)
{
    m_papel = papel;
    const auto tamano = tamanoPapel(papel);
    if (!tamano || !m_impresora.setPage(*tamano, orientacionDe(m_orientacion)))
        return false;
    calculaTamHoja();
    return true;
}

void clsImpresion::calculaTamHoja()
{
    const bool vertical = m_orientacion == Vertical;
    if (m_orientacion != Vertical && m_orientacion != Apaisado)
        return;
    const Length corto = Length::cm(vertical ? 20 : 29);
    const Length largo = Length::cm(vertical ? 29 : 20);
    if (m_papel == A4) {
        m_anchuraHoja = corto;
        m_alturaHoja = largo;
    } else if (m_papel == A3) {
        m_anchuraHoja = vertical ? Length::cm(29) : Length::cm(40);
        m_alturaHoja = vertical ? Length::cm(40) : Length::cm(29);
    }
}

bool clsImpresion::setHoja(Length anchura, Length altura)
{
    if (!m_impresora.setPage(PrintSurface::paper(anchura, altura), QPageLayout::Portrait))
        return false;
    m_anchuraHoja = anchura;
    m_alturaHoja = altura;
    return true;
}

qint16 clsImpresion::AlturaHoja() const
{
    return qint16(std::lrint(m_alturaHoja.toMm()));
}

void clsImpresion::setAlturaHoja(qint16 milimetros)
{
    m_alturaHoja = Length::mm(milimetros);
}

qint16 clsImpresion::AnchuraHoja() const
{
    return qint16(std::lrint(m_anchuraHoja.toMm()));
}

void clsImpresion::setAnchuraHoja(qint16 milimetros)
{
    m_anchuraHoja = Length::mm(milimetros);
}

QPointF clsImpresion::posicion() const
{
    return QPointF(m_posicion.x / m_unidad, m_posicion.y / m_unidad);
}

QStringList clsImpresion::lineas(const QString& texto)
{
    if (texto.isEmpty())
        return {};
    QString unificado = texto;
    unificado.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    unificado.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return unificado.split(QLatin1Char('\n'));
}

void clsImpresion::ImprimeObjeto(const QWidget* obj)
{
    if (!obj || obj->isHidden())
        return;
    // The control's place is taken as a position in the unit in force, as it stands.
    m_posicion = punto(Twips::left(obj), Twips::top(obj));
    const Length izquierda = m_posicion.x;
    const QFont font = obj->font();
    m_fuente.name = font.family();
    m_fuente.italic = font.italic();
    m_fuente.bold = font.bold();
    m_fuente.pointSize = font.pointSizeF();
    const QStringList texto = lineas(textoDe(obj));
    for (const QString& linea : texto)
        imprimeLineaEn(linea, izquierda, kEspacioEntreLineas * m_unidad);
    if (!texto.isEmpty())
        m_posicion.x = Length();
}

void clsImpresion::imprimeTexto(const QString& texto, double x, double y)
{
    m_posicion = punto(x, y);
    const Length izquierda = m_posicion.x;
    QStringList lista = lineas(texto);
    if (lista.isEmpty())
        lista.append(QString());
    for (const QString& linea : std::as_const(lista))
        imprimeLineaEn(linea, izquierda, Length());
    m_posicion.x = Length();
}

void clsImpresion::imprimeLineaEn(const QString& linea, Length x, Length espacio)
{
    const Length alto = PrintSurface::lineSpacing(m_fuente);
    const PageExtent pagina = m_impresora.pageExtent();
    QString resto = linea;
    do {
        // Past the bottom the text goes on at the top of a new page.
        if (m_posicion.y > Length() && m_posicion.y + alto > pagina.height) {
            m_impresora.newPage();
            m_posicion.y = Length();
        }
        const qsizetype cabe = cabeEnLinea(resto, pagina.width - x);
        m_impresora.text(PagePoint {x, m_posicion.y}, resto.left(cabe), m_fuente);
        resto = resto.mid(cabe);
        m_posicion.y += alto + espacio;
    } while (!resto.isEmpty());
}

qsizetype clsImpresion::cabeEnLinea(const QString& linea, Length ancho) const
{
    if (ancho <= Length() || m_impresora.textExtent(linea, m_fuente).width <= ancho)
        return linea.size();
    // The longest beginning that fits, then back to its last blank when there is one.
    qsizetype dentro = 0;
    qsizetype fuera = linea.size();
    while (fuera - dentro > 1) {
        const qsizetype medio = (dentro + fuera) / 2;
        if (m_impresora.textExtent(linea.left(medio), m_fuente).width <= ancho)
            dentro = medio;
        else
            fuera = medio;
    }
    if (dentro == 0)
        return 1;
    const qsizetype blanco = linea.lastIndexOf(QLatin1Char(' '), dentro - 1);
    return blanco > 0 ? blanco + 1 : dentro;
}

void clsImpresion::imprimeLinea(double x, double y)
{
    m_posicion = punto(x, y);
    m_impresora.line(m_posicion, PagePoint {m_anchuraHoja, m_posicion.y});
}

bool clsImpresion::ImprimeDibujo(const QWidget* obj)
{
    QImage dibujo;
    if (const auto* label = qobject_cast<const QLabel*>(obj))
        dibujo = label->pixmap().toImage();
    else if (const auto* box = qobject_cast<const PictureBox*>(obj))
        dibujo = box->picture().toImage();
    if (dibujo.isNull())
        return false;
    m_impresora.picture(punto(Twips::left(obj), Twips::top(obj)), dibujo);
    return true;
}

bool clsImpresion::imprime()
{
    return m_impresora.end();
}

void clsImpresion::Cancela()
{
    m_impresora.abort();
}
