#pragma once

#include <QFont>
#include <QString>

// The program names Windows fonts; they map onto metric-compatible faces installed here.
namespace Fonts {

// Registers the substitutions (Arial, Times New Roman, Courier New, Century Gothic, Tahoma,
// MS Sans Serif) once for the whole application.
void install();

// A font by its Windows name and point size (fractional sizes are kept).
QFont font(
    const QString& name, double pointSize, bool bold = false, bool italic = false, bool underline = false);

} // namespace Fonts
