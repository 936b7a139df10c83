#include "engines/WeightedCoverSearch.h"

#include "engines/SetSystem.h"

namespace kestrel {

void WeightedCoverSearch::Attach(const SetSystem& system, uint64_t seed) {
    m_system = &system;
    m_random.Seed(seed);
    m_step = 0;
    m_tabu = -1;
    const auto sets = static_cast<size_t>(system.SetCount());
    const auto elements = static_cast<size_t>(system.ElementCount());
    m_score.assign(sets, 0);
    m_time.assign(sets, 0);
    m_conf.assign(sets, 1);
    m_slot.assign(sets, -1);
    m_selection.clear();
    m_selection.reserve(sets);
    m_weight.assign(elements, 1);
    m_cover.assign(elements, 0);
    m_owners.assign(elements, 0);
    m_uncoveredAt.resize(elements);
    m_uncovered.clear();
    m_uncovered.reserve(elements);
    for (size_t e = 0; e < elements; ++e) {
        m_uncoveredAt[e] = static_cast<int32_t>(e);
        m_uncovered.push_back(static_cast<int32_t>(e));
    }
    RecomputeScores();
}

void WeightedCoverSearch::Load(const std::vector<int32_t>& sets) {
    while (!m_selection.empty()) {
        Remove(m_selection.back());
    }
    for (const int32_t s : sets) {
        if (m_slot[s] < 0) {
            Add(s);
        }
    }
    m_tabu = -1;
}

void WeightedCoverSearch::Fit(int32_t count) {
    while (Count() > count) {
        int32_t best = m_selection.front();
        for (const int32_t s : m_selection) {
            best = Better(s, best) ? s : best;
        }
        Remove(best);
    }
    const int32_t sets = m_system->SetCount();
    while (Count() < count && Count() < sets && Uncovered() > 0) {
        const int32_t s = m_random.Below(sets);
        if (m_slot[s] < 0) {
            Add(s);
        }
    }
    m_tabu = -1;
}

void WeightedCoverSearch::Run(int64_t maxSteps) {
    for (int64_t k = 0; k < maxSteps && !m_uncovered.empty(); ++k) {
        Step();
    }
}

void WeightedCoverSearch::Step() {
    ++m_step;
    if (!m_selection.empty()) {
        const int32_t r = ChooseRemoval();
        Remove(r);
        m_conf[r] = 0;
        m_time[r] = m_step;
    }
    const int32_t e = m_uncovered[m_random.Below(Uncovered())];
    const int32_t a = ChooseAddition(e);
    Add(a);
    m_time[a] = m_step;
    m_tabu = a;
    RaiseWeights();
}

int32_t WeightedCoverSearch::ChooseRemoval() const {
    int32_t best = -1;
    for (const int32_t s : m_selection) {
        if (s != m_tabu && (best < 0 || Better(s, best))) {
            best = s;
        }
    }
    return best < 0 ? m_selection.front() : best;
}

int32_t WeightedCoverSearch::ChooseAddition(int32_t e) const {
    int32_t best = -1;
    int32_t fallback = -1;
    for (const uint16_t* p = m_system->ElementBegin(e); p != m_system->ElementEnd(e); ++p) {
        const int32_t s = *p;
        if (m_conf[s] != 0 && (best < 0 || Better(s, best))) {
            best = s;
        }
        if (fallback < 0 || Better(s, fallback)) {
            fallback = s;
        }
    }
    return best < 0 ? fallback : best;
}

void WeightedCoverSearch::Add(int32_t s) {
    m_slot[s] = Count();
    m_selection.push_back(s);
    for (const uint16_t* p = m_system->SetBegin(s); p != m_system->SetEnd(s); ++p) {
        Cover(*p, s);
    }
}

void WeightedCoverSearch::Remove(int32_t s) {
    const int32_t at = m_slot[s];
    const int32_t last = m_selection.back();
    m_selection[at] = last;
    m_slot[last] = at;
    m_selection.pop_back();
    m_slot[s] = -1;
    for (const uint16_t* p = m_system->SetBegin(s); p != m_system->SetEnd(s); ++p) {
        Uncover(*p, s);
    }
}

void WeightedCoverSearch::Cover(int32_t e, int32_t s) {
    const int32_t before = m_cover[e]++;
    const int64_t w = m_weight[e];
    if (before == 0) {
        // No longer a gain for any set holding it; a loss for s, its only owner.
        for (const uint16_t* p = m_system->ElementBegin(e); p != m_system->ElementEnd(e); ++p) {
            m_score[*p] -= w;
            m_conf[*p] = 1;
        }
        m_score[s] -= w;
        const int32_t at = m_uncoveredAt[e];
        const int32_t last = m_uncovered.back();
        m_uncovered[at] = last;
        m_uncoveredAt[last] = at;
        m_uncovered.pop_back();
    } else if (before == 1) {
        m_score[m_owners[e]] += w;
    }
    m_owners[e] ^= s;
}

void WeightedCoverSearch::Uncover(int32_t e, int32_t s) {
    const int32_t after = --m_cover[e];
    m_owners[e] ^= s;
    const int64_t w = m_weight[e];
    if (after == 0) {
        for (const uint16_t* p = m_system->ElementBegin(e); p != m_system->ElementEnd(e); ++p) {
            m_score[*p] += w;
            m_conf[*p] = 1;
        }
        m_score[s] += w;
        m_uncoveredAt[e] = Uncovered();
        m_uncovered.push_back(e);
    } else if (after == 1) {
        m_score[m_owners[e]] -= w;
    }
}

void WeightedCoverSearch::RaiseWeights() {
    for (const int32_t e : m_uncovered) {
        ++m_weight[e];
        for (const uint16_t* p = m_system->ElementBegin(e); p != m_system->ElementEnd(e); ++p) {
            ++m_score[*p];
        }
    }
}

void WeightedCoverSearch::RecomputeScores() {
    for (int32_t s = 0; s < m_system->SetCount(); ++s) {
        const bool chosen = m_slot[s] >= 0;
        int64_t score = 0;
        for (const uint16_t* p = m_system->SetBegin(s); p != m_system->SetEnd(s); ++p) {
            if (chosen && m_cover[*p] == 1) {
                score -= m_weight[*p];
            } else if (!chosen && m_cover[*p] == 0) {
                score += m_weight[*p];
            }
        }
        m_score[s] = score;
    }
}

} // namespace kestrel
