#pragma once

#include <QList>
#include <QPointF>
#include <QSizeF>

// A sheet of address labels as data: where the columns and rows lie on the page, in centimetres, and
// the font size of the label lines in points.
struct LabelSheet
{
    double margenIzq = 0.5; // x of the first column
    double margenSup = 2.0; // y of the first row
    double distEntreEtiq = 3.2; // from the top of one row to the top of the next
    double segundaEtiq = 10.5; // x of the second column
    int tamLetra = 8;

    // The third column's fixed x, used only on pages wider than it.
    static constexpr double kTerceraEtiq = 20.0;
    // What a label's lines keep clear of the next label, so that the texts of two labels never touch.
    static constexpr double kHueco = 0.2;
    // The smallest row distance laid out as rows; anything less gives one row a page.
    static constexpr double kMinDistancia = 0.1;

    bool operator==(const LabelSheet&) const = default;
};

namespace LabelSheetLayout {

// The x of each label column on a page of that width, left to right.
QList<double> columns(const LabelSheet& sheet, const QSizeF& pageSize);

// The width each column of columns() has for its lines: to the nearest column on its right less
// kHueco, or to the page's edge; never below 0.
QList<double> widths(const LabelSheet& sheet, const QSizeF& pageSize);

// The y of each label row on a page of that height, top to bottom. The first row is always there; a
// further row fits while its top is not below the page height less one row distance. A distance below
// kMinDistancia gives one row.
QList<double> rows(const LabelSheet& sheet, const QSizeF& pageSize);

// The top-left corner of every label of a page, in the order the labels are filled: across each row,
// rows downwards.
QList<QPointF> origins(const LabelSheet& sheet, const QSizeF& pageSize);

// Labels on a full page.
int labelsPerPage(const LabelSheet& sheet, const QSizeF& pageSize);

// The record (from 1) that starts page `page` (from 1).
int pageStart(int page, int perPage);

// Pages that `records` labels fill; none for no records.
int pageCount(int records, int perPage);

} // namespace LabelSheetLayout
