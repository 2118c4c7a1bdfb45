#include "publisher/CalculatorEngine.h"

#include <cmath>
#include <limits>

namespace {

// A number as the display writes it: digits x 10^exponent, read without going through a double.
struct Decimal
{
    bool negative = false;
    QByteArray digits;
    int exponent = 0;
};

bool parseDecimal(const QString& text, const QLocale& locale, Decimal& out)
{
    const QString sep = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    Decimal d;
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (text.startsWith(locale.negativeSign()) && !locale.negativeSign().isEmpty()) {
        d.negative = true;
        i += locale.negativeSign().size();
    } else if (i < n && text.at(i) == QLatin1Char('-')) {
        d.negative = true;
        ++i;
    }
    bool inFraction = false;
    int fractionDigits = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c.isDigit()) {
            d.digits.append(char('0' + c.digitValue()));
            fractionDigits += inFraction ? 1 : 0;
            ++i;
        } else if (!inFraction && text.mid(i, sep.size()) == sep) {
            inFraction = true;
            i += sep.size();
        } else if (!inFraction && !group.isEmpty() && text.mid(i, group.size()) == group
            && !d.digits.isEmpty()) {
            i += group.size();
        } else {
            break;
        }
    }
    if (d.digits.isEmpty())
        return false;
    int exponent = 0;
    if (i < n && (text.at(i) == QLatin1Char('E') || text.at(i) == QLatin1Char('e'))) {
        bool ok = false;
        QString power = text.mid(i + 1);
        if (power.startsWith(QLatin1Char('+')))
            power.remove(0, 1);
        exponent = power.toInt(&ok);
        if (!ok || std::abs(exponent) > 400)
            return false;
        i = n;
    }
    if (i != n)
        return false;
    d.exponent = exponent - fractionDigits;
    while (d.digits.size() > 1 && d.digits.front() == '0')
        d.digits.remove(0, 1);
    out = d;
    return true;
}

double toDouble(const Decimal& d)
{
    const QString canonical = (d.negative ? QStringLiteral("-") : QString()) + QString::fromLatin1(d.digits)
        + QStringLiteral("e") + QString::number(d.exponent);
    return canonical.toDouble();
}

using Wide = __int128;

// round(digits x 10^power x multiplier / divisor), halves away from zero, done exactly; false when
// the number is too large to be done this way.
bool roundExactly(const Decimal& d, int power, int multiplier, int divisor, Wide& result)
{
    constexpr Wide kLimit = Wide(1'000'000'000'000'000'000LL) * Wide(1'000'000'000'000'000'000LL);
    if (d.digits.size() > 18)
        return false;
    Wide numerator = Wide(d.digits.toLongLong()) * multiplier;
    Wide denominator = divisor;
    for (; power > 0; --power) {
        if (numerator > kLimit)
            return false;
        numerator *= 10;
    }
    for (; power < 0; ++power) {
        // Far below a half: nothing is left after rounding.
        if (denominator > kLimit) {
            result = 0;
            return true;
        }
        denominator *= 10;
    }
    result = (2 * numerator + denominator) / (2 * denominator);
    if (d.negative)
        result = -result;
    return true;
}

bool fitsLongLong(Wide value)
{
    return value <= std::numeric_limits<qlonglong>::max() && value >= std::numeric_limits<qlonglong>::min();
}

} // namespace

CalculatorEngine::CalculatorEngine(const QLocale& locale)
    : m_locale(locale)
{
    reset();
}

QString CalculatorEngine::separator() const
{
    return m_locale.decimalPoint();
}

void CalculatorEngine::reset()
{
    m_operando1 = {false, 0, {}};
    m_operando2 = {false, 0, {}};
    m_lecturaPrevia.clear();
    m_operadorPrevio = QLatin1Char(' ');
    load();
}

void CalculatorEngine::load()
{
    m_hayDecimal = false;
    m_numOperandos = 0;
    m_ultimaEntrada = Entry::None;
    m_operadorPendiente = QLatin1Char(' ');
    m_entradaCerrada = false;
    m_readout = QLatin1Char('0') + separator();
}

bool CalculatorEngine::loneMinus() const
{
    double ignored = 0;
    return m_ultimaEntrada == Entry::Negative && !parseNumber(m_readout, ignored);
}

bool CalculatorEngine::startsNewNumber() const
{
    return m_ultimaEntrada != Entry::Number || m_entradaCerrada;
}

int CalculatorEngine::digitsInEntry() const
{
    int count = 0;
    for (const QChar c : m_readout)
        count += c.isDigit() ? 1 : 0;
    return count;
}

void CalculatorEngine::pressDigit(int digit)
{
    if (digit < 0 || digit > 9)
        return;
    const QString sep = separator();
    const QChar typed = QLatin1Char(char('0' + digit));
    if (startsNewNumber()) {
        m_readout = sep;
        m_hayDecimal = false;
        m_entradaCerrada = false;
    } else if (digitsInEntry() >= kMaxDigits) {
        return;
    }
    if (m_hayDecimal) {
        m_readout += typed;
    } else {
        // Until the separator is typed the display ends with it and digits go in front of it.
        const qsizetype at = m_readout.indexOf(sep);
        m_readout = (at < 0 ? QString() : m_readout.left(at)) + typed + sep;
    }
    if (m_ultimaEntrada == Entry::Negative)
        m_readout.prepend(QLatin1Char('-'));
    m_ultimaEntrada = Entry::Number;
}

void CalculatorEngine::pressDecimal()
{
    if (m_ultimaEntrada == Entry::Negative)
        m_readout = QStringLiteral("-0") + separator();
    else if (startsNewNumber())
        m_readout = QLatin1Char('0') + separator();
    m_hayDecimal = true;
    m_ultimaEntrada = Entry::Number;
    m_entradaCerrada = false;
}

CalculatorEngine::Operand CalculatorEngine::operandFrom(const QString& text) const
{
    Operand operand;
    if (parseNumber(text, operand.value)) {
        operand.empty = false;
        operand.text = text;
    }
    return operand;
}

QString CalculatorEngine::operandText(const Operand& operand) const
{
    return operand.text.isEmpty() ? formatNumber(operand.value) : operand.text;
}

CalculatorEngine::Outcome CalculatorEngine::pressOperator(QChar op)
{
    m_entradaCerrada = false;
    if (loneMinus()) {
        // A minus that began a second operand is taken back: the new operator replaces the pending one.
        m_readout = operandText(m_operando1);
        m_lecturaPrevia = m_readout;
        m_ultimaEntrada = Entry::Operator;
        m_operadorPendiente = op;
        return Outcome::Done;
    }
    Outcome outcome = Outcome::Done;
    m_lecturaPrevia = m_readout;
    // After a percent the count stays at two, so the next operator evaluates.
    if (m_ultimaEntrada == Entry::Number)
        m_numOperandos = qMin(m_numOperandos + 1, 2);
    switch (m_numOperandos) {
    case 0:
        if (op == QLatin1Char('-') && m_ultimaEntrada != Entry::Negative) {
            m_readout.prepend(QLatin1Char('-'));
            m_ultimaEntrada = Entry::Negative;
        }
        break;
    case 1: {
        const Operand read = operandFrom(m_readout);
        if (!read.empty)
            m_operando1 = read;
        if (op == QLatin1Char('-') && m_ultimaEntrada != Entry::Number
            && m_operadorPendiente != QLatin1Char('=')) {
            m_readout = QStringLiteral("-");
            m_ultimaEntrada = Entry::Negative;
        }
        break;
    }
    default:
        outcome = evaluate();
        break;
    }
    if (m_ultimaEntrada != Entry::Negative) {
        m_ultimaEntrada = Entry::Operator;
        m_operadorPendiente = op;
    }
    return outcome;
}

CalculatorEngine::Outcome CalculatorEngine::evaluate()
{
    Outcome outcome = Outcome::Done;
    const Operand read = operandFrom(m_lecturaPrevia);
    if (!read.empty) {
        m_operando2 = read;
        const double right = m_operando2.value;
        const QChar pending = m_operadorPendiente;
        if (pending == QLatin1Char('+') || pending == QLatin1Char('-') || pending == QLatin1Char('*')) {
            apply(pending, right);
        } else if (pending == QLatin1Char('/')) {
            if (right == 0)
                outcome = Outcome::DivisionByZero;
            else
                apply(pending, right);
        } else if (pending == QLatin1Char('=')) {
            m_operando1 = {false, right, {}};
        } else if (pending == QLatin1Char('%')) {
            const QChar previous = m_operadorPrevio;
            if (previous == QLatin1Char(' ')) {
                apply(QLatin1Char('*'), right);
            } else if (previous == QLatin1Char('/') && right == 0) {
                outcome = Outcome::DivisionByZero;
            } else if (QStringLiteral("+-*/").contains(previous)) {
                apply(previous, right);
            }
            m_operadorPrevio = QLatin1Char(' ');
        }
    }
    m_readout = operandText(m_operando1);
    m_numOperandos = 1;
    return outcome;
}

bool CalculatorEngine::apply(QChar op, double right)
{
    const double left = m_operando1.value;
    double result = left;
    switch (op.toLatin1()) {
    case '+':
        result = left + right;
        break;
    case '-':
        result = left - right;
        break;
    case '*':
        result = left * right;
        break;
    case '/':
        result = left / right;
        break;
    default:
        return false;
    }
    // An overflow leaves the first operand as it was.
    if (!std::isfinite(result))
        return false;
    m_operando1 = {false, result, {}};
    return true;
}

void CalculatorEngine::pressPercent()
{
    double shown = 0;
    if (loneMinus() || !parseNumber(m_readout, shown))
        return;
    const double result = shown * m_operando1.value / 100;
    if (std::isfinite(result))
        m_readout = formatNumber(result);
    m_ultimaEntrada = Entry::Percent;
    // A repeated percent keeps the operator it applies to.
    if (m_operadorPendiente != QLatin1Char('%'))
        m_operadorPrevio = m_operadorPendiente;
    m_operadorPendiente = QLatin1Char('%');
    m_numOperandos = qMin(m_numOperandos + 1, 2);
    m_hayDecimal = true;
    m_entradaCerrada = false;
}

void CalculatorEngine::cancelEntry()
{
    m_readout = QLatin1Char('0') + separator();
    m_hayDecimal = false;
    m_ultimaEntrada = Entry::ClearedEntry;
    m_entradaCerrada = false;
}

void CalculatorEngine::cancel()
{
    m_operando1 = {false, 0, {}};
    m_operando2 = {false, 0, {}};
    load();
}

void CalculatorEngine::toEuros()
{
    convert(true);
}

void CalculatorEngine::toPesetas()
{
    convert(false);
}

bool CalculatorEngine::convert(bool toEuros)
{
    Decimal d;
    if (loneMinus() || !parseDecimal(m_readout, m_locale, d))
        return false;
    // The rate is 166,386 pesetas: cents = value x 10^5 / 166386, pesetas = value x 166386 / 10^3.
    Wide exact = 0;
    const bool done = toEuros ? roundExactly(d, d.exponent + 5, 1, 166386, exact)
                              : roundExactly(d, d.exponent - 3, 166386, 1, exact);
    const double value = toDouble(d);
    QString text;
    if (toEuros) {
        Wide cents = exact;
        if (!done || !fitsLongLong(exact)) {
            const double rounded = std::round(value * 100 / kPesetasPorEuro);
            if (!std::isfinite(rounded) || std::abs(rounded) > 9e18)
                return false;
            cents = Wide(qlonglong(rounded));
        }
        const Wide magnitude = cents < 0 ? -cents : cents;
        text = grouped(qulonglong(magnitude / 100)) + separator()
            + QString::number(int(magnitude % 100)).rightJustified(2, QLatin1Char('0'));
        if (cents < 0)
            text.prepend(m_locale.negativeSign());
    } else {
        if (done && fitsLongLong(exact)) {
            text = QString::number(qlonglong(exact));
        } else {
            const double pesetas = std::round(value * kPesetasPorEuro);
            if (!std::isfinite(pesetas))
                return false;
            text = formatNumber(pesetas);
        }
    }
    m_readout = text;
    m_entradaCerrada = true;
    if (m_ultimaEntrada == Entry::Negative)
        m_ultimaEntrada = Entry::Number;
    return true;
}

QString CalculatorEngine::grouped(qulonglong whole) const
{
    // Every three digits from the right, as "##,##0" writes them (Qt leaves short Spanish numbers ungrouped).
    QString digits = QString::number(whole);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, m_locale.groupSeparator());
    return digits;
}

QString CalculatorEngine::formatNumber(double value) const
{
    if (value == 0 || !std::isfinite(value))
        value = 0;
    QLocale plain = m_locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    QString text = plain.toString(value, 'g', 15);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    return text;
}

bool CalculatorEngine::parseNumber(const QString& text, double& value) const
{
    Decimal d;
    if (!parseDecimal(text, m_locale, d))
        return false;
    const double read = toDouble(d);
    if (!std::isfinite(read))
        return false;
    value = read;
    return true;
}
