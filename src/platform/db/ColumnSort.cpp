#include "platform/db/ColumnSort.h"

#include "platform/db/SpanishText.h"

#include <QThread>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <atomic>
#include <thread>

namespace ColumnSort {
namespace {

constexpr int kWindow = 12;
constexpr int kMostParts = 8;
// Fewer rows than this are sorted on one thread: threads would not pay for themselves.
constexpr size_t kRowsInParts = size_t(1) << 15;
// Windows beyond this one are not filled: the rows still level are compared text against text.
constexpr int kDeepestLevel = 16;
// Rows are asked for this far ahead of their reading.
constexpr int kAhead = 8;
// In `row`: the row's key ended inside the window it holds, so rows level with it are equal.
constexpr quint32 kKeyEnded = 0x80000000u;

// One row: a window of its key as two integers, and its stored row.
struct Item
{
    quint64 high;
    quint32 low;
    quint32 row;
};

inline bool sameKey(const Item& a, const Item& b)
{
    return a.high == b.high && a.low == b.low;
}

inline quint32 rowOf(const Item& item)
{
    return item.row & ~kKeyEnded;
}

// Runs work(part) for every part, each on a thread of its own but the first; on the caller alone the
// parts no thread could be had for. One part takes no thread and allocates nothing.
template<typename Work> void forEachPart(int parts, const Work& work)
{
    if (parts < 2) {
        work(0);
        return;
    }
    std::vector<std::thread> threads;
    int started = 1;
    try {
        threads.reserve(size_t(parts));
        for (; started < parts; ++started)
            threads.emplace_back(work, started);
    } catch (const std::exception&) {
    }
    work(0);
    for (int part = started; part < parts; ++part)
        work(part);
    for (std::thread& t : threads)
        t.join();
}

class Sorter
{
public:
    Sorter(const Texts& texts, const std::vector<quint32>& scanRank, bool descending)
        : m_texts(texts)
        , m_scanRank(scanRank.empty() ? nullptr : scanRank.data())
        , m_descending(descending)
    {
    }

    // Puts the rows in order by their keys from window `level` on: each filled (unless it is already),
    // all sorted, and the runs still level told apart by their next windows; a large run on every thread.
    void sortFrom(Item* first, Item* last, int level, int parts, bool filled = false) const
    {
        if (level > kDeepestLevel) {
            sortByText(first, last);
            return;
        }
        const auto count = size_t(last - first);
        if (count < kRowsInParts)
            parts = 1;
        if (!filled) {
            forEachPart(parts, [&](int part) {
                Item* const end = first + count * size_t(part + 1) / size_t(parts);
                for (Item* it = first + count * size_t(part) / size_t(parts); it < end; ++it) {
                    if (end - it > kAhead)
                        m_texts.prefetch(rowOf(*(it + kAhead)));
                    bool isNull = false;
                    const QByteArrayView text = m_texts.of(rowOf(*it), &isNull);
                    fill(*it, level, text, isNull);
                }
            });
        }
        sortInParts(first, last, parts);
        if (parts == 1) {
            sortRuns(first, last, level, nullptr);
            return;
        }
        // Many more pieces than threads, taken in turn, so that a thread with long runs holds up none;
        // each ends where a run ends, so that no run is split.
        const int pieces = parts * 16;
        std::vector<Item*> bounds {first};
        for (int piece = 1; piece < pieces; ++piece) {
            Item* at = std::max(bounds.back(), first + count * size_t(piece) / size_t(pieces));
            while (at > first && at < last && sameKey(*at, *(at - 1)))
                ++at;
            bounds.push_back(at);
        }
        bounds.push_back(last);
        std::vector<std::vector<Run>> large(static_cast<size_t>(pieces));
        for (auto& runs : large)
            runs.reserve(16);
        std::atomic<int> next = 0;
        forEachPart(parts, [&](int) {
            for (int piece = next++; piece < pieces; piece = next++)
                sortRuns(bounds[size_t(piece)], bounds[size_t(piece) + 1], level, &large[size_t(piece)]);
        });
        for (const auto& runs : large) {
            for (const Run& run : runs) {
                const Run refined = refine(run.first, run.last, run.level, parts);
                if (refined.level >= 0)
                    sortFrom(refined.first, refined.last, refined.level, parts, refined.filled);
            }
        }
    }

private:
    // Rows level up to a window, to be told apart from `level` on (none when their texts are equal).
    struct Run
    {
        Item* first;
        Item* last;
        int level;
        bool filled;
    };

    // By key window, then by place in the scan.
    bool before(const Item& a, const Item& b) const
    {
        if (a.high != b.high)
            return a.high < b.high;
        if (a.low != b.low)
            return a.low < b.low;
        return tie(a) < tie(b);
    }

    // Rows level past the deepest window (long texts alike but for case or accents) are compared text
    // against text, as SQLite compares them: no window is decoded ever further from the start.
    void sortByText(Item* first, Item* last) const
    {
        std::sort(first, last, [this](const Item& a, const Item& b) {
            bool isNull = false;
            const int c = SpanishText::compare(m_texts.of(rowOf(a), &isNull), m_texts.of(rowOf(b), &isNull));
            if (c != 0)
                return m_descending ? c > 0 : c < 0;
            return tie(a) < tie(b);
        });
    }

    quint32 tie(const Item& item) const { return m_scanRank ? m_scanRank[rowOf(item)] : rowOf(item); }

    // The window of a key at `level` (bytes 12 * level on); a NULL's is all zeros, below any text's.
    void fill(Item& item, int level, QByteArrayView text, bool isNull) const
    {
        unsigned char window[kWindow] = {};
        const bool ended = isNull || SpanishText::sortKey(text, qsizetype(level) * kWindow, window, kWindow);
        item.high = qFromBigEndian<quint64>(window);
        item.low = qFromBigEndian<quint32>(window + 8);
        if (m_descending) {
            item.high = ~item.high;
            item.low = ~item.low;
        }
        item.row = rowOf(item) | (ended ? kKeyEnded : 0);
    }

    // The runs of rows still level at `level`, each put in order here, or kept in `large` (while it has
    // room) for every thread to share.
    void sortRuns(Item* first, Item* last, int level, std::vector<Run>* large) const
    {
        for (Item* run = first; run < last;) {
            Item* end = run + 1;
            while (end < last && sameKey(*end, *run))
                ++end;
            if (end - run > 1 && !(run->row & kKeyEnded)) {
                if (large && size_t(end - run) >= kRowsInParts && large->size() < large->capacity()) {
                    large->push_back({run, end, level, false});
                } else {
                    const Run refined = refine(run, end, level, 1);
                    if (refined.level >= 0)
                        sortFrom(refined.first, refined.last, refined.level, 1, refined.filled);
                }
            }
            run = end;
        }
    }

    // Reads the texts of rows level at `level` once: their next windows, and the bytes they all begin
    // with, past which the windows worth filling start. Equal texts (most often the very same bytes) need
    // nothing more: they keep the scan's order.
    Run refine(Item* first, Item* last, int level, int parts) const
    {
        const auto count = size_t(last - first);
        bool isNull = false;
        const QByteArrayView text = m_texts.of(rowOf(*first), &isNull);
        std::array<qsizetype, kMostParts> common;
        std::array<bool, kMostParts> equal;
        forEachPart(parts, [&](int part) {
            qsizetype shared = text.size();
            bool same = true;
            Item* const end = first + count * size_t(part + 1) / size_t(parts);
            for (Item* it = first + count * size_t(part) / size_t(parts); it < end; ++it) {
                if (end - it > kAhead)
                    m_texts.prefetch(rowOf(*(it + kAhead)));
                bool null = false;
                const QByteArrayView other = m_texts.of(rowOf(*it), &null);
                fill(*it, level + 1, other, null);
                if (other == text)
                    continue;
                const auto length = std::min(shared, other.size());
                shared
                    = std::mismatch(text.begin(), text.begin() + length, other.begin()).first - text.begin();
                same = same && SpanishText::compare(other, text) == 0;
            }
            common[size_t(part)] = shared;
            equal[size_t(part)] = same;
        });
        if (std::all_of(equal.begin(), equal.begin() + parts, [](bool same) { return same; }))
            return {first, last, -1, true};
        const qsizetype shared = *std::min_element(common.begin(), common.begin() + parts);
        const int jump = int(SpanishText::sortKeyPrefix(text, shared) / kWindow);
        return jump > level + 1 ? Run {first, last, jump, false} : Run {first, last, level + 1, true};
    }

    // Sorts the rows in `parts` (a power of two): split around values of a sorted sample, then each piece
    // sorted on a thread of its own; no second array is needed.
    void sortInParts(Item* first, Item* last, int parts) const
    {
        const auto before = [this](const Item& a, const Item& b) { return this->before(a, b); };
        if (parts < 2) {
            std::sort(first, last, before);
            return;
        }
        std::vector<Item> sample;
        const auto count = size_t(last - first);
        const size_t step = std::max<size_t>(1, count / (size_t(parts) * 64));
        for (size_t i = 0; i < count; i += step)
            sample.push_back(first[i]);
        std::sort(sample.begin(), sample.end(), before);
        std::vector<Item*> cuts(size_t(parts) + 1);
        cuts.front() = first;
        cuts.back() = last;
        for (int pieces = 1; pieces < parts; pieces *= 2) {
            const int width = parts / pieces;
            forEachPart(pieces, [&](int piece) {
                const int lo = piece * width;
                const int mid = lo + width / 2;
                const Item splitter = sample[sample.size() * size_t(mid) / size_t(parts)];
                cuts[size_t(mid)] = std::partition(cuts[size_t(lo)], cuts[size_t(lo + width)],
                    [&](const Item& item) { return before(item, splitter); });
            });
        }
        forEachPart(parts, [&](int part) { std::sort(cuts[size_t(part)], cuts[size_t(part) + 1], before); });
    }

    const Texts& m_texts;
    const quint32* m_scanRank;
    bool m_descending;
};

} // namespace

void sort(size_t rows, const Texts& texts, const std::vector<quint32>& scanRank, bool descending,
    const std::function<std::vector<quint32>&()>& target)
{
    int parts = 1;
    while (parts * 2 <= std::min(QThread::idealThreadCount(), kMostParts))
        parts *= 2;
    const Sorter sorter(texts, scanRank, descending);
    std::vector<Item> items(rows);
    for (size_t i = 0; i < rows; ++i)
        items[i].row = quint32(i);
    sorter.sortFrom(items.data(), items.data() + rows, 0, parts);
    std::vector<quint32>& order = target();
    order.resize(rows);
    for (size_t i = 0; i < rows; ++i)
        order[i] = rowOf(items[i]);
}

} // namespace ColumnSort
