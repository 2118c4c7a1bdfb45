#pragma once

#include "platform/print/PrintSurface.h"

class QPrinter;

// The printer: the document is kept page by page and painted on the printer when it ends, so an
// abandoned document sends nothing at all (the platform's printers cannot always take a job back).
class PrinterSurface : public PrintSurface
{
public:
    explicit PrinterSurface(QPrinter& printer);
    ~PrinterSurface() override;

    QSizeF pageSize() const override;
    bool setPage(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation) override;
    QSizeF textSize(const QString& text, const PrintFont& font) const override;
    double lineHeight(const PrintFont& font) const override;

protected:
    void beginPage(int index) override;
    void draw(const PrintItem& item) override;
    bool finish() override;
    void discard() override;

private:
    QPrinter& m_printer;
    QList<PrintPage> m_pages;
};
