#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/MarkTable.h"

namespace kestrel {

// The frame of a single list: how many of its singles choose each goal class in each slot.
class clsTSingleFrame {
public:
    clsTSingleFrame();

    // Counts the first lngSCount singles of lngSingle into lngSingleFrame (every entry written;
    // the four counts of each slot add up to lngSCount). Numbers outside 0..4095 are skipped.
    void GetSingleFrame(int32_t lngSCount, const int32_t* lngSingle,
                        CountTable& lngSingleFrame) const;
    void GetSingleFrame(const std::vector<int32_t>& lngSingle, CountTable& lngSingleFrame) const;

private:
    std::array<int32_t, kSlotCount + 1> m_power{};
};

} // namespace kestrel
