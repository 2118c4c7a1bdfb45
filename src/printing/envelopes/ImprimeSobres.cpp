#include "printing/envelopes/ImprimeSobres.h"

#include "platform/print/PrintSurface.h"
#include "printing/labels/CompanyAddress.h"

QString bloqueDireccion(const CompanyAddress& address, const AttentionChoice& atencion)
{
    QStringList lines {address.empresa};
    const QString linea = AttentionLine::linea(atencion, address.contactos);
    if (!linea.isEmpty())
        lines.append(linea);
    lines.append(address.domicilio);
    lines.append(address.lineaPoblacion());
    return lines.join(QLatin1Char('\n'));
}

int ImprimeSobres(PrintSurface& surface, const Recordset& rs, int posicion, const EnvelopeJob& job,
    const AttentionChoice& atencion, bool bUnica)
{
    const CompanyAddressReader reader(rs);
    const int total = reader.count();
    if (bUnica ? posicion < 1 || posicion > total : total < 1)
        return 0;
    PrintFont font;
    font.name = QStringLiteral("Arial");
    font.pointSize = job.tamLetra;
    font.bold = true;
    // The sheet is the envelope itself, so the block lies where it was put on it.
    const QPointF at = job.sobre.bloque();
    const int first = bUnica ? posicion : 1;
    const int last = bUnica ? posicion : total;
    for (int record = first; record <= last; ++record) {
        if (record > first)
            surface.newPage();
        surface.text(at, bloqueDireccion(reader.read(record), atencion), font);
    }
    return last - first + 1;
}
