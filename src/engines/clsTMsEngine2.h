#pragma once

#include <cstdint>
#include <vector>

#include "core/MarkTable.h"
#include "engines/CoveringEngine.h"
#include "engines/EngineSettings.h"
#include "engines/FastRandom.h"

namespace kestrel {

// The trial search engine (試行検索エンジン): looks for a covering of BeginCount singles by
// randomised local search (swap moves that never raise the uncovered count, shakes to leave
// plateaus), and after every success for one single fewer, starting from the previous covering
// minus its last entry, until EndCount, a size's time limit or the user's stop.
class clsTMsEngine2 final : public CoveringEngine {
public:
    // Runs the whole search; grade 2 or 3. Reads BeginCount, EndCount, EndTime, ExGrade2 and
    // ExGrade3 of the settings; the multi marks give the extended candidates.
    void EngineStart(const std::vector<int32_t>& lngSingle, int grade,
                     const EngineSettings& settings, const MarkTable& marks);

    // Swap attempts of the last run.
    int64_t Attempts() const { return m_attempts; }
    size_t CacheBytes() const { return m_cache.MemoryBytes(); }

private:
    void RunSize(int32_t n) override;

    FastRandom m_random;
    int64_t m_attempts = 0;
};

} // namespace kestrel
