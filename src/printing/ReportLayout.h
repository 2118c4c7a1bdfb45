#pragma once

#include "printing/ReportFields.h"

#include <QList>
#include <QSizeF>

// Where the rows of a company listing fall, in centimetres from the page area's top-left corner:
// the first page carries the document's header, later pages start at the top. Every page but the
// last is full, so any page can be laid out on its own from its number.
class ReportLayout
{
public:
    static constexpr double kLeft = 1.0;
    static constexpr double kRowPitch = 0.3;
    // A row is drawn while the one before it is no lower than this above the page's bottom.
    static constexpr double kBottomAllowance = 1.0;

    // The first page's header has `criterionLines` lines of selection criterion, one under the other.
    ReportLayout(const QSizeF& pageSize, int companyCount, int criterionLines = 1);

    // At least 1: a listing without companies still has its header page.
    int pageCount() const;

    // Pages count from 1; rows from 0.
    int firstRow(int page) const;
    int rowsOn(int page) const;
    // The page that holds row `row`.
    int pageOfRow(int row) const;

    // The criterion's lines are this far apart, as the header's own lines are.
    static constexpr double kHeaderPitch = 0.5;
    // The selection criterion's first line; the header's last line.
    static constexpr double kCriterionY = 4.7;

    // The page label's line, the headings, the rule and the first row of a page.
    double labelY(int page) const;
    double headingY(int page) const;
    double ruleY(int page) const;
    double firstRowY(int page) const;
    double rowY(int page, int row) const { return firstRowY(page) + kRowPitch * row; }

    // How many rows a page holds when its first row is at `firstY`: rows follow while the one before
    // stands no lower than the allowance above the bottom; never fewer than one.
    static int rowsFitting(double firstY, double pageHeight);

private:
    // Where the page's own lines begin: below the header on the first page, at the top on the others.
    double pageTop(int page) const;

    int m_companies;
    double m_headerBottom;
    int m_firstRows;
    int m_laterRows;
};

// The chosen columns that fit across the page, left to right, and how many chosen ones do not.
struct ReportColumn
{
    int field; // index into ReportFields::all()
    double x;
    double width;
};

struct ColumnPlan
{
    QList<ReportColumn> columns;
    int notFitting = 0;
};

ColumnPlan planColumns(const FieldChoice& choice, const ColumnWidths& widths, double pageWidth);
