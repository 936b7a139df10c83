#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/MarkTable.h"
#include "engines/CoverageCache.h"
#include "engines/EngineHost.h"
#include "engines/EngineSettings.h"
#include "engines/SetSystem.h"
#include "engines/WeightedCoverSearch.h"
#include "platform/ErrorReporter.h"

namespace kestrel {

// The stronger search engine (強化検索エンジン): the frame of the trial engine (extension, cache,
// sizes from BeginCount down, EndCount, EndTime, pause, stop, log lines) with two row-weighting
// searches inside. The first searches the candidates themselves; the second searches whole
// orbits of a symbol map that leaves the list and the candidates unchanged, when there is one,
// and is otherwise a second, differently seeded search of the candidates. On two threads each
// search has its own; the first covering found at a size wins, is checked against every target
// and confirmed, and both searches go on to the next size from it. On one thread the two take
// turns in fixed slices, so a seeded run repeats exactly.
class clsTMsEngine4 {
public:
    static constexpr int kLaneCount = 2;

    // Threads the searches use (1 or 2), for every run of the process; 2 by default.
    static void SetThreadCount(int count);
    static int ThreadCount();

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

    const std::vector<int32_t>& Candidates() const { return m_candidates; }
    // Singles per orbit of the second search; 1 when the input has no symmetry it uses.
    int OrbitSize() const { return m_orbitSize; }
    // Steps a search has made in this run (readable while it runs).
    int64_t LaneSteps(int lane) const { return m_lanes[lane].steps.load(); }
    // Search threads that are holding still for a pause.
    int PausedSearches() const { return m_host.PausedThreads(); }

private:
    struct Lane {
        const SetSystem* system = nullptr;
        WeightedCoverSearch search;
        int32_t goal = 0; // sets to choose at the current size; 0 = sits this size out
        std::atomic<int64_t> steps{0};
    };

    void BuildLanes();
    void SizeLoop();
    void RunSize(int32_t n);
    void PrepareLanes(int32_t n);
    int FindWinner();
    void RunLane(int lane, bool main);
    void RunInterleaved();
    bool SliceCovered(int lane);
    bool Yield(bool main);
    bool TimedOut() const;
    std::vector<int32_t> Covering(int lane) const;
    bool CoversTargets(const std::vector<int32_t>& covering) const;

    EngineHost m_host;
    CoverageCache m_cache;
    SetSystem m_plain;
    SetSystem m_orbits;
    std::array<Lane, kLaneCount> m_lanes;
    int m_radius = 1;
    int m_orbitSize = 1;
    int32_t m_beginCount = 100;
    int32_t m_endCount = 1;
    int32_t m_endTime = 0;
    int64_t m_deadlineMs = 0;
    int m_slices = 0;
    std::atomic<int> m_winner{-1};
    int m_lastWinner = -1;
    std::vector<int32_t> m_targets;
    std::vector<int32_t> m_candidates;
    std::vector<int32_t> m_result;
    ErrorReporter m_error{QStringLiteral("clsTMsEngine4")};
};

} // namespace kestrel
