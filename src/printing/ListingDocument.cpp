#include "printing/ListingDocument.h"

#include "platform/print/PrintSurface.h"
#include "printing/CompanyReport.h"
#include "printing/frmListado.h"

ListingDocument::ListingDocument(CompanyReport& report)
    : m_report(report)
{
}

int ListingDocument::drawPage(PrintSurface& surface, const PreviewPage& page)
{
    const ReportLayout layout = m_report.layout(surface.pageSize());
    // Pages are laid out from their number, so the page is the one that holds the starting record;
    // its label is that number, which is also the page the preview shows.
    const int number = layout.pageOfRow(qMax(0, page.start - 1));
    m_report.drawPage(surface, number);
    return number < layout.pageCount() ? layout.firstRow(number + 1) + 1 : 0;
}

int ListingDocument::pageCount(const QSizeF& pageCm) const
{
    return m_report.layout(pageCm).pageCount();
}

QString ListingDocument::notice(const QSizeF& pageCm) const
{
    const int left = m_report.columns(pageCm.width()).notFitting;
    if (left == 0)
        return QString();
    if (left == 1)
        return QStringLiteral("Una de las columnas elegidas no cabe en el ancho de la página y no se "
                              "imprime. Pruebe con el papel apaisado, el A3 o menos campos.");
    return QStringLiteral("%1 de las columnas elegidas no caben en el ancho de la página y no se "
                          "imprimen. Pruebe con el papel apaisado, el A3 o menos campos.")
        .arg(left);
}

bool ListingDocument::configure(QWidget* parent)
{
    const std::optional<FieldChoice> campos = frmListado::eligeCampos(parent);
    // The chooser hands back nothing when cancelled.
    if (!campos)
        return false;
    m_report.setFieldChoice(*campos);
    return true;
}
