#pragma once

#include "publisher/CalculatorEngine.h"

#include <QWidget>

class ActiveLabel;
class QLabel;

// The desk calculator window "Calculadora KORVAN": its keys are flat labels that light while pressed
// and act on release, the keyboard types the same keys, and it floats above every window. The sums
// are CalculatorEngine's; the window only shows them and says what went wrong.
class Calculator : public QWidget
{
    Q_OBJECT
public:
    // Shows the one window, created on first use and without owner; opened again it starts from zero,
    // shown while open it only comes forward. Either way it takes the keyboard.
    static void muestra();
    // The window while it exists.
    static Calculator* instance();

    QString display() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Calculator();

    void Form_Load();
    ActiveLabel* tecla(
        const QString& nombre, const QString& caption, int left, int top, int width = 375, int height = 255);
    void pulsa(ActiveLabel* key);
    void suelta(ActiveLabel* key);
    void actua(ActiveLabel* key);
    void refresca();

    CalculatorEngine m_engine;
    QLabel* m_Readout;
    ActiveLabel* m_lblNumber[10] = {};
    ActiveLabel* m_lblOperator[5] = {};
    ActiveLabel* m_lblConvert[2] = {};
    ActiveLabel* m_lblDecimal;
    ActiveLabel* m_lblPercent;
    ActiveLabel* m_lblCancel;
    ActiveLabel* m_lblCancelEntry;
};
