#pragma once

#include <QString>

// The guide's company queries and their captions: every company query selects the same 23 columns
// in the same order, followed by the FROM clause of all companies or of one sector.
namespace GuideQueries {

// Sector indexes 0 to 7 (Catering, Distribucion, Equipamiento, Escuelas, Franquicias, Hoteles,
// Transporte, Vending); kNoSector when none is chosen.
inline constexpr int kSectorCount = 8;
inline constexpr int kNoSector = 8;

// Up to this many companies are copied into the grid's cells by a first fill; more are bound.
inline constexpr int kCopyLimit = 3000;

// The select list, with its trailing blank.
QString selectList();

QString allCompaniesSql();
QString allCompaniesCaption();

// Empty for an index that names no sector.
QString sectorSql(int indice);
QString sectorCaption(int indice);

// The count label's text.
QString countCaption(int companies);

bool fillsByCopy(int companies);

// The query of the companies shown narrowed to the marked ones: the condition joins the WHERE clause
// (or starts one) before any ORDER BY, both found outside literals; a query already narrowed stays as
// it is.
QString markedOnlySql(const QString& sql);

} // namespace GuideQueries
