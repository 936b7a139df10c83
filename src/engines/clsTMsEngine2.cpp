#include "engines/clsTMsEngine2.h"

#include "engines/CoverageTrial.h"
#include "engines/TrialPasses.h"

namespace kestrel {

void clsTMsEngine2::EngineStart(const std::vector<int32_t>& lngSingle, int grade,
                                const EngineSettings& settings, const MarkTable& marks) {
    m_attempts = 0;
    m_random.Seed(FastRandom::SeedFromProgramSource());
    if (Prepare(lngSingle, grade, settings, marks)) {
        SizeLoop();
    }
    Finish(lngSingle, grade);
}

void clsTMsEngine2::RunSize(int32_t n) {
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
    BeginSize(n);
    if (trial.Uncovered() != 0) {
        m_attempts += RunTrialPasses(
            trial, m_random, m_host, candidateCount, [] {},
            [&] {
                m_host.SetProgress(candidateCount - trial.Uncovered());
                trial.Shake(m_random);
                if (TimedOut()) {
                    m_host.RequestStop();
                }
            });
    }
    const bool outOfTime = TimedOut();
    m_host.SetProgress(0);
    const bool confirmed = !m_host.StopRequested();
    EndSize(confirmed);
    if (confirmed) {
        trial.CopySingles(m_result);
    }
    EndIfOutOfTime(outOfTime);
}

} // namespace kestrel
