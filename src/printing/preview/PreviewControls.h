#pragma once

#include <QString>

class QButtonGroup;
class QGroupBox;
class QRadioButton;
class QWidget;

// The controls of the preview's button bar: its background, the captioned frames of the paper and
// orientation options (and of the envelope), and those options. Places and sizes in twips.
namespace PreviewControls {

// The bar's background, the frames' too (&HEAF3F6).
constexpr quint32 kBarColor = 0xEAF3F6;

void fillBackground(QWidget* widget, quint32 bgr);
// A frame with its caption standing whole at its top, the border running through the caption's middle.
QGroupBox* frame(const QString& caption, QWidget* parent, int left, int top, int width, int height);
// An option under its frame's caption, as wide as its text needs within the frame.
QRadioButton* option(const QString& name, const QString& text, QGroupBox* frame, int left, int width);
// Leaves a group of options with none chosen.
void clearChoice(QButtonGroup* group);

} // namespace PreviewControls
