#pragma once

#include "printing/settings/EnvelopeSettings.h"

class Recordset;

// Prints envelopes starting with the company of the grid's current row, through the print preview.
class clsSobres
{
public:
    // False when it could not open the preview (no company, no printer).
    bool Muestra(Recordset* rs, int fila);

    // The envelope settings read from "\Sobre.ini" and the company (from 1) the preview opens on, as
    // set by the last Muestra.
    const EnvelopeSettings& configuracion() const { return m_configuracion; }
    int posicion() const { return m_posicion; }

    // What the preview keeps when its envelope window closes, written only where the file does not
    // hold it yet. False when the file cannot be written; that is said once, with why, when the user
    // changed something since the window opened (`alAbrir`); the window closes all the same.
    static bool guardaConfiguracion(const EnvelopeSettings& settings, const EnvelopeSettings& alAbrir);

private:
    void leeConfiguracion();
    bool abreVistaPrevia(Recordset& rs);

    EnvelopeSettings m_configuracion;
    int m_posicion = 0;
};
