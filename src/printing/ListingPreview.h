#pragma once

#include <functional>

class CompanyReport;
class QPrinter;

// Where the listing launcher hands its report to the print preview. The preview installs its opener
// once at start-up; the launcher calls it with the report (its first page drawn by
// CompanyReport::drawPage, page by page as shown) and the printer already set to A4, which the
// preview prints on. The opener shows the preview modally and returns when it closes. Its configure
// button asks frmListado::eligeCampos() and, on a choice, calls CompanyReport::setFieldChoice and
// redraws from page 1.
namespace ListingPreview {

using Opener = std::function<void(CompanyReport& report, QPrinter& printer)>;

void setOpener(Opener opener);
// False, showing nothing, while no preview is installed.
bool open(CompanyReport& report, QPrinter& printer);

} // namespace ListingPreview
