#include "engines/SymbolGroup.h"

#include <algorithm>
#include <bit>

namespace kestrel {

namespace {

// Per slot, bit c set when some single of the list has class c there.
std::array<int, kSlotCount> ClassesPerSlot(const std::vector<int32_t>& singles) {
    std::array<int, kSlotCount> used{};
    for (const int32_t s : singles) {
        for (int i = 0; i < kSlotCount; ++i) {
            used[i] |= 1 << ((s >> (2 * i)) & 3);
        }
    }
    return used;
}

// The slots that hold all four classes.
int FullSlots(const std::vector<int32_t>& singles) {
    const auto used = ClassesPerSlot(singles);
    int mask = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        if (used[i] == 0xF) {
            mask |= 1 << i;
        }
    }
    return mask;
}

// The largest set of slots that hold the same two or more classes.
int SameClassSlots(const std::vector<int32_t>& singles) {
    const auto used = ClassesPerSlot(singles);
    int best = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        int mask = 0;
        for (int j = 0; j < kSlotCount; ++j) {
            if (used[j] == used[i] && std::popcount(static_cast<unsigned>(used[j])) >= 2) {
                mask |= 1 << j;
            }
        }
        if (std::popcount(static_cast<unsigned>(mask)) >
            std::popcount(static_cast<unsigned>(best))) {
            best = mask;
        }
    }
    return best;
}

bool Keeps(const SymbolGroup& group, const std::vector<int32_t>& targets,
           const std::vector<int32_t>& candidates) {
    return group.Preserves(targets) && group.Preserves(candidates) &&
           group.LargestOrbit(candidates) > 1;
}

} // namespace

SymbolGroup::SymbolGroup(std::vector<SymbolMap> generators) : m_generators(std::move(generators)) {}

std::vector<SymbolGroup> SymbolGroup::FindGroups(const std::vector<int32_t>& targets,
                                                 const std::vector<int32_t>& candidates) {
    std::vector<SymbolGroup> groups;
    const auto keep = [&](SymbolGroup group) {
        if (Keeps(group, targets, candidates)) {
            groups.push_back(std::move(group));
        }
    };
    // On the full list 13 orbits of four under GF(4) hold a covering of 52 at grade 3; maps
    // adding a constant mod 4 reach no fewer than 56.
    if (const int full = FullSlots(candidates); full != 0) {
        keep(SymbolGroup({SymbolMap::XorAt(full, 1), SymbolMap::XorAt(full, 2)}));
    }
    if (auto cycle = SymbolMap::CycleOfClasses(candidates)) {
        keep(SymbolGroup({*cycle}));
    }
    if (auto quarter = SymbolMap::FindQuarterSymmetry(targets, candidates)) {
        keep(SymbolGroup({*quarter}));
    }
    // The only map of order 3 FindSymmetry offers is the cycle, tried above.
    if (auto map = SymbolMap::FindSymmetry(targets, candidates); map && map->Order() != 3) {
        keep(SymbolGroup({*map}));
    }
    return groups;
}

std::optional<SymbolGroup> SymbolGroup::FindExactGroup(const std::vector<int32_t>& targets,
                                                       const std::vector<int32_t>& candidates) {
    const std::vector<SymbolGroup> groups = FindGroups(targets, candidates);
    if (groups.empty()) {
        return std::nullopt;
    }
    const SymbolGroup& base = groups.front();
    if (const int same = SameClassSlots(candidates);
        std::popcount(static_cast<unsigned>(same)) >= 2) {
        std::vector<SymbolMap> generators = base.Generators();
        generators.push_back(SymbolMap::ShiftSlots(same));
        SymbolGroup larger(std::move(generators));
        if (larger.Preserves(targets) && larger.Preserves(candidates)) {
            return larger;
        }
    }
    return base;
}

bool SymbolGroup::Preserves(const std::vector<int32_t>& singles) const {
    return std::all_of(m_generators.begin(), m_generators.end(),
                       [&](const SymbolMap& map) { return map.Preserves(singles); });
}

std::vector<std::vector<int32_t>> SymbolGroup::Orbits(const std::vector<int32_t>& singles) const {
    std::array<bool, kSingleCount> seen{};
    std::vector<std::vector<int32_t>> orbits;
    for (const int32_t s : singles) {
        if (seen[s]) {
            continue;
        }
        std::vector<int32_t> orbit{s};
        seen[s] = true;
        for (size_t k = 0; k < orbit.size(); ++k) {
            for (const SymbolMap& map : m_generators) {
                const int32_t x = map.Apply(orbit[k]);
                if (!seen[x]) {
                    seen[x] = true;
                    orbit.push_back(x);
                }
            }
        }
        orbits.push_back(std::move(orbit));
    }
    return orbits;
}

int SymbolGroup::LargestOrbit(const std::vector<int32_t>& singles) const {
    int largest = 0;
    for (const auto& orbit : Orbits(singles)) {
        largest = std::max(largest, static_cast<int>(orbit.size()));
    }
    return largest;
}

} // namespace kestrel
