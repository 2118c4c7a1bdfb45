#pragma once

#include <QColor>
#include <QString>
#include <QVariant>

// The company grid's 24 columns (0 the marker, c the record's field c - 1) and the selection colours.
namespace GuideGrid {

inline constexpr int kColumns = 24;

// One entry per column 0 to 22: alignment mark and header text.
QString formatString();

// The band-0 caption of a column (2 to 23); empty for the others.
QString headerCaption(int col);
// Alignment of the data of a column (2 to 23).
Qt::Alignment alignment(int col);
// Width in twips by the resolution code: code 2 takes the small layout's widths.
int width(int col, int codigo);

// The marker colour of a marked and of an unmarked company.
QColor markedColor();
QColor unmarkedColor();

// Whether a stored `seleccionada` marks its company: only a true value does.
bool isMarked(const QVariant& stored);

} // namespace GuideGrid
