#pragma once

#include <QPageLayout>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>

class QPageSize;
class QPrinter;

// The printer the program prints on: the platform's default printer; on a machine without print
// queues, a PDF file named after the document in the user's documents folder; or, once a test has
// asked for it, a PDF file of its own. A PDF's page area is the 20 x 29 cm sheet the layouts are
// drawn for, and 29 x 20 cm on its side.
namespace Printers {

// The page area of `paper` in `orientation` on a PDF, in centimetres: the sheet less 5 mm at the
// upright sheet's sides and 3.5 mm at its top and bottom, margins that turn with the sheet. Empty for
// no paper.
QSizeF pdfPageArea(const QPageSize& paper, QPageLayout::Orientation orientation);

// The layout of the same sheet in `orientation`: each edge of the paper keeps its margin as it turns
// (unless the printer's least margins refuse that).
QPageLayout turned(QPageLayout layout, QPageLayout::Orientation orientation);

// Puts `paper` in `orientation` in the printer, turning the margins with the sheet; false when the
// printer refuses the paper or the orientation.
bool setPaper(QPrinter& printer, const QPageSize& paper, QPageLayout::Orientation orientation);

// `documentName` names the print job and, for PDF output, the file.
std::unique_ptr<QPrinter> create(const QString& documentName = QString());

// The PDF file a document is printed to when there is no print queue.
QString pdfFileFor(const QString& documentName);

// An empty path gives the platform's printer back.
void setPdfOutput(const QString& path);

// For tests: the printers made from now on come from `factory` (a printer that refuses a paper); an
// empty one gives the usual printers back.
void setFactory(std::function<std::unique_ptr<QPrinter>()> factory);

} // namespace Printers
