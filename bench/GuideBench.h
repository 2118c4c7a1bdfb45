#pragma once

#include <QString>

// The guide screen on the menu form over an installation folder, in a process of its own (so that its
// peak memory is the program's: one guide, one snapshot): showing, filtering, searching and sorting.
int guideProcess(const QString& folder, int companies);
