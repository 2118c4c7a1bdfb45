#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

// The desk calculator without its window: the display text and the state behind it, driven one key at
// a time. Numbers are shown and read in the given locale, whose decimal separator is the "sep" of the
// display ("12," while an integer is typed).
class CalculatorEngine
{
public:
    // What a key asks the window to tell the user.
    enum class Outcome { Done, DivisionByZero };

    static constexpr double kPesetasPorEuro = 166.386;
    // A double holds this many decimal digits exactly: an entry takes no more.
    static constexpr int kMaxDigits = 15;

    explicit CalculatorEngine(const QLocale& locale = QLocale());

    QString display() const { return m_readout; }
    QString separator() const;

    // Starts from nothing, as when the window is opened.
    void reset();
    // What loading the window sets; the operands are kept.
    void load();

    void pressDigit(int digit);
    void pressDecimal();
    // One of "/", "+", "*", "-", "=".
    Outcome pressOperator(QChar op);
    void pressPercent();
    void cancelEntry();
    void cancel();
    void toEuros();
    void toPesetas();

    // The platform's text of a double: up to 15 significant digits, no grouping, exponent when far
    // from 1.
    QString formatNumber(double value) const;
    // Reads a display text: the separator, grouping, a leading minus and a trailing separator.
    bool parseNumber(const QString& text, double& value) const;

private:
    enum class Entry { None, Number, Operator, Negative, ClearedEntry, Percent };

    // A stored operand keeps the text it was read from, so the display can show it as typed.
    struct Operand
    {
        bool empty = true;
        double value = 0;
        QString text;
    };

    bool loneMinus() const;
    bool startsNewNumber() const;
    int digitsInEntry() const;
    Operand operandFrom(const QString& text) const;
    QString operandText(const Operand& operand) const;
    Outcome evaluate();
    bool apply(QChar op, double right);
    bool convert(bool toEuros);
    QString grouped(qulonglong whole) const;

    QLocale m_locale;
    Operand m_operando1;
    Operand m_operando2;
    bool m_hayDecimal = false;
    int m_numOperandos = 0;
    Entry m_ultimaEntrada = Entry::None;
    QChar m_operadorPendiente = QLatin1Char(' ');
    QString m_lecturaPrevia;
    QChar m_operadorPrevio = QLatin1Char(' ');
    // A conversion's result is shown but not typed: the next digit starts a new number.
    bool m_entradaCerrada = false;
    QString m_readout;
};
