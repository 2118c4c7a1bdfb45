#pragma once

#include "guide/GuideQueries.h"

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <array>
class QWidget;

// The row of sector names across the top of the guide's page: pointing at a name highlights it,
// releasing any button on it chooses that sector, and over the page the current sector stands out.
class SectorMenu : public QObject
{
    Q_OBJECT
public:
    // Builds the eight labels and seven separators by name inside `page`.
    SectorMenu(QWidget* form, QWidget* page);

    // Lays the row out to the right of the search box (its right edge and Top, in twips).
    void layout(int codigo, int searchBoxRight, int searchBoxTop);

    void restoreColours();
    void restoreSizes();
    // Every label at rest, then the one of `indice` (0 to 7) highlighted; another index highlights none.
    void highlight(int indice);
    QLabel* label(int indice) const;

Q_SIGNALS:
    void chosen(int indice);

private:
    // By sector index: Catering, Distribucion, Equipamiento, Escuelas, Franquicias, Hoteles, Transporte,
    // Vending.
    std::array<QPointer<QLabel>, GuideQueries::kSectorCount> m_labels;
    std::array<QPointer<QLabel>, 8> m_separators; // 1 to 7
    int m_codigo = 0;
};
