#include "guide/GuideGrid.h"

#include "platform/ui/Colors.h"
#include "platform/ui/Twips.h"

namespace GuideGrid {
namespace {

struct Column
{
    const char* caption; // UTF-8
    bool right;
    int width800;
    int width1024;
};

const Column kColumnTable[kColumns] = {
    {"", false, 300, 350},
    {"", false, 0, 0},
    {"Sector", false, 1500, 2000},
    {"Nombre de la Empresa", false, 3000, 4000},
    {"Actividad", false, 3000, 4000},
    {"CIF", false, 1000, 1500},
    {"Comunidad", false, 1500, 2100},
    {"Provincia", false, 1500, 1400},
    {"Poblacion", false, 2800, 2800},
    {"Dirección", false, 3000, 4100},
    {"Codigo Postal", false, 1200, 1100},
    {"Telefono", true, 1000, 1100},
    {"Fax", true, 1000, 1100},
    {"E-Mail", true, 2500, 3000},
    {"Web", false, 2500, 3000},
    {"1 Cargo", false, 2000, 2000},
    {"1 Contacto", false, 3000, 4000},
    {"2 Cargo", false, 2000, 2000},
    {"2 Contacto", false, 3000, 4000},
    {"Superficie", true, 1000, 1200},
    {"Vehiculos", true, 1000, 1200},
    {"E-Empelados", true, 1000, 1200},
    {"Observaciones", false, 20000, 21000},
    {"PV", false, 0, 0},
};

bool isColumn(int col)
{
    return col >= 0 && col < kColumns;
}

} // namespace

QString formatString()
{
    return QStringLiteral("<|Sel |<Sector |<Nombre de la Empresa |<Actividad |<CIF |<Comunidad |")
        + QStringLiteral("<Provincia |<Población |<Dirección |<Código Postal |<Teléfono |")
        + QStringLiteral("<Fax |<E-Mail |<Web |<Cargo 1|<Contacto 1|<Cargo 2|<Contacto 2|")
        + QStringLiteral("<Superficie |<Vehiculos |<Empleados |<Observaciones");
}

QString headerCaption(int col)
{
    return col >= 2 && col < kColumns ? QString::fromUtf8(kColumnTable[col].caption) : QString();
}

Qt::Alignment alignment(int col)
{
    const bool right = isColumn(col) && kColumnTable[col].right;
    return (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

int width(int col, int codigo)
{
    if (!isColumn(col))
        return 0;
    return codigo == 2 ? kColumnTable[col].width800 : kColumnTable[col].width1024;
}

QColor markedColor()
{
    return bgrColor(0xEAF3F6);
}

QColor unmarkedColor()
{
    return bgrColor(0x3E3E3E);
}

bool isMarked(const QVariant& stored)
{
    if (!stored.isValid() || stored.isNull())
        return false;
    switch (stored.typeId()) {
    case QMetaType::Bool:
        return stored.toBool();
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
        return stored.toDouble() != 0;
    default:
        break;
    }
    // A text as a Boolean shows itself: "Verdadero", "True", "-1", "1".
    const QString text = stored.toString().trimmed();
    return !text.isEmpty() && text.compare(QLatin1String("Falso"), Qt::CaseInsensitive) != 0
        && text.compare(QLatin1String("False"), Qt::CaseInsensitive) != 0 && text != QLatin1String("0");
}

} // namespace GuideGrid
