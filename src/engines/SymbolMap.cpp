#include "engines/SymbolMap.h"

#include <bit>
#include <initializer_list>
#include <numeric>

namespace kestrel {

namespace {

// The slot masks with these many slots, in that order of sizes, each size in rising mask order.
std::vector<int> MasksBySize(std::initializer_list<int> sizes) {
    std::vector<int> masks;
    for (const int bits : sizes) {
        for (int mask = 1; mask < (1 << kSlotCount); ++mask) {
            if (std::popcount(static_cast<unsigned>(mask)) == bits) {
                masks.push_back(mask);
            }
        }
    }
    return masks;
}

// The first map that leaves both lists unchanged and moves every candidate freely.
std::optional<SymbolMap> FirstKeeping(const std::vector<SymbolMap>& maps,
                                      const std::vector<int32_t>& targets,
                                      const std::vector<int32_t>& candidates) {
    for (const SymbolMap& map : maps) {
        if (map.Preserves(targets) && map.Preserves(candidates) && map.MovesFreely(candidates)) {
            return map;
        }
    }
    return std::nullopt;
}

} // namespace

SymbolMap::SymbolMap(const Image& image, const Slots& slotTo) : m_image(image), m_slotTo(slotTo) {
    // The lcm of the cycle lengths over every single; a slot move makes per-slot cycles
    // meaningless, and 4096 applications are cheap.
    std::array<bool, kSingleCount> seen{};
    for (int32_t s = 0; s < kSingleCount; ++s) {
        if (seen[s]) {
            continue;
        }
        int length = 0;
        for (int32_t x = s; !seen[x]; x = Apply(x)) {
            seen[x] = true;
            ++length;
        }
        m_order = std::lcm(m_order, length);
    }
}

SymbolMap SymbolMap::AddAt(int slotMask, int amount) {
    Image image{};
    for (int i = 0; i < kSlotCount; ++i) {
        const int add = (slotMask >> i) & 1 ? amount : 0;
        for (int c = 0; c < kGoalClassCount; ++c) {
            image[i][c] = static_cast<uint8_t>((c + add) % kGoalClassCount);
        }
    }
    return SymbolMap(image);
}

SymbolMap SymbolMap::XorAt(int slotMask, int amount) {
    Image image{};
    for (int i = 0; i < kSlotCount; ++i) {
        const int x = (slotMask >> i) & 1 ? amount : 0;
        for (int c = 0; c < kGoalClassCount; ++c) {
            image[i][c] = static_cast<uint8_t>(c ^ x);
        }
    }
    return SymbolMap(image);
}

SymbolMap SymbolMap::ShiftSlots(int slotMask) {
    Image image{};
    Slots slotTo{};
    int slots[kSlotCount];
    int count = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        for (int c = 0; c < kGoalClassCount; ++c) {
            image[i][c] = static_cast<uint8_t>(c);
        }
        slotTo[i] = static_cast<uint8_t>(i);
        if ((slotMask >> i) & 1) {
            slots[count++] = i;
        }
    }
    for (int k = 0; k < count; ++k) {
        slotTo[slots[k]] = static_cast<uint8_t>(slots[(k + 1) % count]);
    }
    return SymbolMap(image, slotTo);
}

std::optional<SymbolMap> SymbolMap::CycleOfClasses(const std::vector<int32_t>& singles) {
    std::array<int, kSlotCount> used{};
    for (const int32_t s : singles) {
        for (int i = 0; i < kSlotCount; ++i) {
            used[i] |= 1 << ((s >> (2 * i)) & 3);
        }
    }
    Image image{};
    bool moves = false;
    for (int i = 0; i < kSlotCount; ++i) {
        for (int c = 0; c < kGoalClassCount; ++c) {
            image[i][c] = static_cast<uint8_t>(c);
        }
        const int count = std::popcount(static_cast<unsigned>(used[i]));
        if (count >= 3) {
            // Of four classes the lowest stays: the cycle of the other three.
            const int moving = count == 4 ? used[i] & ~1 : used[i];
            int classes[3];
            int k = 0;
            for (int c = 0; c < kGoalClassCount; ++c) {
                if ((moving >> c) & 1) {
                    classes[k++] = c;
                }
            }
            for (int j = 0; j < 3; ++j) {
                image[i][classes[j]] = static_cast<uint8_t>(classes[(j + 1) % 3]);
            }
            moves = true;
        } else if (count != 1) {
            return std::nullopt;
        }
    }
    if (!moves) {
        return std::nullopt;
    }
    return SymbolMap(image);
}

std::optional<SymbolMap> SymbolMap::FindSymmetry(const std::vector<int32_t>& targets,
                                                 const std::vector<int32_t>& candidates) {
    // Three slots first: such pairs lie three slots apart, which suited the full list best in
    // trials; then the other sizes.
    std::vector<SymbolMap> maps;
    for (const int mask : MasksBySize({3, 6, 4, 5, 2, 1})) {
        maps.push_back(AddAt(mask, 2));
    }
    if (auto cycle = CycleOfClasses(candidates)) {
        maps.push_back(*cycle);
    }
    return FirstKeeping(maps, targets, candidates);
}

std::optional<SymbolMap> SymbolMap::FindQuarterSymmetry(const std::vector<int32_t>& targets,
                                                        const std::vector<int32_t>& candidates) {
    // Four slots first: on the full list their orbits hold coverings of 56 at grade 3 that the
    // search finds at once, where adding 1 at every slot stops at 60; then five, six, three, two
    // and one slot.
    std::vector<SymbolMap> maps;
    for (const int mask : MasksBySize({4, 5, 6, 3, 2, 1})) {
        maps.push_back(AddAt(mask, 1));
    }
    return FirstKeeping(maps, targets, candidates);
}

bool SymbolMap::Preserves(const std::vector<int32_t>& singles) const {
    std::array<bool, kSingleCount> member{};
    for (const int32_t s : singles) {
        member[s] = true;
    }
    for (const int32_t s : singles) {
        if (!member[Apply(s)]) {
            return false;
        }
    }
    return true;
}

bool SymbolMap::MovesFreely(const std::vector<int32_t>& singles) const {
    for (const int32_t s : singles) {
        int32_t x = Apply(s);
        for (int k = 1; k < m_order; ++k) {
            if (x == s) {
                return false;
            }
            x = Apply(x);
        }
    }
    return m_order > 1;
}

} // namespace kestrel
