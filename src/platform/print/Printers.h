#pragma once

#include <QString>
#include <functional>
#include <memory>

class QPrinter;

// The printer the program prints on: the platform's default printer, or, once a test has asked for
// it, a PDF file whose page area is the 20 x 29 cm sheet the layouts are drawn for.
namespace Printers {

std::unique_ptr<QPrinter> create();

// An empty path gives the platform's printer back.
void setPdfOutput(const QString& path);

// For tests: the printers made from now on come from `factory` (a printer that refuses a paper); an
// empty one gives the usual printers back.
void setFactory(std::function<std::unique_ptr<QPrinter>()> factory);

} // namespace Printers
