#pragma once

class Recordset;

// Exports the companies shown to a spreadsheet, a document or a text file.
class clsExportar
{
public:
    // Works on every company of `rs`, moving its current record.
    void Muestra(Recordset* rs);
};
