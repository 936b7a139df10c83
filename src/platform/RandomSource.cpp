#include "platform/RandomSource.h"

#include <chrono>
#include <mutex>
#include <random>

namespace kestrel {

namespace {

std::mutex g_randomMutex;
std::mt19937_64 g_engine{0x4B657374726C31ULL};
bool g_seeded = false;

} // namespace

double RandomSource::Next() {
    std::lock_guard lock(g_randomMutex);
    // 53 random bits give a uniform double in [0, 1).
    return static_cast<double>(g_engine() >> 11) * (1.0 / 9007199254740992.0);
}

int32_t RandomSource::NextBelow(int32_t bound) {
    if (bound <= 0) {
        return 0;
    }
    const auto value = static_cast<int32_t>(Next() * bound);
    return value < bound ? value : bound - 1;
}

void RandomSource::Seed(uint64_t seed) {
    std::lock_guard lock(g_randomMutex);
    g_engine.seed(seed);
    g_seeded = true;
}

void RandomSource::SeedFromClockOnce() {
    std::lock_guard lock(g_randomMutex);
    if (g_seeded) {
        return;
    }
    g_engine.seed(static_cast<uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    g_seeded = true;
}

} // namespace kestrel
