#include "SectorCatalog.h"

#include "Random.h"

#include <cstring>

namespace {

using Style = SectorCatalog::NameStyle;

const std::vector<SectorCatalog::Post> kCommonLeadPosts = {
    {"Gerente", "Gerente"},
    {"Director General", "Directora General"},
    {"Propietario", "Propietaria"},
    {"Administrador", "Administradora"},
    {"Consejero Delegado", "Consejera Delegada"},
};

const std::vector<SectorCatalog::Post> kCommonOtherPosts = {
    {"Director Comercial", "Directora Comercial"},
    {"Jefe de Compras", "Jefa de Compras"},
    {"Director Financiero", "Directora Financiera"},
    {"Jefe de Ventas", "Jefa de Ventas"},
    {"Director de Marketing", "Directora de Marketing"},
    {"Responsable de Administración", "Responsable de Administración"},
};

std::vector<SectorCatalog::Post> withCommon(
    std::vector<SectorCatalog::Post> posts, const std::vector<SectorCatalog::Post>& common)
{
    posts.insert(posts.end(), common.begin(), common.end());
    return posts;
}

const std::vector<const char*> kFoodBrands
    = {"Cervezas Peñalta", "Aguas de Fuentevieja", "Refrescos Citrania", "Cafés Alborada",
        "Lácteos Prado Alto", "Conservas Ría Serena", "Embutidos Sierra Alta", "Aceites Olivar del Sur",
        "Vinos Viña del Páramo", "Helados Glaciar", "Congelados Mar Helado", "Zumos Vergel del Sur",
        "Licores Altozano", "Quesos El Pastoril", "Cervezas Doble Malta", "Aguas Fuente Clara"};

const std::vector<const char*> kEquipmentBrands = {"Hornos Ibersur", "Cafeteras Mediterránea",
    "Frío Polar Levante", "Lavavajillas Aquamar", "Vajillas Loza Real", "Mobiliario Terranova",
    "Textil Albahaca", "Planchas Vulcano", "Balanzas Precisa"};

const std::vector<const char*> kVendingBrands = {"Cafés Alborada", "Snacks Crujis", "Refrescos Citrania",
    "Chocolates Cacaoro", "Aguas de Fuentevieja", "Máquinas Autovend"};

const std::vector<const char*> kCommonRemarks = {
    "Empresa fundada en {Y}.",
    "Empresa familiar fundada en {Y}, con {E} años de experiencia en el sector.",
    "Ámbito de actuación: {A}.",
    "Ámbito de actuación: provincia de {P}.",
    "Ámbito de actuación: nacional.",
    "Certificación de calidad ISO 9001.",
    "Atención al cliente de lunes a viernes de 9:00 a 14:00 y de 16:00 a 19:00.",
    "Miembro de la asociación provincial de empresarios de hostelería de {P}.",
};

std::vector<const char*> withCommonRemarks(std::vector<const char*> remarks)
{
    remarks.insert(remarks.end(), kCommonRemarks.begin(), kCommonRemarks.end());
    return remarks;
}

} // namespace

SectorCatalog::SectorCatalog()
{
    Sector& catering = m_sectors[0];
    catering.stored = "CATERING";
    catering.weight = 10;
    catering.activities = {
        {"Restauración colectiva", 35, Style::Trade,
            {"RESTAURACIÓN COLECTIVA", "COMEDORES", "COCINAS CENTRALES", "SERVICIOS DE RESTAURACIÓN",
                "GESTIÓN DE COMEDORES"}},
        {"Catering para eventos", 35, Style::Trade,
            {"CATERING", "CÁTERING", "BANQUETES", "EVENTOS Y BANQUETES", "GASTRONOMÍA"}},
        {"Catering aéreo", 5, Style::Trade, {"AIR CATERING", "CATERING AÉREO", "SERVICIOS AEROPORTUARIOS"}},
        {"Comedores escolares", 15, Style::Trade,
            {"COMEDORES ESCOLARES", "RESTAURACIÓN ESCOLAR", "MENÚS ESCOLARES"}},
        {"Catering hospitalario", 10, Style::Trade,
            {"CATERING HOSPITALARIO", "ALIMENTACIÓN HOSPITALARIA", "RESTAURACIÓN SOCIOSANITARIA"}},
    };
    catering.coinedStarts = {"CATER", "GASTRO", "COCI", "RESTAU", "MENU"};
    catering.leadPosts = kCommonLeadPosts;
    catering.otherPosts = withCommon(
        {{"Jefe de Cocina", "Jefa de Cocina"}, {"Director de Operaciones", "Directora de Operaciones"},
            {"Responsable de Calidad", "Responsable de Calidad"}},
        kCommonOtherPosts);
    catering.outletPerMille = 15;
    catering.chainPerMille = 100;
    catering.vehicles = {550, 1, 25};
    catering.employees = {800, 8, 900};
    catering.remarks = withCommonRemarks({
        "Servicio de comedores para colegios, residencias y empresas.",
        "Catering para bodas, comuniones y eventos de empresa de hasta {M} comensales.",
        "Cocina central con capacidad para {M} menús diarios.",
        "Servicio de cocina in situ, personal de sala y alquiler de menaje.",
        "Menús para dietas especiales: sin gluten, diabéticos y bajos en sal.",
    });
    catering.brands = kFoodBrands;

    Sector& distribution = m_sectors[1];
    distribution.stored = "DISTRIBUCION";
    distribution.weight = 24;
    distribution.activities = {
        {"Cash & Carry", 28, Style::Trade, {"CASH", "CASH & CARRY", "AUTOSERVICIO MAYORISTA", "SUPERCASH"},
            {"CASH", "CASH & CARRY"}},
        {"Distribución de bebidas", 25, Style::Trade,
            {"DISTRIBUCIONES", "BEBIDAS", "DISTRIBUIDORA DE BEBIDAS", "EXCLUSIVAS", "REFRESCOS Y CERVEZAS"}},
        {"Distribución de alimentación", 22, Style::Trade,
            {"DISTRIBUCIONES", "ALIMENTACIÓN", "COMERCIAL", "ALMACENES", "SUMINISTROS HOSTELEROS",
                "PRODUCTOS ALIMENTICIOS"}},
        {"Mayorista de congelados", 12, Style::Trade,
            {"CONGELADOS", "FRIGORÍFICOS", "ULTRACONGELADOS", "PESCADOS Y CONGELADOS"}},
        {"Distribución de café", 7, Style::Trade, {"CAFÉS", "TOSTADERO DE CAFÉ", "CAFÉS Y TÉS"}},
        {"Distribución de vinos", 6, Style::Trade, {"VINOS", "BODEGAS", "VINOS Y LICORES"}},
    };
    distribution.coinedStarts = {"DIS", "DISTRI", "COMER", "ALIM", "BEBI", "SUMI", "CONGE"};
    distribution.leadPosts = kCommonLeadPosts;
    distribution.otherPosts = withCommon(
        {{"Responsable de Logística", "Responsable de Logística"}, {"Jefe de Almacén", "Jefa de Almacén"},
            {"Jefe de Ventas Hostelería", "Jefa de Ventas Hostelería"}},
        kCommonOtherPosts);
    distribution.outletPerMille = 110;
    distribution.chainPerMille = 250;
    distribution.surface = {400, 400, 12000};
    distribution.vehicles = {650, 2, 60};
    distribution.employees = {800, 4, 400};
    distribution.remarks = withCommonRemarks({
        "Distribuidor oficial de {B} y {C} en la provincia de {P}.",
        "Más de {M} referencias en catálogo.",
        "Reparto diario a hostelería en {P} y provincias limítrofes.",
        "Venta exclusiva a profesionales de la hostelería y la alimentación.",
        "Secciones de alimentación, bebidas, droguería y congelados.",
        "Almacén regulador de {M} m² con cámaras de frío.",
    });
    distribution.brands = kFoodBrands;

    Sector& equipment = m_sectors[2];
    equipment.stored = "EQUIPAMIENTO";
    equipment.weight = 14;
    equipment.activities = {
        {"Maquinaria de hostelería", 30, Style::Trade,
            {"MAQUINARIA", "MAQUINARIA DE HOSTELERÍA", "EQUIPAMIENTOS HOSTELEROS", "HOSTELERÍA",
                "FRÍO INDUSTRIAL", "COCINAS INDUSTRIALES"}},
        {"Menaje y vajilla", 18, Style::Trade, {"MENAJE", "MENAJE Y VAJILLA", "CRISTALERÍA", "SUMINISTROS"}},
        {"Mobiliario de hostelería", 18, Style::Trade,
            {"MOBILIARIO", "MUEBLES", "DECORACIÓN", "INTERIORISMO"}},
        {"Lencería hotelera", 10, Style::Trade,
            {"LENCERÍA", "TEXTIL HOTELERO", "UNIFORMES", "LAVANDERÍA INDUSTRIAL"}},
        {"Climatización", 12, Style::Trade, {"CLIMATIZACIÓN", "INSTALACIONES", "FRÍO Y CLIMA"}},
        {"Sistemas de punto de venta", 12, Style::Trade, {"SISTEMAS", "INFORMÁTICA", "TPV", "BALANZAS"}},
    };
    equipment.coinedStarts = {"EQUI", "HOSTE", "FRIO", "MAQUI", "TECNO", "INOX"};
    equipment.leadPosts = kCommonLeadPosts;
    equipment.otherPosts
        = withCommon({{"Director Técnico", "Directora Técnica"},
                         {"Responsable de Servicio Técnico", "Responsable de Servicio Técnico"},
                         {"Jefe de Proyectos", "Jefa de Proyectos"}},
            kCommonOtherPosts);
    equipment.outletPerMille = 20;
    equipment.chainPerMille = 150;
    equipment.surface = {600, 150, 4000};
    equipment.vehicles = {250, 1, 12};
    equipment.employees = {800, 3, 150};
    equipment.remarks = withCommonRemarks({
        "Servicio técnico propio y asistencia 24 horas.",
        "Distribuidor de {B} y {C}.",
        "Proyectos llave en mano para hoteles, restaurantes y colectividades.",
        "Exposición y venta de maquinaria nueva y de ocasión.",
        "Financiación y renting para el profesional de la hostelería.",
    });
    equipment.brands = kEquipmentBrands;

    Sector& schools = m_sectors[3];
    schools.stored = "ESCUELAS";
    schools.weight = 4;
    schools.activities = {
        {"Escuela de hostelería", 60, Style::School,
            {"ESCUELA DE HOSTELERÍA", "ESCUELA SUPERIOR DE HOSTELERÍA", "CENTRO DE FORMACIÓN HOSTELERA"}},
        {"Formación en turismo", 25, Style::School,
            {"ESCUELA DE TURISMO", "CENTRO DE ESTUDIOS TURÍSTICOS", "INSTITUTO DE FORMACIÓN TURÍSTICA"}},
        {"Escuela de cocina", 15, Style::School,
            {"ESCUELA DE COCINA", "AULA DE COCINA", "ESCUELA DE PASTELERÍA"}},
    };
    schools.leadPosts = {{"Director", "Directora"}, {"Gerente", "Gerente"}, {"Presidente", "Presidenta"}};
    schools.otherPosts = {{"Jefe de Estudios", "Jefa de Estudios"},
        {"Coordinador de Formación", "Coordinadora de Formación"},
        {"Secretario Académico", "Secretaria Académica"},
        {"Responsable de Prácticas", "Responsable de Prácticas"}};
    schools.outletPerMille = 0;
    schools.chainPerMille = 0;
    schools.employees = {750, 5, 90};
    schools.remarks = withCommonRemarks({
        "Cursos de cocina, sala, pastelería y sumillería.",
        "Ciclos formativos de grado medio y superior en hostelería y turismo.",
        "Bolsa de trabajo y prácticas en hoteles y restaurantes de {P}.",
        "Formación continua para profesionales del sector.",
        "Restaurante didáctico abierto al público.",
    });

    Sector& franchises = m_sectors[4];
    franchises.stored = "FRANQUICIAS";
    franchises.weight = 10;
    franchises.activities = {
        {"Restauración rápida", 30, Style::Brand, {"BURGER", "POLLO", "KEBAB", "WOK", "GRILL", "BOCATA"}},
        {"Cafeterías", 22, Style::Brand, {"CAFÉ", "COFFEE", "BAGEL", "BRUNCH"}},
        {"Pizzerías", 18, Style::Brand, {"PIZZA", "PIZZERÍA", "PASTA"}},
        {"Heladerías", 10, Style::Brand, {"GELATO", "HELADOS", "YOGUR"}},
        {"Cervecerías", 10, Style::Brand, {"TABERNA", "CERVECERÍA", "TAPAS"}},
        {"Panaderías y cafeterías", 10, Style::Brand, {"PAN", "HORNO", "CRUASÁN"}},
    };
    franchises.leadPosts = kCommonLeadPosts;
    franchises.otherPosts = withCommon({{"Director de Expansión", "Directora de Expansión"},
                                           {"Responsable de Franquicias", "Responsable de Franquicias"},
                                           {"Director de Operaciones", "Directora de Operaciones"}},
        kCommonOtherPosts);
    franchises.outletPerMille = 420;
    franchises.chainPerMille = 1000;
    franchises.employees = {700, 10, 3000};
    franchises.remarks = withCommonRemarks({
        "Cadena con {N} establecimientos en España.",
        "Inversión inicial aproximada: {K} euros.",
        "Buscamos franquiciados en toda España.",
        "Formación inicial y apoyo en la apertura del local.",
        "Locales de 80 a 200 m² en zonas comerciales y centros comerciales.",
    });

    Sector& hotels = m_sectors[5];
    hotels.stored = "HOTELES";
    hotels.weight = 22;
    hotels.activities = {
        {"Hotel 3 estrellas", 22, Style::Lodging, {"HOTEL"}},
        {"Hotel 4 estrellas", 18, Style::Lodging, {"HOTEL", "HOTEL", "GRAN HOTEL"}},
        {"Hotel 5 estrellas", 4, Style::Lodging, {"GRAN HOTEL", "HOTEL"}},
        {"Hotel 2 estrellas", 10, Style::Lodging, {"HOTEL"}},
        {"Cadena hotelera", 7, Style::Trade,
            {"HOTELES", "GRUPO HOTELERO", "CADENA HOTELERA", "EXPLOTACIONES HOTELERAS"}, {},
            "Hotel 4 estrellas"},
        {"Apartamentos turísticos", 12, Style::Lodging,
            {"APARTAMENTOS", "APARTAMENTOS TURÍSTICOS", "APARTHOTEL"}},
        {"Hostal", 15, Style::Lodging, {"HOSTAL", "HOSTAL", "PENSIÓN"}},
        {"Hotel rural", 8, Style::Lodging, {"HOTEL RURAL", "CASA RURAL", "POSADA"}},
        {"Balneario", 4, Style::Lodging, {"BALNEARIO", "HOTEL BALNEARIO"}},
    };
    hotels.coinedStarts = {"SOL", "MAR", "TUR", "PLAYA", "COSTA"};
    hotels.leadPosts = withCommon(
        {{"Director de Hotel", "Directora de Hotel"}, {"Director de Hotel", "Directora de Hotel"}},
        kCommonLeadPosts);
    hotels.otherPosts = {{"Director de Alimentación y Bebidas", "Directora de Alimentación y Bebidas"},
        {"Jefe de Recepción", "Jefa de Recepción"}, {"Jefe de Cocina", "Jefa de Cocina"},
        {"Jefe de Compras", "Jefa de Compras"}, {"Jefe de Mantenimiento", "Jefa de Mantenimiento"},
        {"Director Comercial", "Directora Comercial"}, {"Gobernanta", "Gobernanta"}};
    hotels.outletPerMille = 25;
    hotels.chainPerMille = 1000;
    hotels.surface = {700, 800, 20000};
    hotels.employees = {800, 4, 350};
    hotels.remarks = withCommonRemarks({
        "Hotel de {N} habitaciones con salones para banquetes de hasta {S} personas.",
        "Restaurante, piscina, spa y aparcamiento propio.",
        "Abierto todo el año.",
        "Abierto de abril a octubre.",
        "Salones para congresos y convenciones.",
        "Situado en el centro histórico de {T}.",
    });
    hotels.brands = kFoodBrands;

    Sector& transport = m_sectors[6];
    transport.stored = "TRANSPORTE";
    transport.weight = 7;
    transport.activities = {
        {"Transporte frigorífico", 45, Style::Trade,
            {"TRANSPORTES", "TRANSPORTES FRIGORÍFICOS", "FRIGORÍFICOS", "AUTOTRANSPORTES"}},
        {"Logística alimentaria", 35, Style::Trade,
            {"LOGÍSTICA", "OPERADOR LOGÍSTICO", "ALMACENAJE Y DISTRIBUCIÓN"}},
        {"Paquetería y reparto", 20, Style::Trade, {"TRANSPORTES", "MENSAJERÍA", "REPARTOS"}},
    };
    transport.coinedStarts = {"TRANS", "LOGIS", "FRIGO", "EXPRES", "RUTA"};
    transport.leadPosts = kCommonLeadPosts;
    transport.otherPosts = withCommon(
        {{"Jefe de Tráfico", "Jefa de Tráfico"}, {"Responsable de Logística", "Responsable de Logística"},
            {"Director de Operaciones", "Directora de Operaciones"}},
        kCommonOtherPosts);
    transport.outletPerMille = 10;
    transport.chainPerMille = 100;
    transport.vehicles = {850, 3, 180};
    transport.employees = {800, 4, 600};
    transport.remarks = withCommonRemarks({
        "Flota propia de vehículos frigoríficos e isotermos.",
        "Rutas diarias a toda la península.",
        "Almacén frigorífico de {M} m² con temperatura controlada.",
        "Certificación ATP y trazabilidad de la cadena de frío.",
        "Servicio de grupaje y cargas completas.",
    });
    transport.brands = kFoodBrands;

    Sector& vending = m_sectors[7];
    vending.stored = "VENDING";
    vending.weight = 9;
    vending.activities = {
        {"Operador de vending", 50, Style::Trade,
            {"VENDING", "AUTOMÁTICOS", "DISTRIBUCIONES AUTOMÁTICAS", "SERVICIOS DE VENDING"}},
        {"Máquinas expendedoras", 25, Style::Trade, {"EXPENDEDORAS", "MÁQUINAS EXPENDEDORAS", "AUTOMÁTICOS"}},
        {"Café para oficinas", 25, Style::Trade, {"CAFÉ", "OFFICE COFFEE", "CAFÉS"}},
    };
    vending.coinedStarts = {"VEN", "AUTO", "EXPEN", "DISPEN"};
    vending.leadPosts = kCommonLeadPosts;
    vending.otherPosts
        = withCommon({{"Jefe de Rutas", "Jefa de Rutas"}, {"Director Técnico", "Directora Técnica"},
                         {"Responsable de Logística", "Responsable de Logística"}},
            kCommonOtherPosts);
    vending.outletPerMille = 15;
    vending.chainPerMille = 100;
    vending.vehicles = {700, 2, 45};
    vending.employees = {800, 3, 250};
    vending.remarks = withCommonRemarks({
        "Máquinas de café, snacks y bebidas frías en empresas, hospitales y centros educativos.",
        "Distribuidor de {B}.",
        "Servicio técnico y reposición diaria.",
        "Más de {M} máquinas instaladas en la provincia de {P}.",
    });
    vending.brands = kVendingBrands;

    quint32 total = 0;
    for (int i = 0; i < kSectorCount; ++i) {
        Sector& sector = m_sectors[size_t(i)];
        sector.index = i;
        quint32 activityTotal = 0;
        for (const Activity& activity : sector.activities) {
            activityTotal += quint32(activity.weight);
            sector.activityTotals.push_back(activityTotal);
        }
        total += quint32(sector.weight);
        m_sectorTotals.push_back(total);
    }
}

const SectorCatalog::Sector& SectorCatalog::pickSector(Random& random) const
{
    return m_sectors[size_t(random.pickWeighted(m_sectorTotals))];
}

const SectorCatalog::Activity& SectorCatalog::pickActivity(const Sector& sector, Random& random)
{
    return sector.activities[size_t(random.pickWeighted(sector.activityTotals))];
}

const SectorCatalog::Activity* SectorCatalog::activityByLabel(const Sector& sector, const char* label)
{
    for (const Activity& activity : sector.activities) {
        if (std::strcmp(activity.label, label) == 0)
            return &activity;
    }
    return nullptr;
}
