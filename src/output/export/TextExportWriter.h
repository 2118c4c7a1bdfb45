#pragma once

#include "output/export/ExportWriter.h"

// The companies as tab-separated text: Windows-1252, CR LF after every line, a header line of titles,
// then one line per company. A NULL is an empty value; a character Windows-1252 lacks is written "?";
// a line break or a TAB inside a value becomes one space and a NUL is left out, so that each company
// keeps its one line.
class TextExportWriter : public ExportWriter
{
public:
    explicit TextExportWriter(bool withObservations = true)
        : m_withObservations(withObservations)
    {
    }

    bool write(Recordset& rs, QIODevice& out, const Progress& progress) override;

private:
    bool m_withObservations;
};
