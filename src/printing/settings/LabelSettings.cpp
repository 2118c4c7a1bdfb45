#include "printing/settings/LabelSettings.h"

namespace {

const QString kMargenes = QStringLiteral("#MARGENES");
const QString kMaquetar = QStringLiteral("#MAQUETAR");

// The number of the section's line `index`, when the file has it.
std::optional<double> numberAt(const SettingsFile& file, const QString& section, int index)
{
    const std::optional<QString> text = file.valueAt(section, index);
    return text ? SettingsFile::toNumber(*text) : std::nullopt;
}

QString line(const char* key, const QString& value)
{
    return QLatin1String(key) + QLatin1Char('=') + value;
}

void take(double& field, std::optional<double> value, bool (*valid)(double))
{
    if (value && valid(*value))
        field = *value;
}

} // namespace

bool LabelSettings::izquierdoValido(double value)
{
    return value >= 0 && value <= kMaxIzquierdo;
}

bool LabelSettings::superiorValido(double value)
{
    return value >= 0 && value <= kMaxSuperior;
}

bool LabelSettings::separacionValida(double value)
{
    // A row distance too small to lay out would put every label on one row.
    return value >= LabelSheet::kMinDistancia && value <= kMaxSeparacion;
}

bool LabelSettings::segundaValida(double value)
{
    return value >= kMinSegunda && value <= kMaxSegunda;
}

bool LabelSettings::fuenteValida(int value)
{
    return value >= 8 && value <= 10;
}

bool LabelSettings::esValido() const
{
    return izquierdoValido(izquierdo) && superiorValido(superior) && separacionValida(separacion)
        && segundaValida(segunda) && fuenteValida(fuente);
}

LabelSettings LabelSettings::fromFile(const SettingsFile& file)
{
    LabelSettings settings;
    take(settings.izquierdo, numberAt(file, kMargenes, 0), izquierdoValido);
    take(settings.superior, numberAt(file, kMargenes, 1), superiorValido);
    take(settings.separacion, numberAt(file, kMaquetar, 0), separacionValida);
    take(settings.segunda, numberAt(file, kMaquetar, 1), segundaValida);
    if (const std::optional<QString> text = file.valueAt(kMaquetar, 2)) {
        const std::optional<int> fuente = SettingsFile::toWhole(*text);
        if (fuente && fuenteValida(*fuente))
            settings.fuente = *fuente;
    }
    return settings;
}

QStringList LabelSettings::toLines() const
{
    return {
        QStringLiteral("#Margenes"),
        line("Izquierdo", SettingsFile::fromNumber(izquierdo, 1)),
        line("Superior", SettingsFile::fromNumber(superior, 1)),
        QString(),
        QStringLiteral("#Maquetar"),
        line("Separacion", SettingsFile::fromNumber(separacion, 1)),
        line("Segunda", SettingsFile::fromNumber(segunda, 1)),
        line("Fuente", QString::number(fuente)),
    };
}

LabelSettings LabelSettings::read()
{
    SettingsFile file;
    file.load(SettingsFile::programPath(archivo()));
    return fromFile(file);
}

bool LabelSettings::write(QString* error) const
{
    return SettingsFile::save(
        SettingsFile::programPath(archivo()), toLines(),
        [this](const SettingsFile& file) { return fromFile(file) == *this; }, error);
}

LabelSheet LabelSettings::sheet() const
{
    return LabelSheet {izquierdo, superior, separacion, segunda, fuente};
}

QMap<QString, QString> LabelSettings::toCampos() const
{
    return {
        {QStringLiteral("MI"), SettingsFile::fromNumber(izquierdo, 1)},
        {QStringLiteral("MS"), SettingsFile::fromNumber(superior, 1)},
        {QStringLiteral("SE"), SettingsFile::fromNumber(separacion, 1)},
        {QStringLiteral("SC"), SettingsFile::fromNumber(segunda, 1)},
        {QStringLiteral("LE"), QString::number(fuente)},
    };
}

std::optional<LabelSettings> LabelSettings::fromCampos(
    const QMap<QString, QString>& campos, const LabelSettings& actual)
{
    if (campos.isEmpty())
        return std::nullopt;
    LabelSettings settings = actual;
    const auto number
        = [&](const char* key) { return SettingsFile::toNumber(campos.value(QLatin1String(key))); };
    take(settings.izquierdo, number("MI"), izquierdoValido);
    take(settings.superior, number("MS"), superiorValido);
    take(settings.separacion, number("SE"), separacionValida);
    take(settings.segunda, number("SC"), segundaValida);
    const std::optional<int> fuente = SettingsFile::toWhole(campos.value(QStringLiteral("LE")));
    if (fuente && fuenteValida(*fuente))
        settings.fuente = *fuente;
    return settings;
}
