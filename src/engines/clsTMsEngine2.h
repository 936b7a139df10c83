#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/MarkTable.h"
#include "engines/CoverageCache.h"
#include "engines/EngineHost.h"
#include "engines/EngineSettings.h"
#include "engines/FastRandom.h"

namespace kestrel {

// The trial search engine (試行検索エンジン): looks for a covering of BeginCount singles by
// randomised local search (swap moves that never raise the uncovered count, shakes to leave
// plateaus), and after every success for one single fewer, starting from the previous covering
// minus its last entry, until EndCount, a size's time limit or the user's stop.
class clsTMsEngine2 {
public:
    void Initialize(clsTMsg* log, RunControl* control,
                    std::shared_ptr<Clock> clock = CurrentClock());
    // Runs the whole search; grade 2 or 3. Reads BeginCount, EndCount, EndTime, ExGrade2 and
    // ExGrade3 of the settings; the multi marks give the extended candidates.
    void EngineStart(const std::vector<int32_t>& lngSingle, int grade,
                     const EngineSettings& settings, const MarkTable& marks);
    int32_t SingleCount() const { return static_cast<int32_t>(m_result.size()); }
    const std::vector<int32_t>& SingleData() const { return m_result; }
    void EnginePause(bool paused) { m_host.SetPause(paused); }
    void EngineStop() { m_host.RequestStop(); }

    // The candidates the last run searched (the input, or the extended list).
    const std::vector<int32_t>& Candidates() const { return m_candidates; }
    // Swap attempts of the last run.
    int64_t Attempts() const { return m_attempts; }
    size_t CacheBytes() const { return m_cache.MemoryBytes(); }

private:
    void SizeLoop();
    void RunTrial(int32_t n);

    EngineHost m_host;
    FastRandom m_random;
    CoverageCache m_cache;
    int m_radius = 1;
    int32_t m_beginCount = 100;
    int32_t m_endCount = 1;
    int32_t m_endTime = 0;
    std::vector<int32_t> m_targets;
    std::vector<int32_t> m_candidates;
    std::vector<int32_t> m_result;
    int64_t m_attempts = 0;
};

} // namespace kestrel
