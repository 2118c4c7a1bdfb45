#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <functional>
#include <vector>

// Sorting a snapshot's rows in memory by one text column in the Spanish order, as SQLite's own sorter
// orders them after a scan: NULLs first (last when descending), equal texts in the order the scan met
// them. Each row's sort key is cut to a few bytes, so most rows are told apart by two integers; rows
// still level are told apart by the next bytes of their keys, on several threads at once.
namespace ColumnSort {

// The rows' texts, read from several threads at once.
struct Texts
{
    // The text of stored row `row`, and whether it is NULL.
    std::function<QByteArrayView(size_t row, bool* isNull)> of;
    // Asks for a row that will soon be read.
    std::function<void(size_t row)> prefetch;
};

// Sorts the stored rows; `scanRank` gives each stored row's place in the scan (empty: as stored). The
// rows in order are then written into the vector `target` returns, called once nothing but that vector's
// own growth can fail, so that the order it held is given up only then.
void sort(size_t rows, const Texts& texts, const std::vector<quint32>& scanRank, bool descending,
    const std::function<std::vector<quint32>&()>& target);

} // namespace ColumnSort
