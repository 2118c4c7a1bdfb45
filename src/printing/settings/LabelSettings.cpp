#include "printing/settings/LabelSettings.h"

namespace {

// The value of the line `offset` lines after the header at `header`, when the file has it.
std::optional<double> numberAfter(const SettingsLines& lines, qsizetype header, int offset)
{
    if (header < 0 || header + offset >= lines.size())
        return std::nullopt;
    return SettingsText::toNumber(SettingsText::value(lines[header + offset]));
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

LabelSettings LabelSettings::fromLines(const SettingsLines& lines)
{
    LabelSettings settings;
    const qsizetype margenes = SettingsText::findSection(lines, QStringLiteral("#MARGENES"));
    take(settings.izquierdo, numberAfter(lines, margenes, 1), izquierdoValido);
    take(settings.superior, numberAfter(lines, margenes, 2), superiorValido);
    const qsizetype maquetar = SettingsText::findSection(lines, QStringLiteral("#MAQUETAR"));
    take(settings.separacion, numberAfter(lines, maquetar, 1), separacionValida);
    take(settings.segunda, numberAfter(lines, maquetar, 2), segundaValida);
    if (maquetar >= 0 && maquetar + 3 < lines.size()) {
        const std::optional<int> fuente = SettingsText::toWhole(SettingsText::value(lines[maquetar + 3]));
        if (fuente && fuenteValida(*fuente))
            settings.fuente = *fuente;
    }
    return settings;
}

SettingsLines LabelSettings::toLines() const
{
    return {
        SettingsText::bare(QStringLiteral("#Margenes")),
        SettingsText::line(QStringLiteral("Izquierdo"), SettingsText::fromNumber(izquierdo, 1)),
        SettingsText::line(QStringLiteral("Superior"), SettingsText::fromNumber(superior, 1)),
        SettingsText::bare(QString()),
        SettingsText::bare(QStringLiteral("#Maquetar")),
        SettingsText::line(QStringLiteral("Separacion"), SettingsText::fromNumber(separacion, 1)),
        SettingsText::line(QStringLiteral("Segunda"), SettingsText::fromNumber(segunda, 1)),
        SettingsText::line(QStringLiteral("Fuente"), QString::number(fuente)),
    };
}

LabelSheet LabelSettings::sheet() const
{
    return LabelSheet {izquierdo, superior, separacion, segunda, fuente};
}

QMap<QString, QString> LabelSettings::toCampos() const
{
    return {
        {QStringLiteral("MI"), SettingsText::fromNumber(izquierdo, 1)},
        {QStringLiteral("MS"), SettingsText::fromNumber(superior, 1)},
        {QStringLiteral("SE"), SettingsText::fromNumber(separacion, 1)},
        {QStringLiteral("SC"), SettingsText::fromNumber(segunda, 1)},
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
        = [&](const char* key) { return SettingsText::toNumber(campos.value(QLatin1String(key))); };
    take(settings.izquierdo, number("MI"), izquierdoValido);
    take(settings.superior, number("MS"), superiorValido);
    take(settings.separacion, number("SE"), separacionValida);
    take(settings.segunda, number("SC"), segundaValida);
    const std::optional<int> fuente = SettingsText::toWhole(campos.value(QStringLiteral("LE")));
    if (fuente && fuenteValida(*fuente))
        settings.fuente = *fuente;
    return settings;
}
