#pragma once

#include <QtGlobal>
#include <optional>
#include <string>

// One row of tbl_empresas; an empty optional is stored as NULL, an empty string as ''.
struct CompanyRecord
{
    using Text = std::optional<std::string>;

    qint64 id = 0;
    Text sector;
    Text empresa;
    Text actividad;
    Text cif;
    Text autonomia;
    Text provincia;
    Text poblacion;
    Text domicilio;
    Text cp;
    Text telefono;
    Text fax;
    Text email;
    Text web;
    Text cargo1;
    Text contacto1;
    Text cargo2;
    Text contacto2;
    Text superficie;
    Text vehiculos;
    Text empleados;
    Text observaciones;
    qint64 headOfficeId = 0; // 0 when the company is not an outlet
};
