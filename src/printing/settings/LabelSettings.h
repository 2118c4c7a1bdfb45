#pragma once

#include "core/SettingsFile.h"
#include "printing/labels/LabelSheet.h"

#include <QMap>

// The label layout kept in "\Etiqueta.ini": two margins, the row distance, the second column's x (all in
// centimetres) and the font size. Every value read is within the label dialog's range; a value that is
// missing, unreadable or out of range takes its default, the others keep theirs.
struct LabelSettings
{
    double izquierdo = 0.5;
    double superior = 2.0;
    double separacion = 3.2;
    double segunda = 10.5;
    int fuente = 8;

    // The dialog's ranges.
    static constexpr double kMaxIzquierdo = 3;
    static constexpr double kMaxSuperior = 4;
    static constexpr double kMaxSeparacion = 9;
    static constexpr double kMinSegunda = 9;
    static constexpr double kMaxSegunda = 13;
    static bool izquierdoValido(double value);
    static bool superiorValido(double value);
    static bool separacionValida(double value);
    static bool segundaValida(double value);
    static bool fuenteValida(int value);
    bool esValido() const;

    // The file's name in the program's folder.
    static QString archivo() { return QStringLiteral("\\Etiqueta.ini"); }

    // "#Margenes" is followed by the left and top margins, "#Maquetar" by the distance, the second
    // column and the font, each line taken by its position whatever its key; sections in any order.
    static LabelSettings fromFile(const SettingsFile& file);
    // The eight lines of the file, measures with one decimal after a decimal comma.
    QStringList toLines() const;
    // The program's file; the defaults when it is missing or unreadable.
    static LabelSettings read();
    // Replaces the program's file, unless it already gives these values; false, with the reason in
    // Spanish in `error`, when it could not.
    bool write(QString* error = nullptr) const;

    LabelSheet sheet() const;

    // The label dialog's result: the four measures as written ("MI", "MS", "SE", "SC") and the font
    // ("LE"). Nothing for an empty collection (the dialog was cancelled); a value that is missing or out
    // of range keeps the one of `actual`.
    QMap<QString, QString> toCampos() const;
    static std::optional<LabelSettings> fromCampos(
        const QMap<QString, QString>& campos, const LabelSettings& actual);

    bool operator==(const LabelSettings&) const = default;
};
