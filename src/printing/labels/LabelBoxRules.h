#pragma once

#include <QChar>
#include <QString>

// What the label dialog's four measure boxes accept, widget-free: the keys let through while typing,
// the upper limit applied at every change, and the completion and format applied when a box is left
// or the dialog is accepted. Measures are written with a decimal comma; a point is taken as one.
namespace LabelBoxRules {

enum class Box { Izquierdo, Superior, Separacion, Segunda };

// The text that stands for an empty box: "0,5", "2,0", "3,2", "10,5".
QString defecto(Box box);

// The character a typed key puts in `text`, or a null QChar when it is dropped: digits pass, a comma
// or a point becomes a comma when `text` holds none yet (`replaced` is the selected part a key
// replaces), anything else is dropped.
QChar filtra(const QString& text, const QString& replaced, QChar typed);

// While typing: a value above the box's limit, or a text that cannot become a number, turns into the
// limit ("3", "4", "9"). A lone comma is kept, as the start of a number such as ",5". The second column
// has no limit while typing. Returns the text unchanged when it is within bounds.
QString limita(Box box, const QString& text);

// When the box is left or the dialog accepted: an empty or unreadable text becomes the box's default,
// a value is brought within the box's range, then written with one decimal ("2" gives "2,0").
QString completa(Box box, const QString& text);

} // namespace LabelBoxRules
