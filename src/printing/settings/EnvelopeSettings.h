#pragma once

#include "core/SettingsFile.h"
#include "printing/envelopes/EnvelopeGeometry.h"

// The envelope settings kept in "\Sobre.ini": the envelope's type and size, the block's font size and
// where the block was. Every value read is within the envelope frame's range; a value that is missing,
// unreadable or out of range takes its default, the others keep theirs.
struct EnvelopeSettings
{
    int altura = 110; // mm
    int anchura = 220; // mm
    int fuente = 9;
    int tipoSobre = 0;
    bool automatico = true; // as read; always written as 1
    double izq = 0; // the block's place on the envelope, cm, when not automatic
    double sup = 0;

    static constexpr int kMinFuente = 8;
    static constexpr int kMaxFuente = 12;

    static QString archivo() { return QStringLiteral("\\Sobre.ini"); }

    // "#Dimensiones" is followed by the height and width, "#Maquetar" by the font and type,
    // "#Posicionado" by the automatic flag and the block's left and top, each line by its position.
    static EnvelopeSettings fromFile(const SettingsFile& file);
    // The twelve lines of the file.
    QStringList toLines() const;
    // The program's file; the defaults when it is missing or unreadable.
    static EnvelopeSettings read();
    // Replaces the program's file, unless it already gives these values; false, with the reason in
    // Spanish in `error`, when it could not.
    bool write(QString* error = nullptr) const;

    // The envelope these settings describe: a standard type with its own size, the custom type with
    // the size read. The block starts at its automatic place.
    EnvelopeGeometry geometry() const;
    // The settings of an envelope as shown, to be written when its window closes.
    static EnvelopeSettings from(const EnvelopeGeometry& geometry, int fuente);

    bool operator==(const EnvelopeSettings&) const = default;
};
