#include "SpanishPeople.h"

#include "Random.h"

#include <QString>

namespace {

const char* const kMaleNames[] = {"Antonio", "José", "Manuel", "Francisco", "Juan", "David", "José Antonio",
    "José Luis", "Javier", "Jesús", "Carlos", "Daniel", "Miguel", "Rafael", "Pedro", "José Manuel", "Ángel",
    "Alejandro", "Miguel Ángel", "Fernando", "Pablo", "Luis", "Sergio", "Jorge", "Alberto", "Juan Carlos",
    "Juan José", "Ramón", "Enrique", "Diego", "Vicente", "Raúl", "Andrés", "Joaquín", "Óscar", "Santiago",
    "Eduardo", "Álvaro", "Rubén", "Ignacio", "Gonzalo", "Emilio", "Julián", "Agustín", "Jordi", "Josep",
    "Xavier", "Iñaki", "Íñigo", "Xabier", "Salvador", "Tomás", "Marcos", "Jaime", "Ricardo", "Julio",
    "Alfonso", "Juan Manuel", "Felipe", "Mariano"};

const char* const kFemaleNames[] = {"María del Carmen", "María", "Carmen", "Josefa", "Isabel", "Ana María",
    "María Pilar", "María Dolores", "Laura", "María Teresa", "Ana", "Cristina", "Marta", "María Ángeles",
    "Francisca", "Lucía", "María Isabel", "María José", "Antonia", "Dolores", "Sara", "Paula", "Elena",
    "María Luisa", "Raquel", "Rosa María", "Pilar", "Concepción", "Manuela", "Mercedes", "Beatriz", "Nuria",
    "Silvia", "Montserrat", "Rocío", "Begoña", "Ainhoa", "Inmaculada", "Eva", "Mónica", "Patricia", "Yolanda",
    "Rosario", "Alicia", "Sonia", "Noelia", "Verónica", "Susana", "Esther", "Remedios", "Amparo",
    "Encarnación", "Irene", "Ángela", "Míriam"};

// Roughly in order of frequency.
const char* const kSurnames[] = {"García", "Fernández", "González", "Rodríguez", "López", "Martínez",
    "Sánchez", "Pérez", "Gómez", "Martín", "Jiménez", "Ruiz", "Hernández", "Díaz", "Moreno", "Muñoz",
    "Álvarez", "Romero", "Alonso", "Gutiérrez", "Navarro", "Torres", "Domínguez", "Vázquez", "Ramos", "Gil",
    "Ramírez", "Serrano", "Blanco", "Molina", "Morales", "Suárez", "Ortega", "Delgado", "Castro", "Ortiz",
    "Rubio", "Marín", "Sanz", "Núñez", "Iglesias", "Medina", "Garrido", "Cortés", "Castillo", "Santos",
    "Lozano", "Guerrero", "Cano", "Prieto", "Méndez", "Cruz", "Calvo", "Gallego", "Vidal", "León", "Márquez",
    "Herrera", "Peña", "Flores", "Cabrera", "Campos", "Vega", "Fuentes", "Carrasco", "Díez", "Caballero",
    "Reyes", "Nieto", "Aguilar", "Pascual", "Santana", "Herrero", "Lorenzo", "Montero", "Hidalgo", "Giménez",
    "Ibáñez", "Ferrer", "Durán", "Santiago", "Benítez", "Mora", "Vicente", "Vargas", "Arias", "Carmona",
    "Crespo", "Román", "Pastor", "Soto", "Sáez", "Velasco", "Moya", "Soler", "Parra", "Esteban", "Bravo",
    "Gallardo", "Rojas", "Pardo", "Merino", "Franco", "Espinosa", "Izquierdo", "Lara", "Rivas", "Silva",
    "Rivera", "Casado", "Arroyo", "Redondo", "Camacho", "Rey", "Vera", "Otero", "Luque", "Galán", "Montes",
    "Ríos", "Sierra", "Segura", "Carrillo", "Marcos", "Martí", "Soriano", "Mendoza", "Robles", "Bernal",
    "Vila", "Valero", "Palacios", "Pujol", "Echeverría", "Ibarra", "Zubizarreta", "Castaño", "Peñalver",
    "Muñiz", "Toribio", "Ballesteros", "Quintana", "Aranda", "Salinas", "Escobar"};

} // namespace

SpanishPeople::SpanishPeople()
{
    m_maleNames.assign(std::begin(kMaleNames), std::end(kMaleNames));
    m_femaleNames.assign(std::begin(kFemaleNames), std::end(kFemaleNames));
    m_surnames.assign(std::begin(kSurnames), std::end(kSurnames));
    for (const std::string& surname : m_surnames)
        m_upperSurnames.push_back(QString::fromStdString(surname).toUpper().toStdString());
}

const std::string& SpanishPeople::pickSkewed(const std::vector<std::string>& items, Random& random) const
{
    return items[random.skewed(quint32(items.size()))];
}

SpanishPeople::Person SpanishPeople::pickPerson(Random& random) const
{
    Person person;
    person.female = random.chance(420);
    person.fullName = pickSkewed(person.female ? m_femaleNames : m_maleNames, random);
    person.fullName += ' ';
    person.fullName += pickSkewed(m_surnames, random);
    person.fullName += ' ';
    person.fullName += pickSkewed(m_surnames, random);
    return person;
}

const std::string& SpanishPeople::pickUpperSurname(Random& random) const
{
    return pickSkewed(m_upperSurnames, random);
}
