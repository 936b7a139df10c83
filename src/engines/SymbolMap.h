#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/LotteryConstants.h"

namespace kestrel {

// A map of the singles that moves the goal class of every slot by a permutation of 0..3 of its
// own and may then move the slots among themselves. Such a map keeps the number of differing
// slots between any two singles, so it carries a covering of a list onto a covering of the
// list's image. When a list and its candidates are both unchanged by the map, a covering may be
// searched among whole orbits of the map only.
class SymbolMap {
public:
    using Image = std::array<std::array<uint8_t, kGoalClassCount>, kSlotCount>;
    using Slots = std::array<uint8_t, kSlotCount>;

    // The class of slot i becomes image[i][class], then moves to slot slotTo[i].
    explicit SymbolMap(const Image& image, const Slots& slotTo = {0, 1, 2, 3, 4, 5});

    // Adds `amount` (mod 4) to the class of every slot in `slotMask` (bit i = slot i + 1).
    static SymbolMap AddAt(int slotMask, int amount);
    // XORs `amount` into the class of every slot in `slotMask`: the translations of GF(4)
    // (1 swaps 0 with 1 and 2 with 3; 2 is adding 2).
    static SymbolMap XorAt(int slotMask, int amount);
    // Moves the slots of `slotMask` one place on, in a cycle (the highest to the lowest).
    static SymbolMap ShiftSlots(int slotMask);
    // Per slot, cycles three of the classes the singles use there: of three classes all of
    // them (lowest to next, highest to lowest), of four the three above the lowest, which stays;
    // a slot of one class is kept. None when some slot holds two classes or no slot moves.
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

    int32_t Apply(int32_t lngNo) const {
        int32_t out = 0;
        for (int i = 0; i < kSlotCount; ++i) {
            out |= static_cast<int32_t>(m_image[i][(lngNo >> (2 * i)) & 3]) << (2 * m_slotTo[i]);
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
    Slots m_slotTo;
    int m_order = 1;
};

} // namespace kestrel
