#include "platform/print/Printers.h"

#include "platform/print/PrinterCheck.h"

#include <QDir>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>

namespace Printers {
namespace {
QString g_pdfOutput;
std::function<std::unique_ptr<QPrinter>()> g_factory;

QMarginsF turnedMargins(const QMarginsF& m)
{
    return {m.top(), m.left(), m.bottom(), m.right()};
}

// In millimetres.
QMarginsF pdfMargins(QPageLayout::Orientation orientation)
{
    const QMarginsF upright(5, 3.5, 5, 3.5);
    return orientation == QPageLayout::Landscape ? turnedMargins(upright) : upright;
}

void toPdf(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(pdfMargins(printer.pageLayout().orientation()), QPageLayout::Millimeter);
}

// A file name from a document's name: no separators or characters other systems refuse.
QString fileNameOf(const QString& documentName)
{
    static const QRegularExpression refused(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]+"));
    QString name = documentName;
    name.replace(refused, QStringLiteral(" "));
    name = name.simplified();
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    name = name.trimmed();
    if (name.isEmpty())
        name = QStringLiteral("Tarvesa 2010");
    return name + QStringLiteral(".pdf");
}

} // namespace

QSizeF pdfPageArea(const QPageSize& paper, QPageLayout::Orientation orientation)
{
    const QPageLayout layout(paper, orientation, pdfMargins(orientation), QPageLayout::Millimeter);
    return layout.isValid() ? layout.paintRect(QPageLayout::Millimeter).size() / 10.0 : QSizeF();
}

QPageLayout turned(QPageLayout layout, QPageLayout::Orientation orientation)
{
    if (layout.orientation() == orientation)
        return layout;
    const QMarginsF margins = layout.margins();
    layout.setOrientation(orientation);
    layout.setMargins(turnedMargins(margins));
    return layout;
}

bool setPaper(QPrinter& printer, const QPageSize& paper, QPageLayout::Orientation orientation)
{
    const QPageLayout before = printer.pageLayout();
    if (!printer.setPageSize(paper) || !printer.setPageOrientation(orientation))
        return false;
    if (before.orientation() != orientation)
        printer.setPageMargins(turned(before, orientation).margins(), before.units());
    return true;
}

QString pdfFileFor(const QString& documentName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::homePath();
    return QDir(folder).filePath(fileNameOf(documentName));
}

std::unique_ptr<QPrinter> create(const QString& documentName)
{
    if (g_factory)
        return g_factory();
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!documentName.isEmpty())
        printer->setDocName(documentName);
    if (!g_pdfOutput.isEmpty())
        toPdf(*printer, g_pdfOutput);
    else if (!PrinterCheck::hasPrintQueue())
        toPdf(*printer, pdfFileFor(documentName));
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
