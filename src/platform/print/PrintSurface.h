#pragma once

#include "platform/print/Length.h"
#include "platform/print/PrintItem.h"

#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>

// Where the layout routines draw: the printer, the preview's page, or a recording for tests. Places
// are measured from the top-left corner of the page area; a text is placed by the top-left corner of
// its first line. A page begins only when something is drawn on it, so asking for a new page after
// the last item leaves no blank page. After end() or abort() nothing more is drawn.
class PrintSurface
{
public:
    virtual ~PrintSurface();
    PrintSurface(const PrintSurface&) = delete;
    PrintSurface& operator=(const PrintSurface&) = delete;

    // Lines of `text` separated by '\n' start one under the other at the same left edge, a
    // linePitch() apart.
    void text(const PagePoint& at, const QString& text, const PrintFont& font);
    // At the picture's own size (its resolution, 96 dots per inch when it has none).
    void picture(const PagePoint& at, const QImage& picture);
    void line(const PagePoint& from, const PagePoint& to);
    // The same, with the places in centimetres.
    void text(const QPointF& atCm, const QString& text, const PrintFont& font);
    void picture(const QPointF& atCm, const QImage& picture);
    void line(const QPointF& fromCm, const QPointF& toCm);
    // The next item goes on a new page; nothing happens until then.
    void newPage();
    // Ends the document and outputs it; false when it could not be output.
    bool end();
    // Abandons the document: nothing of it is output.
    void abort();

    // Pages that have something on them.
    int pageCount() const { return m_pages; }
    bool isFinished() const { return m_finished; }

    // The page area.
    virtual PageExtent pageExtent() const = 0;
    // The page area in centimetres.
    QSizeF pageSize() const { return pageExtent().toCm(); }
    // Paper and orientation of the pages to come; false when the surface refuses them. The paper is
    // a standard one or any other size (see paper()).
    bool setPage(const QPageSize& paper, QPageLayout::Orientation orientation);
    bool setPage(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation);
    // A sheet of any size, as an envelope is: `width` across and `height` down when upright.
    static QPageSize paper(Length width, Length height);

    // Text is laid out at this resolution, the paper's, on every surface: fitted and wrapped by its
    // measures, and drawn by them scaled to the device's, so a line ends on screen where it ends on paper.
    static constexpr int kLayoutDpi = 1200;

    // One line of text as this surface lays it out.
    virtual PageExtent textExtent(const QString& text, const PrintFont& font) const;
    // One line of text as every surface measures it unless it has a measure of its own.
    static PageExtent measure(const QString& text, const PrintFont& font);
    // The same in centimetres.
    QSizeF textSize(const QString& text, const PrintFont& font) const
    {
        return textExtent(text, font).toCm();
    }
    // The distance from one line of text to the next: the same on every surface, so that a text of
    // several lines has one pitch on screen and on paper.
    static Length lineSpacing(const PrintFont& font);
    // From one line of a text of several lines to the next: 0.04 cm a point of the font's size (0.4 cm
    // at 10 points), on every surface, whatever the font's own spacing.
    static Length linePitch(const PrintFont& font);
    // How high a text of `lines` lines stands: its pitches, then the last line's own spacing.
    static Length textHeight(qsizetype lines, const PrintFont& font);
    // From the top of a line of text to its baseline, likewise the same on every surface.
    static Length ascent(const PrintFont& font);
    // The same in centimetres.
    double lineHeight(const PrintFont& font) const { return lineSpacing(font).toCm(); }

    static QSizeF pictureSize(const QImage& picture);

protected:
    PrintSurface() = default;

    virtual bool applyPage(const QPageSize& paper, QPageLayout::Orientation orientation) = 0;
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
