#pragma once

#include "printing/labels/AttentionLine.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

// The preview's panel "A la atención de:": the salutation box, the job-title list and the free text.
// It asks for a redraw of the page shown when a list loses the focus and at every change of the text.
class AttentionControls : public QWidget
{
    Q_OBJECT
public:
    explicit AttentionControls(QWidget* parent = nullptr);

    // Adds "CARGO_1" and "CARGO_2" after "Personalizado"; once per window, later calls do nothing.
    void insertaContactos();

    // What the controls hold now, for the labels or envelopes about to be drawn.
    AttentionChoice eleccion() const;

    // Envelopes: a job title other than none and the free text empties the free text. Done without
    // asking for a redraw, since it happens while a page is being drawn.
    void vaciaTextoLibreSiCargo();

Q_SIGNALS:
    void redibujar();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Combo2_Click();
    void Combo1_Click();

    QLabel* m_Label2 = nullptr; // "A la atención de:"
    QComboBox* m_Combo2 = nullptr; // salutation
    QComboBox* m_Combo1 = nullptr; // job title
    QLineEdit* m_txtAtt = nullptr; // free text
    bool m_contactos = false;
};
