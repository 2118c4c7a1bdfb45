#include "guide/GuideLayout.h"

namespace GuideLayout {

namespace {

bool small(int codigo)
{
    return codigo == 2;
}

// Trees of the first row follow each other by this much; the lower rows take the Left above them.
constexpr int kTreeLeft = 500;
constexpr int kTreeWidth = 2500;
constexpr int kTreeGap = 200;
constexpr int kTreeHeight = 1000;

constexpr int column(int n)
{
    return kTreeLeft + n * (kTreeWidth + kTreeGap);
}

} // namespace

Settings settingsFor(int codigo)
{
    if (small(codigo))
        return {1500, 300, 500, 550, 8};
    return {2000, 450, 800, 550, codigo == 3 ? 9.0 : 8.0};
}

int searchBoxLeft(int captionRight)
{
    return captionRight + 50;
}

int contactTop(int pageHeight)
{
    return pageHeight - 300;
}

QRect grid(int pageWidth, int pageHeight)
{
    const int top = 500;
    return {100, top, pageWidth - 200, contactTop(pageHeight) - top};
}

int captionsTop(int pageTop, int pageHeight, const Settings& settings)
{
    return pageTop + pageHeight + settings.captionsBelowPanel;
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

QPoint showMarkedButton(int pageWidth, int pageTop)
{
    return {pageWidth - 1000, pageTop - 700};
}

QPoint clearMarksButton(int pageWidth, int pageTop)
{
    return {pageWidth - 500, pageTop - 700};
}

SectorRow sectorRowFor(int codigo)
{
    if (small(codigo))
        return {220, 340, 8, 10, false};
    return {500, 550, 10, 12, true};
}

double firstSectorLeft(int searchBoxRight, const SectorRow& row)
{
    return searchBoxRight + 100 + row.gap;
}

double nextSectorLeft(int previousRight, const SectorRow& row)
{
    return previousRight + row.spacing;
}

int separatorLeft(int labelRight, const SectorRow& row)
{
    return int(labelRight + row.spacing / 3);
}

QRect tree(int indice, int codigo, int explorerHeight)
{
    // Here code 1 takes the small layout too.
    const bool large = codigo >= 3;
    const int lower = large ? 1600 : 1200;
    switch (indice) {
    case 0:
        return {column(0), 0, kTreeWidth, explorerHeight};
    case 1:
    case 2:
    case 3:
        return {column(indice), 0, kTreeWidth, kTreeHeight};
    case 4:
        // Franquicias ends the first row in the large layout, makes a third row in the small one.
        return large ? QRect(column(4), 0, kTreeWidth, kTreeHeight)
                     : QRect(column(1), 2 * lower, kTreeWidth, kTreeHeight);
    case 5:
    case 6:
    case 7:
        return {column(indice - 4), lower, kTreeWidth, kTreeHeight};
    default:
        return {};
    }
}

bool showsHint(int codigo)
{
    return codigo >= 3;
}

} // namespace GuideLayout
