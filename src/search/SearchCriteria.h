#pragma once

#include <QString>

// What the search form asks for, and the texts made from it: the companies' query with the caption
// that describes it, and the queries that fill the criteria lists. Values go into the SQL as literals.
struct SearchCriteria
{
    // The lists filled from the database, from the choices above them.
    enum class List { Autonomia, Provincia, Poblacion, Actividad };

    QString nombre; // as typed, not trimmed
    bool palabraExacta = false;
    QString sector;
    QString autonomia;
    QString provincia;
    QString poblacion;
    QString actividad;
    bool soloSeleccionadas = false;

    // The company record of every company that matches.
    QString sql() const;
    // The criteria for the user: parts each after two blanks; empty without criteria.
    QString titulo() const;
    // The distinct values of the list's column, in Spanish order; empty for the region list while no
    // sector is chosen, which comes from the start-up list instead.
    QString consultaLista(List lista) const;
};
