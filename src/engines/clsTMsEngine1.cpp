#include "engines/clsTMsEngine1.h"

#include "engines/BallTable.h"
#include "engines/EngineLists.h"

namespace kestrel {

namespace {

const QString kSearching = QStringLiteral("候補の検索中...");

} // namespace

void clsTMsEngine1::Initialize(clsTMsg* log, RunControl* control, std::shared_ptr<Clock> clock) {
    m_host.Bind(log, control, std::move(clock));
}

void clsTMsEngine1::Reset(const std::vector<int32_t>& lngSingle, int grade) {
    m_radius = grade == 2 ? 1 : 2;
    m_ballSize = BallTable::Size(m_radius);
    m_output.clear();
    m_coverage.fill(0);
    m_fullBall.fill(false);
    // Every ball starts wholly uncovered.
    m_score.fill(m_ballSize);
    m_candidates = lngSingle;
    m_ties.clear();
    m_ties.reserve(lngSingle.size());
    m_tiePos = 0;
    m_bestScore = 0;
    m_firstPhase = true;
}

void clsTMsEngine1::EngineStart(const std::vector<int32_t>& lngSingle, int grade) {
    Reset(lngSingle, grade);
    m_host.StartStopwatch();
    m_host.Sp();
    m_host.Msg(kSearching, true, true);
    while (!m_host.StopRequested() && !m_candidates.empty()) {
        const int32_t chosen = ChooseNext();
        if (chosen == kNoChoice) {
            break;
        }
        m_output.push_back(chosen);
        Cover(chosen);
        DropCovered();
    }
    if (m_host.StopRequested()) {
        // A stop never yields a partial covering.
        m_output.clear();
    }
}

int32_t clsTMsEngine1::ChooseNext() {
    if (m_firstPhase) {
        const int32_t chosen = FirstPhase();
        if (chosen != kNoChoice || m_host.StopRequested()) {
            return chosen;
        }
        m_firstPhase = false;
    }
    return SecondPhase();
}

int32_t clsTMsEngine1::FirstPhase() {
    const int step = EngineLists::CadenceStep(static_cast<int64_t>(m_candidates.size()));
    int sinceYield = 0;
    for (const int32_t c : m_candidates) {
        if (!m_fullBall[c]) {
            if (m_score[c] == m_ballSize) {
                return c;
            }
            // Scores only fall, so this candidate can never offer a whole ball again.
            m_fullBall[c] = true;
        }
        if (++sinceYield == step) {
            sinceYield = 0;
            if (m_host.StopRequested()) {
                return kNoChoice;
            }
        }
    }
    return kNoChoice;
}

int32_t clsTMsEngine1::SecondPhase() {
    for (;;) {
        while (m_tiePos < m_ties.size()) {
            const int32_t c = m_ties[m_tiePos++];
            // A tied candidate covered since the rescan has lost at least its own point.
            if (m_score[c] == m_bestScore) {
                return c;
            }
        }
        if (!Rescan() || m_ties.empty()) {
            return kNoChoice;
        }
    }
}

bool clsTMsEngine1::Rescan() {
    const size_t n = m_candidates.size();
    const int step = EngineLists::CadenceStep(static_cast<int64_t>(n));
    m_host.Msg(kSearching, false, true);
    m_host.SetProgressMax(static_cast<int>(n) - 1);
    m_ties.clear();
    m_tiePos = 0;
    m_bestScore = 0;
    bool completed = true;
    int sinceYield = 0;
    for (size_t i = 0; i < n; ++i) {
        const int32_t c = m_candidates[i];
        const int score = m_score[c];
        if (score > m_bestScore) {
            m_bestScore = score;
            m_ties.clear();
        }
        if (score == m_bestScore) {
            m_ties.push_back(c);
        }
        if (++sinceYield == step) {
            sinceYield = 0;
            m_host.SetProgress(static_cast<int>(i));
            if (m_host.StopRequested()) {
                completed = false;
                break;
            }
        }
    }
    m_host.SetProgress(0);
    m_host.Msg(QString::number(m_bestScore), true, false);
    return completed;
}

void clsTMsEngine1::Cover(int32_t chosen) {
    const BallTable& balls = BallTable::Instance();
    const uint16_t* ball = balls.Ball(m_radius, chosen);
    for (int i = 0; i < m_ballSize; ++i) {
        const int32_t y = ball[i];
        if (m_coverage[y]++ == 0) {
            // y is no longer uncovered: every ball that holds y (the ball of y, by symmetry)
            // loses one point.
            const uint16_t* around = balls.Ball(m_radius, y);
            for (int k = 0; k < m_ballSize; ++k) {
                --m_score[around[k]];
            }
        }
    }
}

void clsTMsEngine1::DropCovered() {
    size_t kept = 0;
    for (const int32_t c : m_candidates) {
        if (m_coverage[c] == 0) {
            m_candidates[kept++] = c;
        }
    }
    m_candidates.resize(kept);
}

} // namespace kestrel
