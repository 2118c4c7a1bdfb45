#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// The optional "Att. " line that names a person or post on labels and envelopes, as chosen with the
// preview's salutation box, job-title list and free text.
struct AttentionChoice
{
    QString saludo; // the salutation box's text: "", "Sr.", "Sra.", "D.", "Dña." or typed
    int indiceCargo = 0; // index in the job-title list: 0 none, 1 the free text
    QString cargo; // the job-title list's text at that index
    QString textoLibre; // the free text box
};

// The company's two contacts and their posts; a NULL stays distinct from an empty text.
struct AttentionContacts
{
    QVariant cargo1;
    QVariant contacto1;
    QVariant cargo2;
    QVariant contacto2;
};

namespace AttentionLine {

inline const QString kCargo1 = QStringLiteral("CARGO_1");
inline const QString kCargo2 = QStringLiteral("CARGO_2");

// The job-title list as the form loads it; the contact entries go in at index 2 and 3 on the first
// drawing of a preview window.
QStringList cargos();
QStringList cargosConContactos();
// The salutation box's items.
QStringList saludos();

// Whom the line names for this company: the contact of the chosen contact entry, else its post, else
// nothing; for any other entry the entry's own text. An empty or blank contact counts as none.
QString destinatario(const AttentionChoice& choice, const AttentionContacts& contacts);

// The line for this company, or an empty text when it has none.
QString linea(const AttentionChoice& choice, const AttentionContacts& contacts);

} // namespace AttentionLine
