#include "printing/labels/LabelSheet.h"

namespace LabelSheetLayout {

QList<double> columns(const LabelSheet& sheet, const QSizeF& pageSize)
{
    QList<double> xs {sheet.margenIzq, sheet.segundaEtiq};
    // A page exactly as wide as the third column's x has two columns.
    if (pageSize.width() > LabelSheet::kTerceraEtiq)
        xs.append(LabelSheet::kTerceraEtiq);
    return xs;
}

QList<double> widths(const LabelSheet& sheet, const QSizeF& pageSize)
{
    const QList<double> xs = columns(sheet, pageSize);
    QList<double> list;
    for (const double x : xs) {
        double limit = pageSize.width();
        for (const double other : xs) {
            if (other > x)
                limit = qMin(limit, other - LabelSheet::kHueco);
        }
        list.append(qMax(0.0, limit - x));
    }
    return list;
}

QList<double> rows(const LabelSheet& sheet, const QSizeF& pageSize)
{
    // Single precision, as the positions are kept, so that a row ending exactly at the limit stays.
    const float distance = float(sheet.distEntreEtiq);
    QList<double> ys {sheet.margenSup};
    if (!(distance >= float(LabelSheet::kMinDistancia)))
        return ys;
    const float limit = float(pageSize.height()) - distance;
    float y = float(sheet.margenSup);
    for (;;) {
        y += distance;
        if (y > limit)
            break;
        ys.append(y);
    }
    return ys;
}

QList<QPointF> origins(const LabelSheet& sheet, const QSizeF& pageSize)
{
    const QList<double> xs = columns(sheet, pageSize);
    QList<QPointF> points;
    for (const double y : rows(sheet, pageSize)) {
        for (const double x : xs)
            points.append(QPointF(x, y));
    }
    return points;
}

int labelsPerPage(const LabelSheet& sheet, const QSizeF& pageSize)
{
    return int(columns(sheet, pageSize).size() * rows(sheet, pageSize).size());
}

int pageStart(int page, int perPage)
{
    return 1 + (page - 1) * perPage;
}

int pageCount(int records, int perPage)
{
    if (records <= 0 || perPage <= 0)
        return 0;
    return (records + perPage - 1) / perPage;
}

} // namespace LabelSheetLayout
