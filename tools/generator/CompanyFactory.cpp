#include "CompanyFactory.h"

#include "Cif.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::array kStreets = {"Mayor", "Real", "San Francisco", "Cervantes", "Goya", "Colón",
    "Reyes Católicos", "del Carmen", "Nueva", "Alfonso XIII", "Doctor Fleming", "San Juan", "Santa María",
    "Juan Ramón Jiménez", "Velázquez", "Pintor Sorolla", "del Sol", "de la Iglesia", "del Mar",
    "Ramón y Cajal", "Severo Ochoa", "Antonio Machado", "Federico García Lorca", "Isaac Peral",
    "Hernán Cortés", "Ancha", "Larga", "de la Paz", "de los Olivos", "Camino Real", "Zurbarán", "Murillo",
    "Lope de Vega", "Quevedo", "Góngora", "Calderón de la Barca", "Jacinto Benavente", "Miguel Servet",
    "Magallanes", "Sagasta", "Ortega y Gasset", "Santa Ana", "San Antonio", "San Pedro", "Virgen del Carmen",
    "de la Fuente", "del Pozo", "Tahona", "Herrerías", "Castaños", "Doctor Marañón", "Blasco Ibáñez",
    "Núñez de Balboa", "Concepción Arenal", "Emilia Pardo Bazán"};

constexpr std::array kAvenues = {"de la Constitución", "de Andalucía", "de Europa", "de América",
    "del Mediterráneo", "de la Libertad", "Juan Carlos I", "de la Paz", "de los Reyes Católicos", "de Madrid",
    "de Portugal", "de la Estación", "del Puerto", "de la Hispanidad", "de Cataluña", "de Aragón",
    "de Castilla", "de Galicia", "de Ramón y Cajal", "del Ejército", "de Blas Infante", "de la Innovación"};

constexpr std::array kSquares = {"de España", "Mayor", "de la Constitución", "del Ayuntamiento",
    "de San Juan", "de la Iglesia", "del Mercado", "de Colón"};

constexpr std::array kPromenades
    = {"de la Estación", "de las Delicias", "de Colón", "del Parque", "de la Alameda", "de los Tilos"};

constexpr std::array kEstates
    = {"Las Atalayas", "San Cristóbal", "El Portal", "Santa Ana", "La Estación", "Los Olivos", "El Pilar",
        "San Isidro", "La Cartuja", "El Prado", "Los Llanos", "La Fuensanta", "Las Salinas", "El Campillo",
        "Norte", "Sur", "La Vega", "El Álamo", "Cañada Real", "Las Quemadas", "Río Gállego"};

constexpr std::array kRoads = {"I", "II", "III", "IV", "V", "VI", "340", "332", "420", "630", "634", "301"};

constexpr std::array kResorts = {"Playa Serena", "Costa Azul", "Los Pinos", "Las Gaviotas", "Cala Blanca",
    "Puerta del Mar", "Cala Dorada", "Las Dunas"};

constexpr std::array kMailProviders
    = {"telefonica.net", "hotmail.com", "gmail.com", "terra.es", "yahoo.es", "ono.com"};

constexpr std::array kStopWords = {"de", "del", "la", "las", "los", "el", "y", "e"};

const std::vector<SectorCatalog::Post> kOutletPosts = {{"Encargado", "Encargada"},
    {"Responsable de Tienda", "Responsable de Tienda"}, {"Franquiciado", "Franquiciada"},
    {"Gerente", "Gerente"}, {"Jefe de Delegación", "Jefa de Delegación"}};

// FNV-1a: the same on every platform, unlike std::hash.
quint64 nameKey(std::string_view name)
{
    quint64 hash = 0xCBF29CE484222325ULL;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001B3ULL;
    }
    return hash;
}

std::string number(int value)
{
    return std::to_string(value);
}

std::string digits(Random& random, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += char('0' + random.bounded(10));
    return out;
}

// "952 123 456"
std::string groupedPhone(const std::string& nineDigits)
{
    return nineDigits.substr(0, 3) + ' ' + nineDigits.substr(3, 3) + ' ' + nineDigits.substr(6, 3);
}

// 120000 -> "120.000"
std::string withThousands(int value)
{
    std::string plain = number(value);
    std::string out;
    const int lead = int(plain.size()) % 3;
    for (size_t i = 0; i < plain.size(); ++i) {
        if (i != 0 && (int(i) - lead) % 3 == 0)
            out += '.';
        out += plain[i];
    }
    return out;
}

} // namespace

CompanyFactory::CompanyFactory(quint64 seed)
    : m_random(seed)
    , m_namer(m_people)
{
}

void CompanyFactory::next(CompanyRecord& record)
{
    record = CompanyRecord();
    record.id = m_nextId++;
    const SectorCatalog::Sector& sector = m_sectors.pickSector(m_random);
    const SpanishGeography::Province& province = m_geography.pickProvince(m_random);
    const Place place {&province, &m_geography.pickTown(province, m_random)};
    record.sector = storedSector(sector);

    const auto& chains = m_chains[size_t(sector.index)];
    if (!chains.empty() && m_random.chance(sector.outletPerMille)) {
        // Early head offices are the big chains: they collect most outlets.
        const HeadOffice& head = chains[m_random.skewed(quint32(chains.size()))];
        fillOutlet(record, sector, head, place);
    } else {
        fillHeadOffice(record, sector, place);
    }
}

std::string CompanyFactory::storedSector(const SectorCatalog::Sector& sector)
{
    std::string stored = sector.stored;
    // Hand-typed records: a few sectors are not in upper case.
    if (m_random.chance(4)) {
        const bool titleCase = m_random.chance(500);
        for (size_t i = titleCase ? 1 : 0; i < stored.size(); ++i)
            stored[i] = char(stored[i] + ('a' - 'A'));
    }
    return stored;
}

void CompanyFactory::fillHeadOffice(
    CompanyRecord& record, const SectorCatalog::Sector& sector, const Place& place)
{
    const SectorCatalog::Activity& activity = SectorCatalog::pickActivity(sector, m_random);
    // Names may repeat across the country, but rarely: a few more draws when a name is taken.
    CompanyNamer::Name name;
    for (int attempt = 0; attempt < 4; ++attempt) {
        name = m_namer.make(sector, activity, *place.province, *place.town, m_random);
        if (m_takenNames.insert(nameKey(name.full)).second)
            break;
    }
    record.empresa = name.full;
    record.actividad = activity.label;
    record.cif = cifFor(name.cifLetter, *place.province);
    fillPlace(record, sector, place);
    fillPhones(record, *place.province);

    std::string domain = domainOf(name.base, activity);
    const quint32 mail = m_random.bounded(100);
    if (mail < 8) {
        domain.clear();
    } else if (mail < 20) {
        record.email = shortHandle(name.base, activity) + '@' + m_random.pick(kMailProviders);
        domain.clear();
    } else {
        const char* local = "info";
        const quint32 kind = m_random.bounded(100);
        if (kind >= 60) {
            if (sector.stored == std::string_view("HOTELES"))
                local = "reservas";
            else if (sector.stored == std::string_view("DISTRIBUCION"))
                local = "pedidos";
            else if (sector.stored == std::string_view("ESCUELAS"))
                local = "secretaria";
            else
                local = kind < 80 ? "comercial" : "administracion";
        }
        record.email = local + ('@' + domain);
    }
    if (!domain.empty() && m_random.chance(780))
        record.web = "www." + domain;

    // Single hotels do not open branches; hotel chains do.
    const bool chain
        = activity.style != SectorCatalog::NameStyle::Lodging && m_random.chance(sector.chainPerMille);
    fillContacts(record, sector, false);
    fillFigures(record, sector, false, chain);
    record.observaciones = remarks(sector, place);
    if (chain)
        m_chains[size_t(sector.index)].push_back({record.id, name.base, &activity, domain, *record.cif});
}

void CompanyFactory::fillOutlet(
    CompanyRecord& record, const SectorCatalog::Sector& sector, const HeadOffice& head, const Place& place)
{
    const SectorCatalog::Activity* activity = head.activity;
    if (activity->outletLabel)
        activity = SectorCatalog::activityByLabel(sector, activity->outletLabel);
    record.headOfficeId = head.id;
    record.empresa = CompanyNamer::outletName(head.base, *place.town, m_random);
    record.actividad = activity->label;
    // Franchised outlets are companies of their own; branches of a distributor share its tax code.
    if (activity->style == SectorCatalog::NameStyle::Brand || m_random.chance(300))
        record.cif = cifFor('B', *place.province);
    else
        record.cif = head.cif;
    fillPlace(record, sector, place);
    fillPhones(record, *place.province);
    if (!head.domain.empty()) {
        const quint32 mail = m_random.bounded(100);
        if (mail < 50)
            record.email = CompanyNamer::slug(place.town->name) + '@' + head.domain;
        else if (mail < 70)
            record.email = "info@" + head.domain;
        if (m_random.chance(600))
            record.web = "www." + head.domain;
    }
    fillContacts(record, sector, true);
    fillFigures(record, sector, true, false);
    if (m_random.chance(250)) {
        record.observaciones = activity->style == SectorCatalog::NameStyle::Brand
            ? "Establecimiento franquiciado de la cadena " + head.base + '.'
            : "Delegación de " + head.base + " en " + place.town->name + '.';
    }
}

void CompanyFactory::fillPlace(CompanyRecord& record, const SectorCatalog::Sector& sector, const Place& place)
{
    record.autonomia = place.province->autonomy;
    record.provincia = place.province->name;
    record.poblacion = place.town->name;
    // About one row in twenty was typed in capitals.
    if (m_random.chance(50)) {
        const quint32 which = m_random.bounded(100);
        if (which < 75)
            record.poblacion = place.town->upperName;
        if (which >= 60)
            record.provincia = place.province->upperName;
    }
    record.domicilio = address(sector, *place.province);
    record.cp = SpanishGeography::pickPostalCode(*place.town, m_random);
}

std::string CompanyFactory::cifFor(char letter, const SpanishGeography::Province& province)
{
    const std::vector<int>& codes = province.cifCodes;
    const int code = codes.size() > 1 && m_random.chance(300)
        ? codes[1 + m_random.bounded(quint32(codes.size() - 1))]
        : codes.front();
    return Cif::make(letter, code, int(m_random.bounded(100000)));
}

std::string CompanyFactory::address(
    const SectorCatalog::Sector& sector, const SpanishGeography::Province& province)
{
    const std::string_view stored = sector.stored;
    const bool industrial = stored == "DISTRIBUCION" || stored == "EQUIPAMIENTO" || stored == "TRANSPORTE"
        || stored == "VENDING" || stored == "CATERING";
    const bool lodging = stored == "HOTELES";
    const bool seaside = lodging && province.coastal;
    const quint32 kind = m_random.bounded(100);

    if (industrial && kind < 45) {
        std::string estate = std::string("Polígono Industrial ") + m_random.pick(kEstates);
        const quint32 detail = m_random.bounded(4);
        if (detail == 0)
            return estate + ", parcela " + number(m_random.between(1, 120));
        if (detail == 1)
            return estate + ", nave " + number(m_random.between(1, 60));
        if (detail == 2)
            return estate + ", C/ " + char('A' + m_random.bounded(8)) + ", "
                + number(m_random.between(1, 40));
        return estate + ", C/ " + m_random.pick(kStreets) + ", nave " + number(m_random.between(1, 30));
    }
    if ((industrial && kind < 53) || (lodging && kind < 8)) {
        std::string road
            = std::string("Ctra. N-") + m_random.pick(kRoads) + ", km " + number(m_random.between(1, 640));
        if (m_random.chance(300))
            road += ",5";
        return road;
    }
    if (seaside && kind < 22) {
        if (m_random.chance(500))
            return std::string("Urb. ") + m_random.pick(kResorts) + ", s/n";
        return "Paseo Marítimo, " + number(1 + int(m_random.skewed(120)));
    }

    std::string street;
    const quint32 type = m_random.bounded(100);
    if (type < 60)
        street = std::string("C/ ") + m_random.pick(kStreets);
    else if (type < 85)
        street = std::string("Avda. ") + m_random.pick(kAvenues);
    else if (type < 93)
        street = std::string("Plaza ") + m_random.pick(kSquares);
    else
        street = std::string("Paseo ") + m_random.pick(kPromenades);
    if (m_random.chance(30))
        return street + ", s/n";
    street += ", " + number(1 + int(m_random.skewed(150)));
    const quint32 extra = m_random.bounded(100);
    if (extra < 12)
        street += ", " + number(m_random.between(1, 8)) + "º " + char('A' + m_random.bounded(6));
    else if (extra < 18)
        street += ", bajo";
    else if (extra < 24)
        street += ", local " + number(m_random.between(1, 12));
    else if (industrial && extra < 32)
        street += ", nave " + number(m_random.between(1, 20));
    return street;
}

std::string CompanyFactory::landline(const SpanishGeography::Province& province)
{
    return m_random.pick(province.phonePrefixes) + char('2' + m_random.bounded(8)) + digits(m_random, 5);
}

void CompanyFactory::fillPhones(CompanyRecord& record, const SpanishGeography::Province& province)
{
    // Small businesses often give a mobile only.
    if (m_random.chance(70)) {
        record.telefono = groupedPhone('6' + digits(m_random, 8));
        if (m_random.chance(150))
            record.fax = groupedPhone(landline(province));
        return;
    }
    const std::string phone = landline(province);
    record.telefono = groupedPhone(phone);
    if (m_random.chance(750)) {
        // The fax line is usually next to the switchboard's.
        const int last = (std::stoi(phone.substr(6)) + m_random.between(1, 20)) % 1000;
        char tail[8];
        std::snprintf(tail, sizeof tail, "%03d", last);
        record.fax = groupedPhone(phone.substr(0, 6) + tail);
    }
}

std::string CompanyFactory::shortHandle(const std::string& base, const SectorCatalog::Activity& activity)
{
    // Whole words when short ("hosteleriadelmediterraneo"); otherwise without the small words, then
    // without the trade words, and at last the first word with as many of the last ones as fit.
    auto slugWords = [](std::string_view text) {
        std::vector<std::string> words;
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find(' ', start);
            if (end == std::string_view::npos)
                end = text.size();
            std::string word = CompanyNamer::slug(text.substr(start, end - start));
            if (!word.empty())
                words.push_back(std::move(word));
            start = end + 1;
        }
        return words;
    };
    auto join = [](const std::vector<std::string>& parts) {
        std::string out;
        for (const std::string& part : parts)
            out += part;
        return out;
    };
    constexpr size_t kLongest = 24;
    std::vector<std::string> words = slugWords(base);
    std::string handle = join(words);
    if (handle.size() <= kLongest || words.size() < 2)
        return handle.substr(0, kLongest);

    std::erase_if(words, [](const std::string& word) {
        return std::find(kStopWords.begin(), kStopWords.end(), word) != kStopWords.end();
    });
    std::vector<std::string> tradeWords;
    for (const char* trade : activity.words) {
        for (std::string& word : slugWords(trade))
            tradeWords.push_back(std::move(word));
    }
    std::vector<std::string> telling = words;
    std::erase_if(telling, [&](const std::string& word) {
        return std::find(tradeWords.begin(), tradeWords.end(), word) != tradeWords.end();
    });
    if (!telling.empty() && join(words).size() > kLongest) {
        // Keep the leading trade word when it fits: "suministrosbarcelona" rather than "barcelona".
        if (telling.front() != words.front() && words.front().size() + join(telling).size() <= kLongest)
            telling.insert(telling.begin(), words.front());
        words = telling;
    }
    handle = join(words);
    if (handle.size() <= kLongest || words.size() < 2)
        return handle.substr(0, kLongest);

    std::string tail;
    for (size_t i = words.size() - 1;
         i > 0 && words.front().size() + words[i].size() + tail.size() <= kLongest; --i)
        tail.insert(0, words[i]);
    return (words.front() + tail).substr(0, kLongest);
}

std::string CompanyFactory::domainOf(const std::string& base, const SectorCatalog::Activity& activity)
{
    const quint32 tld = m_random.bounded(100);
    return shortHandle(base, activity) + (tld < 65 ? ".es" : tld < 95 ? ".com" : ".net");
}

CompanyRecord::Text CompanyFactory::blank()
{
    // Old records left fields empty in both ways.
    if (m_random.chance(600))
        return std::nullopt;
    return std::string();
}

void CompanyFactory::fillContacts(CompanyRecord& record, const SectorCatalog::Sector& sector, bool outlet)
{
    auto post = [this](const std::vector<SectorCatalog::Post>& posts, bool female) {
        const SectorCatalog::Post& chosen = m_random.pick(posts);
        return std::string(female ? chosen.female : chosen.male);
    };

    std::string firstPost;
    const quint32 first = m_random.bounded(100);
    if (first < 88) {
        const SpanishPeople::Person person = m_people.pickPerson(m_random);
        record.contacto1 = person.fullName;
        if (m_random.chance(860)) {
            const auto& posts = outlet ? kOutletPosts
                : m_random.chance(700) ? sector.leadPosts
                                       : sector.otherPosts;
            firstPost = post(posts, person.female);
            record.cargo1 = firstPost;
        } else {
            record.cargo1 = blank();
        }
    } else {
        record.contacto1 = blank();
        record.cargo1 = m_random.chance(700) ? record.contacto1 : blank();
    }

    const quint32 second = m_random.bounded(100);
    if (!outlet && second < 45) {
        const SpanishPeople::Person person = m_people.pickPerson(m_random);
        record.contacto2 = person.fullName;
        std::string secondPost = post(sector.otherPosts, person.female);
        if (secondPost == firstPost)
            secondPost = post(sector.otherPosts, person.female);
        record.cargo2 = m_random.chance(900) ? CompanyRecord::Text(secondPost) : blank();
    } else {
        record.contacto2 = blank();
        record.cargo2 = m_random.chance(700) ? record.contacto2 : blank();
    }
}

CompanyRecord::Text CompanyFactory::figure(const SectorCatalog::Figure& figure)
{
    if (figure.perMille == 0 || !m_random.chance(figure.perMille))
        return std::nullopt;
    // Most companies are small: draw twice towards the low end.
    const quint32 span = quint32(figure.high - figure.low + 1);
    return number(figure.low + int(m_random.skewed(m_random.skewed(span) + 1)));
}

void CompanyFactory::fillFigures(
    CompanyRecord& record, const SectorCatalog::Sector& sector, bool outlet, bool chain)
{
    SectorCatalog::Figure employees = sector.employees;
    SectorCatalog::Figure vehicles = sector.vehicles;
    SectorCatalog::Figure surface = sector.surface;
    if (outlet) {
        employees = {employees.perMille * 3 / 4, 2, 40};
        vehicles.high = std::max(vehicles.low, vehicles.high / 8);
        surface.high = std::max(surface.low, surface.high / 3);
    } else if (chain) {
        employees.low *= 5;
        employees.high *= 5;
    }
    record.empleados = figure(employees);
    record.vehiculos = figure(vehicles);
    if (CompanyRecord::Text m2 = figure(surface)) {
        // Floor areas are quoted in round figures.
        int value = std::stoi(*m2);
        value = value >= 1000 ? value / 50 * 50 : value >= 200 ? value / 10 * 10 : value;
        record.superficie = number(value);
    }
}

// Placeholders: {Y} year founded, {E} years since, {P} province, {A} community, {T} town, {B} and {C} two
// brands of the sector, {N} a small count, {S} a hall's capacity, {M} a large count, {K} euros.
std::string CompanyFactory::fillRemark(
    const char* pattern, const SectorCatalog::Sector& sector, const Place& place, int foundedYear)
{
    std::string out;
    std::string firstBrand;
    for (const char* p = pattern; *p; ++p) {
        if (*p != '{' || p[1] == '\0' || p[2] != '}') {
            out += *p;
            continue;
        }
        switch (p[1]) {
        case 'Y':
            out += number(foundedYear);
            break;
        case 'E':
            out += number(2010 - foundedYear);
            break;
        case 'P':
            out += place.province->name;
            break;
        case 'A':
            out += place.province->autonomy;
            break;
        case 'T':
            out += place.town->name;
            break;
        case 'B':
        case 'C': {
            std::string brand
                = sector.brands.empty() ? std::string("primeras marcas") : m_random.pick(sector.brands);
            if (brand == firstBrand && sector.brands.size() > 1)
                brand = "otras primeras marcas";
            firstBrand = brand;
            out += brand;
            break;
        }
        case 'N':
            out += number(5 + int(m_random.skewed(246)));
            break;
        case 'M':
            out += withThousands(200 + int(m_random.skewed(97)) * 50);
            break;
        case 'S':
            out += number(50 + int(m_random.skewed(16)) * 50);
            break;
        case 'K':
            out += withThousands(60000 + int(m_random.bounded(59)) * 5000);
            break;
        default:
            out += p[1];
            break;
        }
        p += 2;
    }
    return out;
}

std::vector<const char*> CompanyFactory::distinctRemarks(const SectorCatalog::Sector& sector, int count)
{
    // Sentences opening with the same word tell the same thing ("Ámbito de actuación: ..."): one of each.
    auto opening = [](const char* remark) { return std::string_view(remark, std::strcspn(remark, " ")); };
    std::vector<const char*> chosen;
    while (int(chosen.size()) < count) {
        const char* remark = m_random.pick(sector.remarks);
        const bool clash = std::any_of(chosen.begin(), chosen.end(),
            [&](const char* other) { return opening(other) == opening(remark); });
        if (!clash)
            chosen.push_back(remark);
    }
    return chosen;
}

CompanyRecord::Text CompanyFactory::remarks(const SectorCatalog::Sector& sector, const Place& place)
{
    const int foundedYear = m_random.between(1952, 2009);
    const quint32 kind = m_random.bounded(1000);
    if (kind < 6) {
        // A few records carry a whole description typed over several lines.
        std::string text;
        for (const char* remark : distinctRemarks(sector, 6)) {
            if (!text.empty())
                text += "\r\n";
            text += fillRemark(remark, sector, place, foundedYear);
        }
        text
            += "\r\nHorario: de lunes a viernes de 8:00 a 15:00 y de 16:30 a 19:30; sábados de 9:00 a 13:00.";
        text += "\r\nForma de pago: transferencia, recibo domiciliado a 30 días o contado.";
        return text;
    }
    if (kind < 420) {
        std::string text;
        for (const char* remark : distinctRemarks(sector, m_random.between(1, 3))) {
            if (!text.empty())
                text += ' ';
            text += fillRemark(remark, sector, place, foundedYear);
        }
        return text;
    }
    return std::nullopt;
}
