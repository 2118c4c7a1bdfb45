#include "printing/ReportLayout.h"

#include <cmath>

namespace {

// The steps from a page's start to its rows.
constexpr double kToLabel = 1.2;
constexpr double kToHeadings = 0.5;
constexpr double kToRule = 0.4;
constexpr double kToRows = 0.1;
// Lengths are multiples of a millimetre: comparing them in tenths of a millimetre keeps
// 2.5 + 55 × 0.3 equal to 19.
constexpr double kTolerance = 1e-6;

} // namespace

ReportLayout::ReportLayout(const QSizeF& pageSize, int companyCount, int criterionLines)
    : m_companies(qMax(0, companyCount))
    , m_headerBottom(kCriterionY + kHeaderPitch * qMax(0, criterionLines - 1))
    , m_firstRows(rowsFitting(firstRowY(1), pageSize.height()))
    , m_laterRows(rowsFitting(firstRowY(2), pageSize.height()))
{
}

double ReportLayout::pageTop(int page) const
{
    return page == 1 ? m_headerBottom : 0.0;
}

int ReportLayout::rowsFitting(double firstY, double pageHeight)
{
    const double room = pageHeight - kBottomAllowance - firstY;
    if (room < 0)
        return 1;
    // Rows at or above the limit, and the one that crosses it.
    return int(std::floor(room / kRowPitch + kTolerance)) + 2;
}

int ReportLayout::pageCount() const
{
    if (m_companies <= m_firstRows)
        return 1;
    const int rest = m_companies - m_firstRows;
    return 1 + (rest + m_laterRows - 1) / m_laterRows;
}

int ReportLayout::firstRow(int page) const
{
    if (page <= 1)
        return 0;
    return m_firstRows + (page - 2) * m_laterRows;
}

int ReportLayout::rowsOn(int page) const
{
    if (page < 1 || page > pageCount())
        return 0;
    const int capacity = page == 1 ? m_firstRows : m_laterRows;
    return qMin(capacity, m_companies - firstRow(page));
}

int ReportLayout::pageOfRow(int row) const
{
    if (row < m_firstRows)
        return 1;
    return 2 + (row - m_firstRows) / m_laterRows;
}

double ReportLayout::labelY(int page) const
{
    return std::round(pageTop(page) + kToLabel);
}

double ReportLayout::headingY(int page) const
{
    return pageTop(page) + kToLabel + kToHeadings;
}

double ReportLayout::ruleY(int page) const
{
    return headingY(page) + kToRule;
}

double ReportLayout::firstRowY(int page) const
{
    return ruleY(page) + kToRows + kRowPitch;
}

ColumnPlan planColumns(const FieldChoice& choice, const ColumnWidths& widths, double pageWidth)
{
    ColumnPlan plan;
    double x = ReportLayout::kLeft;
    const QList<ReportField>& fields = ReportFields::all();
    for (int i = 0; i < fields.size(); ++i) {
        const QString key = QString::fromLatin1(fields.at(i).key);
        if (!ReportFields::isChosen(choice, key))
            continue;
        const double width = widths.value(key, fields.at(i).width);
        // Once one column runs past the edge, the ones after it stand further right still.
        if (plan.notFitting == 0 && x + width <= pageWidth + kTolerance) {
            plan.columns.append(ReportColumn {i, x, width});
            x += width;
        } else {
            ++plan.notFitting;
        }
    }
    return plan;
}
