#include "printing/ReportFields.h"

namespace ReportFields {

const QList<ReportField>& all()
{
    static const QList<ReportField> fields = {
        {"SECTOR", "Sector", 1, 4, true},
        {"NOMBRE", "Nombre Empresa", 2, 7.5, true},
        {"ACTIVIDAD", "Actividad", 3, 7.5, true},
        {"CIF", "CIF", 4, 2.8, false},
        {"AUTONOMIA", "Comunidad", 5, 5, false},
        {"PROVINCIA", "Provincia", 6, 2.5, true},
        {"LOCALIDAD", "Localidad", 7, 4.5, true},
        {"DIRECCION", "Dirección", 8, 7.5, false},
        {"CP", "C.P.", 9, 1.5, true},
        {"TELEFONO", "Teléfono", 10, 2.8, false},
        {"FAX", "Fax", 11, 2.8, false},
        {"E-MAIL", "Correo electrónico", 12, 6.7, false},
        {"WEB", "Pagina Web", 13, 4.1, false},
        {"CARGO_1", "Cargo 1", 14, 5, false},
        {"CONTACTO_1", "Contacto 1", 15, 7.5, false},
        {"CARGO_2", "Cargo 2", 16, 5, false},
        {"CONTACTO_2", "Contacto 2", 17, 7.5, false},
        {"SUPERFICIE", "Superficie(m2)", 18, 2.1, false},
        {"VEHICULOS", "Nº Vehículos", 19, 2.1, false},
        {"EMPLEADOS", "Nº Empleados", 20, 2.1, false},
        {"OBSERVACIONES", "Observaciones", 21, 10, false},
    };
    return fields;
}

FieldChoice defaultChoice()
{
    FieldChoice choice;
    for (const ReportField& field : all())
        choice.insert(QString::fromLatin1(field.key), field.chosenByDefault ? 1 : 0);
    return choice;
}

ColumnWidths defaultWidths()
{
    ColumnWidths widths;
    for (const ReportField& field : all())
        widths.insert(QString::fromLatin1(field.key), field.width);
    return widths;
}

bool isChosen(const FieldChoice& choice, const QString& key)
{
    return choice.value(key, 0) == 1;
}

} // namespace ReportFields
