#include "engines/clsTMsEngine4.h"

#include <array>
#include <thread>

#include "engines/BallTable.h"
#include "engines/CandidateExtension.h"
#include "engines/EngineLists.h"
#include "engines/FastRandom.h"
#include "engines/SymbolMap.h"
#include "platform/ErrorReporter.h"

namespace kestrel {

namespace {

const QString kSearching = QStringLiteral("を検索中...");
const QString kConfirmed = QStringLiteral("確定");
const QString kInterrupted = QStringLiteral("中断");
const QString kCountReached = QStringLiteral("指定口数に達したので検索を終了します");
const QString kTimeReached = QStringLiteral("指定時間になったので検索を終了します");
const QString kNotCovering = QStringLiteral("見つかった組み合わせが保証を満たしていません");

// Steps between two yield points of a search (pause, stop, time limit, the other's win).
constexpr int64_t kSliceSteps = 1001;
// The progress shown every this many slices of the first search.
constexpr int kProgressSlices = 16;

std::atomic<int> g_threadCount{2};

} // namespace

void clsTMsEngine4::SetThreadCount(int count) {
    g_threadCount = count <= 1 ? 1 : 2;
}

int clsTMsEngine4::ThreadCount() {
    return g_threadCount.load();
}

void clsTMsEngine4::Initialize(clsTMsg* log, RunControl* control, std::shared_ptr<Clock> clock) {
    m_host.Bind(log, control, std::move(clock));
}

void clsTMsEngine4::EngineStart(const std::vector<int32_t>& lngSingle, int grade,
                                const EngineSettings& settings, const MarkTable& marks) {
    const EngineSettings s = settings.Normalized();
    m_radius = grade == 2 ? 1 : 2;
    m_beginCount = s.BeginCount;
    m_endCount = s.EndCount;
    m_endTime = s.EndTime;
    m_targets = EngineLists::Distinct(lngSingle);
    m_candidates = m_targets;
    m_result.clear();
    m_lastWinner = -1;
    m_orbitSize = 1;
    for (Lane& lane : m_lanes) {
        lane.steps = 0;
    }
    m_host.StartStopwatch();
    if (m_targets.empty()) {
        return;
    }
    m_candidates = CandidateExtension::Candidates(m_targets, grade, s.ExGrade2, s.ExGrade3, marks);
    if (m_host.StopRequested()) {
        return;
    }
    if (m_cache.Build(m_candidates, m_targets, m_radius, m_host) && !m_host.StopRequested()) {
        BuildLanes();
        SizeLoop();
    }
}

void clsTMsEngine4::BuildLanes() {
    m_plain = SetSystem::FromCache(m_cache, m_targets);
    const auto symmetry = SymbolMap::FindSymmetry(m_targets, m_candidates);
    if (symmetry) {
        m_orbits = SetSystem::FromOrbits(m_cache, m_targets, *symmetry);
        m_orbitSize = symmetry->Order();
    }
    m_lanes[0].system = &m_plain;
    m_lanes[1].system = symmetry ? &m_orbits : &m_plain;
    // Each search is seeded from the program's source, in lane order.
    for (Lane& lane : m_lanes) {
        lane.search.Attach(*lane.system, FastRandom::SeedFromProgramSource());
    }
}

void clsTMsEngine4::SizeLoop() {
    for (int32_t n = m_beginCount; n >= 1; --n) {
        RunSize(n);
        if (!m_host.StopRequested() && n <= m_endCount) {
            m_host.Sp();
            m_host.Msg(kCountReached, true, true);
            m_host.RequestStop();
        }
        m_host.WaitWhilePaused();
        if (m_host.StopRequested()) {
            break;
        }
    }
}

void clsTMsEngine4::RunSize(int32_t n) {
    PrepareLanes(n);
    const int32_t candidateCount = m_cache.CandidateCount();
    m_host.Msg(QString::number(n) + kSearching, false, true);
    m_host.SetProgressMax(candidateCount);
    m_host.SetProgress(0);
    m_deadlineMs = EngineLists::DeadlineMs(m_host.ElapsedMs(), m_endTime);
    const int winner = FindWinner();
    const bool outOfTime = TimedOut();
    m_host.SetProgress(0);
    if (m_host.StopRequested() || winner < 0) {
        m_host.Msg(kInterrupted, true, false);
    } else {
        std::vector<int32_t> covering = Covering(winner);
        if (CoversTargets(covering)) {
            m_host.Msg(kConfirmed, true, false);
            m_result = std::move(covering);
            m_lastWinner = winner;
        } else {
            // Never hand out a list that misses a target; the previous covering stays.
            m_host.Msg(kInterrupted, true, false);
            m_error.Report(QStringLiteral("RunSize"), kNotCovering);
            m_host.RequestStop();
        }
    }
    if (outOfTime) {
        m_host.Sp();
        m_host.Msg(kTimeReached, true, true);
        m_host.RequestStop();
    }
}

void clsTMsEngine4::PrepareLanes(int32_t n) {
    for (int i = 0; i < kLaneCount; ++i) {
        Lane& lane = m_lanes[i];
        lane.goal = n / lane.system->MemberCount();
        if (lane.goal == 0) {
            continue;
        }
        // A search of the candidates themselves goes on from the last covering found, by
        // whichever search found it; the orbit search keeps its own orbits.
        if (lane.system == &m_plain && !m_result.empty() && m_lastWinner != i) {
            std::vector<int32_t> sets;
            sets.reserve(m_result.size());
            for (const int32_t single : m_result) {
                sets.push_back(m_plain.SetOf(m_cache.PositionOf(single)));
            }
            lane.search.Load(sets);
        }
        lane.search.Fit(lane.goal);
    }
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

bool clsTMsEngine4::SliceCovered(int lane) {
    Lane& l = m_lanes[lane];
    l.search.Run(kSliceSteps);
    l.steps.store(l.search.StepCount(), std::memory_order_relaxed);
    return l.search.Uncovered() == 0;
}

// At every slice: the first search also shows progress and watches the time limit; each
// search waits while paused; true when the size is over (stop, or the other search won).
bool clsTMsEngine4::Yield(bool main) {
    if (main) {
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

bool clsTMsEngine4::TimedOut() const {
    return m_endTime > 0 && m_host.ElapsedMs() >= m_deadlineMs;
}

std::vector<int32_t> clsTMsEngine4::Covering(int lane) const {
    const SetSystem& system = *m_lanes[lane].system;
    std::vector<int32_t> singles;
    singles.reserve(m_lanes[lane].search.Selection().size() *
                    static_cast<size_t>(system.MemberCount()));
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
