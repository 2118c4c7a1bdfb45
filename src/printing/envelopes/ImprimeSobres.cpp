#include "printing/envelopes/ImprimeSobres.h"

#include "platform/print/PrintSurface.h"
#include "printing/labels/CompanyAddress.h"
#include "printing/labels/LineFit.h"

QStringList bloqueDireccion(const CompanyAddress& address, const AttentionChoice& atencion)
{
    QStringList lines {address.empresa};
    const QString linea = AttentionLine::linea(atencion, address.contactos);
    if (!linea.isEmpty())
        lines.append(linea);
    lines.append(address.domicilio);
    lines.append(address.lineaPoblacion());
    return lines;
}

namespace {

// The block of those lines as it is drawn on the envelope.
PrintItem colocaBloque(const QStringList& lines, const EnvelopeJob& job)
{
    PrintItem block;
    block.font.name = QStringLiteral("Arial");
    block.font.pointSize = job.tamLetra;
    block.font.bold = true;
    const QSizeF sobre = job.sobre.tamanoCm();
    const QPointF lugar = job.sobre.bloque();
    // Taller than the room below its place, the block goes up; it never leaves the envelope.
    const double alto = PrintSurface::textHeight(lines.size(), block.font).toCm();
    block.at = QPointF(lugar.x(), qMax(0.0, qMin(lugar.y(), sobre.height() - alto)));
    const LineFit::Fitted fitted = LineFit::fit(lines, block.font, sobre.width() - block.at.x());
    block.text = fitted.lines.join(QLatin1Char('\n'));
    block.font = fitted.font;
    return block;
}

} // namespace

int ImprimeSobres(PrintSurface& surface, const Recordset& rs, int posicion, const EnvelopeJob& job,
    const AttentionChoice& atencion, bool bUnica, bool vistaPrevia)
{
    const CompanyAddressReader reader(rs);
    const int total = reader.count();
    if (bUnica ? posicion < 1 || posicion > total : total < 1)
        return 0;
    const int first = bUnica ? posicion : 1;
    const int last = bUnica ? posicion : total;
    for (int record = first; record <= last; ++record) {
        if (record > first)
            surface.newPage();
        PrintItem block = colocaBloque(bloqueDireccion(reader.read(record), atencion), job);
        if (!vistaPrevia)
            block.at = EnvelopeGeometry::lugarEnHoja(surface.pageSize(), job.sobre.tamanoCm(), block.at);
        surface.text(block.at, block.text, block.font);
    }
    return last - first + 1;
}
