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

constexpr double kCmPorPulgada = 2.54;
// The gap the printer leaves under every line of a control's text, in the unit in force.
constexpr double kEspacioEntreLineas = 50;

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
    m_alturaHoja = 27;
    m_anchuraHoja = 20;
}

double clsImpresion::unidadEnCm() const
{
    switch (m_unidadMedida) {
    case Twips:
        return kCmPorPulgada / 1440;
    case Puntos:
        return kCmPorPulgada / 72;
    case Pulgadas:
        return kCmPorPulgada;
    case Milimetros:
        return 0.1;
    default:
        return 1;
    }
}

bool clsImpresion::setUnidadMedida(int unidad)
{
    switch (unidad) {
    case Twips:
    case Puntos:
    case Pulgadas:
    case Milimetros:
    case Centimetros:
        break;
    default:
        return false;
    }
    m_unidadMedida = unidad;
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
    if (m_papel == A4) {
        m_anchuraHoja = vertical ? 20 : 29;
        m_alturaHoja = vertical ? 29 : 20;
    } else if (m_papel == A3) {
        m_anchuraHoja = vertical ? 29 : 40;
        m_alturaHoja = vertical ? 40 : 29;
    }
}

qint16 clsImpresion::AlturaHoja() const
{
    return qint16(std::lrint(m_alturaHoja * 10.0f));
}

void clsImpresion::setAlturaHoja(qint16 milimetros)
{
    m_alturaHoja = float(milimetros / 10.0);
}

qint16 clsImpresion::AnchuraHoja() const
{
    return qint16(std::lrint(m_anchuraHoja * 10.0f));
}

void clsImpresion::setAnchuraHoja(qint16 milimetros)
{
    m_anchuraHoja = float(milimetros / 10.0);
}

QPointF clsImpresion::posicion() const
{
    return m_posicionCm / unidadEnCm();
}

void clsImpresion::setPosicion(const QPointF& posicion)
{
    m_posicionCm = posicion * unidadEnCm();
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
    const double izquierda = Twips::left(obj) * unidadEnCm();
    m_posicionCm = QPointF(izquierda, Twips::top(obj) * unidadEnCm());
    const QFont font = obj->font();
    m_fuente.name = font.family();
    m_fuente.italic = font.italic();
    m_fuente.bold = font.bold();
    m_fuente.pointSize = font.pointSizeF();
    const QStringList texto = lineas(textoDe(obj));
    for (const QString& linea : texto)
        imprimeLineaEn(linea, izquierda, kEspacioEntreLineas * unidadEnCm());
    if (!texto.isEmpty())
        m_posicionCm.setX(0);
}

void clsImpresion::imprimeTexto(const QString& texto, double x, double y)
{
    const double izquierda = x * unidadEnCm();
    m_posicionCm = QPointF(izquierda, y * unidadEnCm());
    QStringList lista = lineas(texto);
    if (lista.isEmpty())
        lista.append(QString());
    for (const QString& linea : std::as_const(lista))
        imprimeLineaEn(linea, izquierda, 0);
    m_posicionCm.setX(0);
}

void clsImpresion::imprimeLineaEn(const QString& linea, double xCm, double espacioCm)
{
    const double alto = m_impresora.lineHeight(m_fuente);
    const QSizeF pagina = m_impresora.pageSize();
    QString resto = linea;
    do {
        // Past the bottom the text goes on at the top of a new page.
        if (m_posicionCm.y() > 0 && m_posicionCm.y() + alto > pagina.height()) {
            m_impresora.newPage();
            m_posicionCm.setY(0);
        }
        const qsizetype cabe = cabeEnLinea(resto, pagina.width() - xCm);
        m_impresora.text(QPointF(xCm, m_posicionCm.y()), resto.left(cabe), m_fuente);
        resto = resto.mid(cabe);
        m_posicionCm.ry() += alto + espacioCm;
    } while (!resto.isEmpty());
}

qsizetype clsImpresion::cabeEnLinea(const QString& linea, double anchoCm) const
{
    if (anchoCm <= 0 || m_impresora.textSize(linea, m_fuente).width() <= anchoCm)
        return linea.size();
    // The longest beginning that fits, then back to its last blank when there is one.
    qsizetype dentro = 0;
    qsizetype fuera = linea.size();
    while (fuera - dentro > 1) {
        const qsizetype medio = (dentro + fuera) / 2;
        if (m_impresora.textSize(linea.left(medio), m_fuente).width() <= anchoCm)
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
    m_posicionCm = QPointF(x, y) * unidadEnCm();
    m_impresora.line(m_posicionCm, QPointF(m_anchuraHoja, m_posicionCm.y()));
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
    m_impresora.picture(QPointF(Twips::left(obj), Twips::top(obj)) * unidadEnCm(), dibujo);
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
