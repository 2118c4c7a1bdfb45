#include "platform/print/PrinterSurface.h"

#include "platform/print/PrintPainter.h"

#include <QFile>
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
    const bool paperSet = m_printer.setPageSize(paper);
    const bool orientationSet = m_printer.setPageOrientation(orientation);
    return paperSet && orientationSet;
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
    return m_painter.end() && sent;
}

void PrinterSurface::discard()
{
    m_page.clear();
    m_pending = false;
    if (!m_painter.isActive())
        return;
    m_printer.abort();
    m_painter.end();
    // A file cut short is of no use to anyone.
    if (m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty())
        QFile::remove(m_printer.outputFileName());
}
