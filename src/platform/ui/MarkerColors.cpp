#include "platform/ui/MarkerColors.h"

#include <algorithm>

namespace {
constexpr size_t kPaletteSize = 255;
}

QRgb MarkerColors::at(size_t row) const
{
    if (m_isWide)
        return row < m_wide.size() ? m_wide[row] : 0;
    const quint8 index = row < m_indices.size() ? m_indices[row] : 0;
    return index ? m_palette[index - 1] : 0;
}

void MarkerColors::set(size_t row, QRgb color)
{
    if (!m_isWide) {
        const quint8 index = color ? indexOf(color) : 0;
        if (index || !color) {
            m_indices[row] = index;
            return;
        }
        widen();
    }
    m_wide[row] = color;
}

void MarkerColors::resize(size_t rows)
{
    if (m_isWide)
        m_wide.resize(rows, 0);
    else
        m_indices.resize(rows, 0);
}

void MarkerColors::release()
{
    std::vector<quint8>().swap(m_indices);
    std::vector<QRgb>().swap(m_palette);
    std::vector<QRgb>().swap(m_wide);
    m_lastIndex = 0;
    m_isWide = false;
}

quint8 MarkerColors::indexOf(QRgb color)
{
    // Marking a whole grid repeats one or two colours: the last one found is tried first.
    if (m_lastIndex && m_palette[m_lastIndex - 1] == color)
        return m_lastIndex;
    const auto it = std::find(m_palette.begin(), m_palette.end(), color);
    if (it != m_palette.end()) {
        m_lastIndex = quint8(it - m_palette.begin() + 1);
    } else if (m_palette.size() < kPaletteSize) {
        m_palette.push_back(color);
        m_lastIndex = quint8(m_palette.size());
    } else {
        return 0;
    }
    return m_lastIndex;
}

void MarkerColors::widen()
{
    m_wide.resize(m_indices.size());
    for (size_t r = 0; r < m_indices.size(); ++r)
        m_wide[r] = m_indices[r] ? m_palette[m_indices[r] - 1] : 0;
    std::vector<quint8>().swap(m_indices);
    std::vector<QRgb>().swap(m_palette);
    m_lastIndex = 0;
    m_isWide = true;
}
