#include "printing/labels/ImprimeEtiquetas.h"

#include "platform/print/PrintSurface.h"
#include "printing/labels/CompanyAddress.h"

namespace {

// The distance from one label line to the next.
constexpr double kInterlinea = 0.4;

} // namespace

void dibujaEtiqueta(PrintSurface& surface, const QPointF& origin, const CompanyAddress& address,
    const QString& lineaAtencion, int tamLetra)
{
    PrintFont font;
    font.name = QStringLiteral("Courier New");
    font.pointSize = tamLetra;
    font.bold = true;
    QPointF at = origin;
    surface.text(at, address.empresa, font);
    if (!lineaAtencion.isEmpty()) {
        at.ry() += kInterlinea;
        surface.text(at, lineaAtencion, font);
    }
    at.ry() += kInterlinea;
    surface.text(at, address.domicilio, font);
    at.ry() += kInterlinea;
    surface.text(at, address.lineaPoblacion(), font);
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
    for (;;) {
        if (result.paginas > 0)
            surface.newPage();
        ++result.paginas;
        for (const QPointF& origin : origins) {
            const CompanyAddress address = reader.read(posicion);
            dibujaEtiqueta(
                surface, origin, address, AttentionLine::linea(atencion, address.contactos), sheet.tamLetra);
            if (++posicion > total)
                return result;
        }
        if (unaPagina) {
            result.posicionSiguiente = posicion;
            return result;
        }
    }
}
