#include "printing/PreviewPanels.h"

#include "platform/print/PreviewSurface.h"
#include "printing/AttentionControls.h"
#include "printing/EnvelopeControls.h"
#include "printing/EnvelopeDrag.h"
#include "printing/preview/PreviewPageWidget.h"
#include "printing/preview/frmVPreliminar.h"

#include <QGroupBox>
#include <QHBoxLayout>

namespace {

template<class Controls> Controls* hosted(QWidget* panel, int top)
{
    auto* controls = new Controls(panel);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, top, 0, 0);
    layout->addWidget(controls);
    return controls;
}

} // namespace

namespace PreviewPanels {

AttentionControls* atencion(frmVPreliminar& frame)
{
    auto* controls = hosted<AttentionControls>(frame.picAtencion(), 0);
    QObject::connect(controls, &AttentionControls::redibujar, &frame, &frmVPreliminar::redibuja);
    return controls;
}

EnvelopeControls* sobre(frmVPreliminar& frame)
{
    // Below the frame's caption.
    QGroupBox* panel = frame.picSobres();
    auto* controls = hosted<EnvelopeControls>(panel, 12);
    // As wide as its controls need, so that the type list shows its entries whole.
    panel->resize(qMax(panel->width(), panel->sizeHint().width()), panel->height());
    QObject::connect(controls, &EnvelopeControls::sobreCambiado, &frame, [&frame] {
        frame.configuraPagina();
        frame.redibuja();
        // The block at the new envelope's automatic place, in view.
        const PrintPage page = frame.picTexto()->page();
        if (!page.isEmpty())
            frame.muestraZona(PreviewSurface::bounds(page.first()));
    });
    QObject::connect(controls, &EnvelopeControls::letraCambiada, &frame, &frmVPreliminar::redibuja);
    new EnvelopeDrag(*frame.picTexto(), *controls, [&frame] { frame.redibuja(); });
    return controls;
}

} // namespace PreviewPanels
