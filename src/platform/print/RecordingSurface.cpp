#include "platform/print/RecordingSurface.h"

#include <QStringList>

namespace {
// What a printer usually cannot reach: half a centimetre at each side, 3.5 mm at top and bottom.
const QSizeF kUnprintable(1.0, 0.7);
} // namespace

RecordingSurface::RecordingSurface(const QSizeF& pageSize)
    : m_pageSize(pageSize)
{
}

RecordingSurface::~RecordingSurface() = default;

bool RecordingSurface::applyPage(const QPageSize& paper, QPageLayout::Orientation orientation)
{
    m_paper = paper;
    m_orientation = orientation;
    QSizeF sheet = paper.size(QPageSize::Millimeter) / 10.0;
    if (orientation == QPageLayout::Landscape)
        sheet.transpose();
    m_pageSize = sheet - kUnprintable;
    return true;
}

PrintPage RecordingSurface::items() const
{
    PrintPage all;
    for (const PrintPage& page : m_pages)
        all.append(page);
    return all;
}

QStringList RecordingSurface::texts() const
{
    QStringList list;
    for (const PrintPage& page : m_pages) {
        for (const PrintItem& item : page) {
            if (item.kind == PrintItem::Kind::Text)
                list.append(item.text);
        }
    }
    return list;
}

void RecordingSurface::beginPage(int /*index*/)
{
    m_pages.append(PrintPage());
}

void RecordingSurface::draw(const PrintItem& item)
{
    m_pages.last().append(item);
}

bool RecordingSurface::finish()
{
    m_ended = true;
    return true;
}

void RecordingSurface::discard()
{
    m_aborted = true;
}
