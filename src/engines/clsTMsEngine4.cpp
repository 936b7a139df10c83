#include "engines/clsTMsEngine4.h"

#include <algorithm>
#include <array>
#include <thread>

#include "engines/BallTable.h"
#include "engines/FastRandom.h"
#include "engines/OrbitExactSearch.h"
#include "engines/SymbolGroup.h"

namespace kestrel {

namespace {

const QString kNotCovering = QStringLiteral("見つかった組み合わせが保証を満たしていません");
const QString kExactMinimum = QStringLiteral("口が最小です（対称解の範囲）");
const QString kExactNone = QStringLiteral("口以下の組み合わせはありません（対称解の範囲）");

// Steps between two yield points of a search (pause, stop, time limit, the other's win).
constexpr int64_t kSliceSteps = 1001;
// The progress shown every this many slices of the first search.
constexpr int kProgressSlices = 16;
// Steps per orbit the second search spends on one size before it goes on among smaller orbits.
// On the full list at grade 3 orbits of four hold 56 within 30 steps per orbit (twelve seeds).
constexpr int64_t kStepsPerOrbitBeforeDescent = 100;
// The exact search runs on problems of at most this many orbits, for at most this many nodes
// (on the full list at grade 3, 184 orbits, it proves 52 the least in a fraction of a second).
constexpr int32_t kExactOrbitLimit = 400;
constexpr int64_t kExactNodeBudget = 200000;
// The winner of a size that the exact search's covering ended.
constexpr int kExactWinner = clsTMsEngine4::kLaneCount;

std::atomic<int> g_threadCount{2};

// Orbits a search of the system chooses at size n: the pinned orbits come first.
int32_t GoalOf(const SetSystem& system, int32_t n) {
    return std::max(n - system.PinnedCount(), 0) / system.MemberCount();
}

} // namespace

void clsTMsEngine4::SetThreadCount(int count) {
    g_threadCount = count <= 1 ? 1 : 2;
}

int clsTMsEngine4::ThreadCount() {
    return g_threadCount.load();
}

void clsTMsEngine4::EngineStart(const std::vector<int32_t>& lngSingle, int grade,
                                const EngineSettings& settings, const MarkTable& marks) {
    m_lastWinner = -1;
    m_orbitSize = 1;
    m_exactOrbits = 0;
    m_exactComplete = false;
    m_exactMinimum = 0;
    for (Lane& lane : m_lanes) {
        lane.steps = 0;
        lane.earlierSteps = 0;
    }
    if (Prepare(lngSingle, grade, settings, marks)) {
        BuildLanes();
        StartExactSearch();
        if (!m_host.StopRequested()) {
            SizeLoop();
        }
        EndExactSearch();
    }
    Finish(lngSingle, grade);
}

void clsTMsEngine4::StartExactSearch() {
    m_exactReady = false;
    m_exactCancel = false;
    m_exactCovering.clear();
    m_exactFinished = false;
    m_exactTaken = false;
    m_exactLogged = false;
    const auto group = SymbolGroup::FindExactGroup(m_targets, m_candidates);
    if (!group || m_beginCount < m_lowerBound) {
        return;
    }
    m_exactSystem = SetSystem::FromGroup(m_cache, m_targets, *group, false);
    if (m_exactSystem.SetCount() > kExactOrbitLimit) {
        return;
    }
    m_exactOrbits = m_exactSystem.SetCount();
    if (ThreadCount() >= 2) {
        m_exactThread = std::thread([this] { RunExactSearch(); });
    } else {
        RunExactSearch();
    }
}

void clsTMsEngine4::RunExactSearch() {
    OrbitExactSearch exact(m_exactSystem);
    exact.Run(m_beginCount + 1, kExactNodeBudget, [this] {
        m_host.WaitWhilePaused();
        return m_exactCancel.load() || m_host.StopRequested();
    });
    m_exactFinished = exact.Complete();
    for (const int32_t s : exact.Best()) {
        for (int32_t k = 0; k < m_exactSystem.MemberSize(s); ++k) {
            m_exactCovering.push_back(m_cache.Candidate(m_exactSystem.Members(s)[k]));
        }
    }
    m_exactReady.store(true, std::memory_order_release);
}

void clsTMsEngine4::EndExactSearch() {
    m_exactCancel = true;
    if (m_exactThread.joinable()) {
        m_exactThread.join();
    }
    if (m_exactReady.load() && !m_exactTaken) {
        // Finished after the sizes: its figures stay readable, its covering is not used.
        m_exactComplete = m_exactFinished;
        m_exactMinimum = static_cast<int32_t>(m_exactCovering.size());
    }
}

// True when the exact search is over and its covering is no larger than the size searched.
bool clsTMsEngine4::ExactCoveringFits() const {
    return !m_exactTaken && m_exactReady.load(std::memory_order_acquire) &&
           !m_exactCovering.empty() && static_cast<int32_t>(m_exactCovering.size()) <= m_size;
}

void clsTMsEngine4::BeforeSize() {
    if (!m_exactTaken && m_exactReady.load(std::memory_order_acquire)) {
        TakeExactCovering();
    }
    LogExactProof();
}

// Logs what the exact search proved and makes its covering the one the sizes start from.
void clsTMsEngine4::TakeExactCovering() {
    m_exactTaken = true;
    m_exactComplete = m_exactFinished;
    if (!m_exactCovering.empty() && CoversTargets(m_exactCovering)) {
        m_exactMinimum = static_cast<int32_t>(m_exactCovering.size());
        if (m_result.empty() || m_exactCovering.size() < m_result.size()) {
            m_known = m_exactCovering;
        }
    }
}

// The line saying what the exact search proved, once it is taken; written between sizes, never
// into the open line of a size.
void clsTMsEngine4::LogExactProof() {
    if (m_exactTaken && m_exactComplete && !m_exactLogged) {
        m_exactLogged = true;
        m_host.Msg(m_exactMinimum > 0 ? QString::number(m_exactMinimum) + kExactMinimum
                                      : QString::number(m_beginCount) + kExactNone,
                   true, true);
    }
}

void clsTMsEngine4::BuildLanes() {
    m_plain = SetSystem::FromCache(m_cache, m_targets);
    m_orbits.clear();
    m_orbitSeeds.clear();
    m_orbitLevel = 0;
    for (const SymbolGroup& group : SymbolGroup::FindGroups(m_targets, m_candidates)) {
        m_orbits.push_back(SetSystem::FromGroup(m_cache, m_targets, group, true));
    }
    m_orbitSize = m_orbits.empty() ? 1 : m_orbits.front().MemberCount();
    m_lanes[0].system = &m_plain;
    m_lanes[1].system = m_orbits.empty() ? &m_plain : &m_orbits.front();
    // Each search is seeded from the program's source, in lane order, then the searches of the
    // smaller orbits.
    for (Lane& lane : m_lanes) {
        lane.search.Attach(*lane.system, FastRandom::SeedFromProgramSource());
    }
    for (size_t level = 1; level < m_orbits.size(); ++level) {
        m_orbitSeeds.push_back(FastRandom::SeedFromProgramSource());
    }
    // Without orbits the second search weighs whole swaps: far fewer, slower steps, so the two
    // searches differ in kind and a size that is slow for one is often quick for the other.
    m_lanes[0].search.SetJointSwaps(false);
    m_lanes[1].search.SetJointSwaps(m_orbits.empty());
}

void clsTMsEngine4::RunSize(int32_t n) {
    m_size = n;
    if (!m_known.empty() && static_cast<int32_t>(m_known.size()) <= n) {
        // The exact search's covering, checked like every other before it is confirmed.
        BeginSize(n);
        const bool covers = CoversTargets(m_known);
        EndSize(covers);
        if (covers) {
            m_result = m_known;
            m_lastWinner = -1;
        }
        m_known.clear();
        return;
    }
    PrepareLanes(n);
    BeginSize(n);
    const int winner = FindWinner();
    const bool outOfTime = TimedOut();
    m_host.SetProgress(0);
    if (winner == kExactWinner) {
        // The exact search ended the size with a covering no larger than it.
        TakeExactCovering();
    }
    if (m_host.StopRequested() || winner < 0 || (winner == kExactWinner && m_known.empty())) {
        EndSize(false);
    } else {
        std::vector<int32_t> covering = winner == kExactWinner ? m_known : Covering(winner);
        m_known.clear();
        const bool covers = CoversTargets(covering);
        EndSize(covers);
        if (covers) {
            m_result = std::move(covering);
            m_lastWinner = winner == kExactWinner ? -1 : winner;
        } else {
            // Never hand out a list that misses a target; the previous covering stays.
            m_error.Report(QStringLiteral("RunSize"), kNotCovering);
            m_host.RequestStop();
        }
    }
    LogExactProof();
    EndIfOutOfTime(outOfTime);
}

void clsTMsEngine4::PrepareLanes(int32_t n) {
    m_size = n;
    // Orbits larger than the size leave the second search nothing to choose.
    while (n < m_lanes[1].system->PinnedCount() + m_lanes[1].system->MemberCount() &&
           DescendOrbits()) {
    }
    for (int i = 0; i < kLaneCount; ++i) {
        Lane& lane = m_lanes[i];
        lane.goal = GoalOf(*lane.system, n);
        lane.sizeStart = lane.search.StepCount();
        if (lane.goal == 0) {
            continue;
        }
        // A search of the candidates themselves goes on from the last covering found, by
        // whichever search found it; the orbit search keeps its own orbits.
        if (lane.system == &m_plain && !m_result.empty() && m_lastWinner != i) {
            lane.search.Load(SetsOf(m_result, m_plain));
        }
        lane.search.Fit(lane.goal);
    }
}

// Moves the second search to the next smaller orbits, starting from the last covering found;
// false when it already searches the smallest.
bool clsTMsEngine4::DescendOrbits() {
    if (m_orbitLevel + 1 >= m_orbits.size()) {
        return false;
    }
    Lane& lane = m_lanes[1];
    lane.earlierSteps += lane.search.StepCount();
    lane.system = &m_orbits[++m_orbitLevel];
    lane.search.Attach(*lane.system, m_orbitSeeds[m_orbitLevel - 1]);
    lane.sizeStart = 0;
    if (!m_result.empty()) {
        lane.search.Load(SetsOf(m_result, *lane.system));
    }
    return true;
}

std::vector<int32_t> clsTMsEngine4::SetsOf(const std::vector<int32_t>& singles,
                                           const SetSystem& system) const {
    std::vector<int32_t> sets;
    sets.reserve(singles.size());
    for (const int32_t single : singles) {
        // Pinned singles belong to no set: the covering holds them anyway.
        if (const int32_t s = system.SetOf(m_cache.PositionOf(single)); s >= 0) {
            sets.push_back(s);
        }
    }
    return sets;
}

int clsTMsEngine4::FindWinner() {
    for (int i = 0; i < kLaneCount; ++i) {
        if (m_lanes[i].goal > 0 && m_lanes[i].search.Uncovered() == 0) {
            return i;
        }
    }
    m_winner = -1;
    m_slices = 0;
    if (m_lanes[1].goal == 0) {
        RunLane(0, true);
    } else if (ThreadCount() >= 2) {
        std::thread helper([this] { RunLane(1, false); });
        RunLane(0, true);
        helper.join();
    } else {
        RunInterleaved();
    }
    return m_winner.load();
}

void clsTMsEngine4::RunLane(int lane, bool main) {
    while (m_winner.load(std::memory_order_relaxed) < 0) {
        if (SliceCovered(lane)) {
            int none = -1;
            m_winner.compare_exchange_strong(none, lane);
            return;
        }
        if (Yield(main)) {
            return;
        }
    }
}

void clsTMsEngine4::RunInterleaved() {
    for (;;) {
        for (int lane = 0; lane < kLaneCount; ++lane) {
            if (SliceCovered(lane)) {
                m_winner = lane;
                return;
            }
        }
        if (Yield(true)) {
            return;
        }
    }
}

// One slice of a search; the second search goes on among smaller orbits when the size has had
// its steps among the present ones.
bool clsTMsEngine4::SliceCovered(int lane) {
    Lane& l = m_lanes[lane];
    l.search.Run(kSliceSteps);
    l.steps.store(l.earlierSteps + l.search.StepCount(), std::memory_order_relaxed);
    if (l.search.Uncovered() == 0) {
        return true;
    }
    const int64_t budget = kStepsPerOrbitBeforeDescent * l.system->SetCount();
    if (lane == 1 && l.search.StepCount() - l.sizeStart >= budget && DescendOrbits()) {
        l.goal = GoalOf(*l.system, m_size);
        l.search.Fit(l.goal);
    }
    return false;
}

// At every slice: the first search also shows progress and watches the time limit; each
// search waits while paused; true when the size is over (stop, or the other search won).
bool clsTMsEngine4::Yield(bool main) {
    if (main) {
        if (ExactCoveringFits()) {
            int none = -1;
            m_winner.compare_exchange_strong(none, kExactWinner);
        }
        if (++m_slices % kProgressSlices == 0) {
            m_host.SetProgress(m_cache.CandidateCount() - m_lanes[0].search.Uncovered());
        }
        if (TimedOut()) {
            m_host.RequestStop();
        }
    }
    m_host.WaitWhilePaused();
    return m_host.StopRequested() || m_winner.load(std::memory_order_relaxed) >= 0;
}

std::vector<int32_t> clsTMsEngine4::Covering(int lane) const {
    const SetSystem& system = *m_lanes[lane].system;
    std::vector<int32_t> singles;
    singles.reserve(m_lanes[lane].search.Selection().size() *
                        static_cast<size_t>(system.MemberCount()) +
                    system.Pinned().size());
    for (const int32_t position : system.Pinned()) {
        singles.push_back(m_cache.Candidate(position));
    }
    for (const int32_t s : m_lanes[lane].search.Selection()) {
        const int32_t* members = system.Members(s);
        for (int32_t k = 0; k < system.MemberCount(); ++k) {
            singles.push_back(m_cache.Candidate(members[k]));
        }
    }
    return singles;
}

bool clsTMsEngine4::CoversTargets(const std::vector<int32_t>& covering) const {
    std::array<bool, kSingleCount> covered{};
    const BallTable& balls = BallTable::Instance();
    const int ballSize = BallTable::Size(m_radius);
    for (const int32_t c : covering) {
        const uint16_t* ball = balls.Ball(m_radius, c);
        for (int i = 0; i < ballSize; ++i) {
            covered[ball[i]] = true;
        }
    }
    for (const int32_t t : m_targets) {
        if (!covered[t]) {
            return false;
        }
    }
    return true;
}

} // namespace kestrel
