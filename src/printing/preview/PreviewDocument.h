#pragma once

#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <QString>

class PrintSurface;
class QWidget;

// Which page a document is asked to draw, and where it goes.
struct PreviewPage
{
    // Record position (from 1) of the first record on the page; 1 is the start of the document.
    int start = 1;
    // The page's number for its label: the page shown in the preview, or the count when printing.
    int number = 1;
    // True when the page goes to the printer, false when it is shown in the preview.
    bool printing = false;
};

// Another paper the preview could lay the document out on, and how to advise it ("el A3").
struct PaperOption
{
    QString advice;
    QSizeF pageCm;
};

// The A4 and A3 sheets, upright and landscape, other than the one `current` lays out, each with the
// page area it gives with the same margins.
QList<PaperOption> otherPapers(const QPageLayout& current);

// One printed output (the company listing, a sheet of labels, envelopes) as the print preview
// shows and prints it. The preview asks for one page at a time, on the preview page or on the
// printer; the same drawPage() serves both, so what is printed is what was shown.
class PreviewDocument
{
public:
    virtual ~PreviewDocument() = default;

    // Draws one page, beginning at record `page.start`, on `surface`, whose pageSize() is the page
    // area in centimetres; only text(), picture() and line() are called, never newPage() or end().
    // Returns the record position at which the next page begins, or 0 when no record is left.
    virtual int drawPage(PrintSurface& surface, const PreviewPage& page) = 0;

    // Pages the whole document takes on a page area of `pageCm` centimetres; 0 when not known
    // before it is drawn. Used for the progress of a print ("page n of N").
    virtual int pageCount(const QSizeF& pageCm) const
    {
        Q_UNUSED(pageCm);
        return 0;
    }

    // The record at which page `number` (from 1) of the printed document begins on a page area of
    // `pageCm`; 0 past the last page. The default draws the pages before it to find out.
    virtual int pageStart(int number, const QSizeF& pageCm);

    // The record at which the preview opens (envelopes: the company of the guide's current row).
    virtual int firstStart() const { return 1; }

    // The page the preview shows when it is not the printed sheet's page area (an envelope, printed
    // on an A4 sheet), in centimetres; empty when the preview shows the sheet's page area.
    virtual QSizeF previewPage() const { return QSizeF(); }

    // What the preview says once about the document laid out on a page area of `pageCm` centimetres
    // (chosen columns that do not fit across it), advising only those of `others` that would help;
    // empty when there is nothing to say.
    virtual QString notice(const QSizeF& pageCm, const QList<PaperOption>& others) const
    {
        Q_UNUSED(pageCm);
        Q_UNUSED(others);
        return QString();
    }

    // The configure button: runs the document's settings dialog; true when the user accepted new
    // settings, after which the preview lays out again from the first page.
    virtual bool configure(QWidget* parent)
    {
        Q_UNUSED(parent);
        return false;
    }
};
