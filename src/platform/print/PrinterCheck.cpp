#include "platform/print/PrinterCheck.h"

#include <QPrinterInfo>

namespace PrinterCheck {
namespace {
std::optional<bool> g_override;
}

bool isInstalled()
{
    if (g_override)
        return *g_override;
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void setOverride(std::optional<bool> installed)
{
    g_override = installed;
}

} // namespace PrinterCheck
