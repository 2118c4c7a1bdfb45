#include "printing/settings/EnvelopeSettings.h"

namespace {

std::optional<QString> valueAfter(const SettingsLines& lines, qsizetype header, int offset)
{
    if (header < 0 || header + offset >= lines.size())
        return std::nullopt;
    return SettingsText::value(lines[header + offset]);
}

void takeWhole(int& field, const SettingsLines& lines, qsizetype header, int offset, int min, int max)
{
    const std::optional<QString> text = valueAfter(lines, header, offset);
    if (!text)
        return;
    const std::optional<int> value = SettingsText::toWhole(*text);
    if (value && *value >= min && *value <= max)
        field = *value;
}

void takeNumber(double& field, const SettingsLines& lines, qsizetype header, int offset, double max)
{
    const std::optional<QString> text = valueAfter(lines, header, offset);
    if (!text)
        return;
    const std::optional<double> value = SettingsText::toNumber(*text);
    if (value && *value >= 0 && *value <= max)
        field = *value;
}

} // namespace

EnvelopeSettings EnvelopeSettings::fromLines(const SettingsLines& lines)
{
    EnvelopeSettings settings;
    const qsizetype dimensiones = SettingsText::findSection(lines, QStringLiteral("#DIMENSIONES"));
    takeWhole(settings.altura, lines, dimensiones, 1, 1, EnvelopeGeometry::kMaxAltoMm);
    takeWhole(settings.anchura, lines, dimensiones, 2, 1, EnvelopeGeometry::kMaxAnchoMm);
    const qsizetype maquetar = SettingsText::findSection(lines, QStringLiteral("#MAQUETAR"));
    takeWhole(settings.fuente, lines, maquetar, 1, kMinFuente, kMaxFuente);
    takeWhole(settings.tipoSobre, lines, maquetar, 2, 0, EnvelopeGeometry::kPersonalizado);
    const qsizetype posicionado = SettingsText::findSection(lines, QStringLiteral("#POSICIONADO"));
    int automatico = 1;
    takeWhole(automatico, lines, posicionado, 1, 0, 1);
    takeNumber(settings.izq, lines, posicionado, 2, EnvelopeGeometry::kMaxAnchoMm / 10.0);
    takeNumber(settings.sup, lines, posicionado, 3, EnvelopeGeometry::kMaxAltoMm / 10.0);
    settings.automatico = automatico == 1;
    // A standard type has its own size whatever the file says.
    if (settings.tipoSobre != EnvelopeGeometry::kPersonalizado) {
        const EnvelopeType type = EnvelopeGeometry::tipos().at(settings.tipoSobre);
        settings.anchura = type.anchoMm;
        settings.altura = type.altoMm;
    }
    return settings;
}

SettingsLines EnvelopeSettings::toLines() const
{
    return {
        SettingsText::bare(QStringLiteral("#Dimensiones")),
        SettingsText::line(QStringLiteral("Altura"), QString::number(altura)),
        SettingsText::line(QStringLiteral("Anchura"), QString::number(anchura)),
        SettingsText::bare(QString()),
        SettingsText::bare(QStringLiteral("#Maquetar")),
        SettingsText::line(QStringLiteral("Fuente"), QString::number(fuente)),
        SettingsText::line(QStringLiteral("Sobre"), QString::number(tipoSobre)),
        SettingsText::bare(QString()),
        SettingsText::bare(QStringLiteral("#Posicionado")),
        SettingsText::line(
            QStringLiteral("Automatico"), automatico ? QStringLiteral("1") : QStringLiteral("0")),
        SettingsText::line(QStringLiteral("Izq"), SettingsText::fromNumber(izq, 2)),
        SettingsText::line(QStringLiteral("Sup"), SettingsText::fromNumber(sup, 2)),
    };
}

EnvelopeGeometry EnvelopeSettings::geometry() const
{
    EnvelopeGeometry geometry;
    // The custom size is taken over the current one, so the type is set last for a standard type.
    geometry.setTipo(EnvelopeGeometry::kPersonalizado);
    geometry.setAnchoMm(anchura);
    geometry.setAltoMm(altura);
    geometry.setTipo(tipoSobre);
    return geometry;
}

EnvelopeSettings EnvelopeSettings::from(const EnvelopeGeometry& geometry, int fuente)
{
    EnvelopeSettings settings;
    settings.altura = geometry.altoMm();
    settings.anchura = geometry.anchoMm();
    settings.tipoSobre = geometry.tipo();
    settings.fuente = qBound(kMinFuente, fuente, kMaxFuente);
    settings.automatico = geometry.automatico();
    const QPointF bloque = geometry.bloque();
    settings.izq = bloque.x();
    settings.sup = bloque.y();
    return settings;
}
