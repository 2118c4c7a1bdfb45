#pragma once

#include <QString>
#include <optional>

class QWidget;
class Recordset;

// Stores the card's edits in the current record of its recordset, over nothing but what the card read:
// when another program changed the company meanwhile, the user is told what is stored now and keeps
// either their own edits or the stored values.
namespace CardWriteBack {

// What the user changed on the card; none where nothing was touched.
struct Edits
{
    std::optional<QString> observaciones; // as the editor holds it
    std::optional<bool> seleccionada;
};

struct Result
{
    enum Outcome { Saved, TookStored, Failed };
    Outcome outcome = Saved;
    // The record was written or read again: what shows it elsewhere must follow.
    bool touched = false;
    QString failure; // why, for Failed
};

Result save(Recordset& rs, const Edits& edits, QWidget* parent);

} // namespace CardWriteBack
