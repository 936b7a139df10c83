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
//
// To judge a swap without touching the table, each target's cell also holds the XOR of the trial
// positions covering it (when exactly one covers it, that is its position), and every position
// keeps how many targets it alone covers (what removing it would uncover). A swap of position o
// for candidate x then leaves no more targets uncovered exactly when the targets of x's run that
// are uncovered, or covered by o alone, are at least that many.
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
        if (m_trial[o] == x) {
            return true;
        }
        const int32_t loss = m_sole[o];
        if (loss > 0 && !GainsAtLeast(o, x, loss)) {
            return false;
        }
        Replace(o, x);
        return true;
    }

    // Forced move of the shake: replaces position o by candidate x whatever the count becomes.
    void Replace(int32_t o, int32_t x) {
        Uncount(o, m_trial[o]);
        Count(o, x);
        m_trial[o] = x;
    }
    // max(N div 20, 1) + 1 forced replacements at random positions by random candidates.
    void Shake(FastRandom& random);

    int32_t Uncovered() const { return m_uncovered; }
    int32_t Size() const { return static_cast<int32_t>(m_trial.size()); }
    int32_t Counter(int32_t lngNo) const {
        return static_cast<int32_t>(m_cell[lngNo] & kCountMask);
    }
    // The trial as single numbers, into a caller's vector (sized to N).
    void CopySingles(std::vector<int32_t>& out) const;

private:
    static constexpr uint32_t kCountMask = 0xFFFF;
    static constexpr int kOwnerShift = 16;

    // True when x's run holds at least `needed` targets that are uncovered or covered by
    // position o alone.
    bool GainsAtLeast(int32_t o, int32_t x, int32_t needed) const {
        const uint32_t soleByO = 1u | (static_cast<uint32_t>(o) << kOwnerShift);
        const uint16_t* run = m_cache.RunBegin(x);
        const int32_t length = m_cache.RunLength(x);
        int32_t gain = 0;
        for (int32_t i = 0; i < length; ++i) {
            const uint32_t cell = m_cell[run[i]];
            gain += ((cell & kCountMask) == 0) | (cell == soleByO);
            if (gain >= needed) {
                return true;
            }
        }
        return false;
    }

    // Adds position o (holding candidate x) to the counters of x's run.
    void Count(int32_t o, int32_t x) {
        const uint32_t mark = 1u | (static_cast<uint32_t>(o) << kOwnerShift);
        const uint16_t* run = m_cache.RunBegin(x);
        const int32_t length = m_cache.RunLength(x);
        for (int32_t i = 0; i < length; ++i) {
            uint32_t& cell = m_cell[run[i]];
            const uint32_t before = cell & kCountMask;
            if (before == 0) {
                --m_uncovered;
                ++m_sole[o];
            } else if (before == 1) {
                --m_sole[cell >> kOwnerShift];
            }
            cell = (cell + 1) ^ (mark & ~1u);
        }
    }

    // Takes position o (holding candidate x) out of the counters of x's run.
    void Uncount(int32_t o, int32_t x) {
        const uint32_t owner = static_cast<uint32_t>(o) << kOwnerShift;
        const uint16_t* run = m_cache.RunBegin(x);
        const int32_t length = m_cache.RunLength(x);
        for (int32_t i = 0; i < length; ++i) {
            uint32_t& cell = m_cell[run[i]];
            cell = (cell - 1) ^ owner;
            const uint32_t after = cell & kCountMask;
            if (after == 0) {
                ++m_uncovered;
                --m_sole[o];
            } else if (after == 1) {
                ++m_sole[cell >> kOwnerShift];
            }
        }
    }

    const CoverageCache& m_cache;
    std::vector<int32_t> m_trial;
    std::vector<int32_t> m_sole;
    int32_t m_fill = 0;
    int32_t m_uncovered = 0;
    // Per single number: counter in the low 16 bits, XOR of the covering positions above.
    std::array<uint32_t, kSingleCount> m_cell{};
};

} // namespace kestrel
