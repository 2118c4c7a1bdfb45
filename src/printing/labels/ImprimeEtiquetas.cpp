#include "printing/labels/ImprimeEtiquetas.h"

#include "platform/print/PrintSurface.h"
#include "printing/labels/CompanyAddress.h"
#include "printing/labels/LineFit.h"

namespace {

// The distance from one label line to the next.
constexpr double kInterlinea = 0.4;

} // namespace

void dibujaEtiqueta(PrintSurface& surface, const QPointF& origin, const CompanyAddress& address,
    const QString& lineaAtencion, int tamLetra, double ancho)
{
    PrintFont font;
    font.name = QStringLiteral("Courier New");
    font.pointSize = tamLetra;
    font.bold = true;
    QStringList lines {address.empresa};
    if (!lineaAtencion.isEmpty())
        lines.append(lineaAtencion);
    lines << address.domicilio << address.lineaPoblacion();
    QPointF at = origin;
    for (const QString& line : std::as_const(lines)) {
        const LineFit::Fitted fitted = LineFit::fit({line}, font, ancho);
        surface.text(at, fitted.lines.first(), fitted.font);
        at.ry() += kInterlinea;
    }
}

LabelPageResult ImprimeEtiquetas(PrintSurface& surface, const Recordset& rs, const LabelSheet& sheet,
    const AttentionChoice& atencion, int inicio, bool unaPagina)
{
    LabelPageResult result;
    const CompanyAddressReader reader(rs);
    const int total = reader.count();
    int posicion = qMax(1, inicio);
    if (posicion > total)
        return result;
    // The page area is read once: every page of a run is laid out alike.
    const QList<QPointF> origins = LabelSheetLayout::origins(sheet, surface.pageSize());
    const QList<double> widths = LabelSheetLayout::widths(sheet, surface.pageSize());
    for (;;) {
        if (result.paginas > 0)
            surface.newPage();
        ++result.paginas;
        for (qsizetype i = 0; i < origins.size(); ++i) {
            const CompanyAddress address = reader.read(posicion);
            dibujaEtiqueta(surface, origins.at(i), address, AttentionLine::linea(atencion, address.contactos),
                sheet.tamLetra, widths.at(i % widths.size()));
            if (++posicion > total)
                return result;
        }
        if (unaPagina) {
            result.posicionSiguiente = posicion;
            return result;
        }
    }
}
