#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

// What the screens do alike to the controls they put on the menu form.
namespace ScreenKit {

// The form's outer height in twips.
int formHeight(const QWidget* form);
// The Top, in twips, of a screen's title line (and of the guide's count): 450 above the foot of
// "frmMenu", 900 above the foot of the bordered form.
int titleTop(const QWidget* form);

void setTextColor(QWidget* control, const QColor& color);
void setFont(QLabel* label, const QString& name, double pointSize, bool bold = false, bool italic = false,
    bool underline = false);
// The label's own font at another size and boldness, its face kept.
void setFontSize(QLabel* label, double pointSize, bool bold = false);
// The label's own font at another size, face and style kept; it keeps its Left and grows to the right.
void resizeFont(QLabel* label, double pointSize);
// A label that sizes itself to its text keeps its top-left corner.
void sizeToText(QLabel* label);
// Caption, font and colour of a transparent label sized to its text.
void caption(QLabel* label, const QString& text, const QFont& font, const QColor& color);

// The screens' captions treat "&" as a mnemonic marker: "&&" shows as one ampersand, a single one not at all.
QString mnemonicText(const QString& caption);

} // namespace ScreenKit
