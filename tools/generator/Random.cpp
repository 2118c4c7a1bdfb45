#include "Random.h"

#include <algorithm>

namespace {

quint64 splitMix64(quint64& x)
{
    quint64 z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr quint64 rotl(quint64 x, int k)
{
    return (x << k) | (x >> (64 - k));
}

} // namespace

Random::Random(quint64 seed)
{
    for (quint64& word : m_state)
        word = splitMix64(seed);
}

quint64 Random::next()
{
    const quint64 result = rotl(m_state[1] * 5, 7) * 9;
    const quint64 t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotl(m_state[3], 45);
    return result;
}

quint32 Random::bounded(quint32 n)
{
    // Lemire's multiply-and-reject: unbiased without a division in the common case.
    quint64 m = quint64(quint32(next() >> 32)) * n;
    quint32 low = quint32(m);
    if (low < n) {
        const quint32 threshold = quint32(-n) % n;
        while (low < threshold) {
            m = quint64(quint32(next() >> 32)) * n;
            low = quint32(m);
        }
    }
    return quint32(m >> 32);
}

int Random::between(int low, int high)
{
    return low + int(bounded(quint32(high - low + 1)));
}

bool Random::chance(int perMille)
{
    return int(bounded(1000)) < perMille;
}

quint32 Random::skewed(quint32 n)
{
    return std::min(bounded(n), bounded(n));
}

int Random::pickWeighted(std::span<const quint32> cumulative)
{
    const quint32 r = bounded(cumulative.back());
    return int(std::upper_bound(cumulative.begin(), cumulative.end(), r) - cumulative.begin());
}
