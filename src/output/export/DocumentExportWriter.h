#pragma once

#include "output/export/ExportWriter.h"

// The companies as a .docx document: a landscape A4 page holding one table, its first row the titles
// "Sector" to "Empleados", then one row per company. A line break inside a value stays inside its
// cell, so a company never spans two rows.
class DocumentExportWriter : public ExportWriter
{
public:
    bool write(Recordset& rs, QIODevice& out, const Progress& progress) override;
};
