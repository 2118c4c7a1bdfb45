#include "Cif.h"

#include <cstdio>

namespace {

constexpr std::string_view kLetters = "ABCDEFGHJNPQRSUVW";
constexpr std::string_view kControlLetters = "JABCDEFGHI";

} // namespace

int Cif::controlValue(std::string_view digits)
{
    int sum = 0;
    for (size_t i = 0; i < digits.size(); ++i) {
        const int d = digits[i] - '0';
        if (i % 2 == 0) {
            const int doubled = d * 2;
            sum += doubled / 10 + doubled % 10;
        } else {
            sum += d;
        }
    }
    return (10 - sum % 10) % 10;
}

bool Cif::takesDigit(char letter)
{
    return std::string_view("ABEH").find(letter) != std::string_view::npos;
}

bool Cif::takesLetter(char letter)
{
    return std::string_view("NPQRSW").find(letter) != std::string_view::npos;
}

std::string Cif::make(char letter, int provinceCode, int number)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d%05d", provinceCode % 100, number % 100000);
    const int value = controlValue(digits);
    std::string cif(1, letter);
    cif += digits;
    cif += takesLetter(letter) ? kControlLetters[size_t(value)] : char('0' + value);
    return cif;
}

bool Cif::isValid(std::string_view cif)
{
    if (cif.size() != 9 || kLetters.find(cif[0]) == std::string_view::npos)
        return false;
    const std::string_view digits = cif.substr(1, 7);
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return false;
    }
    const int value = controlValue(digits);
    const char control = cif[8];
    const bool digitMatches = control == char('0' + value);
    const bool letterMatches = control == kControlLetters[size_t(value)];
    if (takesDigit(cif[0]))
        return digitMatches;
    if (takesLetter(cif[0]))
        return letterMatches;
    return digitMatches || letterMatches;
}
