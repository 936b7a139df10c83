#pragma once

#include <cstdint>
#include <vector>

#include "engines/FastRandom.h"

namespace kestrel {

class SetSystem;

// Row-weighting local search for a covering of fixed size: every element carries a weight, raised
// by one for each element left uncovered after every step. The score of a chosen set is minus the
// weight it alone covers (what removing it costs), of any other set the weight of the uncovered
// elements it holds (what adding it gains); scores are kept up to date by every move. A step
// removes the chosen set of highest score (not the one added last; ties go to the set changed
// longest ago) and adds, for a random uncovered element, the set holding it of highest score whose
// neighbourhood changed since it was last removed (configuration checking). All state lives in
// flat arrays sized once by Attach; steps allocate nothing.
//
// With joint swaps a step instead weighs, for every set it may add, the best set to remove along
// with it: what the pair changes in uncovered weight, counting the elements the removed set alone
// covers that the added set covers again. Such a step visits every element of every set it
// weighs (at grade 3 on 1500 singles it takes some six times as long as a plain step), and a
// covering needs far fewer of them.
class WeightedCoverSearch {
public:
    // Sizes the state for the problem; every weight starts at 1 and the selection is empty.
    void Attach(const SetSystem& system, uint64_t seed);
    // Makes the selection these sets (repeats skipped), keeping the weights.
    void Load(const std::vector<int32_t>& sets);
    // Brings the selection to `count` sets: drops the sets whose removal costs least while above
    // it, adds random sets while below it and some element is uncovered.
    void Fit(int32_t count);
    // Runs up to maxSteps steps; returns at once when no element is uncovered.
    void Run(int64_t maxSteps);
    // Chooses the set to remove together with the set to add (see above); off by default.
    void SetJointSwaps(bool joint) { m_joint = joint; }

    int32_t Uncovered() const { return static_cast<int32_t>(m_uncovered.size()); }
    int32_t Count() const { return static_cast<int32_t>(m_selection.size()); }
    const std::vector<int32_t>& Selection() const { return m_selection; }
    int64_t StepCount() const { return m_step; }

private:
    void Step();
    void JointStep();
    void Swap(int32_t removed, int32_t added);
    void Add(int32_t s);
    void Remove(int32_t s);
    void Cover(int32_t e, int32_t s);
    void Uncover(int32_t e, int32_t s);
    int32_t ChooseRemoval() const;
    int32_t ChooseAddition(int32_t e) const;
    bool AnyChangedHolding(int32_t e) const;
    int32_t RemovalWith(int32_t added, int32_t best, int64_t& value);
    void RaiseWeights();
    void RecomputeScores();
    // Per-set entries past the last set, for elements no chosen set holds alone: their score is
    // far below any set's, so a joint swap can add up every element of a set without a test.
    // Several of them, so that such elements rarely add to the same entry one after the other.
    static constexpr int32_t kSpares = 8;
    int32_t Spare(int32_t e) const { return m_setCount + (e & (kSpares - 1)); }
    bool Better(int32_t a, int32_t b) const {
        return m_score[a] > m_score[b] || (m_score[a] == m_score[b] && m_time[a] < m_time[b]);
    }

    const SetSystem* m_system = nullptr;
    FastRandom m_random;
    int64_t m_step = 0;
    int32_t m_tabu = -1;
    bool m_joint = false;
    int32_t m_setCount = 0;
    // Per set, and per spare entry.
    std::vector<int64_t> m_score;
    std::vector<int64_t> m_time;
    std::vector<uint8_t> m_conf;
    std::vector<int32_t> m_slot; // position in m_selection, -1 when not chosen
    std::vector<int32_t> m_selection;
    // Per set and spare entry: for a joint swap, the weight a chosen set alone covers in the set
    // being weighed; 0 between swaps.
    std::vector<int64_t> m_regained;
    // Per element.
    std::vector<int64_t> m_weight;
    std::vector<int32_t> m_cover;
    std::vector<int32_t> m_owners; // XOR of the chosen sets holding it: the owner when one does
    std::vector<int32_t> m_sole;   // the chosen set holding it alone, else its spare entry
    std::vector<int32_t> m_uncoveredAt;
    std::vector<int32_t> m_uncovered;
};

} // namespace kestrel
