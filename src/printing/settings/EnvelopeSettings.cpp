#include "printing/settings/EnvelopeSettings.h"

namespace {

const QString kDimensiones = QStringLiteral("#DIMENSIONES");
const QString kMaquetar = QStringLiteral("#MAQUETAR");
const QString kPosicionado = QStringLiteral("#POSICIONADO");

void takeWhole(int& field, const SettingsFile& file, const QString& section, int index, int min, int max)
{
    const std::optional<QString> text = file.valueAt(section, index);
    if (!text)
        return;
    const std::optional<int> value = SettingsFile::toWhole(*text);
    if (value && *value >= min && *value <= max)
        field = *value;
}

void takeNumber(double& field, const SettingsFile& file, const QString& section, int index, double max)
{
    const std::optional<QString> text = file.valueAt(section, index);
    if (!text)
        return;
    const std::optional<double> value = SettingsFile::toNumber(*text);
    if (value && *value >= 0 && *value <= max)
        field = *value;
}

QString line(const char* key, const QString& value)
{
    return QLatin1String(key) + QLatin1Char('=') + value;
}

} // namespace

EnvelopeSettings EnvelopeSettings::fromFile(const SettingsFile& file)
{
    EnvelopeSettings settings;
    takeWhole(settings.altura, file, kDimensiones, 0, 1, EnvelopeGeometry::kMaxAltoMm);
    takeWhole(settings.anchura, file, kDimensiones, 1, 1, EnvelopeGeometry::kMaxAnchoMm);
    takeWhole(settings.fuente, file, kMaquetar, 0, kMinFuente, kMaxFuente);
    takeWhole(settings.tipoSobre, file, kMaquetar, 1, 0, EnvelopeGeometry::kPersonalizado);
    int automatico = 1;
    takeWhole(automatico, file, kPosicionado, 0, 0, 1);
    takeNumber(settings.izq, file, kPosicionado, 1, EnvelopeGeometry::kMaxAnchoMm / 10.0);
    takeNumber(settings.sup, file, kPosicionado, 2, EnvelopeGeometry::kMaxAltoMm / 10.0);
    settings.automatico = automatico == 1;
    // A standard type has its own size whatever the file says.
    if (settings.tipoSobre != EnvelopeGeometry::kPersonalizado) {
        const EnvelopeType type = EnvelopeGeometry::tipos().at(settings.tipoSobre);
        settings.anchura = type.anchoMm;
        settings.altura = type.altoMm;
    }
    return settings;
}

QStringList EnvelopeSettings::toLines() const
{
    return {
        QStringLiteral("#Dimensiones"),
        line("Altura", QString::number(altura)),
        line("Anchura", QString::number(anchura)),
        QString(),
        QStringLiteral("#Maquetar"),
        line("Fuente", QString::number(fuente)),
        line("Sobre", QString::number(tipoSobre)),
        QString(),
        QStringLiteral("#Posicionado"),
        // The launcher always opens with the block at its automatic place, so the file says so.
        line("Automatico", QStringLiteral("1")),
        line("Izq", SettingsFile::fromNumber(izq, 2)),
        line("Sup", SettingsFile::fromNumber(sup, 2)),
    };
}

EnvelopeSettings EnvelopeSettings::read()
{
    SettingsFile file;
    file.load(SettingsFile::programPath(archivo()));
    return fromFile(file);
}

bool EnvelopeSettings::write(QString* error) const
{
    const QStringList lines = toLines();
    // Compared as written: the block's place is kept to two decimals.
    return SettingsFile::save(
        SettingsFile::programPath(archivo()), lines,
        [&lines](const SettingsFile& file) { return fromFile(file).toLines() == lines; }, error);
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
    const QPointF bloque = geometry.bloque();
    settings.izq = bloque.x();
    settings.sup = bloque.y();
    return settings;
}
