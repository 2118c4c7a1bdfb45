#pragma once

#include "platform/print/PrintSurface.h"

#include <QMarginsF>

// The print preview's page: keeps the items of the one page it shows, for the page widget to paint
// at the screen's zoom and to find the item under the pointer. Its page area is the printer's.
class PreviewSurface : public PrintSurface
{
public:
    // The page area: A4 upright less a printer's usual margins.
    explicit PreviewSurface(const PageExtent& pageArea = PageExtent {Length::cm(20), Length::cm(29)});
    ~PreviewSurface() override;

    PageExtent pageExtent() const override { return m_pageArea; }

    // The items of the page shown (the first page drawn; a preview shows one).
    PrintPage page() const { return m_page; }

    // Where an item lies on the page, in centimetres.
    static QRectF bounds(const PrintItem& item);
    // The last item drawn whose place holds `atCm`, as the one on top; -1 for none.
    static int itemAt(const PrintPage& page, const QPointF& atCm);

protected:
    bool applyPage(const QPageSize& paper, QPageLayout::Orientation orientation) override;
    void beginPage(int index) override;
    void draw(const PrintItem& item) override;
    bool finish() override;
    void discard() override;

private:
    PageExtent m_pageArea;
    QMarginsF m_margins = QMarginsF(5, 3.5, 5, 3.5);
    PrintPage m_page;
    int m_drawingPage = -1;
};
