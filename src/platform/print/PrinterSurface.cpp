#include "platform/print/PrinterSurface.h"

#include "platform/print/PrintPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace {
constexpr double kCmPerInch = 2.54;
}

PrinterSurface::PrinterSurface(QPrinter& printer)
    : m_printer(printer)
{
}

PrinterSurface::~PrinterSurface() = default;

QSizeF PrinterSurface::pageSize() const
{
    return m_printer.pageLayout().paintRect(QPageLayout::Millimeter).size() / 10.0;
}

bool PrinterSurface::setPage(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation)
{
    const bool paperSet = m_printer.setPageSize(QPageSize(paper));
    const bool orientationSet = m_printer.setPageOrientation(orientation);
    return paperSet && orientationSet;
}

QSizeF PrinterSurface::textSize(const QString& text, const PrintFont& font) const
{
    const QFontMetricsF metrics(font.toFont(), &m_printer);
    return QSizeF(metrics.horizontalAdvance(text), metrics.height()) * (kCmPerInch / m_printer.logicalDpiY());
}

double PrinterSurface::lineHeight(const PrintFont& font) const
{
    return QFontMetricsF(font.toFont(), &m_printer).lineSpacing() * (kCmPerInch / m_printer.logicalDpiY());
}

void PrinterSurface::beginPage(int /*index*/)
{
    m_pages.append(PrintPage());
}

void PrinterSurface::draw(const PrintItem& item)
{
    m_pages.last().append(item);
}

bool PrinterSurface::finish()
{
    if (m_pages.isEmpty())
        return true;
    QPainter painter;
    if (!painter.begin(&m_printer)) {
        m_pages.clear();
        return false;
    }
    PrintPainter pagePainter(painter, m_printer.resolution() / kCmPerInch);
    bool ok = true;
    for (qsizetype i = 0; i < m_pages.size() && ok; ++i) {
        if (i > 0)
            ok = m_printer.newPage();
        if (ok)
            pagePainter.paint(m_pages.at(i));
    }
    m_pages.clear();
    return painter.end() && ok;
}

void PrinterSurface::discard()
{
    m_pages.clear();
}
