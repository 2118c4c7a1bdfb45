#pragma once

#include "printing/preview/PreviewDocument.h"

class CompanyReport;

// The company listing as the print preview shows and prints it: a page begins at the record after the
// last row of the page before; the configure button runs the field chooser; chosen columns that do
// not fit across the page are said.
class ListingDocument : public PreviewDocument
{
public:
    // `report` must outlive the document.
    explicit ListingDocument(CompanyReport& report);

    CompanyReport& report() { return m_report; }

    int drawPage(PrintSurface& surface, const PreviewPage& page) override;
    int pageCount(const QSizeF& pageCm) const override;
    int pageStart(int number, const QSizeF& pageCm) override;
    QString notice(const QSizeF& pageCm, const QList<PaperOption>& others) const override;
    bool configure(QWidget* parent) override;

private:
    CompanyReport& m_report;
};
