#pragma once

#include <QString>

// How a stored field reads where it has one line of its own (a grid cell, a label, an envelope, the
// record card).
namespace FieldText {

// Each run of line breaks, tabs and other control characters stored in `text` becomes one blank.
// A text without them is handed back as it is, without a copy.
QString oneLine(const QString& text);

} // namespace FieldText
