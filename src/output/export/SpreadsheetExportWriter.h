#pragma once

#include "output/export/ExportWriter.h"

// The companies as an .xlsx workbook of one sheet: row 1 the titles, then one row per company. Each
// value keeps the type it has in the database (text stays text, so postal codes and telephones keep
// their leading zeros), except that a surface, vehicles or employees stored as a plain whole number is
// written as a number, to be added up; observations keep their line breaks inside the cell. A text
// that is not valid UTF-8 is read as the other exports read it, a NUL is left out and a value past a
// cell's 32,767 characters is cut (notice() names it). Written by libxlsxwriter in its constant-memory
// mode into temporary files in the work folder, then copied into the device.
class SpreadsheetExportWriter : public ExportWriter
{
public:
    bool write(Recordset& rs, QIODevice& out, const Progress& progress) override;
};
