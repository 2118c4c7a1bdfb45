#include "printing/labels/LabelBoxRules.h"

#include "printing/settings/LabelSettings.h"

namespace LabelBoxRules {

namespace {

struct Range
{
    double min;
    double max;
    double defecto;
};

Range range(Box box)
{
    switch (box) {
    case Box::Izquierdo:
        return {0, LabelSettings::kMaxIzquierdo, 0.5};
    case Box::Superior:
        return {0, LabelSettings::kMaxSuperior, 2.0};
    case Box::Separacion:
        return {LabelSheet::kMinDistancia, LabelSettings::kMaxSeparacion, 3.2};
    case Box::Segunda:
        return {LabelSettings::kMinSegunda, LabelSettings::kMaxSegunda, 10.5};
    }
    return {0, 0, 0};
}

bool esSeparador(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char('.');
}

} // namespace

QString defecto(Box box)
{
    return SettingsFile::fromNumber(range(box).defecto, 1);
}

QChar filtra(const QString& text, const QString& replaced, QChar typed)
{
    if (typed.isDigit() && typed.unicode() < 128)
        return typed;
    if (!esSeparador(typed))
        return QChar();
    const bool hayComa = text.contains(QLatin1Char(',')) && !replaced.contains(QLatin1Char(','));
    return hayComa ? QChar() : QChar(QLatin1Char(','));
}

QString limita(Box box, const QString& text)
{
    if (box == Box::Segunda || text.isEmpty() || text == QLatin1String(","))
        return text;
    const double max = range(box).max;
    const std::optional<double> value = SettingsFile::toNumber(text);
    if (!value || *value > max)
        return QString::number(int(max));
    return text;
}

QString completa(Box box, const QString& text)
{
    const Range r = range(box);
    const std::optional<double> value = SettingsFile::toNumber(text);
    if (!value)
        return defecto(box);
    // Rounded as shown before it is bounded, so "0,04" for the distance does not stay at zero.
    const double shown = qRound(*value * 10) / 10.0;
    return SettingsFile::fromNumber(qBound(r.min, shown, r.max), 1);
}

} // namespace LabelBoxRules
