#pragma once

class AttentionControls;
class EnvelopeControls;
class frmVPreliminar;

// The labels' and envelopes' own controls put into the print preview's panels and wired to it.
namespace PreviewPanels {

// The attention line's controls in picAtencion; each change they ask for redraws the page shown.
AttentionControls* atencion(frmVPreliminar& frame);

// The envelope's controls in picSobres: a new size sets the page up again and redraws it, a new font
// redraws it. The address block is dragged on the page with the mouse.
EnvelopeControls* sobre(frmVPreliminar& frame);

} // namespace PreviewPanels
