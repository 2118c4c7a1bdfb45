#pragma once

#include "printing/labels/AttentionLine.h"

#include <QString>

class Recordset;

// What a label or an envelope prints of one company.
struct CompanyAddress
{
    QString empresa;
    QString domicilio;
    QString poblacion;
    QString cp;
    QString provincia;
    AttentionContacts contactos;

    // `poblacion`, three blanks, `cp` and the province in brackets.
    QString lineaPoblacion() const;
};

// Reads companies of a recordset by row without moving it: the address columns by position, the
// contacts by name (looked up once).
class CompanyAddressReader
{
public:
    explicit CompanyAddressReader(const Recordset& rs);

    // `position` counts from 1, as the recordset's absolute position.
    CompanyAddress read(int position) const;
    int count() const;

private:
    const Recordset& m_rs;
    int m_cargo1;
    int m_contacto1;
    int m_cargo2;
    int m_contacto2;
};
