#include "platform/db/Field.h"

#include "platform/db/Recordset.h"

QVariant Field::value() const
{
    return m_recordset->currentValue(m_index);
}

bool Field::isNull() const
{
    return m_recordset->currentIsNull(m_index);
}

QString Field::toString() const
{
    return Recordset::displayText(value());
}

void Field::setValue(const QVariant& value)
{
    m_recordset->setValue(m_index, value);
}
