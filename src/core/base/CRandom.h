#pragma once
#include <cstdint>

// The program's pseudo-random generator: integers 0..32767, the classic linear congruential
// sequence, so that a seeded run is repeatable. Callers reduce with fixed modulo ranges.
class CRandom {
public:
    static constexpr int kMax = 32767;
    explicit CRandom(uint32_t seed = 1) : m_state(seed) {}
    void Seed(uint32_t seed) { m_state = seed; }
    int Next()
    {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }
    void SeedFromClock();

private:
    uint32_t m_state;
};
