#pragma once

#include <QtGlobal>
#include <array>
#include <vector>

class Random;

// The eight trade sectors of the directory with what a company of each looks like: its activities,
// the words its name is built from, the posts of its contacts, its figures and what is said about it.
class SectorCatalog
{
public:
    enum class NameStyle {
        Trade, // "DISTRIBUCIONES GARCÍA E HIJOS, S.L."
        Lodging, // "HOTEL PLAYA DORADA"
        Brand, // "GUSTOPIZZA, S.L.", whose outlets are "GUSTOPIZZA - MÁLAGA"
        School, // "ESCUELA DE HOSTELERÍA DE SEVILLA"
    };

    struct Activity
    {
        const char* label;
        int weight;
        NameStyle style;
        std::vector<const char*> words; // the trade words of the name, or a brand's endings
        std::vector<const char*> suffixes = {}; // "CASH": "COMERCIAL PÉREZ CASH"
        const char* outletLabel = nullptr; // the activity of its outlets, when not its own
    };

    struct Post
    {
        const char* male;
        const char* female;
    };

    // A figure stored as text digits; present in that many rows per thousand.
    struct Figure
    {
        int perMille = 0;
        int low = 0;
        int high = 0;
    };

    struct Sector
    {
        int index;
        const char* stored;
        int weight;
        std::vector<Activity> activities;
        std::vector<quint32> activityTotals;
        std::vector<const char*> coinedStarts; // "COMER" + "SUR"
        std::vector<Post> leadPosts;
        std::vector<Post> otherPosts;
        int outletPerMille; // rows of the sector that are outlets of a head office
        int chainPerMille; // head offices that open outlets (never single hotels)
        Figure surface;
        Figure vehicles;
        Figure employees;
        std::vector<const char*> remarks; // sentences; see CompanyFactory for the placeholders
        std::vector<const char*> brands; // invented brands the sector deals in
    };

    static constexpr int kSectorCount = 8;

    SectorCatalog();

    const Sector& pickSector(Random& random) const;
    static const Activity& pickActivity(const Sector& sector, Random& random);
    static const Activity* activityByLabel(const Sector& sector, const char* label);

private:
    std::array<Sector, kSectorCount> m_sectors;
    std::vector<quint32> m_sectorTotals;
};
