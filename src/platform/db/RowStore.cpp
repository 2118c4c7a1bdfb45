#include "platform/db/RowStore.h"

#include <QHashFunctions>
#include <algorithm>
#include <cstring>

namespace {

// Blocks grow from small to large, so a few rows take little; kept at a megabyte, so that a store
// read in parts leaves little unused at the end of each.
constexpr size_t kFirstBlock = size_t(64) << 10;
constexpr size_t kLargestBlock = size_t(1) << 20;
// A shared column stops taking new values past this many; the ones it has stay shared.
constexpr size_t kMaxShared = 4096;

// Tag of a cell: 0 NULL; odd a shared value (id << 1 | 1); even text of (tag >> 1) - 1 bytes.
inline quint64 readTag(const char*& p)
{
    quint64 v = 0;
    int shift = 0;
    for (;;) {
        const auto b = static_cast<unsigned char>(*p++);
        v |= quint64(b & 0x7F) << shift;
        if (!(b & 0x80))
            return v;
        shift += 7;
    }
}

} // namespace

void RowStore::reset(int columns, qint64 expectedRows, int initialsColumn)
{
    clear();
    m_columns = columns;
    m_initialsColumn = initialsColumn >= 0 && initialsColumn < columns ? initialsColumn : -1;
    if (m_initialsColumn >= 0)
        m_initials.reserve(size_t(qMax<qint64>(expectedRows, 0)));
    m_notText.assign(size_t(columns), 0);
    m_segments.resize(1);
    m_segments.front().shared.resize(size_t(columns));
    for (Shared& shared : m_segments.front().shared)
        shared.table.assign(64, {0, 0});
    m_segments.front().rows.reserve(size_t(qMax<qint64>(expectedRows, 0)));
}

void RowStore::append(RowStore&& other)
{
    if (&other == this || other.m_segments.empty())
        return;
    if (m_segments.empty()) {
        *this = std::move(other);
        other.clear();
        return;
    }
    Q_ASSERT(other.m_columns == m_columns && other.m_initialsColumn == m_initialsColumn);
    m_initials.reserve(m_initials.size() + other.m_initials.size());
    m_initials.insert(m_initials.end(), other.m_initials.begin(), other.m_initials.end());
    for (Segment& segment : other.m_segments) {
        segment.firstRow += size_t(m_rowCount);
        m_segments.push_back(std::move(segment));
    }
    for (auto& block : other.m_blocks)
        m_blocks.push_back(std::move(block));
    m_blockSizes.insert(m_blockSizes.end(), other.m_blockSizes.begin(), other.m_blockSizes.end());
    // Rows written from here on go on in the last block taken over.
    m_used = other.m_used;
    m_written += other.m_written;
    m_rowCount += other.m_rowCount;
    m_keyed = m_keyed || other.m_keyed;
    for (size_t c = 0; c < m_notText.size() && c < other.m_notText.size(); ++c)
        m_notText[c] = char(m_notText[c] | other.m_notText[c]);
    other.clear();
}

const RowStore::Segment& RowStore::segmentOf(size_t row) const
{
    if (m_segments.size() == 1)
        return m_segments.front();
    const auto after = std::upper_bound(m_segments.begin(), m_segments.end(), row,
        [](size_t r, const Segment& segment) { return r < segment.firstRow; });
    return *(after - 1);
}

void RowStore::clear()
{
    m_columns = 0;
    m_column = 0;
    m_blocks.clear();
    m_blockSizes.clear();
    m_used = 0;
    m_written = 0;
    m_rowCount = 0;
    m_keyed = false;
    m_notText.clear();
    m_segments.clear();
    m_row.clear();
    m_initialsColumn = -1;
    std::vector<char>().swap(m_initials);
}

void RowStore::markNotText(int column)
{
    if (column >= 0 && size_t(column) < m_notText.size())
        m_notText[size_t(column)] = 1;
}

bool RowStore::allText(int column) const
{
    return column >= 0 && size_t(column) < m_notText.size() && !m_notText[size_t(column)];
}

char* RowStore::reserve(size_t bytes)
{
    if (m_blocks.empty() || m_used + bytes > m_blockSizes.back()) {
        const size_t next
            = m_blockSizes.empty() ? kFirstBlock : std::min(m_blockSizes.back() * 2, kLargestBlock);
        const size_t size = std::max(next, bytes);
        // Not zeroed: what is never written is never touched, so it takes no memory.
        m_blocks.push_back(std::unique_ptr<char[]>(new char[size]));
        m_blockSizes.push_back(size);
        m_used = 0;
    }
    char* at = m_blocks.back().get() + m_used;
    m_used += bytes;
    m_written += bytes;
    return at;
}

std::string_view RowStore::store(const char* text, size_t bytes)
{
    char* at = reserve(bytes);
    std::memcpy(at, text, bytes);
    return {at, bytes};
}

void RowStore::putTag(quint64 tag)
{
    do {
        const auto b = static_cast<char>((tag & 0x7F) | (tag > 0x7F ? 0x80 : 0));
        m_row.push_back(b);
        tag >>= 7;
    } while (tag);
}

std::pair<quint32, quint32>* RowStore::find(Shared& shared, std::string_view value, quint32 hash)
{
    const size_t mask = shared.table.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        auto& slot = shared.table[i];
        if (slot.second == 0 || (slot.first == hash && shared.values[slot.second - 1] == value))
            return &slot;
    }
}

void RowStore::grow(Shared& shared)
{
    std::vector<std::pair<quint32, quint32>> old(shared.table.size() * 2, {0, 0});
    old.swap(shared.table);
    const size_t mask = shared.table.size() - 1;
    for (const auto& [h, id] : old) {
        if (!id)
            continue;
        size_t i = h & mask;
        while (shared.table[i].second)
            i = (i + 1) & mask;
        shared.table[i] = {h, id};
    }
}

void RowStore::beginRow()
{
    m_row.clear();
    m_column = 0;
}

void RowStore::beginRow(qint64 key)
{
    Segment& segment = m_segments.back();
    if (segment.keys.capacity() == 0)
        segment.keys.reserve(segment.rows.capacity());
    segment.keys.push_back(key);
    m_keyed = true;
    beginRow();
}

qint64 RowStore::key(size_t row) const
{
    const Segment& segment = segmentOf(row);
    return segment.keys[row - segment.firstRow];
}

bool RowStore::keysAscending() const
{
    if (!m_keyed)
        return false;
    bool first = true;
    qint64 last = 0;
    for (const Segment& segment : m_segments) {
        for (const qint64 key : segment.keys) {
            if (!first && key <= last)
                return false;
            first = false;
            last = key;
        }
    }
    return true;
}

char RowStore::initialOf(QByteArrayView text, bool isNull)
{
    if (isNull)
        return 0;
    const auto c = text.isEmpty() ? 0x80 : static_cast<unsigned char>(text.at(0));
    return c >= 0x80 ? 0x7F : char(c >= 'A' && c <= 'Z' ? c | 0x20 : c);
}

void RowStore::appendCell(const char* text, int bytes)
{
    if (m_column == m_initialsColumn)
        m_initials.push_back(initialOf(QByteArrayView(text, bytes), !text));
    Shared& shared = m_segments.back().shared[size_t(m_column++)];
    if (!text) {
        putTag(0);
        return;
    }
    if (shared.enabled) {
        shared.sampleBytes += bytes;
        const std::string_view value(text, size_t(bytes));
        const auto hash = quint32(qHashBits(text, size_t(bytes)));
        auto* slot = find(shared, value, hash);
        if (slot->second) {
            putTag((quint64(slot->second - 1) << 1) | 1);
            return;
        }
        if (shared.values.size() < kMaxShared) {
            const auto id = quint32(shared.values.size());
            shared.values.push_back(store(text, size_t(bytes)));
            *slot = {hash, id + 1};
            if (shared.values.size() * 2 > shared.table.size())
                grow(shared);
            putTag((quint64(id) << 1) | 1);
            return;
        }
    }
    putTag((quint64(bytes) + 1) << 1);
    m_row.insert(m_row.end(), text, text + bytes);
}

void RowStore::endRow()
{
    char* at = reserve(m_row.size());
    std::memcpy(at, m_row.data(), m_row.size());
    m_segments.back().rows.push_back(at);
    ++m_rowCount;
    if (m_segments.back().rows.size() == size_t(kSampleRows))
        decideSharing();
}

void RowStore::decideSharing()
{
    // A column whose first rows are mostly different, or whose values are short, is not worth
    // looking up for every cell.
    for (Shared& shared : m_segments.back().shared) {
        if (shared.values.size() > size_t(kSampleRows) / 8 || shared.sampleBytes < qint64(kSampleRows) * 6) {
            shared.enabled = false;
            std::vector<std::pair<quint32, quint32>>().swap(shared.table);
        }
    }
}

QByteArrayView RowStore::text(size_t row, int column, bool* isNull) const
{
    const Segment& segment = segmentOf(row);
    const char* p = segment.rows[row - segment.firstRow];
    quint64 tag = readTag(p);
    for (int c = 0; c < column; ++c) {
        if (tag && !(tag & 1))
            p += (tag >> 1) - 1;
        tag = readTag(p);
    }
    if (isNull)
        *isNull = tag == 0;
    if (tag == 0)
        return {};
    if (tag & 1) {
        const std::string_view v = segment.shared[size_t(column)].values[size_t(tag >> 1)];
        return QByteArrayView(v.data(), qsizetype(v.size()));
    }
    return QByteArrayView(p, qsizetype((tag >> 1) - 1));
}

void RowStore::prefetch(size_t row) const
{
    const Segment& segment = segmentOf(row);
    const char* p = segment.rows[row - segment.firstRow];
    __builtin_prefetch(p);
    __builtin_prefetch(p + 64);
}

qint64 RowStore::memoryBytes() const
{
    // The unwritten end of a block is never touched, so it takes no memory.
    qint64 bytes = qint64(m_written + m_initials.capacity());
    for (const Segment& segment : m_segments) {
        bytes += qint64(
            segment.rows.capacity() * sizeof(const char*) + segment.keys.capacity() * sizeof(qint64));
        for (const Shared& shared : segment.shared)
            bytes
                += qint64(shared.values.capacity() * sizeof(std::string_view) + shared.table.capacity() * 8);
    }
    return bytes;
}
