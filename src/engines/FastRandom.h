#pragma once

#include <cstdint>

namespace kestrel {

// The engines' per-run uniform [0, 1) generator (xoshiro256+). Each run seeds it from the
// program-wide RandomSource, so a seeded program repeats its runs, while the swap loop draws
// millions of numbers without taking the program-wide lock.
class FastRandom {
public:
    explicit FastRandom(uint64_t seed = 0x9E3779B97F4A7C15ULL) { Seed(seed); }

    void Seed(uint64_t seed) {
        // splitmix64 spreads one seed over the four state words.
        for (auto& word : m_state) {
            seed += 0x9E3779B97F4A7C15ULL;
            uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = z ^ (z >> 31);
        }
    }

    // Uniform on [0, 1) with 53 random bits.
    double Next() { return static_cast<double>(NextBits() >> 11) * (1.0 / 9007199254740992.0); }

    // floor(Next() * bound) for bound >= 1.
    int32_t Below(int32_t bound) { return static_cast<int32_t>(Next() * bound); }

    // A seed for the next run, drawn from the program-wide source.
    static uint64_t SeedFromProgramSource();

private:
    static uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    uint64_t NextBits() {
        const uint64_t result = m_state[0] + m_state[3];
        const uint64_t t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = Rotl(m_state[3], 45);
        return result;
    }

    uint64_t m_state[4];
};

} // namespace kestrel
