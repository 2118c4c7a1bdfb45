#include "printing/envelopes/EnvelopeDocument.h"

#include "platform/db/Recordset.h"
#include "printing/AttentionControls.h"
#include "printing/EnvelopeControls.h"
#include "printing/envelopes/ImprimeSobres.h"

EnvelopeDocument::EnvelopeDocument(
    const Recordset& rs, int posicion, const EnvelopeControls& sobre, AttentionControls& atencion)
    : m_rs(rs)
    , m_posicion(posicion)
    , m_sobre(sobre)
    , m_atencion(atencion)
{
}

int EnvelopeDocument::records() const
{
    return m_rs.isOpen() ? m_rs.recordCount() : 0;
}

int EnvelopeDocument::drawPage(PrintSurface& surface, const PreviewPage& page)
{
    // A job title names the addressee: the free text goes, without asking for another drawing.
    m_atencion.vaciaTextoLibreSiCargo();
    if (ImprimeSobres(
            surface, m_rs, page.start, m_sobre.trabajo(), m_atencion.eleccion(), true, !page.printing)
        == 0)
        return 0;
    return page.start < records() ? page.start + 1 : 0;
}

int EnvelopeDocument::pageCount(const QSizeF& /*pageCm*/) const
{
    return records();
}

int EnvelopeDocument::pageStart(int number, const QSizeF& /*pageCm*/)
{
    return number >= 1 && number <= records() ? number : 0;
}

QSizeF EnvelopeDocument::previewPage() const
{
    return m_sobre.sobre().tamanoCm();
}
