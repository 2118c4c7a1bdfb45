#pragma once

#include <optional>

// Whether a printer is installed: always, since printing to a PDF file counts as one; or what a test
// has set.
namespace PrinterCheck {

bool isInstalled();
void setOverride(std::optional<bool> installed);

} // namespace PrinterCheck
