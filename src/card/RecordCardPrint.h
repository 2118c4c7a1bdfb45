#pragma once

#include "card/RecordCardLayout.h"

#include <QString>
#include <array>

class QLabel;
class QPlainTextEdit;
class QWidget;

// Printing a record card: the printer dialog for a job named after the company, then the titles and
// values the card shows in the card's print order, the contacts and the observations, each at its
// place on the card (long observations wrapped to the page), A4 upright.
class RecordCardPrint
{
public:
    using Labels = std::array<QLabel*, RecordCardLayout::NumCampos>;

    RecordCardPrint(
        const Labels& titulos, const Labels& valores, QLabel* contactos, QPlainTextEdit* observaciones);

    // Nothing is printed when the dialog is cancelled.
    void imprime(const QString& empresa, QWidget* parent) const;

private:
    Labels m_titulos;
    Labels m_valores;
    QLabel* m_contactos;
    QPlainTextEdit* m_observaciones;
};
