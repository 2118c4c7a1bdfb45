#pragma once

#include "output/export/ExportWriter.h"

// The companies as an .xlsx workbook of one sheet: row 1 the titles, then one row per company. Each
// value keeps the type it has in the database (text stays text, so postal codes and telephones keep
// their leading zeros); observations keep their line breaks inside the cell. Written by
// libxlsxwriter in its constant-memory mode into a temporary file, then copied into the device.
class SpreadsheetExportWriter : public ExportWriter
{
public:
    bool write(Recordset& rs, QIODevice& out, const Progress& progress) override;
};
