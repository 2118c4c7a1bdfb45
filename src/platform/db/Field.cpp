#include "platform/db/Field.h"

#include "platform/db/Recordset.h"

QString Field::name() const
{
    return m_recordset->fieldName(m_index);
}

Field::Type Field::type() const
{
    return m_recordset->fieldType(m_index);
}

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
