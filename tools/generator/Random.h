#pragma once

#include <QtGlobal>
#include <array>
#include <span>
#include <vector>

// Our own generator (xoshiro256** seeded through splitmix64) and bounded draws built only on
// integer arithmetic, so a seed gives the same data on every compiler and platform.
class Random
{
public:
    explicit Random(quint64 seed);

    quint64 next();

    // Uniform in [0, n); n > 0.
    quint32 bounded(quint32 n);
    // Uniform in [low, high].
    int between(int low, int high);
    // True with probability perMille / 1000.
    bool chance(int perMille);
    // Skewed towards low values: the smaller of two uniform draws in [0, n).
    quint32 skewed(quint32 n);

    template<typename T> const T& pick(const std::vector<T>& items)
    {
        return items[bounded(quint32(items.size()))];
    }
    template<typename T, size_t N> const T& pick(const std::array<T, N>& items)
    {
        return items[bounded(quint32(N))];
    }

    // Index drawn in proportion to weights given as running totals (the last one is the sum).
    int pickWeighted(std::span<const quint32> cumulative);

private:
    std::array<quint64, 4> m_state {};
};
