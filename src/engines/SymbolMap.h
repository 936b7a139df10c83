#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/LotteryConstants.h"

namespace kestrel {

// A map of the goal classes applied slot by slot (one permutation of 0..3 per slot). Such a map
// keeps the number of differing slots between any two singles, so it carries a covering of a
// list onto a covering of the list's image. When a list and its candidates are both unchanged by
// the map, a covering may be searched among whole orbits of the map only.
class SymbolMap {
public:
    using Image = std::array<std::array<uint8_t, kGoalClassCount>, kSlotCount>;

    explicit SymbolMap(const Image& image);

    // Adds `amount` (mod 4) to the class of every slot in `slotMask` (bit i = slot i + 1).
    static SymbolMap AddAt(int slotMask, int amount);
    // Per slot, cycles the three classes the singles use there (lowest to next, highest to
    // lowest) and keeps a slot that holds one class; none when some slot holds two or four.
    static std::optional<SymbolMap> CycleOfClasses(const std::vector<int32_t>& singles);

    // The first map of a fixed list (adding 2 at three, six, four, five, two or one slots, then
    // the cycle of three classes) that leaves both lists unchanged and moves every candidate
    // through an orbit of its full order. Lists that no such map preserves (as most reduced
    // lists) get none.
    static std::optional<SymbolMap> FindSymmetry(const std::vector<int32_t>& targets,
                                                 const std::vector<int32_t>& candidates);
    // The same over maps of order 4: adding 1 at four, five, six, three, two or one slots.
    static std::optional<SymbolMap> FindQuarterSymmetry(const std::vector<int32_t>& targets,
                                                        const std::vector<int32_t>& candidates);
    // The maps the orbit search uses, larger orbits first: the map of order 4, then the one of
    // FindSymmetry, each when there is one.
    static std::vector<SymbolMap> FindSymmetries(const std::vector<int32_t>& targets,
                                                 const std::vector<int32_t>& candidates);

    int32_t Apply(int32_t lngNo) const {
        int32_t out = 0;
        for (int i = 0; i < kSlotCount; ++i) {
            out |= static_cast<int32_t>(m_image[i][(lngNo >> (2 * i)) & 3]) << (2 * i);
        }
        return out;
    }
    // The smallest k >= 1 for which applying the map k times gives every single back.
    int Order() const { return m_order; }
    // True when the map sends every single of the list into the list.
    bool Preserves(const std::vector<int32_t>& singles) const;
    // True when no single of the list comes back before Order() applications.
    bool MovesFreely(const std::vector<int32_t>& singles) const;

private:
    Image m_image;
    int m_order = 1;
};

} // namespace kestrel
