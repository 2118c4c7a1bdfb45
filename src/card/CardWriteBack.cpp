#include "card/CardWriteBack.h"

#include "card/RecordCardLayout.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/ui/DialogService.h"

#include <QStringList>
#include <map>

namespace CardWriteBack {
namespace {

using L = RecordCardLayout;

// A message box is no place for pages of notes.
constexpr qsizetype kShownChars = 400;

// The edited fields whose stored value differs, with the value to store.
std::map<int, QVariant> changes(Recordset& rs, const Edits& edits)
{
    std::map<int, QVariant> fields;
    if (edits.observaciones && *edits.observaciones != L::comoEditor(rs.field(L::Observaciones).toString()))
        fields[L::Observaciones] = L::comoAlmacen(*edits.observaciones);
    if (edits.seleccionada) {
        const QVariant stored = rs.field(L::Seleccionada).value();
        if (!stored.isValid() || stored.isNull() || stored.toBool() != *edits.seleccionada)
            fields[L::Seleccionada] = *edits.seleccionada;
    }
    return fields;
}

QString storedNow(Recordset& rs, const std::map<int, QVariant>& fields)
{
    QStringList lines;
    if (fields.count(L::Observaciones)) {
        QString text = L::comoEditor(rs.field(L::Observaciones).toString());
        if (text.size() > kShownChars)
            text = text.left(kShownChars) + QStringLiteral("…");
        lines << QStringLiteral("Observaciones: %1").arg(text.isEmpty() ? QStringLiteral("(ninguna)") : text);
    }
    if (fields.count(L::Seleccionada)) {
        const bool marked = rs.field(L::Seleccionada).value().toBool();
        lines << QStringLiteral("Seleccionada: %1").arg(marked ? QStringLiteral("sí") : QStringLiteral("no"));
    }
    return lines.join(QLatin1Char('\n'));
}

bool keepsOwn(Recordset& rs, const std::map<int, QVariant>& fields, QWidget* parent)
{
    const QString text
        = QStringLiteral("Otro programa ha cambiado esta empresa mientras la ficha estaba abierta. "
                         "Ahora está guardado:\n\n%1\n\n"
                         "¿Desea guardar sus cambios en lugar de lo guardado? Si responde No, la ficha "
                         "tomará lo guardado.")
              .arg(storedNow(rs, fields));
    return DialogService::message(
               text, DialogService::Buttons::YesNo, DialogService::Icon::Exclamation, QString(), parent)
        == DialogService::Answer::Yes;
}

} // namespace

Result save(Recordset& rs, const Edits& edits, QWidget* parent)
{
    Result result;
    for (;;) {
        std::map<int, QVariant> fields;
        try {
            fields = changes(rs, edits);
            if (fields.empty())
                return result;
            for (const auto& [position, value] : fields)
                rs.field(position) = value;
            rs.update();
            result.touched = true;
            return result;
        } catch (const DbError& e) {
            rs.cancelUpdate();
            if (e.number() != DbError::ChangedElsewhere) {
                result.outcome = Result::Failed;
                result.failure = e.description();
                return result;
            }
        }
        // What the other program stored is read in: the next write builds on it, or the card shows it.
        try {
            const std::optional<qint64> key = rs.keyAt(rs.absolutePosition() - 1);
            if (!key || rs.resync(*key) == 0)
                throw DbError(
                    DbError::RecordDeleted, QStringLiteral("La empresa ya no está en la base de datos"));
        } catch (const DbError& e) {
            result.outcome = Result::Failed;
            result.failure = e.description();
            return result;
        }
        result.touched = true;
        if (!keepsOwn(rs, fields, parent)) {
            result.outcome = Result::TookStored;
            return result;
        }
    }
}

} // namespace CardWriteBack
