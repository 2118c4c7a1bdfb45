#pragma once

#include "printing/envelopes/EnvelopeGeometry.h"
#include "printing/labels/AttentionLine.h"

struct CompanyAddress;
class PrintSurface;
class Recordset;

// What the envelopes print with: the envelope and where its block goes, the block's font size.
struct EnvelopeJob
{
    EnvelopeGeometry sobre;
    int tamLetra = 9;
};

// The address block of one company: the name, the attention line when it has one, the street and the
// town line, one under the other. An empty street keeps its empty line.
QStringList bloqueDireccion(const CompanyAddress& address, const AttentionChoice& atencion);

// Draws envelopes of `rs` on `surface`: the block of each company at the block's place on the
// envelope (moved up as far as it must to stay on the envelope, its lines made to fit before the
// envelope's right edge), reading only the companies it draws and not moving the recordset. In the
// preview (`vistaPrevia`) the page is the envelope; printed, the page is the sheet the envelope lies on
// (EnvelopeGeometry::lugarEnHoja). With `bUnica` only the company at `posicion` (from 1; none for a
// position that is no company), otherwise every company from the first, one page each. Returns the
// number of envelopes drawn; it does not end the document.
int ImprimeSobres(PrintSurface& surface, const Recordset& rs, int posicion, const EnvelopeJob& job,
    const AttentionChoice& atencion, bool bUnica = true, bool vistaPrevia = true);
