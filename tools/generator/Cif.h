#pragma once

#include <string>
#include <string_view>

// The Spanish company tax code: an organisation letter, seven digits (two for the province, five for
// the number) and a control character that is a digit or a letter depending on the organisation.
class Cif
{
public:
    // 'A' (S.A.), 'B' (S.L.), 'E' (C.B.), 'F' (cooperative), 'G' (association), 'P' (town council), ...
    static std::string make(char letter, int provinceCode, int number);
    // The control character's value 0..9 over the seven digits.
    static int controlValue(std::string_view digits);
    static bool isValid(std::string_view cif);

private:
    static bool takesDigit(char letter);
    static bool takesLetter(char letter);
};
