#pragma once

#include <QString>
#include <QVariant>

class Recordset;

// One field of a recordset's current record.
class Field
{
public:
    enum class Type { Text, Integer, Double, Boolean };

    Field(Recordset* recordset, int index)
        : m_recordset(recordset)
        , m_index(index)
    {
    }

    // NULL comes back as an invalid QVariant; a Boolean as a bool, never as "0"/"1".
    QVariant value() const;
    bool isNull() const;
    // The value as text: an empty string for NULL, Booleans in Spanish.
    QString toString() const;

    void setValue(const QVariant& value);
    Field& operator=(const QVariant& value)
    {
        setValue(value);
        return *this;
    }

private:
    Recordset* m_recordset;
    int m_index;
};
