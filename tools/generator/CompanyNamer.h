#pragma once

#include "SectorCatalog.h"
#include "SpanishGeography.h"

#include <string>
#include <string_view>

class Random;
class SpanishPeople;

// Company names as a Spanish directory prints them: upper case, trade words, family names, places or
// invented words, and the legal form, which also decides the letter of the company's tax code.
class CompanyNamer
{
public:
    struct Name
    {
        std::string full; // "DISTRIBUCIONES GARCÍA E HIJOS, S.L."
        std::string base; // without the legal form: what outlets and web addresses start from
        char cifLetter = 'B';
    };

    explicit CompanyNamer(const SpanishPeople& people);

    Name make(const SectorCatalog::Sector& sector, const SectorCatalog::Activity& activity,
        const SpanishGeography::Province& province, const SpanishGeography::Town& town, Random& random) const;
    // "GUSTOPIZZA - MÁLAGA"
    static std::string outletName(
        const std::string& base, const SpanishGeography::Town& town, Random& random);
    // Lower-case ASCII letters and digits of a name, for e-mail and web addresses.
    static std::string slug(std::string_view text);

private:
    std::string tradeName(const SectorCatalog::Sector& sector, const SectorCatalog::Activity& activity,
        const SpanishGeography::Province& province, const SpanishGeography::Town& town, Random& random) const;
    std::string lodgingName(const SectorCatalog::Activity& activity,
        const SpanishGeography::Province& province, const SpanishGeography::Town& town, Random& random) const;
    std::string placeName(Random& random) const;
    static std::string brandName(const SectorCatalog::Activity& activity, Random& random);
    static std::string fancyName(Random& random);
    std::string surnamePair(Random& random) const;

    const SpanishPeople& m_people;
};
