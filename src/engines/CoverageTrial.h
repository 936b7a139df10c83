#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "core/LotteryConstants.h"
#include "engines/CoverageCache.h"
#include "engines/FastRandom.h"

namespace kestrel {

// One trial of the local search: N candidate positions (repeats allowed), the coverage table
// (per target, how many trial entries cover it through the cache) and the number of targets
// left uncovered, kept up to date by every move. Nothing here allocates after Reset.
class CoverageTrial {
public:
    explicit CoverageTrial(const CoverageCache& cache) : m_cache(cache) {}

    // Sizes the trial to n entries with none filled and zeroes the coverage table.
    void Reset(int32_t n);
    // Stores the candidate at the next position and counts its run.
    void Add(int32_t position);
    // Counts the targets whose counter is zero.
    void RecountUncovered(const std::vector<int32_t>& targets);

    // The search move: replaces trial position o by candidate position x when that leaves no
    // more targets uncovered than before (equal counts are taken); otherwise nothing changes.
    bool Swap(int32_t o, int32_t x) {
        const int32_t old = m_trial[o];
        if (old == x) {
            return true;
        }
        const uint16_t* oldRun = m_cache.RunBegin(old);
        const int32_t oldLength = m_cache.RunLength(old);
        int32_t loss = 0;
        for (int32_t i = 0; i < oldLength; ++i) {
            loss += --m_cover[oldRun[i]] == 0;
        }
        const uint16_t* newRun = m_cache.RunBegin(x);
        const int32_t newLength = m_cache.RunLength(x);
        if (loss > 0 && !GainsAtLeast(newRun, newLength, loss)) {
            for (int32_t i = 0; i < oldLength; ++i) {
                ++m_cover[oldRun[i]];
            }
            return false;
        }
        int32_t gain = 0;
        for (int32_t i = 0; i < newLength; ++i) {
            gain += m_cover[newRun[i]]++ == 0;
        }
        m_trial[o] = x;
        m_uncovered += loss - gain;
        return true;
    }

    // Forced move of the shake: replaces position o by candidate x whatever the count becomes.
    void Replace(int32_t o, int32_t x);
    // max(N div 20, 1) + 1 forced replacements at random positions by random candidates.
    void Shake(FastRandom& random);

    int32_t Uncovered() const { return m_uncovered; }
    int32_t Size() const { return static_cast<int32_t>(m_trial.size()); }
    int32_t Filled() const { return m_fill; }
    int32_t Position(int32_t o) const { return m_trial[o]; }
    int32_t Counter(int32_t lngNo) const { return m_cover[lngNo]; }
    // The trial as single numbers, into a caller's vector (sized to N).
    void CopySingles(std::vector<int32_t>& out) const;

private:
    // True when the run holds at least `needed` targets with counter zero.
    bool GainsAtLeast(const uint16_t* run, int32_t length, int32_t needed) const {
        int32_t gain = 0;
        for (int32_t i = 0; i < length; ++i) {
            gain += m_cover[run[i]] == 0;
            if (gain >= needed) {
                return true;
            }
        }
        return false;
    }

    const CoverageCache& m_cache;
    std::vector<int32_t> m_trial;
    int32_t m_fill = 0;
    int32_t m_uncovered = 0;
    std::array<int32_t, kSingleCount> m_cover{};
};

} // namespace kestrel
