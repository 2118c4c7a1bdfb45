#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

// What the publisher screens do alike to the controls they put on the menu form.
namespace ScreenKit {

// The menu form's outer height in twips.
int alturaFormulario();
// The Top, in twips, of a screen's title line: 450 above the foot of "frmMenu", 900 above the foot of
// the bordered form.
int tituloTop();

void setTextColor(QWidget* control, const QColor& color);
void setFont(QLabel* label, const QString& name, double pointSize, bool bold = false, bool italic = false,
    bool underline = false);
// The label's own font at another size, its face kept.
void setFontSize(QLabel* label, double pointSize, bool bold = false);
// A label that sizes itself to its text keeps its top-left corner.
void sizeToText(QLabel* label);

// The design's labels treat "&" as a mnemonic marker: "&&" shows as one ampersand, a single one not at all.
QString mnemonicText(const QString& caption);

// Lets paint and other pending window messages run; user input waits.
void processEvents();

} // namespace ScreenKit
