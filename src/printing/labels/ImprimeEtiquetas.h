#pragma once

#include "printing/labels/AttentionLine.h"
#include "printing/labels/LabelSheet.h"

struct CompanyAddress;
class PrintSurface;
class Recordset;

// Where a run of labels stopped.
struct LabelPageResult
{
    // The record (from 1) that starts the next page, or 0 when every record was drawn.
    int posicionSiguiente = 0;
    // Pages drawn in this run.
    int paginas = 0;

    bool haySiguiente() const { return posicionSiguiente > 0; }
};

// Draws labels of `rs` from record `inicio` (from 1) on `surface`, one label per company, reading only
// the records it draws. With `unaPagina` (previewing, or printing the page shown) it draws one page;
// otherwise every page to the last company, asking the surface for a new page between pages. It does
// not move the recordset and does not end the surface's document.
LabelPageResult ImprimeEtiquetas(PrintSurface& surface, const Recordset& rs, const LabelSheet& sheet,
    const AttentionChoice& atencion, int inicio, bool unaPagina);

// One label's lines drawn with their top-left corner at `origin`, the attention line when it has one;
// each line made to fit `ancho` centimetres.
void dibujaEtiqueta(PrintSurface& surface, const QPointF& origin, const CompanyAddress& address,
    const QString& lineaAtencion, int tamLetra, double ancho);
