#pragma once

#include <QList>

// The arithmetic of the guide screen's layout, in twips, by resolution code (2 the small layout).
namespace GuideLayout {

struct Settings
{
    int searchWidth;
    int firstCaptionLeft;
    int captionSpacing;
    int captionsBelowPanel;
    double gridPointSize;
};

Settings settingsFor(int codigo);

// Lefts of a chain of auto-sized captions, each `spacing` after the right edge of the one before.
QList<int> captionLefts(int firstLeft, int spacing, const QList<int>& widths);

// A button centred over its caption, by whole halves of both widths.
int buttonLeft(int captionLeft, int captionWidth, int buttonWidth);

// The count label's Top on the menu form: higher up on the bordered form.
int countTop(int formHeight, bool borderless);

} // namespace GuideLayout
