#pragma once

#include "platform/print/PrintSurface.h"

#include <QPainter>
#include <functional>
#include <memory>

class PdfOutputFile;
class QPrinter;

// The printer. Each page is painted on the printer when it is finished (the next page begins or the
// document ends), so no more than one page is ever held; an abandoned document is aborted, and a job
// that had painted nothing yet sends nothing at all. A PDF file takes the place of an existing one only
// once complete.
class PrinterSurface : public PrintSurface
{
public:
    explicit PrinterSurface(QPrinter& printer);
    ~PrinterSurface() override;

    PageExtent pageExtent() const override;

    // Pages handed to the printer so far.
    int pagesSent() const { return m_sent; }
    // Called with the number of pages sent each time one more has been.
    void setPageSentHandler(std::function<void(int)> handler) { m_pageSent = std::move(handler); }

protected:
    bool applyPage(const QPageSize& paper, QPageLayout::Orientation orientation) override;
    void beginPage(int index) override;
    void draw(const PrintItem& item) override;
    bool finish() override;
    void discard() override;

private:
    bool send();

    QPrinter& m_printer;
    QPainter m_painter;
    PrintPage m_page;
    // The file a PDF is written to until it is complete.
    std::unique_ptr<PdfOutputFile> m_output;
    bool m_pending = false;
    bool m_failed = false;
    int m_sent = 0;
    std::function<void(int)> m_pageSent;
};
