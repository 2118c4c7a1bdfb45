#pragma once

#include <QString>

// The company listing in the print preview over a generated database of `companies`: the first page
// shown, page turns both ways, and every page printed to PDF in a process of its own.
void measureListing(int companies);
// That print, run by measureListing() as a process of its own (so that its peak memory is the print's
// alone); `pdf` keeps the document where given, to look at.
int printListing(const QString& path, const QString& pdf);
