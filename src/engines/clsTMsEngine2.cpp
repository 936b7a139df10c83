#include "engines/clsTMsEngine2.h"

#include "engines/CandidateExtension.h"
#include "engines/CoverageTrial.h"
#include "engines/EngineLists.h"
#include "engines/TrialPasses.h"

namespace kestrel {

namespace {

const QString kSearching = QStringLiteral("を検索中...");
const QString kConfirmed = QStringLiteral("確定");
const QString kInterrupted = QStringLiteral("中断");
const QString kCountReached = QStringLiteral("指定口数に達したので検索を終了します");
const QString kTimeReached = QStringLiteral("指定時間になったので検索を終了します");

} // namespace

void clsTMsEngine2::Initialize(clsTMsg* log, RunControl* control, std::shared_ptr<Clock> clock) {
    m_host.Bind(log, control, std::move(clock));
}

void clsTMsEngine2::EngineStart(const std::vector<int32_t>& lngSingle, int grade,
                                const EngineSettings& settings, const MarkTable& marks) {
    const EngineSettings s = settings.Normalized();
    m_radius = grade == 2 ? 1 : 2;
    m_beginCount = s.BeginCount;
    m_endCount = s.EndCount;
    m_endTime = s.EndTime;
    m_targets = EngineLists::Distinct(lngSingle);
    m_candidates = m_targets;
    m_result.clear();
    m_attempts = 0;
    m_random.Seed(FastRandom::SeedFromProgramSource());
    m_host.StartStopwatch();
    if (m_targets.empty()) {
        return;
    }
    m_candidates = CandidateExtension::Candidates(m_targets, grade, s.ExGrade2, s.ExGrade3, marks);
    if (m_host.StopRequested()) {
        return;
    }
    if (m_cache.Build(m_candidates, m_targets, m_radius, m_host) && !m_host.StopRequested()) {
        SizeLoop();
    }
}

void clsTMsEngine2::SizeLoop() {
    for (int32_t n = m_beginCount; n >= 1; --n) {
        RunTrial(n);
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

void clsTMsEngine2::RunTrial(int32_t n) {
    const int32_t candidateCount = m_cache.CandidateCount();
    CoverageTrial trial(m_cache);
    trial.Reset(n);
    if (m_result.size() == static_cast<size_t>(n) + 1) {
        for (int32_t i = 0; i < n; ++i) {
            trial.Add(m_cache.PositionOf(m_result[i]));
        }
    } else {
        for (int32_t i = 0; i < n; ++i) {
            trial.Add(m_random.Below(candidateCount));
        }
    }
    trial.RecountUncovered(m_targets);
    m_host.Msg(QString::number(n) + kSearching, false, true);
    m_host.SetProgressMax(candidateCount);
    m_host.SetProgress(0);
    const int64_t deadlineMs = EngineLists::DeadlineMs(m_host.ElapsedMs(), m_endTime);
    const auto timedOut = [&] { return m_endTime > 0 && m_host.ElapsedMs() >= deadlineMs; };
    if (trial.Uncovered() != 0) {
        m_attempts += RunTrialPasses(
            trial, m_random, m_host, candidateCount, [] {},
            [&] {
                m_host.SetProgress(candidateCount - trial.Uncovered());
                trial.Shake(m_random);
                if (timedOut()) {
                    m_host.RequestStop();
                }
            });
    }
    const bool outOfTime = timedOut();
    m_host.SetProgress(0);
    if (m_host.StopRequested()) {
        m_host.Msg(kInterrupted, true, false);
    } else {
        m_host.Msg(kConfirmed, true, false);
        trial.CopySingles(m_result);
    }
    if (outOfTime) {
        m_host.Sp();
        m_host.Msg(kTimeReached, true, true);
        m_host.RequestStop();
    }
}

} // namespace kestrel
