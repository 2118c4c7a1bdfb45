#include "SpanishGeography.h"

#include "Random.h"
#include "platform/db/SpanishText.h"

#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace {

std::string upper(const char* text)
{
    return QString::fromUtf8(text).toUpper().toStdString();
}

} // namespace

SpanishGeography::SpanishGeography()
{
    // Weights: population in thousands, raised where tourism brings more hospitality trade.
    add(1, "Álava", "País Vasco", "945", 320, {},
        {{"Vitoria-Gasteiz", 245, 1001, 15}, {"Llodio", 18, 1400, 1}, {"Amurrio", 10, 1470, 1},
            {"Salvatierra", 5, 1200, 1}, {"Oyón-Oion", 3, 1320, 1}});
    add(2, "Albacete", "Castilla-La Mancha", "967", 400, {},
        {{"Albacete", 170, 2001, 8}, {"Hellín", 31, 2400, 1}, {"Villarrobledo", 26, 2600, 1},
            {"Almansa", 25, 2640, 1}, {"La Roda", 16, 2630, 1}, {"Caudete", 10, 2660, 1}});
    add(3, "Alicante", "Comunitat Valenciana", "965,966", 2700, {53, 54},
        {{"Alicante", 334, 3001, 16}, {"Elche", 230, 3201, 6}, {"Torrevieja", 100, 3181, 5},
            {"Orihuela", 87, 3300, 1}, {"Benidorm", 72, 3501, 3}, {"Alcoy", 61, 3801, 4},
            {"Elda", 55, 3600, 1}, {"San Vicente del Raspeig", 55, 3690, 1}, {"Dénia", 45, 3700, 1},
            {"Jávea", 33, 3730, 1}, {"Calp", 30, 3710, 1}, {"Villena", 35, 3400, 1},
            {"Santa Pola", 34, 3130, 1}, {"L'Alfàs del Pi", 21, 3580, 1}, {"El Campello", 27, 3560, 1},
            {"Altea", 23, 3590, 1}});
    add(4, "Almería", "Andalucía", "950", 750, {},
        {{"Almería", 190, 4001, 9}, {"El Ejido", 85, 4700, 1}, {"Roquetas de Mar", 90, 4740, 1},
            {"Níjar", 28, 4100, 1}, {"Vícar", 24, 4738, 1}, {"Vera", 15, 4620, 1},
            {"Huércal-Overa", 18, 4600, 1}, {"Adra", 25, 4770, 1}, {"Mojácar", 7, 4638, 1}});
    add(5, "Ávila", "Castilla y León", "920", 170, {},
        {{"Ávila", 58, 5001, 5}, {"Arévalo", 8, 5200, 1}, {"Las Navas del Marqués", 5, 5230, 1},
            {"Arenas de San Pedro", 7, 5400, 1}, {"Candeleda", 5, 5480, 1},
            {"El Barco de Ávila", 3, 5600, 1}});
    add(6, "Badajoz", "Extremadura", "924", 690, {},
        {{"Badajoz", 150, 6001, 11}, {"Mérida", 57, 6800, 1}, {"Don Benito", 37, 6400, 1},
            {"Almendralejo", 34, 6200, 1}, {"Villanueva de la Serena", 26, 6700, 1}, {"Zafra", 17, 6300, 1},
            {"Montijo", 16, 6480, 1}});
    add(7, "Illes Balears", "Illes Balears", "971", 2000, {57},
        {{"Palma de Mallorca", 400, 7001, 15}, {"Calvià", 52, 7184, 1}, {"Manacor", 41, 7500, 1},
            {"Eivissa", 49, 7800, 1}, {"Santa Eulària des Riu", 35, 7840, 1}, {"Llucmajor", 36, 7620, 1},
            {"Ciutadella de Menorca", 29, 7760, 1}, {"Maó", 29, 7701, 1},
            {"Sant Antoni de Portmany", 22, 7820, 1}, {"Alcúdia", 20, 7400, 1}, {"Inca", 30, 7300, 1},
            {"Sóller", 14, 7100, 1}, {"Sant Josep de sa Talaia", 24, 7830, 1}, {"Pollença", 16, 7460, 1}});
    add(8, "Barcelona", "Cataluña", "932,933,934,935,936,937,938", 5500,
        {58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68},
        {{"Barcelona", 1620, 8001, 42}, {"L'Hospitalet de Llobregat", 258, 8901, 8},
            {"Badalona", 219, 8911, 8}, {"Terrassa", 212, 8221, 7}, {"Sabadell", 207, 8201, 8},
            {"Mataró", 124, 8301, 4}, {"Santa Coloma de Gramenet", 120, 8921, 3},
            {"Cornellà de Llobregat", 87, 8940, 1}, {"Sant Cugat del Vallès", 84, 8172, 3},
            {"Sant Boi de Llobregat", 83, 8830, 1}, {"Manresa", 76, 8240, 4}, {"Granollers", 60, 8400, 3},
            {"Vilanova i la Geltrú", 66, 8800, 1}, {"Rubí", 74, 8191, 1}, {"Viladecans", 65, 8840, 1},
            {"Castelldefels", 63, 8860, 1}, {"El Prat de Llobregat", 63, 8820, 1},
            {"Mollet del Vallès", 52, 8100, 1}, {"Sitges", 28, 8870, 1}, {"Sant Adrià de Besòs", 34, 8930, 1},
            {"Vic", 40, 8500, 1}, {"Igualada", 39, 8700, 1}, {"Martorell", 27, 8760, 1},
            {"Calella", 18, 8370, 1}, {"Sant Joan Despí", 32, 8970, 1},
            {"Esplugues de Llobregat", 46, 8950, 1}});
    add(9, "Burgos", "Castilla y León", "947", 375, {},
        {{"Burgos", 178, 9001, 8}, {"Miranda de Ebro", 38, 9200, 1}, {"Aranda de Duero", 33, 9400, 1},
            {"Briviesca", 8, 9240, 1}, {"Medina de Pomar", 6, 9500, 1}, {"Lerma", 3, 9340, 1}});
    add(10, "Cáceres", "Extremadura", "927", 415, {},
        {{"Cáceres", 94, 10001, 5}, {"Plasencia", 41, 10600, 1}, {"Navalmoral de la Mata", 17, 10300, 1},
            {"Coria", 13, 10800, 1}, {"Trujillo", 10, 10200, 1}, {"Miajadas", 10, 10100, 1}});
    add(11, "Cádiz", "Andalucía", "956", 1360, {72},
        {{"Cádiz", 125, 11001, 12}, {"Jerez de la Frontera", 208, 11401, 8}, {"Algeciras", 117, 11201, 7},
            {"San Fernando", 96, 11100, 1}, {"El Puerto de Santa María", 88, 11500, 1},
            {"Chiclana de la Frontera", 80, 11130, 1}, {"Sanlúcar de Barrameda", 66, 11540, 1},
            {"La Línea de la Concepción", 64, 11300, 1}, {"Puerto Real", 41, 11510, 1},
            {"Arcos de la Frontera", 31, 11630, 1}, {"Rota", 29, 11520, 1},
            {"Conil de la Frontera", 22, 11140, 1}, {"Tarifa", 18, 11380, 1}});
    add(12, "Castellón", "Comunitat Valenciana", "964", 600, {},
        {{"Castellón de la Plana", 180, 12001, 6}, {"Vila-real", 51, 12540, 1}, {"Burriana", 35, 12530, 1},
            {"Vinaròs", 29, 12500, 1}, {"Benicarló", 27, 12580, 1}, {"Onda", 25, 12200, 1},
            {"Benicàssim", 18, 12560, 1}, {"Peñíscola", 8, 12598, 1}, {"Oropesa del Mar", 10, 12594, 1},
            {"L'Alcora", 11, 12110, 1}});
    add(13, "Ciudad Real", "Castilla-La Mancha", "926", 530, {},
        {{"Ciudad Real", 74, 13001, 5}, {"Puertollano", 52, 13500, 1}, {"Tomelloso", 38, 13700, 1},
            {"Alcázar de San Juan", 31, 13600, 1}, {"Valdepeñas", 31, 13300, 1}, {"Manzanares", 19, 13200, 1},
            {"Daimiel", 18, 13250, 1}});
    add(14, "Córdoba", "Andalucía", "957", 800, {},
        {{"Córdoba", 328, 14001, 14}, {"Lucena", 42, 14900, 1}, {"Puente Genil", 30, 14500, 1},
            {"Montilla", 24, 14550, 1}, {"Priego de Córdoba", 23, 14800, 1}, {"Cabra", 21, 14940, 1},
            {"Palma del Río", 21, 14700, 1}, {"Baena", 21, 14850, 1}});
    add(15, "A Coruña", "Galicia", "981", 1150, {70},
        {{"A Coruña", 246, 15001, 11}, {"Santiago de Compostela", 95, 15701, 7}, {"Ferrol", 74, 15401, 6},
            {"Narón", 39, 15570, 1}, {"Oleiros", 34, 15173, 1}, {"Arteixo", 30, 15142, 1},
            {"Carballo", 31, 15100, 1}, {"Ribeira", 27, 15960, 1}, {"Culleredo", 29, 15670, 1},
            {"Betanzos", 13, 15300, 1}, {"Ames", 29, 15220, 1}});
    add(16, "Cuenca", "Castilla-La Mancha", "969", 215, {},
        {{"Cuenca", 56, 16001, 4}, {"Tarancón", 15, 16400, 1}, {"San Clemente", 7, 16600, 1},
            {"Quintanar del Rey", 8, 16220, 1}, {"Motilla del Palancar", 6, 16200, 1}});
    add(17, "Girona", "Cataluña", "972", 1050, {55},
        {{"Girona", 96, 17001, 7}, {"Figueres", 44, 17600, 1}, {"Blanes", 39, 17300, 1},
            {"Lloret de Mar", 40, 17310, 1}, {"Olot", 33, 17800, 1}, {"Salt", 30, 17190, 1},
            {"Palafrugell", 22, 17200, 1}, {"Sant Feliu de Guíxols", 22, 17220, 1},
            {"L'Escala", 10, 17130, 1}, {"Roses", 20, 17480, 1}, {"Castell-Platja d'Aro", 10, 17250, 1},
            {"Tossa de Mar", 6, 17320, 1}});
    add(18, "Granada", "Andalucía", "958", 1010, {},
        {{"Granada", 239, 18001, 14}, {"Motril", 61, 18600, 1}, {"Almuñécar", 28, 18690, 1},
            {"Armilla", 22, 18100, 1}, {"Maracena", 21, 18200, 1}, {"Loja", 21, 18300, 1},
            {"Baza", 21, 18800, 1}, {"Guadix", 19, 18500, 1}, {"Santa Fe", 15, 18320, 1}});
    add(19, "Guadalajara", "Castilla-La Mancha", "949", 250, {},
        {{"Guadalajara", 84, 19001, 5}, {"Azuqueca de Henares", 33, 19200, 1}, {"Alovera", 12, 19208, 1},
            {"El Casar", 11, 19170, 1}, {"Cabanillas del Campo", 9, 19171, 1}, {"Sigüenza", 5, 19250, 1}});
    add(20, "Gipuzkoa", "País Vasco", "943", 710, {},
        {{"Donostia-San Sebastián", 186, 20001, 18}, {"Irun", 61, 20301, 4}, {"Errenteria", 39, 20100, 1},
            {"Eibar", 27, 20600, 1}, {"Zarautz", 22, 20800, 1}, {"Arrasate/Mondragón", 22, 20500, 1},
            {"Hernani", 19, 20120, 1}, {"Tolosa", 18, 20400, 1}, {"Hondarribia", 16, 20280, 1},
            {"Beasain", 13, 20200, 1}});
    add(21, "Huelva", "Andalucía", "959", 520, {},
        {{"Huelva", 149, 21001, 7}, {"Lepe", 27, 21440, 1}, {"Almonte", 22, 21730, 1},
            {"Moguer", 21, 21800, 1}, {"Ayamonte", 20, 21400, 1}, {"Isla Cristina", 21, 21410, 1},
            {"Punta Umbría", 15, 21100, 1}});
    add(22, "Huesca", "Aragón", "974", 230, {},
        {{"Huesca", 52, 22001, 5}, {"Monzón", 17, 22400, 1}, {"Barbastro", 17, 22300, 1},
            {"Fraga", 14, 22520, 1}, {"Jaca", 13, 22700, 1}, {"Sabiñánigo", 10, 22600, 1}});
    add(23, "Jaén", "Andalucía", "953", 670, {},
        {{"Jaén", 116, 23001, 9}, {"Linares", 61, 23700, 1}, {"Andújar", 39, 23740, 1},
            {"Úbeda", 35, 23400, 1}, {"Martos", 24, 23600, 1}, {"Alcalá la Real", 22, 23680, 1},
            {"Baeza", 16, 23440, 1}});
    add(24, "León", "Castilla y León", "987", 500, {},
        {{"León", 134, 24001, 10}, {"Ponferrada", 68, 24400, 4}, {"San Andrés del Rabanedo", 31, 24010, 1},
            {"Villaquilambre", 18, 24193, 1}, {"Astorga", 12, 24700, 1}, {"La Bañeza", 11, 24750, 1}});
    add(25, "Lleida", "Cataluña", "973", 440, {},
        {{"Lleida", 137, 25001, 6}, {"Balaguer", 16, 25600, 1}, {"Tàrrega", 17, 25300, 1},
            {"Mollerussa", 14, 25230, 1}, {"La Seu d'Urgell", 13, 25700, 1}, {"Vielha", 5, 25530, 1}});
    add(26, "La Rioja", "La Rioja", "941", 320, {},
        {{"Logroño", 152, 26001, 9}, {"Calahorra", 25, 26500, 1}, {"Arnedo", 15, 26580, 1},
            {"Haro", 12, 26200, 1}, {"Lardero", 9, 26140, 1}, {"Nájera", 8, 26300, 1},
            {"Santo Domingo de la Calzada", 6, 26250, 1}});
    add(27, "Lugo", "Galicia", "982", 350, {},
        {{"Lugo", 97, 27001, 4}, {"Monforte de Lemos", 19, 27400, 1}, {"Viveiro", 16, 27850, 1},
            {"Vilalba", 15, 27800, 1}, {"Sarria", 13, 27600, 1}, {"Burela", 10, 27880, 1}});
    add(28, "Madrid", "Comunidad de Madrid", "912,913,914,915,916,917,918", 6400,
        {78, 79, 80, 81, 82, 83, 84, 85, 86, 87, 88},
        {{"Madrid", 3250, 28001, 55}, {"Móstoles", 206, 28931, 8}, {"Alcalá de Henares", 204, 28801, 7},
            {"Fuenlabrada", 198, 28940, 8}, {"Leganés", 187, 28911, 8}, {"Getafe", 170, 28901, 9},
            {"Alcorcón", 168, 28921, 5}, {"Torrejón de Ardoz", 118, 28850, 1}, {"Parla", 121, 28980, 5},
            {"Alcobendas", 110, 28100, 1}, {"Las Rozas de Madrid", 88, 28230, 3},
            {"San Sebastián de los Reyes", 80, 28700, 4}, {"Pozuelo de Alarcón", 82, 28223, 2},
            {"Coslada", 91, 28820, 4}, {"Rivas-Vaciamadrid", 70, 28521, 3}, {"Majadahonda", 70, 28220, 3},
            {"Collado Villalba", 62, 28400, 1}, {"Aranjuez", 56, 28300, 1}, {"Arganda del Rey", 54, 28500, 1},
            {"Boadilla del Monte", 47, 28660, 1}, {"Tres Cantos", 43, 28760, 1},
            {"San Fernando de Henares", 41, 28830, 1}, {"Valdemoro", 66, 28340, 1}, {"Pinto", 48, 28320, 1}});
    add(29, "Málaga", "Andalucía", "952,952,952,951", 2400, {92, 93},
        {{"Málaga", 568, 29001, 18}, {"Marbella", 136, 29600, 5}, {"Mijas", 80, 29650, 1},
            {"Vélez-Málaga", 78, 29700, 1}, {"Fuengirola", 72, 29640, 1}, {"Torremolinos", 67, 29620, 1},
            {"Benalmádena", 61, 29630, 1}, {"Estepona", 67, 29680, 1},
            {"Rincón de la Victoria", 40, 29730, 1}, {"Antequera", 45, 29200, 1},
            {"Alhaurín de la Torre", 37, 29130, 1}, {"Ronda", 37, 29400, 1}, {"Nerja", 22, 29780, 1},
            {"Coín", 21, 29100, 1}});
    add(30, "Murcia", "Región de Murcia", "968", 1460, {73},
        {{"Murcia", 442, 30001, 12}, {"Cartagena", 214, 30201, 5}, {"Lorca", 92, 30800, 1},
            {"Molina de Segura", 68, 30500, 1}, {"Alcantarilla", 41, 30820, 1}, {"Mazarrón", 35, 30870, 1},
            {"Águilas", 35, 30880, 1}, {"Yecla", 34, 30510, 1}, {"Cieza", 35, 30530, 1},
            {"San Javier", 32, 30730, 1}, {"Torre-Pacheco", 32, 30700, 1}, {"Totana", 30, 30850, 1}});
    add(31, "Navarra", "Comunidad Foral de Navarra", "948", 640, {71},
        {{"Pamplona", 198, 31001, 15}, {"Tudela", 35, 31500, 1}, {"Barañáin", 22, 31010, 1},
            {"Burlada", 19, 31600, 1}, {"Estella", 14, 31200, 1}, {"Zizur Mayor", 14, 31180, 1},
            {"Tafalla", 11, 31300, 1}});
    add(32, "Ourense", "Galicia", "988", 335, {},
        {{"Ourense", 108, 32001, 5}, {"Verín", 14, 32600, 1}, {"O Barco de Valdeorras", 14, 32300, 1},
            {"O Carballiño", 14, 32500, 1}, {"Xinzo de Limia", 10, 32630, 1}});
    add(33, "Asturias", "Principado de Asturias", "985", 1080, {74},
        {{"Oviedo", 225, 33001, 13}, {"Gijón", 277, 33201, 13}, {"Avilés", 84, 33400, 3},
            {"Siero", 52, 33510, 1}, {"Langreo", 45, 33900, 1}, {"Mieres", 43, 33600, 1},
            {"Castrillón", 23, 33450, 1}, {"Llanes", 14, 33500, 1}, {"Cangas de Onís", 7, 33550, 1},
            {"Villaviciosa", 15, 33300, 1}});
    add(34, "Palencia", "Castilla y León", "979", 172, {},
        {{"Palencia", 82, 34001, 5}, {"Aguilar de Campoo", 7, 34800, 1}, {"Guardo", 8, 34880, 1},
            {"Venta de Baños", 7, 34200, 1}, {"Villamuriel de Cerrato", 6, 34190, 1}});
    add(35, "Las Palmas", "Canarias", "928", 1530, {76},
        {{"Las Palmas de Gran Canaria", 383, 35001, 19}, {"Telde", 101, 35200, 1},
            {"Santa Lucía de Tirajana", 66, 35110, 1}, {"Arrecife", 57, 35500, 1},
            {"San Bartolomé de Tirajana", 54, 35100, 1}, {"Arucas", 37, 35400, 1},
            {"Puerto del Rosario", 36, 35600, 1}, {"Mogán", 22, 35140, 1}, {"Tías", 20, 35572, 1},
            {"Pájara", 20, 35628, 1}, {"Ingenio", 29, 35250, 1}});
    add(36, "Pontevedra", "Galicia", "986", 960, {94},
        {{"Pontevedra", 82, 36001, 5}, {"Vigo", 297, 36201, 16}, {"Vilagarcía de Arousa", 38, 36600, 1},
            {"Redondela", 30, 36800, 1}, {"Cangas", 26, 36940, 1}, {"Marín", 25, 36900, 1},
            {"Ponteareas", 23, 36860, 1}, {"Lalín", 20, 36500, 1}, {"O Porriño", 19, 36400, 1},
            {"Sanxenxo", 17, 36960, 1}});
    add(37, "Salamanca", "Castilla y León", "923", 355, {},
        {{"Salamanca", 154, 37001, 8}, {"Béjar", 15, 37700, 1}, {"Ciudad Rodrigo", 14, 37500, 1},
            {"Santa Marta de Tormes", 15, 37900, 1}, {"Villamayor", 7, 37185, 1},
            {"Peñaranda de Bracamonte", 7, 37300, 1}});
    add(38, "Santa Cruz de Tenerife", "Canarias", "922", 1430, {75},
        {{"Santa Cruz de Tenerife", 222, 38001, 11}, {"San Cristóbal de La Laguna", 152, 38201, 5},
            {"Arona", 79, 38640, 1}, {"Adeje", 45, 38670, 1}, {"Puerto de la Cruz", 32, 38400, 1},
            {"La Orotava", 41, 38300, 1}, {"Granadilla de Abona", 42, 38600, 1},
            {"Los Realejos", 37, 38410, 1}, {"Santa Cruz de La Palma", 17, 38700, 1},
            {"Los Llanos de Aridane", 20, 38760, 1}, {"San Sebastián de La Gomera", 9, 38800, 1},
            {"Valverde", 5, 38900, 1}});
    add(39, "Cantabria", "Cantabria", "942", 590, {},
        {{"Santander", 181, 39001, 12}, {"Torrelavega", 55, 39300, 1}, {"Castro-Urdiales", 32, 39700, 1},
            {"Camargo", 31, 39600, 1}, {"Piélagos", 23, 39470, 1}, {"Laredo", 12, 39770, 1},
            {"Santoña", 11, 39740, 1}, {"Reinosa", 10, 39200, 1}, {"Noja", 3, 39180, 1},
            {"Suances", 8, 39340, 1}});
    add(40, "Segovia", "Castilla y León", "921", 165, {},
        {{"Segovia", 55, 40001, 6}, {"Cuéllar", 10, 40200, 1}, {"San Ildefonso", 5, 40100, 1},
            {"El Espinar", 9, 40400, 1}, {"Cantalejo", 4, 40320, 1}});
    add(41, "Sevilla", "Andalucía", "954,955", 1900, {90, 91},
        {{"Sevilla", 704, 41001, 20}, {"Dos Hermanas", 127, 41700, 5}, {"Alcalá de Guadaíra", 73, 41500, 1},
            {"Utrera", 52, 41710, 1}, {"Mairena del Aljarafe", 42, 41927, 1}, {"Écija", 40, 41400, 1},
            {"La Rinconada", 37, 41309, 1}, {"Los Palacios y Villafranca", 38, 41720, 1},
            {"Carmona", 28, 41410, 1}, {"Camas", 26, 41900, 1}, {"Morón de la Frontera", 28, 41530, 1},
            {"Lebrija", 27, 41740, 1}, {"Tomares", 24, 41940, 1}, {"Coria del Río", 29, 41100, 1}});
    add(42, "Soria", "Castilla y León", "975", 95, {},
        {{"Soria", 40, 42001, 5}, {"Almazán", 6, 42200, 1}, {"El Burgo de Osma", 5, 42300, 1},
            {"Ólvega", 4, 42110, 1}, {"San Leonardo de Yagüe", 2, 42140, 1}});
    add(43, "Tarragona", "Cataluña", "977", 960, {77},
        {{"Tarragona", 140, 43001, 8}, {"Reus", 107, 43201, 6}, {"Salou", 27, 43840, 1},
            {"Cambrils", 33, 43850, 1}, {"Tortosa", 36, 43500, 1}, {"El Vendrell", 36, 43700, 1},
            {"Valls", 25, 43800, 1}, {"Amposta", 21, 43870, 1}, {"Calafell", 24, 43820, 1},
            {"L'Ametlla de Mar", 7, 43860, 1}, {"Vila-seca", 21, 43480, 1}, {"Deltebre", 12, 43580, 1},
            {"Sant Carles de la Ràpita", 15, 43540, 1}});
    add(44, "Teruel", "Aragón", "978", 145, {},
        {{"Teruel", 35, 44001, 3}, {"Alcañiz", 16, 44600, 1}, {"Andorra", 8, 44500, 1},
            {"Calamocha", 5, 44200, 1}, {"Utrillas", 3, 44760, 1}});
    add(45, "Toledo", "Castilla-La Mancha", "925", 700, {},
        {{"Toledo", 82, 45001, 8}, {"Talavera de la Reina", 88, 45600, 1}, {"Illescas", 22, 45200, 1},
            {"Seseña", 20, 45223, 1}, {"Torrijos", 13, 45500, 1}, {"Sonseca", 11, 45100, 1},
            {"Quintanar de la Orden", 12, 45800, 1}, {"Madridejos", 11, 45710, 1}});
    add(46, "Valencia", "Comunitat Valenciana", "963,963,961,962", 2580, {96, 97, 98},
        {{"Valencia", 810, 46001, 26}, {"Torrent", 80, 46900, 1}, {"Gandia", 79, 46700, 3},
            {"Paterna", 67, 46980, 1}, {"Sagunto", 66, 46500, 1}, {"Mislata", 43, 46920, 1},
            {"Burjassot", 38, 46100, 1}, {"Alzira", 45, 46600, 1}, {"Ontinyent", 38, 46870, 1},
            {"Manises", 31, 46940, 1}, {"Xàtiva", 29, 46800, 1}, {"Cullera", 24, 46400, 1},
            {"Oliva", 28, 46780, 1}, {"Aldaia", 30, 46960, 1}, {"Riba-roja de Túria", 21, 46190, 1},
            {"Alboraya", 23, 46120, 1}, {"Quart de Poblet", 25, 46930, 1}, {"Sueca", 29, 46410, 1},
            {"L'Eliana", 17, 46183, 1}});
    add(47, "Valladolid", "Castilla y León", "983", 535, {},
        {{"Valladolid", 315, 47001, 17}, {"Medina del Campo", 21, 47400, 1},
            {"Laguna de Duero", 22, 47140, 1}, {"Arroyo de la Encomienda", 14, 47195, 1},
            {"Tordesillas", 9, 47100, 1}, {"Íscar", 7, 47420, 1}, {"Tudela de Duero", 9, 47320, 1}});
    add(48, "Bizkaia", "País Vasco", "944,946", 1150, {95},
        {{"Bilbao", 353, 48001, 15}, {"Barakaldo", 98, 48901, 3}, {"Getxo", 80, 48990, 4},
            {"Portugalete", 48, 48920, 1}, {"Santurtzi", 47, 48980, 1}, {"Basauri", 42, 48970, 1},
            {"Leioa", 30, 48940, 1}, {"Durango", 28, 48200, 1}, {"Galdakao", 29, 48960, 1},
            {"Sestao", 29, 48910, 1}, {"Erandio", 24, 48950, 1}, {"Bermeo", 17, 48370, 1},
            {"Gernika-Lumo", 16, 48300, 1}});
    add(49, "Zamora", "Castilla y León", "980", 195, {},
        {{"Zamora", 66, 49001, 8}, {"Benavente", 19, 49600, 1}, {"Toro", 9, 49800, 1},
            {"Puebla de Sanabria", 2, 49300, 1}, {"Fuentesaúco", 2, 49400, 1}});
    add(50, "Zaragoza", "Aragón", "976", 970, {99},
        {{"Zaragoza", 675, 50001, 20}, {"Calatayud", 21, 50300, 1}, {"Utebo", 18, 50180, 1},
            {"Ejea de los Caballeros", 17, 50600, 1}, {"Tarazona", 11, 50500, 1}, {"Caspe", 10, 50700, 1},
            {"La Muela", 5, 50196, 1}, {"Cuarte de Huerva", 10, 50410, 1}, {"Alagón", 7, 50630, 1},
            {"Zuera", 8, 50800, 1}});
    add(51, "Ceuta", "Ceuta", "956", 80, {}, {{"Ceuta", 80, 51001, 5}});
    add(52, "Melilla", "Melilla", "952", 76, {}, {{"Melilla", 76, 52001, 6}});
}

void SpanishGeography::add(int code, const char* name, const char* autonomy, const char* phonePrefixes,
    int weight, std::initializer_list<int> laterCifCodes, std::initializer_list<TownData> towns)
{
    Province province;
    province.code = code;
    province.name = name;
    province.upperName = upper(name);
    province.autonomy = autonomy;
    for (const QString& prefix : QString::fromLatin1(phonePrefixes).split(QLatin1Char(',')))
        province.phonePrefixes.push_back(prefix.toStdString());
    province.cifCodes.push_back(code);
    province.cifCodes.insert(province.cifCodes.end(), laterCifCodes.begin(), laterCifCodes.end());
    province.weight = weight;
    constexpr int kCoastal[]
        = {3, 4, 7, 8, 11, 12, 15, 17, 20, 21, 27, 29, 30, 33, 35, 36, 38, 39, 43, 46, 48, 51, 52};
    province.coastal = std::find(std::begin(kCoastal), std::end(kCoastal), code) != std::end(kCoastal);
    quint32 total = 0;
    for (const TownData& data : towns) {
        province.towns.push_back(
            {data.name, upper(data.name), data.weight, data.firstPostalCode, data.postalCodes});
        total += quint32(data.weight);
        province.townTotals.push_back(total);
    }
    m_provinceTotals.push_back((m_provinceTotals.empty() ? 0 : m_provinceTotals.back()) + quint32(weight));
    m_provinceIndex.insert(SpanishText::fold(QString::fromUtf8(name)), int(m_provinces.size()));
    m_provinces.push_back(std::move(province));
}

const SpanishGeography::Province& SpanishGeography::pickProvince(Random& random) const
{
    return m_provinces[size_t(random.pickWeighted(m_provinceTotals))];
}

const SpanishGeography::Town& SpanishGeography::pickTown(const Province& province, Random& random) const
{
    return province.towns[size_t(random.pickWeighted(province.townTotals))];
}

std::string SpanishGeography::pickPostalCode(const Town& town, Random& random)
{
    const int code = town.firstPostalCode + int(random.bounded(quint32(town.postalCodes)));
    char text[8];
    std::snprintf(text, sizeof text, "%05d", code);
    return text;
}

const SpanishGeography::Province* SpanishGeography::provinceByName(const QString& name) const
{
    const auto it = m_provinceIndex.constFind(SpanishText::fold(name));
    return it == m_provinceIndex.cend() ? nullptr : &m_provinces[size_t(*it)];
}

const SpanishGeography::Town* SpanishGeography::townByName(const Province& province, const QString& name)
{
    const QString folded = SpanishText::fold(name);
    for (const Town& town : province.towns) {
        if (SpanishText::fold(QString::fromStdString(town.name)) == folded)
            return &town;
    }
    return nullptr;
}
