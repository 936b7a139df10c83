#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace kestrel {

class SetSystem;

// Branch and bound for the covering of least weight over a set system, a set weighing its
// member count (the singles of its orbit). It branches on an uncovered element held by the
// fewest allowed sets, over those sets in turn, and forbids each set once its branch is done,
// so no selection is visited twice. A branch ends when some uncovered element has no allowed
// set left or when the weight chosen plus a lower bound of what is left reaches the best
// covering known: per uncovered element, the least of weight / uncovered elements held over its
// allowed sets, summed (a feasible solution of the dual of the covering programme, so the
// weight any covering of the rest needs is at least that sum). Nodes are counted against a
// budget; a run that ends within it has proved its best covering the lightest of the system.
class OrbitExactSearch {
public:
    explicit OrbitExactSearch(const SetSystem& system);

    // Searches for coverings lighter than `bound` until done, the budget is spent or `stopped`
    // says so (asked every 4096 nodes).
    void Run(int32_t bound, int64_t nodeBudget, std::function<bool()> stopped);

    // True when the search went through every branch: no covering lighter than Best() (or than
    // the bound given, when none was found) exists over these sets.
    bool Complete() const { return m_complete; }
    // The lightest covering found (its sets), empty when none lighter than the bound was.
    const std::vector<int32_t>& Best() const { return m_best; }
    int32_t BestWeight() const { return m_bestWeight; }
    int64_t Nodes() const { return m_nodes; }

private:
    bool Search(int32_t weight);
    int32_t ChooseElement() const;
    int64_t LowerBoundTimes(int64_t scale) const;
    void Choose(int32_t s);
    void Unchoose(int32_t s);
    void Forbid(int32_t s);
    void Allow(int32_t s);

    const SetSystem& m_system;
    int64_t m_budget = 0;
    int64_t m_nodes = 0;
    std::function<bool()> m_stopped;
    bool m_complete = false;
    bool m_aborted = false;
    int32_t m_bestWeight = 0;
    std::vector<int32_t> m_best;
    std::vector<int32_t> m_chosen;
    std::vector<std::vector<int32_t>> m_branches; // per depth
    // Per element: sets chosen that hold it, allowed sets left that hold it.
    std::vector<int32_t> m_cover;
    std::vector<int32_t> m_options;
    int32_t m_uncovered = 0;
    // Per set: forbidden, uncovered elements it holds.
    std::vector<uint8_t> m_forbidden;
    std::vector<int32_t> m_gain;
};

} // namespace kestrel
