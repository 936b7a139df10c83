#pragma once

#include <cstdint>

namespace kestrel {

// The three count-condition kinds, numbered as the reduction engine takes them.
enum class ConditionKind : int32_t {
    Honmei = 1, // 本命: the marks of the multi
    Ninki = 2,  // 人気: the popularity rank by vote count
    Mark = 3,   // 得点: the goal class itself
};

// Verdicts held in the cells of the count grids and the score grid.
inline constexpr uint8_t kCellBlank = 0;    // allowed
inline constexpr uint8_t kCellCross = 1;    // "×": excluded
inline constexpr uint8_t kCellTriangle = 2; // "△": excluded, tolerated by allowed-miss mode 2

} // namespace kestrel
