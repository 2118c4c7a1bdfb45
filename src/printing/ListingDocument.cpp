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

QString ListingDocument::notice(const QSizeF& pageCm, const QList<PaperOption>& others) const
{
    const int left = m_report.columns(pageCm.width()).notFitting;
    if (left == 0)
        return QString();
    // Only a paper that leaves out fewer columns than now, and than the ones already advised.
    QStringList advice;
    int fewest = left;
    for (const PaperOption& other : others) {
        const int leftThere = m_report.columns(other.pageCm.width()).notFitting;
        if (leftThere < fewest) {
            advice.append(other.advice);
            fewest = leftThere;
        }
    }
    advice.append(QStringLiteral("menos campos"));
    const QString last = advice.takeLast();
    const QString tryWith
        = QStringLiteral("Pruebe con %1.")
              .arg(
                  advice.isEmpty() ? last : advice.join(QStringLiteral(", ")) + QStringLiteral(" o ") + last);
    if (left == 1)
        return QStringLiteral("Una de las columnas elegidas no cabe en el ancho de la página y no se "
                              "imprime. ")
            + tryWith;
    return QStringLiteral("%1 de las columnas elegidas no caben en el ancho de la página y no se "
                          "imprimen. ")
               .arg(left)
        + tryWith;
}

int ListingDocument::pageStart(int number, const QSizeF& pageCm)
{
    const ReportLayout layout = m_report.layout(pageCm);
    return number >= 1 && number <= layout.pageCount() ? layout.firstRow(number) + 1 : 0;
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
