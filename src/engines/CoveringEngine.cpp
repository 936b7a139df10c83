#include "engines/CoveringEngine.h"

#include <algorithm>

#include "engines/CandidateExtension.h"
#include "engines/CoverLowerBound.h"
#include "engines/EngineLists.h"
#include "engines/clsTMsEngine1.h"

namespace kestrel {

namespace {

const QString kSearching = QStringLiteral("を検索中...");
const QString kConfirmed = QStringLiteral("確定");
const QString kInterrupted = QStringLiteral("中断");
const QString kCountReached = QStringLiteral("指定口数に達したので検索を終了します");
const QString kTimeReached = QStringLiteral("指定時間になったので検索を終了します");
const QString kBoundReached = QStringLiteral("下限に達したので検索を終了します");
const QString kBelowBound = QStringLiteral("口は下限を下回るため検索しません");
const QString kFastFallback =
    QStringLiteral("確定した口数がないため高速検索エンジンの組み合わせを使います");
const QString kUnit = QStringLiteral("口");
const QString kBoundOpen = QStringLiteral(" (下限 ");
const QString kBoundClose = QStringLiteral(")");
const QString kOptimal = QStringLiteral("：最小です");

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
    m_known.clear();
    m_lowerBound = 0;
    m_smallestSearched = 0;
    m_host.StartStopwatch();
    if (m_targets.empty()) {
        return false;
    }
    m_candidates = CandidateExtension::Candidates(m_targets, grade, s.ExGrade2, s.ExGrade3, marks);
    if (m_host.StopRequested()) {
        return false;
    }
    if (!m_cache.Build(m_candidates, m_targets, m_radius, m_host)) {
        return false;
    }
    m_lowerBound = std::max(CoverLowerBound::Of(m_cache, m_targets, m_radius), 1);
    return !m_host.StopRequested();
}

void CoveringEngine::SizeLoop() {
    int32_t n = m_beginCount;
    if (n < m_lowerBound) {
        m_host.Msg(QString::number(n) + kBelowBound, true, true);
    }
    while (n >= m_lowerBound) {
        BeforeSize();
        if (!m_known.empty() && static_cast<int32_t>(m_known.size()) < n) {
            n = static_cast<int32_t>(m_known.size());
        }
        m_smallestSearched = n;
        RunSize(n);
        const auto size = static_cast<int32_t>(m_result.size());
        if (!m_host.StopRequested() && size > 0 && size <= m_lowerBound) {
            // Nothing smaller exists: the covering is optimal.
            m_host.Sp();
            m_host.Msg(kBoundReached, true, true);
            m_host.RequestStop();
        } else if (!m_host.StopRequested() && std::min(n, size > 0 ? size : n) <= m_endCount) {
            m_host.Sp();
            m_host.Msg(kCountReached, true, true);
            m_host.RequestStop();
        }
        m_host.WaitWhilePaused();
        if (m_host.StopRequested()) {
            break;
        }
        // A covering smaller than the size searched lets the next size start below it.
        n = size > 0 ? std::min(n, size) - 1 : n - 1;
    }
}

void CoveringEngine::Finish(const std::vector<int32_t>& lngSingle, int grade) {
    if (m_result.empty() && !m_targets.empty()) {
        // Never an empty answer: the greedy covering of the input, which always exists.
        clsTMsEngine1 fast;
        fast.Initialize(nullptr, nullptr);
        fast.EngineStart(EngineLists::Distinct(lngSingle), grade);
        m_result = fast.SingleData();
        m_host.Msg(kFastFallback, true, true);
    }
    if (m_result.empty()) {
        return;
    }
    QString line = QString::number(m_result.size()) + kUnit;
    if (m_lowerBound > 0) {
        line += kBoundOpen + QString::number(m_lowerBound) + kUnit + kBoundClose;
        if (static_cast<int32_t>(m_result.size()) <= m_lowerBound) {
            line += kOptimal;
        }
    }
    m_host.Msg(line, true, true);
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
