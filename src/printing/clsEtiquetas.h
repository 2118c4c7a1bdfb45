#pragma once

#include "printing/settings/LabelSettings.h"

class Recordset;

// Prints address labels of the companies shown, through the print preview.
class clsEtiquetas
{
public:
    // False when it could not open the preview (no company, no printer).
    bool Muestra(Recordset* rs);

    // The layout the labels open with, as read from "\Etiqueta.ini" by the last Muestra.
    const LabelSettings& configuracion() const { return m_configuracion; }

private:
    void leeConfiguracion();
    bool abreVistaPrevia(Recordset& rs);

    LabelSettings m_configuracion;
};
