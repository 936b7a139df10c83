#include "engines/CoveringEngine.h"

#include "engines/CandidateExtension.h"
#include "engines/EngineLists.h"

namespace kestrel {

namespace {

const QString kSearching = QStringLiteral("を検索中...");
const QString kConfirmed = QStringLiteral("確定");
const QString kInterrupted = QStringLiteral("中断");
const QString kCountReached = QStringLiteral("指定口数に達したので検索を終了します");
const QString kTimeReached = QStringLiteral("指定時間になったので検索を終了します");

} // namespace

void CoveringEngine::Initialize(clsTMsg* log, RunControl* control, std::shared_ptr<Clock> clock) {
    m_host.Bind(log, control, std::move(clock));
}

bool CoveringEngine::Prepare(const std::vector<int32_t>& lngSingle, int grade,
                             const EngineSettings& settings, const MarkTable& marks) {
    const EngineSettings s = settings.Normalized();
    m_radius = grade == 2 ? 1 : 2;
    m_beginCount = s.BeginCount;
    m_endCount = s.EndCount;
    m_endTime = s.EndTime;
    m_targets = EngineLists::Distinct(lngSingle);
    m_candidates = m_targets;
    m_result.clear();
    m_host.StartStopwatch();
    if (m_targets.empty()) {
        return false;
    }
    m_candidates = CandidateExtension::Candidates(m_targets, grade, s.ExGrade2, s.ExGrade3, marks);
    if (m_host.StopRequested()) {
        return false;
    }
    return m_cache.Build(m_candidates, m_targets, m_radius, m_host) && !m_host.StopRequested();
}

void CoveringEngine::SizeLoop() {
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

void CoveringEngine::BeginSize(int32_t n) {
    m_host.Msg(QString::number(n) + kSearching, false, true);
    m_host.SetProgressMax(m_cache.CandidateCount());
    m_host.SetProgress(0);
    m_deadlineMs = EngineLists::DeadlineMs(m_host.ElapsedMs(), m_endTime);
}

void CoveringEngine::EndSize(bool confirmed) {
    m_host.Msg(confirmed ? kConfirmed : kInterrupted, true, false);
}

void CoveringEngine::EndIfOutOfTime(bool outOfTime) {
    if (outOfTime) {
        m_host.Sp();
        m_host.Msg(kTimeReached, true, true);
        m_host.RequestStop();
    }
}

bool CoveringEngine::TimedOut() const {
    return m_endTime > 0 && m_host.ElapsedMs() >= m_deadlineMs;
}

} // namespace kestrel
