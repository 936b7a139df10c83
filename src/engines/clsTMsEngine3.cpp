#include "engines/clsTMsEngine3.h"

#include "engines/CoverageTrial.h"
#include "engines/EngineLists.h"
#include "engines/TrialPasses.h"

namespace kestrel {

namespace {

const QString kOptimising = QStringLiteral("口を最適化中...");
const QString kConfirmed = QStringLiteral("確定");
const QString kTimeReached = QStringLiteral("指定時間になったので検索を終了します");
constexpr int kHeartbeatMax = 100;

} // namespace

void clsTMsEngine3::Initialize(clsTMsg* log, RunControl* control, std::shared_ptr<Clock> clock) {
    m_host.Bind(log, control, std::move(clock));
}

void clsTMsEngine3::EngineStart(const std::vector<int32_t>& lngSingle,
                                const EngineSettings& settings) {
    const EngineSettings s = settings.Normalized();
    m_targets = EngineLists::Distinct(lngSingle);
    m_result.clear();
    m_endTime = s.SeEndTime;
    m_bestUncovered = static_cast<int32_t>(m_targets.size());
    m_random.Seed(FastRandom::SeedFromProgramSource());
    m_host.StartStopwatch();
    if (m_targets.empty() || m_host.StopRequested()) {
        return;
    }
    if (m_cache.Build(m_targets, m_targets, 1, m_host) && !m_host.StopRequested()) {
        Optimise(s.SeBeginCount);
    }
}

void clsTMsEngine3::Optimise(int32_t n) {
    const int32_t candidateCount = m_cache.CandidateCount();
    CoverageTrial trial(m_cache);
    trial.Reset(n);
    for (int32_t i = 0; i < n; ++i) {
        trial.Add(m_random.Below(candidateCount));
    }
    trial.RecountUncovered(m_targets);
    int32_t best = static_cast<int32_t>(m_targets.size());
    m_host.Msg(QString::number(n) + kOptimising, false, true);
    m_host.SetProgressMax(kHeartbeatMax);
    m_host.SetProgress(0);
    const int64_t deadlineMs = EngineLists::DeadlineMs(m_host.ElapsedMs(), m_endTime);
    const auto timedOut = [&] { return m_endTime > 0 && m_host.ElapsedMs() >= deadlineMs; };
    if (trial.Uncovered() != 0) {
        int32_t lastSeen = 0;
        int heartbeat = 0;
        RunTrialPasses(
            trial, m_random, m_host, candidateCount,
            [&] {
                if (trial.Uncovered() < best) {
                    best = trial.Uncovered();
                    trial.CopySingles(m_result);
                }
            },
            [&] {
                if (trial.Uncovered() != lastSeen) {
                    lastSeen = trial.Uncovered();
                    heartbeat = heartbeat >= kHeartbeatMax ? 0 : heartbeat + 1;
                    m_host.SetProgress(heartbeat);
                }
                trial.Shake(m_random);
                if (timedOut()) {
                    m_host.RequestStop();
                }
            });
    }
    const bool outOfTime = timedOut();
    m_host.SetProgress(0);
    m_host.Msg(kConfirmed, true, false);
    if (m_result.empty()) {
        trial.CopySingles(m_result);
        best = trial.Uncovered();
    }
    m_bestUncovered = best;
    if (outOfTime) {
        m_host.Sp();
        m_host.Msg(kTimeReached, true, true);
        m_host.RequestStop();
    }
}

} // namespace kestrel
