#include "engines/CoverageTrial.h"

namespace kestrel {

void CoverageTrial::Reset(int32_t n) {
    m_trial.assign(static_cast<size_t>(n), 0);
    m_sole.assign(static_cast<size_t>(n), 0);
    m_fill = 0;
    m_uncovered = 0;
    m_cell.fill(0);
}

void CoverageTrial::Add(int32_t position) {
    const int32_t o = m_fill++;
    m_trial[o] = position;
    Count(o, position);
}

void CoverageTrial::RecountUncovered(const std::vector<int32_t>& targets) {
    m_uncovered = 0;
    for (const int32_t t : targets) {
        m_uncovered += (m_cell[t] & kCountMask) == 0;
    }
}

void CoverageTrial::Shake(FastRandom& random) {
    const int32_t n = Size();
    const int32_t forced = std::max(n / 20, 1) + 1;
    for (int32_t k = 0; k < forced; ++k) {
        const double r = random.Next();
        const int32_t x = random.Below(m_cache.CandidateCount());
        Replace(static_cast<int32_t>(r * n), x);
    }
}

void CoverageTrial::CopySingles(std::vector<int32_t>& out) const {
    out.resize(m_trial.size());
    for (size_t i = 0; i < m_trial.size(); ++i) {
        out[i] = m_cache.Candidate(m_trial[i]);
    }
}

} // namespace kestrel
