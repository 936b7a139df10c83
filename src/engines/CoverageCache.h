#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/LotteryConstants.h"

namespace kestrel {

class EngineHost;

// For every candidate position, the targets inside that candidate's guarantee ball: one flat
// array of single numbers with one run per candidate, in candidate order and ball order. Every
// ball walk of the trial and optimisation searches is a scan of one run.
class CoverageCache {
public:
    struct Run {
        int32_t start = 0;
        int32_t length = 0; // last offset + 1; 0 when the ball holds no target
    };

    // Builds the cache ("キャッシュ構築中..."), yielding every m + 1 candidates and leaving early
    // when a stop arrives. False (after the "Cache Initialize Err" box) when memory runs out.
    bool Build(const std::vector<int32_t>& candidates, const std::vector<int32_t>& targets,
               int radius, EngineHost& host);

    int32_t CandidateCount() const { return static_cast<int32_t>(m_candidates.size()); }
    int32_t Candidate(int32_t position) const { return m_candidates[position]; }
    const std::vector<int32_t>& Candidates() const { return m_candidates; }
    // Position of a single in the candidate list, -1 when it is not a candidate.
    int32_t PositionOf(int32_t lngNo) const { return m_indexMap[lngNo]; }
    const uint16_t* RunBegin(int32_t position) const {
        return m_flat.data() + m_runs[position].start;
    }
    int32_t RunLength(int32_t position) const { return m_runs[position].length; }
    // Bytes held by the runs and the per-candidate table.
    size_t MemoryBytes() const;

private:
    std::vector<int32_t> m_candidates;
    std::vector<uint16_t> m_flat;
    std::vector<Run> m_runs;
    std::array<int32_t, kSingleCount> m_indexMap{};
};

} // namespace kestrel
