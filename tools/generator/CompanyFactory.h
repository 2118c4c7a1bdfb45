#pragma once

#include "CompanyNamer.h"
#include "CompanyRecord.h"
#include "Random.h"
#include "SectorCatalog.h"
#include "SpanishGeography.h"
#include "SpanishPeople.h"

#include <array>
#include <string>
#include <unordered_set>
#include <vector>

// Makes the companies of the directory one after another, every field drawn from one seeded stream so
// the same seed always gives the same rows. About one row in twelve is an outlet of an earlier head
// office of its sector.
class CompanyFactory
{
public:
    explicit CompanyFactory(quint64 seed);
    CompanyFactory(const CompanyFactory&) = delete;
    CompanyFactory& operator=(const CompanyFactory&) = delete;

    // Fills the next company; ids run from 1.
    void next(CompanyRecord& record);

private:
    struct HeadOffice
    {
        qint64 id;
        std::string base;
        const SectorCatalog::Activity* activity;
        std::string domain; // empty when the company has no web domain of its own
        std::string cif;
    };

    struct Place
    {
        const SpanishGeography::Province* province;
        const SpanishGeography::Town* town;
    };

    void fillHeadOffice(CompanyRecord& record, const SectorCatalog::Sector& sector, const Place& place);
    void fillOutlet(CompanyRecord& record, const SectorCatalog::Sector& sector, const HeadOffice& head,
        const Place& place);
    void fillPlace(CompanyRecord& record, const SectorCatalog::Sector& sector, const Place& place);
    void fillPhones(CompanyRecord& record, const SpanishGeography::Province& province);
    void fillContacts(CompanyRecord& record, const SectorCatalog::Sector& sector, bool outlet);
    void fillFigures(CompanyRecord& record, const SectorCatalog::Sector& sector, bool outlet, bool chain);
    CompanyRecord::Text remarks(const SectorCatalog::Sector& sector, const Place& place);
    std::vector<const char*> distinctRemarks(const SectorCatalog::Sector& sector, int count);

    std::string storedSector(const SectorCatalog::Sector& sector);
    std::string cifFor(char letter, const SpanishGeography::Province& province);
    std::string address(const SectorCatalog::Sector& sector, const SpanishGeography::Province& province);
    std::string landline(const SpanishGeography::Province& province);
    static std::string shortHandle(const std::string& base, const SectorCatalog::Activity& activity);
    std::string domainOf(const std::string& base, const SectorCatalog::Activity& activity);
    std::string fillRemark(
        const char* pattern, const SectorCatalog::Sector& sector, const Place& place, int foundedYear);
    CompanyRecord::Text figure(const SectorCatalog::Figure& figure);
    CompanyRecord::Text blank();

    Random m_random;
    SpanishGeography m_geography;
    SectorCatalog m_sectors;
    SpanishPeople m_people;
    CompanyNamer m_namer;
    std::array<std::vector<HeadOffice>, SectorCatalog::kSectorCount> m_chains;
    std::unordered_set<quint64> m_takenNames;
    qint64 m_nextId = 1;
};
