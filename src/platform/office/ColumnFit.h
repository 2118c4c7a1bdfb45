#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// Widths of a table's columns from what they hold, for a page of a given width: each column gets room
// for its titles' words and nearly all of its words (all of them in a column of short values), so that a
// word does not break inside; what the page has left goes to the columns whose text would otherwise wrap
// most, never to a column of codes (kept on one line, no wider). Short of room, the columns of longer
// text give theirs down to their titles' words. Text is measured with
// Arial's advance widths (Liberation Sans has the same ones), titles in bold.
class ColumnFit
{
public:
    explicit ColumnFit(const QStringList& titles);

    // The column holds codes (phone numbers, postal codes, tax ids): each is kept on one line, and the
    // column takes no more room than that.
    void keepOnOneLine(qsizetype column);

    void addRow(const QStringList& cells);

    struct Fit
    {
        int halfPoints = 0; // type size of the table
        QList<int> widths; // twips, padding included; they add up to the width given
    };

    // The first of `halfPointSizes` (largest first) at which the words fit in `width` twips with some
    // room to spare; `padding` is what a cell takes beside its text (margins and rule), in twips.
    Fit fit(int width, int padding, const QList<int>& halfPointSizes) const;

    // The advance width of `text` on one line, in thousandths of an em.
    static int advance(QStringView text, bool bold);

private:
    // Counts of widths in steps of kStep thousandths of an em.
    class Histogram
    {
    public:
        void add(int width);
        // The width that `share` (0 to 1) of the counted ones do not exceed.
        int percentile(double share) const;

    private:
        std::vector<quint32> m_counts;
        quint64 m_total = 0;
    };

    // Widths from `widths` up to `whole` (every word whole), then towards `wanted` (the usual text on
    // one line), adding up to `width`.
    // Room left once every column has what it wants goes to the columns that `grows`.
    static Fit spread(std::vector<double> widths, const std::vector<double>& whole,
        const std::vector<double>& wanted, const std::vector<bool>& grows, int width, int padding);

    struct Column
    {
        int titleWord = 0; // the widest word of the title
        int widestWord = 0;
        bool oneLine = false;
        int widestCode = 0; // the widest line short enough to be a code
        int cells = 0; // that are not empty
        int fewWords = 0; // cells of a word or two
        Histogram words; // the widest word of each cell
        Histogram lines; // the widest line of each cell
    };

    std::vector<Column> m_columns;
};
