#pragma once

#include <cstdint>

// The program's one pseudo-random generator. It is never seeded, so every run
// draws the same sequence: a class of students sees the same "random" counts
// and planes of polarization, which a teacher can rely on when preparing.
class ProgramRandom
{
public:
    // An integer in 0..n-1: a linear congruential step, then the high 32 bits
    // of the 64-bit product seed * n.
    int next(int n)
    {
        m_seed = m_seed * 134775813u + 1u;
        return static_cast<int>((static_cast<std::uint64_t>(m_seed) * static_cast<std::uint32_t>(n)) >> 32);
    }

    std::uint32_t seed() const { return m_seed; }

private:
    std::uint32_t m_seed = 0;
};
