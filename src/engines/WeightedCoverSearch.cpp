#include "engines/WeightedCoverSearch.h"

#include <limits>

#include "engines/SetSystem.h"

namespace kestrel {

void WeightedCoverSearch::Attach(const SetSystem& system, uint64_t seed) {
    m_system = &system;
    m_random.Seed(seed);
    m_step = 0;
    m_tabu = -1;
    const auto sets = static_cast<size_t>(system.SetCount());
    m_setCount = system.SetCount();
    const auto elements = static_cast<size_t>(system.ElementCount());
    m_score.assign(sets, 0);
    m_time.assign(sets, 0);
    m_conf.assign(sets, 1);
    m_slot.assign(sets, -1);
    m_selection.clear();
    m_selection.reserve(sets);
    m_regained.assign(sets + kSpares, 0);
    m_score.resize(sets + kSpares, std::numeric_limits<int64_t>::min() / 4);
    m_time.resize(sets + kSpares, 0);
    m_sole.resize(elements);
    for (size_t e = 0; e < elements; ++e) {
        m_sole[e] = Spare(static_cast<int32_t>(e));
    }
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
        if (m_joint && !m_selection.empty()) {
            JointStep();
        } else {
            Step();
        }
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

// The pair of highest joint score among the sets holding a random uncovered element (those whose
// neighbourhood changed, if any did) and the chosen sets; ties go to the sets changed longest ago.
void WeightedCoverSearch::JointStep() {
    ++m_step;
    const int32_t best = ChooseRemoval();
    const int32_t e = m_uncovered[m_random.Below(Uncovered())];
    const bool checked = AnyChangedHolding(e);
    int32_t added = -1;
    int32_t removed = -1;
    int64_t top = 0;
    for (const uint16_t* p = m_system->ElementBegin(e); p != m_system->ElementEnd(e); ++p) {
        const int32_t a = *p;
        if (checked && m_conf[a] == 0) {
            continue;
        }
        int64_t value = 0;
        const int32_t r = RemovalWith(a, best, value);
        value += m_score[a];
        if (added < 0 || value > top || (value == top && m_time[a] < m_time[added])) {
            added = a;
            removed = r;
            top = value;
        }
    }
    Swap(removed, added);
}

bool WeightedCoverSearch::AnyChangedHolding(int32_t e) const {
    for (const uint16_t* p = m_system->ElementBegin(e); p != m_system->ElementEnd(e); ++p) {
        if (m_conf[*p] != 0) {
            return true;
        }
    }
    return false;
}

// The chosen set best removed when `added` comes in, with its score plus the weight it alone
// covers inside `added` as `value`; `best` is the chosen set of highest score (not the last
// added), which any set not sharing such elements cannot beat.
int32_t WeightedCoverSearch::RemovalWith(int32_t added, int32_t best, int64_t& value) {
    const uint16_t* begin = m_system->SetBegin(added);
    const uint16_t* end = m_system->SetEnd(added);
    for (const uint16_t* q = begin; q != end; ++q) {
        m_regained[m_sole[*q]] += m_weight[*q];
    }
    int32_t r = best;
    value = m_score[best] + m_regained[best];
    for (const uint16_t* q = begin; q != end; ++q) {
        const int32_t o = m_sole[*q];
        const int64_t v = m_score[o] + m_regained[o];
        if ((v > value || (v == value && m_time[o] < m_time[r])) && o != m_tabu) {
            r = o;
            value = v;
        }
    }
    for (const uint16_t* q = begin; q != end; ++q) {
        m_regained[m_sole[*q]] = 0;
    }
    return r;
}

void WeightedCoverSearch::Swap(int32_t removed, int32_t added) {
    Remove(removed);
    m_conf[removed] = 0;
    m_time[removed] = m_step;
    Add(added);
    m_time[added] = m_step;
    m_tabu = added;
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
    m_sole[e] = before == 0 ? s : Spare(e);
}

void WeightedCoverSearch::Uncover(int32_t e, int32_t s) {
    const int32_t after = --m_cover[e];
    m_owners[e] ^= s;
    m_sole[e] = after == 1 ? m_owners[e] : Spare(e);
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
