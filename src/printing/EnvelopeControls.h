#pragma once

#include "printing/envelopes/ImprimeSobres.h"

#include <QWidget>

class QComboBox;
class QLineEdit;

// The controls of the preview's envelope frame "Configuracion Sobre": height and width boxes in
// millimetres, the envelope type and the block's font size. It keeps the envelope being shown; the preview
// resizes its page on sobreCambiado and redraws on letraCambiada.
class EnvelopeControls : public QWidget
{
    Q_OBJECT
public:
    explicit EnvelopeControls(QWidget* parent = nullptr);

    // Puts stored settings into the controls; a value that is no type or no font size is skipped and
    // the control keeps what it shows.
    void configSobres(int tipoSobre, int anchoMm, int altoMm, int tamLetra);

    const EnvelopeGeometry& sobre() const { return m_job.sobre; }
    int tamLetra() const { return m_job.tamLetra; }
    // What ImprimeSobres draws with.
    const EnvelopeJob& trabajo() const { return m_job; }

    // The address block dropped with its top-left corner at `topLeft` on the envelope.
    void mueveBloque(const QPointF& topLeft, const QSizeF& tamanoBloque);

Q_SIGNALS:
    // The envelope's size changed; the block is back at its automatic place.
    void sobreCambiado();
    void letraCambiada(int tamLetra);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cboSobreTipo_Click(int index);
    void cboSobreLetra_Click(int index);
    void limitaTamano(QLineEdit* box, int limite);
    void aplicaTamano(QLineEdit* box);
    void muestraTamano();

    QLineEdit* m_txtSobreAlto = nullptr;
    QLineEdit* m_txtSobreAncho = nullptr;
    QComboBox* m_cboSobreTipo = nullptr;
    QComboBox* m_cboSobreLetra = nullptr;
    EnvelopeJob m_job;
};
