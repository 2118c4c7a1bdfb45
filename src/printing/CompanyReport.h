#pragma once

#include "printing/ReportFields.h"
#include "printing/ReportLayout.h"

#include <QDateTime>
#include <QImage>
#include <QString>
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
    // The date and time the header shows; the moment the report was made unless set.
    void setPrintedAt(const QDateTime& when) { m_printedAt = when; }

    int companyCount() const;
    ReportLayout layout(const QSizeF& pageSize) const;
    ColumnPlan columns(double pageWidth) const;

    // Draws page `page` (from 1) on the surface's page area; nothing for a page past the last.
    void drawPage(PrintSurface& surface, int page) const;

    // Reports each page before it is drawn; answering false cancels the print.
    using Progress = std::function<bool(int page, int pageCount)>;
    // Every page, then ends the document. False when cancelled (nothing is output) or not output.
    bool printAll(PrintSurface& surface, const Progress& progress = {}) const;
    // The one page, as the preview shows it, as a document of its own.
    bool printPage(PrintSurface& surface, int page) const;

private:
    void drawHeader(PrintSurface& surface) const;
    QString fitted(const PrintSurface& surface, const QString& text, double width) const;

    const Recordset& m_companies;
    QImage m_logo;
    QString m_criterion;
    FieldChoice m_choice;
    ColumnWidths m_widths;
    QDateTime m_printedAt;
};
