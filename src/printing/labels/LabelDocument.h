#pragma once

#include "printing/labels/AttentionLine.h"
#include "printing/preview/PreviewDocument.h"
#include "printing/settings/LabelSettings.h"

#include <functional>

class Recordset;

// Sheets of address labels as the print preview shows and prints them: one label per company of the
// recordset, with the attention line as chosen when each page is drawn. Its configure button is the
// label layout dialog.
class LabelDocument : public PreviewDocument
{
public:
    // `atencion` gives the attention line's choice as the preview's controls hold it now.
    LabelDocument(
        const Recordset& rs, const LabelSettings& settings, std::function<AttentionChoice()> atencion);

    int drawPage(PrintSurface& surface, const PreviewPage& page) override;
    int pageCount(const QSizeF& pageCm) const override;
    int pageStart(int number, const QSizeF& pageCm) override;
    // frmEtiquetas; accepted, its layout applies from the next page drawn.
    bool configure(QWidget* parent) override;

private:
    const Recordset& m_rs;
    LabelSettings m_settings;
    std::function<AttentionChoice()> m_atencion;
};
