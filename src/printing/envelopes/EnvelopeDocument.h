#pragma once

#include "printing/preview/PreviewDocument.h"

class AttentionControls;
class EnvelopeControls;
class Recordset;

// Envelopes as the print preview shows and prints them: each page is one envelope, of the size and
// with the block's place and font the envelope controls hold, and the attention line of the attention
// controls; printed, each goes on a sheet of its own where the envelope lies on it. The preview opens
// on the company at `posicion`; printing all starts from the first.
class EnvelopeDocument : public PreviewDocument
{
public:
    EnvelopeDocument(
        const Recordset& rs, int posicion, const EnvelopeControls& sobre, AttentionControls& atencion);

    int drawPage(PrintSurface& surface, const PreviewPage& page) override;
    int pageCount(const QSizeF& pageCm) const override;
    // Envelope n is company n.
    int pageStart(int number, const QSizeF& pageCm) override;
    int firstStart() const override { return m_posicion; }
    // The preview shows the envelope itself; it is printed on an A4 sheet.
    QSizeF previewPage() const override;

private:
    int records() const;

    const Recordset& m_rs;
    int m_posicion;
    const EnvelopeControls& m_sobre;
    AttentionControls& m_atencion;
};
