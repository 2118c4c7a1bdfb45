#pragma once

#include <optional>

// Whether the machine can print: a print queue of the platform, or printing to a PDF file, which
// every desktop here has. The platform's answer, or the machine a test has set.
namespace PrinterCheck {

struct Machine
{
    bool printQueues = false;
    bool pdfOutput = true;
};

Machine machine();
bool hasPrintQueue();
// A queue or a PDF file: the print dialog has somewhere to print to.
bool isInstalled();

// The seam for tests: the machine to report instead of the platform's.
void setMachine(std::optional<Machine> machine);
// A machine with everything (true) or nothing (false) to print on.
void setOverride(std::optional<bool> installed);

} // namespace PrinterCheck
