#pragma once

#include <QRgb>
#include <QtGlobal>
#include <cstddef>
#include <vector>

// The marker column's colours, one per row, 0 standing for "not set". The rows of a large grid
// share a handful of colours, so each row keeps a one-byte index into a small palette; only past
// 255 distinct colours does every row keep its colour itself.
class MarkerColors
{
public:
    size_t size() const { return m_isWide ? m_wide.size() : m_indices.size(); }
    bool empty() const { return size() == 0; }

    // 0 for a row never set or beyond the end.
    QRgb at(size_t row) const;
    // `row` must lie below size().
    void set(size_t row, QRgb color);
    // New rows start not set.
    void resize(size_t rows);
    // Forgets every row and gives the storage back.
    void release();

private:
    // 0 when the colour is not in the palette and the palette is full.
    quint8 indexOf(QRgb color);
    void widen();

    std::vector<quint8> m_indices; // [row]: 0 = not set, else m_palette[index - 1]
    std::vector<QRgb> m_palette;
    std::vector<QRgb> m_wide; // [row], once the palette is full; m_indices is then empty
    quint8 m_lastIndex = 0; // the index found last, tried first
    bool m_isWide = false;
};
