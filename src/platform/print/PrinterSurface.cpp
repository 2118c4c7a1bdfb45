#include "platform/print/PrinterSurface.h"

#include "platform/print/PdfOutputFile.h"
#include "platform/print/PrintPainter.h"
#include "platform/print/Printers.h"

#include <QPrinter>

namespace {
constexpr double kCmPerInch = 2.54;
}

PrinterSurface::PrinterSurface(QPrinter& printer)
    : m_printer(printer)
{
}

PrinterSurface::~PrinterSurface()
{
    // A document neither ended nor abandoned sends nothing more.
    if (!isFinished())
        abort();
}

PageExtent PrinterSurface::pageExtent() const
{
    return PageExtent::fromCm(m_printer.pageLayout().paintRect(QPageLayout::Millimeter).size() / 10.0);
}

bool PrinterSurface::applyPage(const QPageSize& paper, QPageLayout::Orientation orientation)
{
    return Printers::setPaper(m_printer, paper, orientation);
}

void PrinterSurface::beginPage(int index)
{
    if (index > 0)
        send();
    m_page.clear();
    m_pending = true;
}

void PrinterSurface::draw(const PrintItem& item)
{
    m_page.append(item);
}

bool PrinterSurface::send()
{
    if (!m_pending || m_failed)
        return !m_failed;
    m_pending = false;
    if (m_sent == 0) {
        m_output = std::make_unique<PdfOutputFile>(m_printer);
        if (!m_painter.begin(&m_printer))
            m_failed = true;
    } else if (!m_printer.newPage()) {
        m_failed = true;
    }
    if (!m_failed) {
        PrintPainter(m_painter, m_printer.resolution() / kCmPerInch).paint(m_page);
        ++m_sent;
    }
    m_page.clear();
    if (!m_failed && m_pageSent)
        m_pageSent(m_sent);
    return !m_failed;
}

bool PrinterSurface::finish()
{
    const bool sent = send();
    if (!m_painter.isActive())
        return sent;
    const bool ended = m_painter.end() && sent;
    const bool placed = ended && m_output && m_output->commit();
    m_output.reset();
    return ended && placed;
}

void PrinterSurface::discard()
{
    m_page.clear();
    m_pending = false;
    if (!m_painter.isActive())
        return;
    m_printer.abort();
    m_painter.end();
    // A file cut short is of no use to anyone; the one it was to replace stays.
    m_output.reset();
}
