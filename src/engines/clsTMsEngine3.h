#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engines/CoverageCache.h"
#include "engines/EngineHost.h"
#include "engines/EngineSettings.h"
#include "engines/FastRandom.h"

namespace kestrel {

// The count-optimisation engine (口数最適化エンジン): chooses SeBeginCount singles of the list
// so that as many singles of the list as possible lie within second-grade distance of a chosen
// one, with the trial engine's cache, swap and shake. The result is the best trial seen before
// the list was covered, the time limit passed or the user stopped.
class clsTMsEngine3 {
public:
    void Initialize(clsTMsg* log, RunControl* control,
                    std::shared_ptr<Clock> clock = CurrentClock());
    // Reads SeBeginCount and SeEndTime of the settings.
    void EngineStart(const std::vector<int32_t>& lngSingle, const EngineSettings& settings);
    int32_t SingleCount() const { return static_cast<int32_t>(m_result.size()); }
    const std::vector<int32_t>& SingleData() const { return m_result; }
    void EnginePause(bool paused) { m_host.SetPause(paused); }
    void EngineStop() { m_host.RequestStop(); }

    // Targets the result leaves uncovered (the best count reached, or the final trial's).
    int32_t BestUncovered() const { return m_bestUncovered; }

private:
    void Optimise(int32_t n);

    EngineHost m_host;
    FastRandom m_random;
    CoverageCache m_cache;
    int32_t m_endTime = 0;
    std::vector<int32_t> m_targets;
    std::vector<int32_t> m_result;
    int32_t m_bestUncovered = 0;
};

} // namespace kestrel
