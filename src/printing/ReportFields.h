#pragma once

#include <QList>
#include <QMap>
#include <QString>

// The fields a company listing can show, in the order their columns stand from left to right.
struct ReportField
{
    const char* key; // upper case: "SECTOR" … "OBSERVACIONES"
    const char* heading; // UTF-8
    int position; // the company column it reads, as the guide's query lists them
    double width; // cm
    bool chosenByDefault;
};

// Key → 1 for a field that is printed; any other value, or no entry, leaves it out.
using FieldChoice = QMap<QString, int>;
// Key → column width in cm.
using ColumnWidths = QMap<QString, double>;

namespace ReportFields {

const QList<ReportField>& all();
// The fields the listing shows when nothing else was chosen.
FieldChoice defaultChoice();
ColumnWidths defaultWidths();
// True when the choice prints that field.
bool isChosen(const FieldChoice& choice, const QString& key);

} // namespace ReportFields
