#include "engines/CoverageTrial.h"

namespace kestrel {

void CoverageTrial::Reset(int32_t n) {
    m_trial.assign(static_cast<size_t>(n), 0);
    m_fill = 0;
    m_uncovered = 0;
    m_cover.fill(0);
}

void CoverageTrial::Add(int32_t position) {
    m_trial[m_fill++] = position;
    const uint16_t* run = m_cache.RunBegin(position);
    const int32_t length = m_cache.RunLength(position);
    for (int32_t i = 0; i < length; ++i) {
        ++m_cover[run[i]];
    }
}

void CoverageTrial::RecountUncovered(const std::vector<int32_t>& targets) {
    m_uncovered = 0;
    for (const int32_t t : targets) {
        m_uncovered += m_cover[t] == 0;
    }
}

void CoverageTrial::Replace(int32_t o, int32_t x) {
    const int32_t old = m_trial[o];
    const uint16_t* oldRun = m_cache.RunBegin(old);
    const int32_t oldLength = m_cache.RunLength(old);
    for (int32_t i = 0; i < oldLength; ++i) {
        m_uncovered += --m_cover[oldRun[i]] == 0;
    }
    const uint16_t* newRun = m_cache.RunBegin(x);
    const int32_t newLength = m_cache.RunLength(x);
    for (int32_t i = 0; i < newLength; ++i) {
        m_uncovered -= m_cover[newRun[i]]++ == 0;
    }
    m_trial[o] = x;
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
