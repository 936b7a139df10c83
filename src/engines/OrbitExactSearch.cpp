#include "engines/OrbitExactSearch.h"

#include <algorithm>
#include <limits>

#include "engines/SetSystem.h"

namespace kestrel {

namespace {

constexpr int64_t kStopCheckNodes = 4096;
// The bound is summed in fixed point: weight x this / gain, rounded down per element, so the
// sum never exceeds the true bound and no covering is cut off by rounding.
constexpr int64_t kScale = 1 << 20;

} // namespace

OrbitExactSearch::OrbitExactSearch(const SetSystem& system) : m_system(system) {}

void OrbitExactSearch::Run(int32_t bound, int64_t nodeBudget, std::function<bool()> stopped) {
    const int32_t sets = m_system.SetCount();
    const int32_t elements = m_system.ElementCount();
    m_budget = nodeBudget;
    m_stopped = std::move(stopped);
    m_nodes = 0;
    m_aborted = false;
    m_bestWeight = bound;
    m_best.clear();
    m_chosen.clear();
    m_cover.assign(static_cast<size_t>(elements), 0);
    m_options.assign(static_cast<size_t>(elements), 0);
    m_forbidden.assign(static_cast<size_t>(sets), 0);
    m_gain.assign(static_cast<size_t>(sets), 0);
    m_uncovered = elements;
    // No covering chooses a set twice, so the depth never passes the set count.
    m_branches.resize(static_cast<size_t>(sets) + 1);
    for (int32_t s = 0; s < sets; ++s) {
        m_gain[s] = static_cast<int32_t>(m_system.SetEnd(s) - m_system.SetBegin(s));
        for (const uint16_t* e = m_system.SetBegin(s); e != m_system.SetEnd(s); ++e) {
            ++m_options[*e];
        }
    }
    Search(0);
    m_complete = !m_aborted;
}

bool OrbitExactSearch::Search(int32_t weight) {
    if (++m_nodes > m_budget || (m_nodes % kStopCheckNodes == 0 && m_stopped && m_stopped())) {
        m_aborted = true;
        return false;
    }
    if (m_uncovered == 0) {
        if (weight < m_bestWeight) {
            m_bestWeight = weight;
            m_best = m_chosen;
        }
        return true;
    }
    const int64_t rest = LowerBoundTimes(kScale);
    // Lighter than the best means weight + rest / kScale < best, rounded up.
    if (rest < 0 || weight * kScale + rest > (static_cast<int64_t>(m_bestWeight) - 1) * kScale) {
        return true;
    }
    const int32_t e = ChooseElement();
    // One buffer per depth (sized in Run, so it never moves): a node allocates nothing once
    // the depth was seen.
    std::vector<int32_t>& branches = m_branches[m_chosen.size()];
    branches.clear();
    for (const uint16_t* s = m_system.ElementBegin(e); s != m_system.ElementEnd(e); ++s) {
        if (!m_forbidden[*s]) {
            branches.push_back(*s);
        }
    }
    // Sets that cover the most per single first, so good coverings come early and bound the rest.
    std::sort(branches.begin(), branches.end(), [&](int32_t a, int32_t b) {
        return static_cast<int64_t>(m_gain[a]) * m_system.MemberSize(b) >
               static_cast<int64_t>(m_gain[b]) * m_system.MemberSize(a);
    });
    size_t done = 0;
    for (; done < branches.size() && !m_aborted; ++done) {
        const int32_t s = branches[done];
        Choose(s);
        Search(weight + m_system.MemberSize(s));
        Unchoose(s);
        Forbid(s);
    }
    for (size_t i = 0; i < done; ++i) {
        Allow(branches[i]);
    }
    return !m_aborted;
}

int32_t OrbitExactSearch::ChooseElement() const {
    int32_t best = -1;
    for (int32_t e = 0; e < m_system.ElementCount(); ++e) {
        if (m_cover[e] == 0 && (best < 0 || m_options[e] < m_options[best])) {
            best = e;
        }
    }
    return best;
}

// The dual bound times `scale`; -1 when some uncovered element has no allowed set.
int64_t OrbitExactSearch::LowerBoundTimes(int64_t scale) const {
    int64_t sum = 0;
    for (int32_t e = 0; e < m_system.ElementCount(); ++e) {
        if (m_cover[e] != 0) {
            continue;
        }
        if (m_options[e] == 0) {
            return -1;
        }
        int64_t least = std::numeric_limits<int64_t>::max();
        for (const uint16_t* s = m_system.ElementBegin(e); s != m_system.ElementEnd(e); ++s) {
            if (!m_forbidden[*s]) {
                least = std::min(least, m_system.MemberSize(*s) * scale / m_gain[*s]);
            }
        }
        sum += least;
    }
    return sum;
}

void OrbitExactSearch::Choose(int32_t s) {
    m_chosen.push_back(s);
    for (const uint16_t* e = m_system.SetBegin(s); e != m_system.SetEnd(s); ++e) {
        if (m_cover[*e]++ == 0) {
            --m_uncovered;
            for (const uint16_t* t = m_system.ElementBegin(*e); t != m_system.ElementEnd(*e); ++t) {
                --m_gain[*t];
            }
        }
    }
}

void OrbitExactSearch::Unchoose(int32_t s) {
    m_chosen.pop_back();
    for (const uint16_t* e = m_system.SetBegin(s); e != m_system.SetEnd(s); ++e) {
        if (--m_cover[*e] == 0) {
            ++m_uncovered;
            for (const uint16_t* t = m_system.ElementBegin(*e); t != m_system.ElementEnd(*e); ++t) {
                ++m_gain[*t];
            }
        }
    }
}

void OrbitExactSearch::Forbid(int32_t s) {
    m_forbidden[s] = 1;
    for (const uint16_t* e = m_system.SetBegin(s); e != m_system.SetEnd(s); ++e) {
        --m_options[*e];
    }
}

void OrbitExactSearch::Allow(int32_t s) {
    m_forbidden[s] = 0;
    for (const uint16_t* e = m_system.SetBegin(s); e != m_system.SetEnd(s); ++e) {
        ++m_options[*e];
    }
}

} // namespace kestrel
