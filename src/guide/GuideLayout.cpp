#include "guide/GuideLayout.h"

namespace GuideLayout {

Settings settingsFor(int codigo)
{
    if (codigo == 2)
        return {1500, 300, 500, 550, 8};
    return {2000, 450, 800, 550, codigo == 3 ? 9.0 : 8.0};
}

QList<int> captionLefts(int firstLeft, int spacing, const QList<int>& widths)
{
    QList<int> lefts;
    lefts.reserve(widths.size());
    int left = firstLeft;
    for (int w : widths) {
        lefts.append(left);
        left += w + spacing;
    }
    return lefts;
}

int buttonLeft(int captionLeft, int captionWidth, int buttonWidth)
{
    // Widths are never negative, so integer halves are the whole-number parts.
    return captionWidth / 2 + captionLeft - buttonWidth / 2;
}

int countTop(int formHeight, bool borderless)
{
    return formHeight - (borderless ? 450 : 900);
}

} // namespace GuideLayout
