#include "platform/office/ColumnFit.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

namespace {

constexpr int kStep = 25; // thousandths of an em per step of a histogram
constexpr int kSteps = 4000; // wider text counts as 100 em

// Shares of the cells of a column whose words stay whole, and that are wanted on one line.
constexpr double kWholeWords = 0.99;
constexpr double kOneLine = 0.90;
// Room for the word processors' own rounding, in percent.
constexpr int kRoom = 103;
// A longer line in a column of codes is no code (two numbers, a note): it may wrap.
constexpr int kLongestCode = 10000;

// Arial's advance widths, in thousandths of an em, of the characters 32 to 126.
constexpr short kRegular[95] = {278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278,
    278, 556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722,
    722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833,
    556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};
constexpr short kBold[95] = {278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611, 975, 722, 722, 722, 722,
    667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667, 667,
    611, 333, 278, 333, 584, 556, 333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611,
    611, 611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584};

int charAdvance(QChar c, bool bold)
{
    const short* table = bold ? kBold : kRegular;
    char16_t code = c.unicode();
    // An accented letter is as wide as its base letter.
    if ((code < 32 || code > 126) && c.decompositionTag() != QChar::NoDecomposition)
        code = c.decomposition().front().unicode();
    return code >= 32 && code <= 126 ? table[code - 32] : 556;
}

struct Extent
{
    int word = 0;
    int line = 0;
    int words = 0; // parted by blanks
};

// The widest word and the widest line of a text; lines break at blanks and after hyphens.
Extent measure(QStringView text, bool bold)
{
    Extent extent;
    int word = 0;
    int line = 0;
    bool inWord = false;
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r') {
            extent.word = std::max(extent.word, word);
            extent.line = std::max(extent.line, line);
            word = line = 0;
            inWord = false;
            continue;
        }
        const int width = charAdvance(c, bold);
        line += width;
        if (c.isSpace()) {
            extent.word = std::max(extent.word, word);
            word = 0;
            inWord = false;
            continue;
        }
        extent.words += inWord ? 0 : 1;
        inWord = true;
        word += width;
        if (c == u'-') {
            extent.word = std::max(extent.word, word);
            word = 0;
        }
    }
    extent.word = std::max(extent.word, word);
    extent.line = std::max(extent.line, line);
    return extent;
}

} // namespace

void ColumnFit::Histogram::add(int width)
{
    if (m_counts.empty())
        m_counts.assign(kSteps, 0);
    ++m_counts[size_t(std::clamp(width / kStep, 0, kSteps - 1))];
    ++m_total;
}

int ColumnFit::Histogram::percentile(double share) const
{
    const auto wanted = quint64(std::ceil(share * double(m_total)));
    quint64 counted = 0;
    for (size_t step = 0; step < m_counts.size(); ++step) {
        counted += m_counts[step];
        if (counted >= wanted && counted > 0)
            return int(step + 1) * kStep;
    }
    return 0;
}

ColumnFit::ColumnFit(const QStringList& titles)
    : m_columns(size_t(titles.size()))
{
    for (qsizetype i = 0; i < titles.size(); ++i)
        m_columns[size_t(i)].titleWord = measure(titles.at(i), true).word;
}

void ColumnFit::keepOnOneLine(qsizetype column)
{
    if (column >= 0 && size_t(column) < m_columns.size())
        m_columns[size_t(column)].oneLine = true;
}

void ColumnFit::addRow(const QStringList& cells)
{
    const size_t count = std::min(m_columns.size(), size_t(cells.size()));
    for (size_t i = 0; i < count; ++i) {
        if (cells.at(qsizetype(i)).isEmpty())
            continue;
        const Extent extent = measure(cells.at(qsizetype(i)), false);
        m_columns[i].words.add(extent.word);
        m_columns[i].widestWord = std::max(m_columns[i].widestWord, extent.word);
        m_columns[i].lines.add(extent.line);
        ++m_columns[i].cells;
        m_columns[i].fewWords += extent.words <= 2 ? 1 : 0;
        if (extent.line <= kLongestCode)
            m_columns[i].widestCode = std::max(m_columns[i].widestCode, extent.line);
    }
}

int ColumnFit::advance(QStringView text, bool bold)
{
    return measure(text, bold).line;
}

ColumnFit::Fit ColumnFit::fit(int width, int padding, const QList<int>& halfPointSizes) const
{
    Fit result;
    const size_t n = m_columns.size();
    if (n == 0 || halfPointSizes.isEmpty())
        return result;
    // Words wider than a tenth of the line are addresses (mail, web): those columns may break them.
    const double longWord = width / 10.0;
    const double longColumn = width / 20.0;
    std::vector<double> minimum(n);
    std::vector<double> least(n);
    std::vector<double> whole(n);
    std::vector<double> wanted(n);
    std::vector<bool> grows(n);
    for (size_t i = 0; i < n; ++i)
        grows[i] = !m_columns[i].oneLine;
    std::optional<Fit> fitting;
    for (const int size : halfPointSizes) {
        // An em is ten twips per half point.
        const double twips = size * 10.0 / 1000.0 * kRoom / 100.0;
        double needed = 0;
        for (size_t i = 0; i < n; ++i) {
            const Column& column = m_columns[i];
            const double word
                = std::max(column.titleWord, column.words.percentile(kWholeWords)) * twips + padding;
            // A title may take two lines: its words are what it needs.
            const double line
                = std::max(column.titleWord, column.lines.percentile(kOneLine)) * twips + padding;
            least[i] = word > longWord ? longColumn : word;
            // Room for every word of the column, where the rare widest ones are not addresses.
            const double widest = std::max(column.titleWord, column.widestWord) * twips + padding;
            whole[i] = word > longWord || widest > longWord ? least[i] : widest;
            wanted[i] = std::max({line, whole[i], least[i]});
            // Half the values or more a word or two (a sector, a town, a number; not a name, an address): no
            // word breaks.
            const bool shortValues = word <= longWord && column.fewWords * 2 >= column.cells;
            if (shortValues)
                least[i] = whole[i];
            if (column.oneLine) {
                // A code on one line, its title's words whole.
                least[i] = whole[i] = wanted[i]
                    = std::max(column.titleWord, column.widestCode) * twips + padding;
            }
            // Short of room, the columns whose text wraps at blanks give theirs down to their title's words.
            minimum[i] = column.oneLine || shortValues
                ? least[i]
                : std::min(least[i], column.titleWord * twips + padding);
            needed += least[i];
        }
        if (needed > width)
            continue;
        fitting = spread(least, whole, wanted, grows, width, padding);
        fitting->halfPoints = size;
        // A smaller type is worth it while the words leave the columns too little room beyond them.
        if (width - needed >= width / 20)
            break;
    }
    if (fitting)
        return *fitting;
    // Even the smallest type is too wide: the columns whose text wraps at blanks give up what is missing,
    // each in proportion to what it has beyond its title's words.
    double missing = -width;
    double spare = 0;
    for (size_t i = 0; i < n; ++i) {
        missing += least[i];
        spare += least[i] - minimum[i];
    }
    if (missing <= spare) {
        for (size_t i = 0; i < n; ++i)
            least[i] -= (least[i] - minimum[i]) * missing / spare;
        Fit squeezed = spread(least, least, least, grows, width, padding);
        squeezed.halfPoints = halfPointSizes.constLast();
        return squeezed;
    }
    // Too narrow even for that: the codes keep their line and the other columns give up their share of
    // what is missing (all columns, when the codes alone fill the page).
    double codes = 0;
    double others = 0;
    for (size_t i = 0; i < n; ++i)
        (grows[i] ? others : codes) += minimum[i];
    const bool keepCodes = others > 0 && codes < width;
    for (size_t i = 0; i < n; ++i) {
        if (!keepCodes)
            minimum[i] *= width / (codes + others);
        else if (grows[i])
            minimum[i] *= (width - codes) / others;
    }
    Fit squeezed = spread(minimum, minimum, minimum, grows, width, padding);
    squeezed.halfPoints = halfPointSizes.constLast();
    return squeezed;
}

ColumnFit::Fit ColumnFit::spread(std::vector<double> widths, const std::vector<double>& whole,
    const std::vector<double>& wanted, const std::vector<bool>& grows, int width, int padding)
{
    double spare = width - std::accumulate(widths.begin(), widths.end(), 0.0);
    // First every word whole, the columns that need least for it first.
    std::vector<size_t> order(widths.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::sort(order.begin(), order.end(),
        [&](size_t a, size_t b) { return whole[a] - widths[a] < whole[b] - widths[b]; });
    for (const size_t i : order) {
        if (whole[i] - widths[i] <= spare) {
            spare -= std::max(0.0, whole[i] - widths[i]);
            widths[i] = std::max(widths[i], whole[i]);
        }
    }
    // A row is as tall as its cell of most lines: room goes, a step at a time, to the column whose
    // usual text would take most lines.
    const auto lines = [&](size_t i) { return (wanted[i] - padding) / std::max(1.0, widths[i] - padding); };
    constexpr double kStepTwips = 15;
    while (spare > 0) {
        size_t most = widths.size();
        for (size_t i = 0; i < widths.size(); ++i) {
            if (widths[i] < wanted[i] && (most == widths.size() || lines(i) > lines(most)))
                most = i;
        }
        if (most == widths.size())
            break;
        const double more = std::min({spare, kStepTwips, wanted[most] - widths[most]});
        widths[most] += more;
        spare -= more;
    }
    // Room beyond that goes to the columns that can use it, in proportion to their widths.
    const bool anyGrows = std::find(grows.begin(), grows.end(), true) != grows.end();
    double total = 0;
    for (size_t i = 0; i < widths.size(); ++i)
        total += grows[i] || !anyGrows ? widths[i] : 0;
    Fit result;
    int sum = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        const double share = (grows[i] || !anyGrows) && total > 0 ? spare * widths[i] / total : 0;
        result.widths.append(int(widths[i] + share));
        sum += result.widths.constLast();
    }
    // What rounding left goes to the widest column.
    const auto widest = std::max_element(result.widths.begin(), result.widths.end());
    *widest += width - sum;
    return result;
}
