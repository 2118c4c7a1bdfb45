#include "CompanyNamer.h"

#include "Random.h"
#include "SpanishPeople.h"

#include <array>

namespace {

struct LegalForm
{
    const char* text;
    char cifLetter;
    quint32 total; // running weight
};

// Mostly S.L., as in the trade; a few written carelessly.
constexpr std::array<LegalForm, 9> kLegalForms
    = {{{", S.L.", 'B', 56}, {", S.A.", 'A', 74}, {", S.L.U.", 'B', 82}, {", C.B.", 'E', 86},
        {", S.COOP.", 'F', 88}, {" S.L.", 'B', 92}, {", SL", 'B', 94}, {", SA", 'A', 96}, {"", 'B', 100}}};

const LegalForm& pickLegalForm(Random& random)
{
    const quint32 r = random.bounded(kLegalForms.back().total);
    for (const LegalForm& form : kLegalForms) {
        if (r < form.total)
            return form;
    }
    return kLegalForms.front();
}

constexpr std::array kRegions = {"DEL MEDITERRÁNEO", "DEL SUR", "DEL NORTE", "DEL CANTÁBRICO",
    "DEL ATLÁNTICO", "DE LEVANTE", "DEL CENTRO", "DEL ESTE", "DE LA SIERRA", "DEL VALLE", "DEL LITORAL",
    "DE LA COSTA", "DE ESPAÑA", "DEL ESTRECHO", "DE LA MANCHA"};

constexpr std::array kFancy
    = {"ALBORADA", "EL OLIVO", "LA PALMERA", "SOL Y MAR", "LA ESPIGA", "EL PILAR", "LA PALOMA", "SANTA ANA",
        "SAN ISIDRO", "LA UNIÓN", "EL FARO", "LA ENCINA", "LOS ROSALES", "NUEVA ERA", "AVANCE", "HORIZONTE",
        "ESPAÑA", "EUROPA", "IBÉRICA", "LA MONTAÑA", "EL CASTAÑO", "LA CIGÜEÑA", "EL MOLINO", "LA ESTRELLA",
        "CAFÉ Y TÉ", "LA CAÑADA", "EL ALMENDRO", "PEÑAFIEL", "MONTEALEGRE", "ARCOÍRIS", "EL CÉNIT", "ÁGORA",
        // Catalan and Aragonese names with an apostrophe, common on the eastern coast.
        "D'ARAGÓN", "L'ORANGERIE", "L'ESTACIÓ", "L'ALBUFERA", "D'EN PEP", "L'HORTA", "L'EMPORDÀ", "D'OR"};

constexpr std::array kQuoted = {"EL PILAR", "LA BARRACA", "EL MOLINO", "LA ESPIGA", "EL ALMENDRO",
    "LA ERMITA", "LOS CARACOLES", "EL RINCÓN", "LA BODEGUITA", "EL CORTIJO"};

struct Noun
{
    const char* word;
    bool feminine;
    bool seaside = false;
};

constexpr std::array<Noun, 36> kLodgingNouns = {{{"PLAYA", true, true}, {"COSTA", true, true}, {"SOL", false},
    {"MAR", false, true}, {"SIERRA", true}, {"TORRE", true}, {"PALACIO", false}, {"JARDÍN", false},
    {"PUERTA", true}, {"MIRADOR", false}, {"VILLA", true}, {"CASA", true}, {"MONTE", false},
    {"BAHÍA", true, true}, {"PUERTO", false, true}, {"PARQUE", false}, {"PLAZA", true}, {"ESTRELLA", true},
    {"LUNA", true}, {"CALA", true, true}, {"RÍO", false}, {"VALLE", false}, {"CORTIJO", false},
    {"MESÓN", false}, {"FUENTE", true}, {"ROCA", true}, {"OLIVO", false}, {"PINAR", false}, {"ALAMEDA", true},
    {"MOLINO", false}, {"HACIENDA", true}, {"ATALAYA", true}, {"CASTILLO", false}, {"PALMERAL", false},
    {"ARENAL", false, true}, {"CAMINO", false}}};

struct Adjective
{
    const char* masculine;
    const char* feminine;
};

constexpr std::array<Adjective, 26> kLodgingAdjectives = {{{"DORADO", "DORADA"}, {"AZUL", "AZUL"},
    {"BLANCO", "BLANCA"}, {"REAL", "REAL"}, {"VERDE", "VERDE"}, {"NUEVO", "NUEVA"}, {"MAYOR", "MAYOR"},
    {"ALTO", "ALTA"}, {"CLARO", "CLARA"}, {"VIEJO", "VIEJA"}, {"DEL SUR", "DEL SUR"}, {"DEL MAR", "DEL MAR"},
    {"DE ORO", "DE ORO"}, {"DE ESPAÑA", "DE ESPAÑA"}, {"DEL PILAR", "DEL PILAR"}, {"MARINO", "MARINA"},
    {"SERENO", "SERENA"}, {"DEL REY", "DEL REY"}, {"DE PLATA", "DE PLATA"}, {"DEL CARMEN", "DEL CARMEN"},
    {"ANTIGUO", "ANTIGUA"}, {"ENCANTADO", "ENCANTADA"}, {"SOLEADO", "SOLEADA"}, {"TRANQUILO", "TRANQUILA"},
    {"DEL LAGO", "DEL LAGO"}, {"DE LOS REYES", "DE LOS REYES"}}};

constexpr std::array kLodgingNames = {"REINA VICTORIA", "LOS ÁLAMOS", "LAS AMÉRICAS", "EUROPA", "ATLÁNTICO",
    "MEDITERRÁNEO", "DON QUIJOTE", "LOS OLIVOS", "EL GRECO", "CERVANTES", "LA ALHAMBRA", "LOS PINOS",
    "L'ORANGERIE", "D'ARAGÓN", "EMPERATRIZ", "CONDE DUQUE", "PEÑA MONTAÑESA", "LOS ROSALES", "LAS ACACIAS",
    "LOS NARANJOS", "LAS GAVIOTAS", "EL PARADOR", "DUCAL", "IMPERIAL", "CONTINENTAL", "VICTORIA",
    "INTERNACIONAL", "COLÓN", "CARLOS V", "ISABEL II", "INFANTA ELENA", "PRÍNCIPE DE ASTURIAS", "ALCÁZAR",
    "LA RÁBIDA", "EL CID", "LOS ARCOS", "ALBAICÍN", "DON PELAYO", "L'ESTANY", "L'AVENIDA"};

constexpr std::array kSaints = {"SAN ANTONIO", "SANTA CRISTINA", "SAN FERMÍN", "SAN JORGE", "SANTA ANA",
    "SAN MIGUEL", "SANTA MARÍA", "SAN JUAN", "SAN ROQUE", "SANTA LUCÍA", "SAN ISIDRO", "SANTA MARTA",
    "SAN PABLO", "SANTA BÁRBARA", "SAN JOSÉ", "SANTA EULALIA", "SAN LORENZO", "SANTIAGO", "SAN TELMO",
    "SANTA ÚRSULA", "SAN VICENTE", "SANTA CATALINA", "SAN BLAS", "SANTA TERESA"};

constexpr std::array kTownHotelEnds
    = {" CENTRO", " PLAZA", " PARK", " PALACE", " ESTACIÓN", " GOLF", " SUITES"};

constexpr std::array kInitials = {"A.", "J.", "M.", "F.", "J. A.", "J. M.", "L.", "R.", "P.", "E."};

constexpr std::array kCoinedEnds = {"SUR", "NOR", "MED", "LEVANTE", "CAN", "GAL", "IBER", "ESTE", "CENTRO",
    "SA", "PLUS", "MAR", "TUR", "SOL", "NORTE", "HISPANIA", "ANDALUZA", "CASTILLA", "NAVA", "ARAGÓN", "BAL",
    "ASTUR", "RIOJA", "MANCHA", "EXPRESS", "TEC", "LUX", "MARK", "VAL", "CAT", "GRUP", "HOGAR"};

constexpr std::array kBrandStarts
    = {"GUSTO", "DELI", "MUNDI", "SABOR", "FRESCO", "DOLCE", "URBAN", "NATURA", "BRAVO", "JOLLY", "MISTER",
        "BOCA", "GOLDEN", "HAPPY", "FAMILY", "CITY", "VIVA", "BUENO", "NÓMADA", "ALEGRÍA"};

constexpr std::array kBrandEnds = {"NÓMADA", "DEL BARRIO", "DE LA ESQUINA", "EXPRESS", "MEDITERRÁNEA",
    "DI MARCO", "DELLA NONNA", "DEL PUERTO", "SOLERA", "ALEGRE", "EL CHATO", "LA BODEGUILLA", "DON PEPPONE",
    "BELLA VISTA", "DE PUEBLO", "CASERA"};

constexpr std::array kOutletAreas
    = {" CENTRO", " PUERTO", " NORTE", " SUR", " ESTACIÓN", " PLAYA", " CASCO ANTIGUO"};

// Spanish writes "e" instead of "y" before a word sounding "i": "GARCÍA E IGLESIAS".
std::string joinWithAnd(const std::string& left, const std::string& right)
{
    const bool soundsI = (right.rfind("I", 0) == 0 || right.rfind("Í", 0) == 0 || right.rfind("HI", 0) == 0)
        && right.rfind("HIE", 0) != 0;
    return left + (soundsI ? " E " : " Y ") + right;
}

bool endsWithVowelSound(std::string_view text)
{
    return !text.empty() && std::string_view("AEIOU").find(text.back()) != std::string_view::npos;
}

} // namespace

CompanyNamer::CompanyNamer(const SpanishPeople& people)
    : m_people(people)
{
}

std::string CompanyNamer::surnamePair(Random& random) const
{
    const std::string& first = m_people.pickUpperSurname(random);
    std::string second = m_people.pickUpperSurname(random);
    if (second == first)
        second = m_people.pickUpperSurname(random);
    return joinWithAnd(first, second);
}

std::string CompanyNamer::fancyName(Random& random)
{
    return random.pick(kFancy);
}

std::string CompanyNamer::placeName(Random& random) const
{
    return random.pick(kRegions);
}

std::string CompanyNamer::tradeName(const SectorCatalog::Sector& sector,
    const SectorCatalog::Activity& activity, const SpanishGeography::Province& province,
    const SpanishGeography::Town& town, Random& random) const
{
    const std::string trade = random.pick(activity.words);
    if (!activity.suffixes.empty() && random.chance(300)) {
        const std::string suffix = random.pick(activity.suffixes);
        if (random.chance(600))
            return "COMERCIAL " + m_people.pickUpperSurname(random) + ' ' + suffix;
        return m_people.pickUpperSurname(random) + ' ' + suffix;
    }
    const quint32 pattern = random.bounded(100);
    if (pattern < 14)
        return trade + ' ' + m_people.pickUpperSurname(random);
    if (pattern < 22)
        return trade + ' ' + m_people.pickUpperSurname(random) + ' ' + m_people.pickUpperSurname(random);
    if (pattern < 27)
        return trade + ' ' + m_people.pickUpperSurname(random) + " E HIJOS";
    if (pattern < 31)
        return trade + " HERMANOS " + m_people.pickUpperSurname(random);
    if (pattern < 36)
        return trade + ' ' + surnamePair(random);
    if (pattern < 45)
        return trade + ' ' + placeName(random);
    if (pattern < 50)
        return trade + ' ' + (random.chance(500) ? province.upperName : town.upperName);
    if (pattern < 54)
        return trade + " DE " + town.upperName;
    if (pattern < 67)
        return trade + ' ' + fancyName(random);
    if (pattern < 83 && !sector.coinedStarts.empty()) {
        std::string coined = std::string(random.pick(sector.coinedStarts)) + random.pick(kCoinedEnds);
        if (random.chance(350))
            coined += ' ' + trade;
        return coined;
    }
    if (pattern < 87)
        return "GRUPO " + m_people.pickUpperSurname(random) + ' ' + m_people.pickUpperSurname(random);
    if (pattern < 93)
        return trade + ' ' + random.pick(kInitials) + ' ' + m_people.pickUpperSurname(random);
    return m_people.pickUpperSurname(random) + ' ' + trade;
}

std::string CompanyNamer::lodgingName(const SectorCatalog::Activity& activity,
    const SpanishGeography::Province& province, const SpanishGeography::Town& town, Random& random) const
{
    const std::string kind = random.pick(activity.words);
    const quint32 pattern = random.bounded(100);
    if (pattern < 45) {
        const Noun* noun = &random.pick(kLodgingNouns);
        while (noun->seaside && !province.coastal)
            noun = &random.pick(kLodgingNouns);
        std::string name = kind + ' ';
        if (random.chance(250))
            name += noun->feminine ? "LA " : "EL ";
        name += noun->word;
        if (random.chance(850)) {
            const Adjective& adjective = random.pick(kLodgingAdjectives);
            name += ' ';
            name += noun->feminine ? adjective.feminine : adjective.masculine;
        } else {
            name += " DE " + town.upperName;
        }
        return name;
    }
    if (pattern < 55)
        return kind + ' ' + random.pick(kLodgingNames);
    if (pattern < 63)
        return kind + ' ' + random.pick(kSaints);
    if (pattern < 70)
        return kind + ' ' + town.upperName;
    if (pattern < 73)
        return kind + " CIUDAD DE " + town.upperName;
    if (pattern < 80)
        return kind + ' ' + town.upperName + random.pick(kTownHotelEnds);
    if (pattern < 90)
        return kind + ' ' + m_people.pickUpperSurname(random);
    return kind + ' ' + fancyName(random);
}

std::string CompanyNamer::brandName(const SectorCatalog::Activity& activity, Random& random)
{
    const std::string end = random.pick(activity.words);
    if (random.chance(550)) {
        const std::string start = random.pick(kBrandStarts);
        // "GUSTOPIZZA", but "DOLCE PIZZA" rather than "DOLCEPIZZA" after a vowel now and then.
        if (endsWithVowelSound(start) && random.chance(400))
            return start + ' ' + end;
        return start + end;
    }
    return end + ' ' + random.pick(kBrandEnds);
}

CompanyNamer::Name CompanyNamer::make(const SectorCatalog::Sector& sector,
    const SectorCatalog::Activity& activity, const SpanishGeography::Province& province,
    const SpanishGeography::Town& town, Random& random) const
{
    Name name;
    const LegalForm& form = pickLegalForm(random);
    std::string legalForm = form.text;
    name.cifLetter = form.cifLetter;

    switch (activity.style) {
    case SectorCatalog::NameStyle::Trade:
        name.base = tradeName(sector, activity, province, town, random);
        break;
    case SectorCatalog::NameStyle::Lodging:
        name.base = lodgingName(activity, province, town, random);
        // Hotels are mostly listed by their trading name alone.
        if (random.chance(550))
            legalForm.clear();
        break;
    case SectorCatalog::NameStyle::Brand: {
        // Franchisors are trading companies, never partnerships or cooperatives.
        if (name.cifLetter != 'A') {
            legalForm = ", S.L.";
            name.cifLetter = 'B';
        }
        const std::string brand = brandName(activity, random);
        name.base = brand;
        const quint32 pattern = random.bounded(100);
        std::string full = brand;
        if (pattern < 20)
            full = "FRANQUICIAS " + brand;
        else if (pattern < 35)
            full = "GRUPO " + brand;
        else if (pattern < 45)
            full = brand + " INTERNACIONAL";
        else if (pattern < 50)
            full = brand + " FRANCHISING";
        name.full = full + legalForm;
        return name;
    }
    case SectorCatalog::NameStyle::School: {
        const std::string school = random.pick(activity.words);
        const quint32 pattern = random.bounded(100);
        if (pattern < 22) {
            // Public and non-profit schools: no legal form, and a tax code of their own kind.
            name.base = school + " DE " + town.upperName;
            name.cifLetter = random.pick(std::array {'Q', 'P', 'G', 'G'});
            legalForm.clear();
        } else if (pattern < 55) {
            name.base = school + ' ' + m_people.pickUpperSurname(random);
        } else if (pattern < 70) {
            name.base = school + ' ' + random.pick(kSaints);
        } else if (pattern < 88) {
            name.base = school + ' ' + fancyName(random);
        } else {
            name.base = "FUNDACIÓN " + m_people.pickUpperSurname(random) + " - " + school;
            name.cifLetter = 'G';
            legalForm.clear();
        }
        break;
    }
    }

    // A few names carry a quoted trading name, as the old records typed them.
    if (random.chance(3))
        name.base = random.pick(activity.words) + std::string(" \"") + random.pick(kQuoted) + '"';
    name.full = name.base + legalForm;
    return name;
}

std::string CompanyNamer::outletName(
    const std::string& base, const SpanishGeography::Town& town, Random& random)
{
    std::string name = base + " - " + town.upperName;
    // Cities have several outlets of a chain, told apart by their district.
    if (town.postalCodes > 1 && random.chance(300))
        name += random.pick(kOutletAreas);
    return name;
}

std::string CompanyNamer::slug(std::string_view text)
{
    // Base letters of U+00C0..U+00FF; '\0' drops the character.
    static constexpr char kLatin1[] = "aaaaaaaceeeeiiiidnooooo\0ouuuuy\0s"
                                      "aaaaaaaceeeeiiiidnooooo\0ouuuuy\0y";
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            out += char(c);
        } else if (c >= 'A' && c <= 'Z') {
            out += char(c + 32);
        } else if (c == 0xC3 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[++i]);
            if (next >= 0x80 && next <= 0xBF && kLatin1[next - 0x80] != '\0')
                out += kLatin1[next - 0x80];
        }
    }
    return out;
}
