#include "engines/CoverLowerBound.h"

#include <algorithm>
#include <array>

#include "core/LotteryConstants.h"
#include "core/clsTNumber.h"
#include "engines/CoverageCache.h"

namespace kestrel {

namespace {

// Shares are summed in fixed point, each rounded down, so the sum never exceeds the true one.
constexpr int64_t kScale = int64_t{1} << 32;
// The packing bound compares a target with every packed one; lists longer than this keep the
// sphere bound alone (the packing bound is the weaker one on large lists).
constexpr size_t kPackingLimit = 4096;

} // namespace

int32_t CoverLowerBound::Of(const CoverageCache& cache, const std::vector<int32_t>& targets,
                            int radius) {
    return std::max(SphereBound(cache, targets), PackingBound(targets, radius));
}

int32_t CoverLowerBound::SphereBound(const CoverageCache& cache,
                                     const std::vector<int32_t>& targets) {
    std::array<int32_t, kSingleCount> largest{};
    for (int32_t j = 0; j < cache.CandidateCount(); ++j) {
        const int32_t length = cache.RunLength(j);
        const uint16_t* run = cache.RunBegin(j);
        for (int32_t i = 0; i < length; ++i) {
            largest[run[i]] = std::max(largest[run[i]], length);
        }
    }
    int64_t sum = 0;
    for (const int32_t t : targets) {
        if (largest[t] > 0) {
            sum += kScale / largest[t];
        }
    }
    return static_cast<int32_t>((sum + kScale - 1) / kScale);
}

int32_t CoverLowerBound::PackingBound(const std::vector<int32_t>& targets, int radius) {
    if (targets.size() > kPackingLimit) {
        return 0;
    }
    std::vector<int32_t> packed;
    for (const int32_t t : targets) {
        const bool apart = std::all_of(packed.begin(), packed.end(), [&](int32_t p) {
            return clsTNumber::Distance(t, p) > 2 * radius;
        });
        if (apart) {
            packed.push_back(t);
        }
    }
    return static_cast<int32_t>(packed.size());
}

} // namespace kestrel
