#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/LotteryConstants.h"
#include "reduction/ConditionKind.h"

namespace kestrel {

// One group of a count-condition kind: which teams and goal classes it counts, and per row which
// base items are added together and the verdict for each count value 0..6.
struct ConditionGroup {
    static constexpr int kMaxRows = 6;     // rows (and base items) of the Honmei kind
    static constexpr int kCountValues = 7; // count values 0..6

    bool Enabled = true; // master switch of the kind
    bool Flag = true;    // the group's own switch ("下の×と△マークを削除する")
    int32_t RowCount = kMaxRows;
    int32_t BaseCount = kMaxRows;
    std::array<bool, kSlotCount> GameFlg{};
    std::array<bool, kGoalClassCount> MarkFlg{};
    // PlusFlg[row][item]: the base items the row adds together (BaseCount used).
    std::array<std::array<bool, kMaxRows>, kMaxRows> PlusFlg{};
    // Cells[count][row]: kCellBlank, kCellCross or kCellTriangle.
    std::array<std::array<uint8_t, kMaxRows>, kCountValues> Cells{};
    std::array<QString, kMaxRows> RowNotes;
    // Display names of the rows; filled by UpdateRowLabels, never read by the reduction.
    std::array<QString, kMaxRows> RowLabel;

    // The group as clearing the conditions leaves it for this kind (row labels filled).
    static ConditionGroup Defaults(ConditionKind kind);

    // Rows actually usable: RowCount limited to 0..kMaxRows.
    int Rows() const;
    // Base items actually usable: BaseCount limited to 0..kMaxRows.
    int Bases() const;
    // Number of non-blank cells among count values 0..6 of a row (0 outside the rows).
    int RowMarkCount(int row) const;
    // The group takes part when both switches are on.
    bool Applies() const { return Enabled && Flag; }
    // Recomputes RowLabel from PlusFlg.
    void UpdateRowLabels(ConditionKind kind);
    // The label of one row computed from PlusFlg.
    QString ComputeRowLabel(ConditionKind kind, int row) const;

    bool operator==(const ConditionGroup&) const = default;
};

} // namespace kestrel
