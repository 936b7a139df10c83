#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/LotteryConstants.h"

namespace kestrel {

// Hit counts of a compressed list against its candidates (GetTousen):
//   [0] candidates (repeats counted), [1] equal to some single of the list, [2] at one difference
//   from some single, [3] at two differences, [4] counted in 1 or 2, [5] counted in 1, 2 or 3.
inline constexpr int kTousenCount = 6;
using TousenCounts = std::array<int32_t, kTousenCount>;

class clsTProbability {
public:
    // lngMulti: candidate list; lngSingle: compressed list; lngTousen receives the six counts.
    // Numbers outside 0..4095 are never flagged or counted as hits.
    void GetTousen(std::span<const int32_t> lngMulti, std::span<const int32_t> lngSingle,
                   TousenCounts& lngTousen);
    // The same into a caller's array of at least six entries.
    void GetTousen(const std::vector<int32_t>& lngMulti, const std::vector<int32_t>& lngSingle,
                   std::vector<int32_t>& lngTousen);

private:
    static constexpr uint8_t kFirst = 1;
    static constexpr uint8_t kSecond = 2;
    static constexpr uint8_t kThird = 4;
    // Work table: grade flags of every single number, cleared at each call.
    std::array<uint8_t, kSingleCount> m_flags{};
};

} // namespace kestrel
