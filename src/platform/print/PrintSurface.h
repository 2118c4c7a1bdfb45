#pragma once

#include "platform/print/PrintItem.h"

#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>

// Where the layout routines draw: the printer, the preview's page, or a recording for tests. Lengths
// are in centimetres from the top-left corner of the page area; a text is placed by the top-left corner
// of its first line. A page begins only when something is drawn on it, so asking for a new page after
// the last item leaves no blank page. After end() or abort() nothing more is drawn.
class PrintSurface
{
public:
    virtual ~PrintSurface();
    PrintSurface(const PrintSurface&) = delete;
    PrintSurface& operator=(const PrintSurface&) = delete;

    // Lines of `text` separated by '\n' start one under the other at the same left edge.
    void text(const QPointF& at, const QString& text, const PrintFont& font);
    // At the picture's own size (its resolution, 96 dots per inch when it has none).
    void picture(const QPointF& at, const QImage& picture);
    void line(const QPointF& from, const QPointF& to);
    // The next item goes on a new page; nothing happens until then.
    void newPage();
    // Ends the document and outputs it; false when it could not be output.
    bool end();
    // Abandons the document: nothing of it is output.
    void abort();

    // Pages that have something on them.
    int pageCount() const { return m_pages; }
    bool isFinished() const { return m_finished; }

    // The page area in centimetres.
    virtual QSizeF pageSize() const = 0;
    // Paper and orientation of the pages to come; false when the surface refuses them.
    virtual bool setPage(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation) = 0;

    // One line of text as this surface lays it out, in centimetres.
    virtual QSizeF textSize(const QString& text, const PrintFont& font) const;
    // The distance from one line of text to the next.
    virtual double lineHeight(const PrintFont& font) const;

    static QSizeF pictureSize(const QImage& picture);

protected:
    PrintSurface() = default;

    // Called before the first item of each page; pages count from 0.
    virtual void beginPage(int index) = 0;
    virtual void draw(const PrintItem& item) = 0;
    virtual bool finish() = 0;
    virtual void discard() = 0;

private:
    bool prepare();

    int m_pages = 0;
    bool m_pageWanted = false;
    bool m_finished = false;
};
