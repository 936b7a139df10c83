#pragma once

#include <array>
#include <cstdint>

#include "reduction/ConditionKind.h"

namespace kestrel {

// The score table (点詳細): per designated match, the verdict of each home/away goal pair.
struct TenshoGrid {
    static constexpr int kCols = 16; // cell = home goals x 4 + away goals
    static constexpr int kRows = 3;  // matches 1Vs2, 3Vs4, 5Vs6

    int32_t Cols = kCols;
    int32_t Rows = kRows;
    // Cells[cell][match]: kCellBlank, kCellCross or kCellTriangle.
    std::array<std::array<uint8_t, kRows>, kCols> Cells{};
    bool Enabled = true;

    // Cells actually usable per match: Cols limited to 0..16.
    int UsedCols() const;
    // Matches actually usable: Rows limited to 0..3.
    int UsedRows() const;
    // Number of non-blank cells of a match (0 outside the matches).
    int RowMarkCount(int match) const;
    // Cell index of a match for a single: home goal class x 4 + away goal class.
    static int CellOf(int32_t single, int match);

    bool operator==(const TenshoGrid&) const = default;
};

} // namespace kestrel
