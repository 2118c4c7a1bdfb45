#include "publisher/Calculator.h"
#include "publisher/CalculatorEngine.h"

#include <QPointer>
#include <QTest>

namespace {

struct Run
{
    QString display;
    int divisionsByZero = 0;
};

// Presses the keys of a space-separated sequence: numbers type their digits, "." is the decimal key,
// "/ + * - =" the operators, "%" percent, "CE" and "C" the clear keys, "E" and "P" the "Euros" and "Pts"
// keys, and "O" opens the window again.
Run press(CalculatorEngine& engine, const QString& keys)
{
    Run run;
    for (const QString& key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (key == QLatin1String("CE")) {
            engine.cancelEntry();
        } else if (key == QLatin1String("C")) {
            engine.cancel();
        } else if (key == QLatin1String("E")) {
            engine.toEuros();
        } else if (key == QLatin1String("P")) {
            engine.toPesetas();
        } else if (key == QLatin1String("O")) {
            engine.reset();
        } else if (key == QLatin1String(".")) {
            engine.pressDecimal();
        } else if (key == QLatin1String("%")) {
            engine.pressPercent();
        } else if (key.size() == 1 && QStringLiteral("/+*-=").contains(key)) {
            if (engine.pressOperator(key.at(0)) == CalculatorEngine::Outcome::DivisionByZero)
                ++run.divisionsByZero;
        } else {
            for (const QChar digit : key) {
                Q_ASSERT(digit.isDigit());
                engine.pressDigit(digit.digitValue());
            }
        }
    }
    run.display = engine.display();
    return run;
}

// A quick double click as the window system sends it: the second press comes as the double click.
void doubleClick(QWidget* key)
{
    QTest::mousePress(key, Qt::LeftButton);
    QTest::mouseRelease(key, Qt::LeftButton);
    QTest::mouseDClick(key, Qt::LeftButton);
    QTest::mouseRelease(key, Qt::LeftButton);
}

} // namespace

class TestCalculator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keys_data();
    void keys();
    void conversionsRoundToTheNearest_data();
    void conversionsRoundToTheNearest();
    void decimalSeparatorFollowsTheLocale_data();
    void decimalSeparatorFollowsTheLocale();
    void displayIsNeverEmpty();
    void readsWhatItWrites_data();
    void readsWhatItWrites();
    void aQuickSecondClickOnAKeyCounts_data();
    void aQuickSecondClickOnAKeyCounts();
};

void TestCalculator::keys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("divisionsByZero");

    QTest::newRow("starts at zero") << ""
                                    << "0," << 0;
    QTest::newRow("integer typed ends with the separator") << "1 2 3"
                                                           << "123," << 0;
    QTest::newRow("decimals") << "1 2 . 5"
                              << "12,5" << 0;
    QTest::newRow("second separator changes nothing") << "1 . . 5"
                                                      << "1,5" << 0;
    QTest::newRow("separator first") << ". 5"
                                     << "0,5" << 0;
    QTest::newRow("sum") << "1 2 + 3 ="
                         << "15" << 0;
    QTest::newRow("chained operators evaluate") << "2 + 3 * 4 ="
                                                << "20" << 0;
    QTest::newRow("fifteen significant digits") << "1 / 3 ="
                                                << "0,333333333333333" << 0;
    QTest::newRow("rounded at the fifteenth digit") << "2 / 3 ="
                                                    << "0,666666666666667" << 0;
    QTest::newRow("binary noise hidden") << ". 1 + . 2 ="
                                         << "0,3" << 0;
    QTest::newRow("exponent for small numbers") << "1 / 8000000 ="
                                                << "1,25E-07" << 0;
    QTest::newRow("exponent for large numbers") << "100000000 * 100000000 ="
                                                << "1E+16" << 0;

    // Edge cases: division by zero, percent, signs, clearing and the peseta-euro keys.
    QTest::newRow("division by zero keeps the first operand as typed") << "8 / 0 ="
                                                                       << "8," << 1;
    QTest::newRow("a further equals repeats nothing") << "8 / 0 = ="
                                                      << "8," << 1;
    QTest::newRow("percent shows the share") << "200 + 10 %"
                                             << "20" << 0;
    QTest::newRow("percent then equals adds it") << "200 + 10 % ="
                                                 << "220" << 0;
    QTest::newRow("percent of a subtraction") << "200 - 10 % ="
                                              << "180" << 0;
    QTest::newRow("percent right after the operator") << "50 + % ="
                                                      << "75" << 0;
    QTest::newRow("percent of a bare number") << "5 %"
                                              << "0" << 0;
    QTest::newRow("minus after an operator negates the operand") << "5 * - 3 ="
                                                                 << "-15" << 0;
    QTest::newRow("leading minus, no evaluation") << "- 5 ="
                                                  << "-5," << 0;
    QTest::newRow("leading minus and separator") << "- . 5"
                                                 << "-0,5" << 0;
    QTest::newRow("clear entry shows zero") << "5 + 3 CE"
                                            << "0," << 0;
    QTest::newRow("clear entry keeps the operation") << "5 + 3 CE 4 ="
                                                     << "9" << 0;
    QTest::newRow("clear starts again") << "5 + 3 C 2 + 2 ="
                                        << "4" << 0;
    QTest::newRow("pesetas to euros") << "1000 E"
                                      << "6,01" << 0;
    QTest::newRow("euros to pesetas") << "1000 P"
                                      << "166386" << 0;
    QTest::newRow("euros with grouping") << "1000000000 E"
                                         << "6.010.121,04" << 0;
    QTest::newRow("thousands of euros grouped") << "166386 E"
                                                << "1.000,00" << 0;
    QTest::newRow("a conversion is an operand") << "5 + 166386 E ="
                                                << "1005" << 0;

    // It never locks.
    QTest::newRow("repeated percent takes the share again") << "5 + 3 % %"
                                                            << "0,0075" << 0;
    QTest::newRow("repeated percent then equals") << "5 + 3 % % ="
                                                  << "5,0075" << 0;
    QTest::newRow("and goes on after it") << "5 + 3 % % + 1 ="
                                          << "6,0075" << 0;
    QTest::newRow("a number after percent") << "5 + 3 % 4 ="
                                            << "9" << 0;
    QTest::newRow("a number after a repeated percent") << "5 * 3 % % 2 ="
                                                       << "10" << 0;
    // A conversion ends the entry.
    QTest::newRow("digit after euros starts a number") << "1000 E 5"
                                                       << "5," << 0;
    QTest::newRow("separator after euros starts a number") << "1000 E . 5"
                                                           << "0,5" << 0;
    QTest::newRow("digit after pesetas starts a number") << "2 P 1"
                                                         << "1," << 0;
    QTest::newRow("pesetas of a started number") << "2 P"
                                                 << "333" << 0;
    // An operator on a lone minus replaces the pending one; no text is an operand.
    QTest::newRow("operator on a lone minus shows the first operand") << "5 * - +"
                                                                      << "5," << 0;
    QTest::newRow("and the new operator is the one applied") << "5 * - + 3 ="
                                                             << "8" << 0;
    QTest::newRow("equals on a lone minus") << "5 * - = 2 + 1 ="
                                            << "3" << 0;
    QTest::newRow("percent on a lone minus does nothing") << "5 * - % 3 ="
                                                          << "-15" << 0;
    QTest::newRow("euros on a lone minus does nothing") << "5 * - E"
                                                        << "-" << 0;
    QTest::newRow("pesetas on a lone minus does nothing") << "5 * - P 2 ="
                                                          << "-10" << 0;
    // Division by zero through the percent key is said too.
    QTest::newRow("division by zero through percent") << "8 / 0 % ="
                                                      << "8," << 1;
    QTest::newRow("division through percent") << "8 / 50 % ="
                                              << "2" << 0;
    // Opening the window starts clean.
    QTest::newRow("reopening forgets the first operand") << "5 + O 2 %"
                                                         << "0" << 0;
    QTest::newRow("reopening forgets a percent's operator") << "5 + 3 % O 4 % ="
                                                            << "0" << 0;
    // The entry holds the digits a double holds exactly.
    QTest::newRow("entry capped at fifteen digits") << "1234567890123456789"
                                                    << "123456789012345," << 0;
    QTest::newRow("decimals count towards the cap") << ". 12345678901234567"
                                                    << "0,12345678901234" << 0;
    QTest::newRow("a capped entry still computes") << "999999999999999 + 1 ="
                                                   << "1E+15" << 0;
}

void TestCalculator::keys()
{
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(int, divisionsByZero);
    CalculatorEngine engine(QLocale(QLocale::Spanish, QLocale::Spain));
    const Run run = press(engine, keys);
    QCOMPARE(run.display, display);
    QCOMPARE(run.divisionsByZero, divisionsByZero);
}

// Each amount converts to the nearest cent or peseta, not the one below: amounts whose exact value
// lies just above or below a half, and exact halves, which go away from zero, in both directions.
void TestCalculator::conversionsRoundToTheNearest_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");

    // 166,386 pesetas to the euro.
    QTest::newRow("83 pesetas: 0,4988 euros, up") << "83 E"
                                                  << "0,50";
    QTest::newRow("84 pesetas: 0,5048 euros, down") << "84 E"
                                                    << "0,50";
    QTest::newRow("166 pesetas: 0,9977 euros, up") << "166 E"
                                                   << "1,00";
    QTest::newRow("1000 pesetas: 6,0101 euros, down") << "1000 E"
                                                      << "6,01";
    QTest::newRow("minus 83 pesetas: up in size") << "- 83 E"
                                                  << "-0,50";
    QTest::newRow("minus 84 pesetas: down in size") << "- 84 E"
                                                    << "-0,50";
    QTest::newRow("half a cent, up") << ". 83193 E"
                                     << "0,01";
    QTest::newRow("one and a half cents, up") << "2 . 49579 E"
                                              << "0,02";
    QTest::newRow("two and a half cents, up past the even one") << "4 . 15965 E"
                                                                << "0,03";
    QTest::newRow("minus half a cent, away from zero") << "- . 83193 E"
                                                       << "-0,01";
    QTest::newRow("just under half a cent, down") << ". 83192 E"
                                                  << "0,00";

    QTest::newRow("1 euro: 166,386 pesetas, down") << "1 P"
                                                   << "166";
    QTest::newRow("2 euros: 332,772 pesetas, up") << "2 P"
                                                  << "333";
    QTest::newRow("0,51 euros: 84,857 pesetas, up") << ". 51 P"
                                                    << "85";
    QTest::newRow("0,5 euros: 83,193 pesetas, down") << ". 5 P"
                                                     << "83";
    QTest::newRow("minus 2 euros: up in size") << "- 2 P"
                                               << "-333";
    QTest::newRow("minus 1 euro: down in size") << "- 1 P"
                                                << "-166";
    QTest::newRow("250 euros: half a peseta, up") << "250 P"
                                                  << "41597";
    QTest::newRow("750 euros: half a peseta, up past the even one") << "750 P"
                                                                    << "124790";
    QTest::newRow("minus 250 euros: half a peseta, away from zero") << "- 250 P"
                                                                    << "-41597";
}

void TestCalculator::conversionsRoundToTheNearest()
{
    QFETCH(QString, keys);
    QFETCH(QString, display);
    CalculatorEngine engine(QLocale(QLocale::Spanish, QLocale::Spain));
    QCOMPARE(press(engine, keys).display, display);
}

void TestCalculator::decimalSeparatorFollowsTheLocale_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::newRow("typing") << "1 2"
                            << "12.";
    QTest::newRow("decimals") << "1 . 5 + 1 ="
                              << "2.5";
    QTest::newRow("division by zero") << "8 / 0 ="
                                      << "8.";
    QTest::newRow("euros grouped the English way") << "1000000000 E"
                                                   << "6,010,121.04";
    QTest::newRow("a grouped result is read back") << "1000000000 E + 1 ="
                                                   << "6010122.04";
}

void TestCalculator::decimalSeparatorFollowsTheLocale()
{
    QFETCH(QString, keys);
    QFETCH(QString, display);
    CalculatorEngine engine(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(press(engine, keys).display, display);
}

void TestCalculator::displayIsNeverEmpty()
{
    // Every key after every short sequence of keys leaves something to read.
    const QStringList keys = {"1", "0", ".", "+", "-", "*", "/", "=", "%", "CE", "C", "E", "P"};
    for (const QString& a : keys) {
        for (const QString& b : keys) {
            for (const QString& c : keys) {
                CalculatorEngine engine(QLocale(QLocale::Spanish, QLocale::Spain));
                const QString sequence = a + QLatin1Char(' ') + b + QLatin1Char(' ') + c;
                QVERIFY2(!press(engine, sequence).display.isEmpty(), qPrintable(sequence));
            }
        }
    }
}

void TestCalculator::readsWhatItWrites_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << 220.0;
    QTest::newRow("fraction") << 0.0075;
    QTest::newRow("negative") << -15.5;
    QTest::newRow("small") << 1.25e-7;
    QTest::newRow("large") << 1.5e20;
}

void TestCalculator::readsWhatItWrites()
{
    QFETCH(double, value);
    const CalculatorEngine engine(QLocale(QLocale::Spanish, QLocale::Spain));
    double read = 0;
    QVERIFY(engine.parseNumber(engine.formatNumber(value), read));
    QCOMPARE(read, value);
    QVERIFY(!engine.parseNumber(QStringLiteral("-"), read));
    QVERIFY(engine.parseNumber(QStringLiteral("12,"), read));
    QCOMPARE(read, 12.0);
}

void TestCalculator::aQuickSecondClickOnAKeyCounts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("doubled"); // the key clicked twice within the double-click time
    QTest::addColumn<QString>("display");
    QTest::newRow("2 then 0 0") << "2"
                                << "lblNumber_0"
                                << "200,";
    QTest::newRow("1 1") << ""
                         << "lblNumber_1"
                         << "11,";
    QTest::newRow("Euros twice") << "1000"
                                 << "lblConvert_0"
                                 << "0,04";
    QTest::newRow("Pts twice") << "1"
                               << "lblConvert_1"
                               << "27620";
}

void TestCalculator::aQuickSecondClickOnAKeyCounts()
{
    QFETCH(QString, typed);
    QFETCH(QString, doubled);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    Calculator::muestra();
    const QPointer<Calculator> calculator = Calculator::instance();
    QVERIFY(calculator);
    QTest::keyClicks(calculator, typed);
    auto* key = calculator->findChild<QWidget*>(doubled);
    QVERIFY(key);
    doubleClick(key);
    QTEST(calculator->display(), "display");
    calculator->close();
    QTRY_VERIFY(calculator.isNull());
}

QTEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
