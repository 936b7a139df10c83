#pragma once

#include <array>
#include <cstdint>

#include "core/LotteryConstants.h"

namespace kestrel {

// Tables indexed (goal class 0..3, slot index 0..5), the form in which mark tables, single frames
// and cell flags travel between components: table[c][t] is goal class c of team slot t + 1.
template <typename T> using ClassSlotTable = std::array<std::array<T, kSlotCount>, kGoalClassCount>;

// Mark codes 0..6 (0 none, 1 ◎, 2 ○, 3 ▲, 4 △, 5 ×, 6 ☆); a cell is marked when its code is > 0.
using MarkTable = ClassSlotTable<int32_t>;
// Counts per goal class and slot (the single frame of a list).
using CountTable = ClassSlotTable<int32_t>;
// Booleans per goal class and slot (marked cells, shown cells, targets, highlights).
using FlagTable = ClassSlotTable<bool>;

// Mark codes.
inline constexpr int32_t kMarkNone = 0;
inline constexpr int32_t kMarkHonmei = 1;  // ◎
inline constexpr int32_t kMarkTaikou = 2;  // ○
inline constexpr int32_t kMarkAna = 3;     // ▲
inline constexpr int32_t kMarkOoana = 4;   // △
inline constexpr int32_t kMarkChuui = 5;   // ×
inline constexpr int32_t kMarkTokuchu = 6; // ☆
inline constexpr int32_t kMarkCodeCount = 7;

// Background of a grid cell: white for slots 1, 3, 5, light yellow (RGB FF FF E0) for slots
// 2, 4, 6, the system button-face colour for header rows and non-target cells.
enum class CellBack { White, LightYellow, ButtonFace };
// Text colour of a grid cell.
enum class CellFore { Black, Blue, Red };

// Background of a slot row by slot index (0..5).
constexpr CellBack SlotRowBack(int slotIndex) {
    return (slotIndex % 2 == 0) ? CellBack::White : CellBack::LightYellow;
}

} // namespace kestrel
