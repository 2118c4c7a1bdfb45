#include "card/RecordCardPrint.h"

#include "platform/print/PrinterSurface.h"
#include "platform/print/Printers.h"
#include "platform/print/clsImpresion.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/Twips.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>

namespace {

// The order in which the card prints its rows (contacts and observations come after).
constexpr int kOrdenImpresion[] = {
    RecordCardLayout::Empresa,
    RecordCardLayout::Sector,
    RecordCardLayout::Actividad,
    RecordCardLayout::Domicilio,
    RecordCardLayout::Superficie,
    RecordCardLayout::Vehiculos,
    RecordCardLayout::Empleados,
    RecordCardLayout::Provincia,
    RecordCardLayout::Cp,
    RecordCardLayout::Autonomia,
    RecordCardLayout::Poblacion,
    RecordCardLayout::Telefono,
    RecordCardLayout::Fax,
    RecordCardLayout::Cif,
    RecordCardLayout::Web,
    RecordCardLayout::Email,
};

// Observations up to this length print through the box itself; longer ones are wrapped first.
constexpr qsizetype kObservacionesCortas = 85;

} // namespace

RecordCardPrint::RecordCardPrint(
    const Labels& titulos, const Labels& valores, QLabel* contactos, QPlainTextEdit* observaciones)
    : m_titulos(titulos)
    , m_valores(valores)
    , m_contactos(contactos)
    , m_observaciones(observaciones)
{
}

void RecordCardPrint::imprime(const QString& empresa, QWidget* parent) const
{
    PendingEvents::process();
    // The company's name names the job and, printed to a PDF file, the file.
    const std::unique_ptr<QPrinter> impresora = Printers::create(empresa);
    // Cancelling the printer dialog prints nothing and leaves the card as it was.
    if (!DialogService::printDialog(impresora.get(), parent))
        return;
    PendingEvents::process();
    PrinterSurface superficie(*impresora);
    clsImpresion impresion(superficie);
    const bool preparada = impresion.setPapel(clsImpresion::A4);
    impresion.setOrientacion(clsImpresion::Vertical);
    if (!preparada || !impresion.setUnidadMedida(clsImpresion::Twips)) {
        impresion.Cancela();
        return;
    }
    PendingEvents::process();

    auto par = [&](int posicion, QWidget* valor) {
        if (valor->isHidden())
            return;
        impresion.ImprimeObjeto(m_titulos[size_t(posicion)]);
        impresion.ImprimeObjeto(valor);
    };
    for (const int posicion : kOrdenImpresion)
        par(posicion, m_valores[size_t(posicion)]);
    PendingEvents::process();
    par(RecordCardLayout::Cargo1, m_contactos);
    PendingEvents::process();

    const QString observaciones = RecordCardLayout::comoAlmacen(m_observaciones->toPlainText());
    if (!m_observaciones->isHidden() && !observaciones.isEmpty()) {
        impresion.ImprimeObjeto(m_titulos[RecordCardLayout::Observaciones]);
        if (observaciones.size() <= kObservacionesCortas) {
            impresion.ImprimeObjeto(m_observaciones);
        } else {
            // Every wrapped line starts at the box's left, in the box's font.
            const QFont fuente = m_observaciones->font();
            PrintFont letra;
            letra.name = fuente.family();
            letra.pointSize = fuente.pointSizeF();
            letra.bold = fuente.bold();
            letra.italic = fuente.italic();
            impresion.setFuente(letra);
            impresion.imprimeTexto(RecordCardLayout::partirObservaciones(observaciones),
                Twips::left(m_observaciones), Twips::top(m_observaciones));
        }
    }
    impresion.imprime();
}
