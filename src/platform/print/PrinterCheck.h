#pragma once

#include <optional>

// Whether a printer is installed: the platform's answer, or the one a test has set.
namespace PrinterCheck {

bool isInstalled();
void setOverride(std::optional<bool> installed);

} // namespace PrinterCheck
