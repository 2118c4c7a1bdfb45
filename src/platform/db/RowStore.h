#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

// The rows of a snapshot in compact storage: every cell as a short length tag followed by its text,
// one row after another in large blocks (so growing never copies what was read), and the values
// that repeat down a column (sectors, provinces, towns...) kept once and referred to.
class RowStore
{
public:
    // Cells that the first rows tell apart: a column with few distinct values there is shared.
    static constexpr int kSampleRows = 2048;

    RowStore() = default;
    RowStore(const RowStore&) = delete;
    RowStore& operator=(const RowStore&) = delete;
    RowStore(RowStore&&) noexcept = default;
    RowStore& operator=(RowStore&&) noexcept = default;

    // `initialsColumn`: the column whose first letters are gathered as the rows are written (-1 none).
    void reset(int columns, qint64 expectedRows, int initialsColumn = -1);
    void clear();
    // Takes over the rows of `other` (same columns, left empty) after the rows held here, as they
    // lie: nothing is copied.
    void append(RowStore&& other);

    // A row is the cells of its columns in order; a null `text` is a NULL. A store whose rows come
    // from a table keeps each row's key beside it: every row is begun with one, or none is.
    void beginRow();
    void beginRow(qint64 key);
    void appendCell(const char* text, int bytes);
    void endRow();

    // A value of `column` that SQLite holds as other than text (a number, a blob): the texts kept of
    // it do not tell its order.
    void markNotText(int column);
    bool allText(int column) const;

    qsizetype rowCount() const { return m_rowCount; }
    bool hasKeys() const { return m_keyed; }
    qint64 key(size_t row) const;
    bool keysAscending() const;
    int columnCount() const { return m_columns; }
    // The text of a cell (empty for a NULL) and whether it is NULL.
    QByteArrayView text(size_t row, int column, bool* isNull = nullptr) const;
    // Asks for a row's cells ahead of reading them, for readers that go through the rows out of order.
    void prefetch(size_t row) const;

    qint64 memoryBytes() const;

    // The first letter of the initials column in every row written, by row; handed over once read.
    std::vector<char> takeInitials() { return std::exchange(m_initials, {}); }
    // A cell's first letter as a search by first letters compares it: ASCII folded to lower case,
    // 0x7F for any other start (a letter beyond ASCII, an empty text), 0 for a NULL.
    static char initialOf(QByteArrayView text, bool isNull);

private:
    // The values kept once for a column, found by an open-addressing table of (hash, id + 1).
    struct Shared
    {
        std::vector<std::pair<quint32, quint32>> table;
        std::vector<std::string_view> values;
        bool enabled = true;
        qint64 sampleBytes = 0; // text seen in the first rows
    };
    // Rows written by one store: where each starts, and the values they share.
    struct Segment
    {
        size_t firstRow = 0;
        std::vector<const char*> rows;
        std::vector<qint64> keys; // empty when the rows have none
        std::vector<Shared> shared;
    };
    const Segment& segmentOf(size_t row) const;
    static std::pair<quint32, quint32>* find(Shared& shared, std::string_view value, quint32 hash);
    static void grow(Shared& shared);

    char* reserve(size_t bytes);
    std::string_view store(const char* text, size_t bytes);
    void putTag(quint64 tag);
    void decideSharing();

    int m_columns = 0;
    int m_column = 0; // the next cell's column while a row is written
    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::vector<size_t> m_blockSizes;
    size_t m_used = 0; // bytes used of the last block
    size_t m_written = 0; // bytes used of all blocks
    qsizetype m_rowCount = 0;
    bool m_keyed = false;
    std::vector<char> m_notText; // by column
    std::vector<Segment> m_segments; // rows are written to the last one
    int m_initialsColumn = -1;
    std::vector<char> m_initials;
    // The row being written, kept aside until endRow so a row never spans two blocks.
    std::vector<char> m_row;
};
