#pragma once

#include <functional>

class CompanyReport;
class QPrinter;

// Where the listing launcher hands its report to the print preview. The preview installs its opener
// once at start-up; the launcher calls it with the report and the printer it has already set to A4,
// which the preview prints on. The opener shows the preview modally and returns when it closes.
//
// What the preview uses of the report, all on its own surfaces and page size:
// - CompanyReport::drawPage(surface, n) for the page shown, each time it is shown (never all pages);
// - CompanyReport::layout(pageSize).pageCount() for the paging buttons;
// - CompanyReport::columns(pageWidth).notFitting to say once how many chosen columns do not fit;
// - CompanyReport::printAll(surface, progress) or printPage(surface, n) to print;
// - its configure button: frmListado::eligeCampos(), and on a choice CompanyReport::setFieldChoice()
//   and back to page 1.
namespace ListingPreview {

using Opener = std::function<void(CompanyReport& report, QPrinter& printer)>;

void setOpener(Opener opener);
// False, showing nothing, while no preview is installed.
bool open(CompanyReport& report, QPrinter& printer);

} // namespace ListingPreview
