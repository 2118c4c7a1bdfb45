#pragma once

#include "platform/print/PrintSurface.h"

// Keeps what was drawn, page by page, for tests to read back; measures like a 1200 dpi printer.
class RecordingSurface : public PrintSurface
{
public:
    // The page area: A4 upright less a printer's usual margins.
    explicit RecordingSurface(const QSizeF& pageSize = QSizeF(20, 29));
    ~RecordingSurface() override;

    PageExtent pageExtent() const override { return PageExtent::fromCm(m_pageSize); }

    QList<PrintPage> pages() const { return m_pages; }
    // Every item of every page, in drawing order.
    PrintPage items() const;
    // The texts drawn, in drawing order.
    QStringList texts() const;
    bool ended() const { return m_ended; }
    bool aborted() const { return m_aborted; }
    QPageSize::PageSizeId paper() const { return m_paper.id(); }
    QPageSize paperSize() const { return m_paper; }
    QPageLayout::Orientation orientation() const { return m_orientation; }

protected:
    bool applyPage(const QPageSize& paper, QPageLayout::Orientation orientation) override;
    void beginPage(int index) override;
    void draw(const PrintItem& item) override;
    bool finish() override;
    void discard() override;

private:
    QSizeF m_pageSize;
    QPageSize m_paper = QPageSize(QPageSize::A4);
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QList<PrintPage> m_pages;
    bool m_ended = false;
    bool m_aborted = false;
};
