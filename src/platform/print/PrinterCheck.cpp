#include "platform/print/PrinterCheck.h"

#include <QPrinterInfo>

namespace PrinterCheck {
namespace {
std::optional<Machine> g_machine;
}

Machine machine()
{
    if (g_machine)
        return *g_machine;
    // Qt writes PDF files itself, with or without a print system.
    return {!QPrinterInfo::availablePrinterNames().isEmpty(), true};
}

bool hasPrintQueue()
{
    return machine().printQueues;
}

bool isInstalled()
{
    const Machine m = machine();
    return m.printQueues || m.pdfOutput;
}

void setMachine(std::optional<Machine> machine)
{
    g_machine = machine;
}

void setOverride(std::optional<bool> installed)
{
    if (installed)
        g_machine = Machine {*installed, *installed};
    else
        g_machine.reset();
}

} // namespace PrinterCheck
