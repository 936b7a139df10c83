#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/MarkTable.h"
#include "engines/CoverageCache.h"
#include "engines/EngineHost.h"
#include "engines/EngineSettings.h"

namespace kestrel {

// What the covering searches that work size by size share: the settings they read, the targets
// and candidates, the coverage cache, the result, the lower bound on any covering's size, and
// the loop over sizes from BeginCount down with its log lines ("を検索中...", "確定", "中断",
// the end by count, by time or at the bound). No size below the bound is searched, and a run
// that confirms no size still hands back a covering: the fast engine's of the same input. Each
// engine supplies the search of one size.
class CoveringEngine {
public:
    void Initialize(clsTMsg* log, RunControl* control,
                    std::shared_ptr<Clock> clock = CurrentClock());
    int32_t SingleCount() const { return static_cast<int32_t>(m_result.size()); }
    const std::vector<int32_t>& SingleData() const { return m_result; }
    void EnginePause(bool paused) { m_host.SetPause(paused); }
    void EngineStop() { m_host.RequestStop(); }

    // The candidates the last run searched (the input, or the extended list).
    const std::vector<int32_t>& Candidates() const { return m_candidates; }
    // No covering of the last run's targets by its candidates has fewer singles; 0 when the
    // run ended before the cache was built.
    int32_t LowerBound() const { return m_lowerBound; }
    // The smallest size the last run searched; 0 when it searched none.
    int32_t SmallestSearched() const { return m_smallestSearched; }

protected:
    CoveringEngine() = default;
    ~CoveringEngine() = default;

    // Reads BeginCount, EndCount, EndTime, ExGrade2 and ExGrade3, takes the distinct input
    // singles as targets, extends the candidates and builds the cache; true when the sizes may
    // be searched (some target, the cache built, no stop).
    bool Prepare(const std::vector<int32_t>& lngSingle, int grade, const EngineSettings& settings,
                 const MarkTable& marks);
    // Searches the sizes from BeginCount down until EndCount or the lower bound is reached, a
    // size runs out of time or a stop arrives. A covering in m_known (if any) lets the loop
    // jump to its size.
    void SizeLoop();
    // Ends every run, searched or not: the fast engine's covering when no size was confirmed,
    // then the size with its lower bound.
    void Finish(const std::vector<int32_t>& lngSingle, int grade);
    // Searches one size: BeginSize, the search, EndSize.
    virtual void RunSize(int32_t n) = 0;
    // Called before every size, before the loop looks at m_known.
    virtual void BeforeSize() {}
    // Logs the size being searched, resets the progress and sets the size's deadline.
    void BeginSize(int32_t n);
    // Logs "確定" or "中断" for the size.
    void EndSize(bool confirmed);
    // Ends the run when the size ran out of time.
    void EndIfOutOfTime(bool outOfTime);
    bool TimedOut() const;

    EngineHost m_host;
    CoverageCache m_cache;
    int m_radius = 1;
    int32_t m_beginCount = 100;
    int32_t m_endCount = 1;
    int32_t m_endTime = 0;
    int32_t m_lowerBound = 0;
    int32_t m_smallestSearched = 0;
    int64_t m_deadlineMs = 0;
    std::vector<int32_t> m_targets;
    std::vector<int32_t> m_candidates;
    std::vector<int32_t> m_result;
    // A confirmed-size covering found before the sizes (the exact search over orbits).
    std::vector<int32_t> m_known;
};

} // namespace kestrel
