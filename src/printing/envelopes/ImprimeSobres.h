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
// town line, one under the other ('\n' between lines). An empty street keeps its empty line.
QString bloqueDireccion(const CompanyAddress& address, const AttentionChoice& atencion);

// Draws envelopes of `rs` on `surface`, reading only the companies it draws and not moving the recordset.
// Previewing (`vistaPrevia`), the surface is the envelope itself and the block of the company at
// `posicion` (from 1) is drawn at its place on it. Printing, the sheet is set to A4 landscape and the
// block printed where it lies on an envelope fed against the sheet's right edge: only the company at
// `posicion` with `bUnica`, otherwise every company from the first, one sheet each. Returns the number
// of envelopes drawn; none for a position that is no company. It does not end the document.
int ImprimeSobres(PrintSurface& surface, const Recordset& rs, int posicion, const EnvelopeJob& job,
    const AttentionChoice& atencion, bool vistaPrevia, bool bUnica);
