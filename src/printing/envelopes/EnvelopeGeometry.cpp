#include "printing/envelopes/EnvelopeGeometry.h"

QList<EnvelopeType> EnvelopeGeometry::tipos()
{
    return {
        {QStringLiteral("DL: 110x220 mm"), 220, 110},
        {QStringLiteral("C5: 162x229 mm"), 229, 162},
        {QStringLiteral("B5: 176x250 mm"), 250, 176},
        {QStringLiteral("Nº10: 105x241 mm"), 241, 105},
        {QStringLiteral("Monarca: 98x190 mm"), 190, 98},
        {QStringLiteral("Personalizado"), 0, 0},
    };
}

EnvelopeGeometry::EnvelopeGeometry()
{
    setTipo(0);
}

bool EnvelopeGeometry::setTipo(int tipo)
{
    if (!tipoValido(tipo))
        return false;
    m_tipo = tipo;
    if (tipo != kPersonalizado) {
        const EnvelopeType type = tipos().at(tipo);
        m_anchoMm = type.anchoMm;
        m_altoMm = type.altoMm;
    }
    bloqueAutomatico();
    return true;
}

bool EnvelopeGeometry::setAnchoMm(int mm)
{
    if (!tamanoLibre() || mm <= 0)
        return false;
    m_anchoMm = qMin(mm, kMaxAnchoMm);
    bloqueAutomatico();
    return true;
}

bool EnvelopeGeometry::setAltoMm(int mm)
{
    if (!tamanoLibre() || mm <= 0)
        return false;
    m_altoMm = qMin(mm, kMaxAltoMm);
    bloqueAutomatico();
    return true;
}

QPointF EnvelopeGeometry::bloque() const
{
    return m_automatico ? lugarAutomatico(tamanoCm()) : m_bloque;
}

void EnvelopeGeometry::mueveBloque(const QPointF& topLeft, const QSizeF& tamanoBloque)
{
    const QSizeF sobre = tamanoCm();
    const double maxX = qMax(0.0, sobre.width() - tamanoBloque.width());
    const double maxY = qMax(0.0, sobre.height() - tamanoBloque.height());
    m_bloque = QPointF(qBound(0.0, topLeft.x(), maxX), qBound(0.0, topLeft.y(), maxY));
    m_automatico = false;
}

void EnvelopeGeometry::bloqueAutomatico()
{
    m_automatico = true;
    m_bloque = QPointF();
}

QPointF EnvelopeGeometry::lugarAutomatico(const QSizeF& sobreCm)
{
    return QPointF(sobreCm.width() * 0.5, sobreCm.height() * 2.0 / 3.0);
}

QPointF EnvelopeGeometry::lugarEnHoja(const QSizeF& hojaCm, const QSizeF& sobreCm, const QPointF& enSobre)
{
    const double x = hojaCm.width() - sobreCm.width() + enSobre.x() - 0.5;
    const double y = (hojaCm.height() - sobreCm.height()) / 2 + enSobre.y() - 0.5;
    // An envelope larger than the sheet would lose the block's start off the sheet.
    return QPointF(qMax(0.0, x), qMax(0.0, y));
}

int EnvelopeGeometry::leeMm(const QString& text)
{
    if (text.isEmpty() || text.size() > 6)
        return 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    }
    return text.toInt();
}
