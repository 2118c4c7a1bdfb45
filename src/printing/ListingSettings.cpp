#include "printing/ListingSettings.h"

#include "core/AppPaths.h"
#include "core/SettingsFile.h"

#include <cmath>

namespace ListingSettings {
namespace {
const QString kSection = QStringLiteral("#CAMPOS");
}

const QList<Entry>& entries()
{
    static const QList<Entry> list = {
        {"Sector", "SECTOR", "Sector"},
        {"Nombre", "NOMBRE", "Empresa"},
        {"Actividad", "ACTIVIDAD", "Actividad"},
        {"Direccion", "DIRECCION", "Direccion"},
        {"Localidad", "LOCALIDAD", "Localidad"},
        {"Provincia", "PROVINCIA", "Provincia"},
        {"CP", "CP", "C. Postal"},
        {"Autonomia", "AUTONOMIA", "Comunidad"},
        {"Telefono", "TELEFONO", "Telefono"},
        {"E-Mail", "E-MAIL", "E-mail"},
        {"Web", "WEB", "Web"},
        {"Fax", "FAX", "Fax"},
        {"CIF", "CIF", "CIF"},
        {"CARGO_1", "CARGO_1", "Cargo 1"},
        {"CONTACTO_1", "CONTACTO_1", "Contacto 1"},
        {"CARGO_2", "CARGO_2", "Cargo 2"},
        {"CONTACTO_2", "CONTACTO_2", "Contacto 2"},
        {"SUPERFICIE", "SUPERFICIE", "Superficie"},
        {"VEHICULOS", "VEHICULOS", "Vehículos"},
        {"EMPLEADOS", "EMPLEADOS", "Empleados"},
        {"OBSERVACIONES", "OBSERVACIONES", "Observaciones"},
    };
    return list;
}

QString path()
{
    return AppPaths::localPath(AppPaths::programFolder() + QStringLiteral("\\Listado.ini"));
}

FieldChoice read(const QString& filePath)
{
    SettingsFile file;
    file.load(filePath);
    return fromFile(file);
}

FieldChoice fromFile(const SettingsFile& file)
{
    FieldChoice choice = ReportFields::defaultChoice();
    for (const Entry& entry : entries()) {
        const QString key = QString::fromLatin1(entry.fieldKey);
        const std::optional<QString> text = file.value(kSection, key);
        const std::optional<double> number = text ? SettingsFile::toNumber(*text) : std::nullopt;
        if (!number)
            continue;
        // A box is on or off; any other value is a slip of the pen and keeps the default.
        const double state = std::nearbyint(*number);
        if (state == 0 || state == 1)
            choice.insert(key, int(state));
    }
    return choice;
}

QStringList lines(const FieldChoice& choice)
{
    QStringList list {QStringLiteral("#Campos")};
    for (const Entry& entry : entries()) {
        const bool on = ReportFields::isChosen(choice, QString::fromLatin1(entry.fieldKey));
        list.append(
            QString::fromLatin1(entry.writtenKey) + (on ? QStringLiteral("=1") : QStringLiteral("=0")));
    }
    return list;
}

bool write(const QString& filePath, const FieldChoice& choice, QString* error)
{
    const QStringList written = lines(choice);
    return SettingsFile::save(
        filePath, written, [&written](const SettingsFile& file) { return lines(fromFile(file)) == written; },
        error);
}

} // namespace ListingSettings
