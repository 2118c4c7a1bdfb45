#include "printing/labels/CompanyAddress.h"

#include "platform/db/FieldText.h"
#include "platform/db/Recordset.h"

namespace {

// Positions of the company record.
constexpr int kEmpresa = 2;
constexpr int kProvincia = 6;
constexpr int kPoblacion = 7;
constexpr int kDomicilio = 8;
constexpr int kCp = 9;

} // namespace

QString CompanyAddress::lineaPoblacion() const
{
    return poblacion + QStringLiteral("   ") + cp + QLatin1Char('(') + provincia + QLatin1Char(')');
}

CompanyAddressReader::CompanyAddressReader(const Recordset& rs)
    : m_rs(rs)
    , m_cargo1(rs.fieldIndex(QStringLiteral("CARGO_1")))
    , m_contacto1(rs.fieldIndex(QStringLiteral("CONTACTO_1")))
    , m_cargo2(rs.fieldIndex(QStringLiteral("CARGO_2")))
    , m_contacto2(rs.fieldIndex(QStringLiteral("CONTACTO_2")))
{
}

int CompanyAddressReader::count() const
{
    return m_rs.isOpen() ? m_rs.recordCount() : 0;
}

CompanyAddress CompanyAddressReader::read(int position) const
{
    const int row = position - 1;
    const int columns = m_rs.fieldCount();
    const auto text = [&](int column) {
        return column >= 0 && column < columns ? FieldText::oneLine(m_rs.textAt(row, column)) : QString();
    };
    // A contact keeps its NULL; a text of it is one line like every field.
    const auto value = [&](int column) {
        const QVariant v = column >= 0 && column < columns ? m_rs.valueAt(row, column) : QVariant();
        return v.isNull() || v.typeId() != QMetaType::QString ? v
                                                              : QVariant(FieldText::oneLine(v.toString()));
    };
    CompanyAddress address;
    address.empresa = text(kEmpresa);
    address.domicilio = text(kDomicilio);
    address.poblacion = text(kPoblacion);
    address.cp = text(kCp);
    address.provincia = text(kProvincia);
    address.contactos = {value(m_cargo1), value(m_contacto1), value(m_cargo2), value(m_contacto2)};
    return address;
}
