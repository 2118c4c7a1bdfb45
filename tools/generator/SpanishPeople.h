#pragma once

#include <QtGlobal>
#include <string>
#include <vector>

class Random;

// Spanish first names and surnames, the common ones drawn more often, as a directory lists contacts:
// first name and both surnames.
class SpanishPeople
{
public:
    struct Person
    {
        std::string fullName;
        bool female = false;
    };

    SpanishPeople();

    Person pickPerson(Random& random) const;
    // A surname in upper case, as it appears inside company names.
    const std::string& pickUpperSurname(Random& random) const;

private:
    const std::string& pickSkewed(const std::vector<std::string>& items, Random& random) const;

    std::vector<std::string> m_maleNames;
    std::vector<std::string> m_femaleNames;
    std::vector<std::string> m_surnames;
    std::vector<std::string> m_upperSurnames;
};
