#pragma once

#include <cstdint>

namespace kestrel {

// The one program-wide uniform [0, 1) source. Seeded from the clock once unless seeded
// explicitly (tests and the CLI's --seed make runs repeatable). Thread-safe.
class RandomSource {
public:
    static double Next();
    // A whole number in 0..bound-1; 0 when bound is not positive.
    static int32_t NextBelow(int32_t bound);
    static void Seed(uint64_t seed);
    static void SeedFromClockOnce();
};

} // namespace kestrel
