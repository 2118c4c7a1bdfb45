#include "platform/print/Printers.h"

#include <QMarginsF>
#include <QPrinter>

namespace Printers {
namespace {
QString g_pdfOutput;
std::function<std::unique_ptr<QPrinter>()> g_factory;
} // namespace

std::unique_ptr<QPrinter> create()
{
    if (g_factory)
        return g_factory();
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!g_pdfOutput.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(g_pdfOutput);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setPageMargins(QMarginsF(5, 3.5, 5, 3.5), QPageLayout::Millimeter);
    }
    return printer;
}

void setPdfOutput(const QString& path)
{
    g_pdfOutput = path;
}

void setFactory(std::function<std::unique_ptr<QPrinter>()> factory)
{
    g_factory = std::move(factory);
}

} // namespace Printers
