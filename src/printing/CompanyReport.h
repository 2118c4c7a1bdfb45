#pragma once

#include "printing/ReportFields.h"
#include "printing/ReportLayout.h"

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

class PrintSurface;
class Recordset;

// The printed listing of companies: a header on the first page (logo, title, count, date and time,
// selection criterion), the chosen columns' headings and a rule on every page, one line per company
// and the page label. One page is drawn at a time from its own rows, on whatever surface is given,
// so the preview and the printer draw the same page.
class CompanyReport
{
public:
    // `companies` must outlive the report; its rows are read by index, its position is not moved.
    CompanyReport(const Recordset& companies, QImage logo, QString criterion, FieldChoice choice,
        ColumnWidths widths = ReportFields::defaultWidths());

    void setFieldChoice(const FieldChoice& choice) { m_choice = choice; }
    FieldChoice fieldChoice() const { return m_choice; }
    // Where the header's date and time come from; read at each drawing of the first page, so a
    // printout says when it was printed. The system clock unless set.
    using Clock = std::function<QDateTime()>;
    void setClock(Clock clock) { m_clock = std::move(clock); }

    int companyCount() const;
    ReportLayout layout(const QSizeF& pageSize) const;
    // "Criterio de selección: " and the criterion, in lines that fit across a page of that width.
    QStringList criterionLines(double pageWidth) const;
    ColumnPlan columns(double pageWidth) const;

    // Draws page `page` (from 1) on the surface's page area; nothing for a page past the last. The
    // print preview asks for one page at a time (ListingDocument), on its page or on the printer.
    void drawPage(PrintSurface& surface, int page) const;

private:
    void drawHeader(PrintSurface& surface) const;
    QString fitted(const PrintSurface& surface, const QString& text, double width) const;

    const Recordset& m_companies;
    QImage m_logo;
    QString m_criterion;
    FieldChoice m_choice;
    ColumnWidths m_widths;
    Clock m_clock;
    // The criterion's lines for the last width asked.
    mutable double m_wrappedWidth = -1;
    mutable QStringList m_wrapped;
};
