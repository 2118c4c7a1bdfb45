#pragma once

#include <QHash>
#include <QString>
#include <QtGlobal>
#include <initializer_list>
#include <string>
#include <vector>

class Random;

// Spain's autonomous communities, its 52 provinces with their INE codes and telephone prefixes, and a
// few real towns of each with their postal codes; companies are spread in proportion to the weights.
class SpanishGeography
{
public:
    struct Town
    {
        std::string name;
        std::string upperName;
        int weight = 0;
        int firstPostalCode = 0;
        int postalCodes = 1;
    };

    struct Province
    {
        int code = 0;
        std::string name;
        std::string upperName;
        std::string autonomy;
        std::vector<std::string> phonePrefixes; // three digits each
        std::vector<int> cifCodes; // the INE code first, then the later ones the province was given
        int weight = 0;
        bool coastal = false; // mostly on the sea: seaside addresses and names make sense there
        std::vector<Town> towns; // the capital first
        std::vector<quint32> townTotals;
    };

    SpanishGeography();

    const Province& pickProvince(Random& random) const;
    const Town& pickTown(const Province& province, Random& random) const;
    // A postal code of the town, five digits.
    static std::string pickPostalCode(const Town& town, Random& random);

    // Lookups that ignore case, as the directory's data is not consistent; nullptr when unknown.
    const Province* provinceByName(const QString& name) const;
    static const Town* townByName(const Province& province, const QString& name);

private:
    struct TownData
    {
        const char* name;
        int weight;
        int firstPostalCode;
        int postalCodes;
    };

    void add(int code, const char* name, const char* autonomy, const char* phonePrefixes, int weight,
        std::initializer_list<int> laterCifCodes, std::initializer_list<TownData> towns);

    std::vector<Province> m_provinces;
    std::vector<quint32> m_provinceTotals;
    QHash<QString, int> m_provinceIndex;
};
