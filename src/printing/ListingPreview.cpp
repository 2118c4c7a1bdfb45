#include "printing/ListingPreview.h"

namespace ListingPreview {
namespace {
Opener& installed()
{
    static Opener opener;
    return opener;
}
} // namespace

void setOpener(Opener opener)
{
    installed() = std::move(opener);
}

bool open(CompanyReport& report, QPrinter& printer)
{
    // A copy: the opener may install another while it runs.
    const Opener opener = installed();
    if (!opener)
        return false;
    opener(report, printer);
    return true;
}

} // namespace ListingPreview
