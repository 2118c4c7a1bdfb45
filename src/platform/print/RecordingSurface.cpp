#include "platform/print/RecordingSurface.h"

#include "platform/print/Printers.h"

#include <QStringList>

RecordingSurface::RecordingSurface(const QSizeF& pageSize)
    : m_pageSize(pageSize)
{
}

RecordingSurface::~RecordingSurface() = default;

bool RecordingSurface::applyPage(const QPageSize& paper, QPageLayout::Orientation orientation)
{
    m_paper = paper;
    m_orientation = orientation;
    m_pageSize = Printers::pdfPageArea(paper, orientation);
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
