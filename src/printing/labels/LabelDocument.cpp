#include "printing/labels/LabelDocument.h"

#include "platform/db/Recordset.h"
#include "platform/ui/DialogService.h"
#include "printing/frmEtiquetas.h"
#include "printing/labels/ImprimeEtiquetas.h"

LabelDocument::LabelDocument(
    const Recordset& rs, const LabelSettings& settings, std::function<AttentionChoice()> atencion)
    : m_rs(rs)
    , m_settings(settings)
    , m_atencion(std::move(atencion))
{
}

int LabelDocument::drawPage(PrintSurface& surface, const PreviewPage& page)
{
    const AttentionChoice atencion = m_atencion ? m_atencion() : AttentionChoice();
    return ImprimeEtiquetas(surface, m_rs, m_settings.sheet(), atencion, page.start, true).posicionSiguiente;
}

int LabelDocument::pageCount(const QSizeF& pageCm) const
{
    const int records = m_rs.isOpen() ? m_rs.recordCount() : 0;
    return LabelSheetLayout::pageCount(records, LabelSheetLayout::labelsPerPage(m_settings.sheet(), pageCm));
}

int LabelDocument::pageStart(int number, const QSizeF& pageCm)
{
    const int perPage = LabelSheetLayout::labelsPerPage(m_settings.sheet(), pageCm);
    return number >= 1 && number <= pageCount(pageCm) ? LabelSheetLayout::pageStart(number, perPage) : 0;
}

bool LabelDocument::configure(QWidget* parent)
{
    frmEtiquetas dialog(parent);
    QMap<QString, QString> campos;
    dialog.setCampos(campos);
    DialogService::exec(dialog);
    // An empty collection: the dialog was cancelled.
    const std::optional<LabelSettings> elegidas = LabelSettings::fromCampos(campos, m_settings);
    if (!elegidas)
        return false;
    m_settings = *elegidas;
    return true;
}
