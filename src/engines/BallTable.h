#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/LotteryConstants.h"

namespace kestrel {

// The guarantee balls of every single, built once per process from the neighbour lists:
// radius 1 = Get12List (19 singles), radius 2 = Get123List (154 singles), each in that order.
// Entries are single numbers as 16-bit values so the grade-3 table stays at 1.2 MB.
class BallTable {
public:
    static constexpr int kRadius1Size = kList12Count;
    static constexpr int kRadius2Size = kList123Count;

    static const BallTable& Instance();

    static constexpr int Size(int radius) { return radius <= 1 ? kRadius1Size : kRadius2Size; }
    // The ball of single lngNo (0..4095) with radius 1 or 2.
    const uint16_t* Ball(int radius, int32_t lngNo) const {
        return radius <= 1 ? &m_ball1[static_cast<size_t>(lngNo) * kRadius1Size]
                           : &m_ball2[static_cast<size_t>(lngNo) * kRadius2Size];
    }

private:
    BallTable();
    std::vector<uint16_t> m_ball1;
    std::vector<uint16_t> m_ball2;
};

} // namespace kestrel
