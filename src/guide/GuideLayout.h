#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// The arithmetic of the guide screen's layout, in twips, by resolution code (2 the small layout,
// every other code the large one). Everything is computed from the page panel's placement.
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

// The grid page.
inline constexpr QPoint kSearchCaption {50, 100};
inline constexpr int kContactLeft = 200;
inline constexpr int kSearchBoxTop = 50;
inline constexpr int kSearchBoxHeight = 300;
// The search box stands this far right of its caption.
int searchBoxLeft(int captionRight);
// The contact line stands below the grid, 300 above the page's foot.
int contactTop(int pageHeight);
// The grid fills the page below the search row down to the contact line.
QRect grid(int pageWidth, int pageHeight);

// The toolbar, on the host form.
int captionsTop(int pageTop, int pageHeight, const Settings& settings);
// Lefts of a chain of auto-sized captions, each `spacing` after the right edge of the one before.
QList<int> captionLefts(int firstLeft, int spacing, const QList<int>& widths);
// A button centred over its caption, by whole halves of both widths.
int buttonLeft(int captionLeft, int captionWidth, int buttonWidth);
// The two selection buttons, from the page's width and Top only.
QPoint showMarkedButton(int pageWidth, int pageTop);
QPoint clearMarksButton(int pageWidth, int pageTop);
// The file-view caption stands this much to the right while the documents are shown.
inline constexpr int kFileCaptionShift = 150;

// The count label's Left on the host form; its Top is the screens' title line (ScreenKit::titleTop).
inline constexpr int kCountLeft = 900;

// The sector row.
struct SectorRow
{
    int gap; // after the search box, besides a fixed 100
    double spacing; // from one label's right edge to the next label
    double restSize; // points
    double highlightSize;
    bool bold;
};
inline constexpr double kSeparatorSize = 11;
inline constexpr int kSeparatorTop = 50;
SectorRow sectorRowFor(int codigo);
double firstSectorLeft(int searchBoxRight, const SectorRow& row);
double nextSectorLeft(int previousRight, const SectorRow& row);
int separatorLeft(int labelRight, const SectorRow& row);

// The document explorer: the trees in their fill order (Distribuidores, Principales, Catering,
// Vending, Franquicias, Hoteles, Escuelas, Equipamientos).
inline constexpr int kTrees = 8;
QRect tree(int indice, int codigo, int explorerHeight);
// The hint line shows in the large layout only.
bool showsHint(int codigo);
inline constexpr QPoint kHint {6700, 4300};

} // namespace GuideLayout
