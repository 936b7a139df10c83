#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "core/MarkTable.h"
#include "engines/CoveringEngine.h"
#include "engines/EngineSettings.h"
#include "engines/SetSystem.h"
#include "engines/WeightedCoverSearch.h"
#include "platform/ErrorReporter.h"

namespace kestrel {

// The stronger search engine (強化検索エンジン): the frame of the trial engine (extension, cache,
// sizes from BeginCount down, EndCount, EndTime, pause, stop, log lines) with two row-weighting
// searches inside. The first searches the candidates themselves; the second searches whole
// orbits of symbol groups that leave the list and the candidates unchanged, when there are any,
// and is otherwise a second search of the candidates that weighs whole swaps. The second search
// starts with the largest orbits; when a size is not found among them within a fixed number of
// steps per orbit, it goes on among the next smaller orbits for the rest of the run. On two
// threads each search has its own; the first covering found at a size wins, is checked against
// every target and confirmed, and both searches go on to the next size from it. On one thread
// the two take turns in fixed slices, so a seeded run repeats exactly.
//
// When the list has a symmetry whose orbits are few, an exact search over the orbits of the
// largest group (OrbitExactSearch, with a node budget of its own) looks for the smallest
// covering made of whole orbits: on two threads on a third thread beside the sizes, on one
// before them. Its covering ends the size being searched when it is no larger, is checked and
// confirmed like any other, and the sizes go on below it; when the search went through every
// branch the log says that size is the least among such coverings.
class clsTMsEngine4 final : public CoveringEngine {
public:
    static constexpr int kLaneCount = 2;

    // Threads the searches use (1 or 2), for every run of the process; 2 by default.
    static void SetThreadCount(int count);
    static int ThreadCount();

    // Runs the whole search; grade 2 or 3. Reads BeginCount, EndCount, EndTime, ExGrade2 and
    // ExGrade3 of the settings; the multi marks give the extended candidates.
    void EngineStart(const std::vector<int32_t>& lngSingle, int grade,
                     const EngineSettings& settings, const MarkTable& marks);

    // Singles per orbit the second search starts with; 1 when the input has no symmetry it uses.
    int OrbitSize() const { return m_orbitSize; }
    // The exact search of the last run: the orbits it searched (0 when it did not run), whether
    // it went through every branch, and the size of the covering it found (0 when none had at
    // most BeginCount singles).
    int32_t ExactOrbitCount() const { return m_exactOrbits; }
    bool ExactComplete() const { return m_exactComplete; }
    int32_t ExactMinimum() const { return m_exactMinimum; }
    // Steps a search has made in this run (readable while it runs).
    int64_t LaneSteps(int lane) const { return m_lanes[lane].steps.load(); }
    // Search threads that are holding still for a pause.
    int PausedSearches() const { return m_host.PausedThreads(); }

private:
    struct Lane {
        const SetSystem* system = nullptr;
        WeightedCoverSearch search;
        int32_t goal = 0;         // sets to choose at the current size; 0 = sits this size out
        int64_t sizeStart = 0;    // the search's step count when the size began
        int64_t earlierSteps = 0; // steps made over the systems it left
        std::atomic<int64_t> steps{0};
    };

    void BuildLanes();
    void StartExactSearch();
    void RunExactSearch();
    void EndExactSearch();
    bool ExactCoveringFits() const;
    void TakeExactCovering();
    void LogExactProof();
    void BeforeSize() override;
    void RunSize(int32_t n) override;
    void PrepareLanes(int32_t n);
    bool DescendOrbits();
    std::vector<int32_t> SetsOf(const std::vector<int32_t>& singles, const SetSystem& system) const;
    int FindWinner();
    void RunLane(int lane, bool main);
    void RunInterleaved();
    bool SliceCovered(int lane);
    bool Yield(bool main);
    std::vector<int32_t> Covering(int lane) const;
    bool CoversTargets(const std::vector<int32_t>& covering) const;

    SetSystem m_plain;
    // Orbit problems of the second search, larger orbits first, each with its search's seed.
    std::vector<SetSystem> m_orbits;
    std::vector<uint64_t> m_orbitSeeds;
    size_t m_orbitLevel = 0;
    std::array<Lane, kLaneCount> m_lanes;
    int m_orbitSize = 1;
    // The exact search: its problem, its thread, what it found (written before m_exactReady).
    SetSystem m_exactSystem;
    std::thread m_exactThread;
    std::atomic<bool> m_exactReady{false};
    std::atomic<bool> m_exactCancel{false};
    std::vector<int32_t> m_exactCovering;
    bool m_exactFinished = false;
    bool m_exactTaken = false;
    bool m_exactLogged = false;
    int32_t m_exactOrbits = 0;
    bool m_exactComplete = false;
    int32_t m_exactMinimum = 0;
    int32_t m_size = 0;
    int m_slices = 0;
    std::atomic<int> m_winner{-1};
    int m_lastWinner = -1;
    ErrorReporter m_error{QStringLiteral("clsTMsEngine4")};
};

} // namespace kestrel
