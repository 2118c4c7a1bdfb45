#pragma once

#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

// One entry of the envelope-type list.
struct EnvelopeType
{
    QString caption;
    int anchoMm = 0; // 0 for the custom type: its size is typed
    int altoMm = 0;
};

// The envelope: its type, its size in whole millimetres, and where the address block goes on it, in
// centimetres from the envelope's top-left corner. The block's automatic place is a state of its own,
// so a block put against an edge stays there. Any change of type or size brings the block back to the
// automatic place of the new envelope, so what is printed is always what was shown.
class EnvelopeGeometry
{
public:
    static constexpr int kPersonalizado = 5;
    static constexpr int kMaxAltoMm = 210;
    static constexpr int kMaxAnchoMm = 297;

    // The types in list order: DL, C5, B5, Nº10, Monarca, then the custom type.
    static QList<EnvelopeType> tipos();
    static bool tipoValido(int tipo) { return tipo >= 0 && tipo <= kPersonalizado; }

    // A DL envelope with its block at the automatic place.
    EnvelopeGeometry();

    int tipo() const { return m_tipo; }
    int anchoMm() const { return m_anchoMm; }
    int altoMm() const { return m_altoMm; }
    bool tamanoLibre() const { return m_tipo == kPersonalizado; }
    // The envelope in centimetres, width by height.
    QSizeF tamanoCm() const { return QSizeF(m_anchoMm / 10.0, m_altoMm / 10.0); }

    // A standard type takes its own size; the custom type keeps the size there is. False, changing
    // nothing, for an index that is no type.
    bool setTipo(int tipo);
    // The custom type's sizes; a size above its limit becomes the limit; one that is not above 0 keeps
    // the previous size. False when the size is not free or the value was not taken.
    bool setAnchoMm(int mm);
    bool setAltoMm(int mm);

    // The block's place on the envelope, automatic or put.
    bool automatico() const { return m_automatico; }
    QPointF bloque() const;
    // Puts the block's top-left corner at `topLeft`, kept so that a block of `tamanoBloque` stays on the
    // envelope (at its top-left corner when the block is larger than the envelope).
    void mueveBloque(const QPointF& topLeft, const QSizeF& tamanoBloque);
    void bloqueAutomatico();

    // Half the width across and two thirds of the height down.
    static QPointF lugarAutomatico(const QSizeF& sobreCm);
    // Where a place `enSobre` of an envelope of `sobreCm` is printed on a sheet of `hojaCm`, from the
    // sheet's corner: the envelope lies against the sheet's right edge, centred between top and bottom,
    // and 0.5 cm is taken off both coordinates; never before the sheet's corner.
    static QPointF lugarEnHoja(const QSizeF& hojaCm, const QSizeF& sobreCm, const QPointF& enSobre);

    // The text of a size box as whole millimetres: digits only; 0 for anything else.
    static int leeMm(const QString& text);

private:
    int m_tipo = 0;
    int m_anchoMm = 0;
    int m_altoMm = 0;
    bool m_automatico = true;
    QPointF m_bloque;
};
