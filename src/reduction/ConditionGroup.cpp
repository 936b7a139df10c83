#include "reduction/ConditionGroup.h"

#include <algorithm>
#include <span>

#include "reduction/ConditionLabels.h"

namespace kestrel {

ConditionGroup ConditionGroup::Defaults(ConditionKind kind) {
    ConditionGroup group;
    const int rows = ConditionLabels::BaseCount(kind);
    group.RowCount = rows;
    group.BaseCount = rows;
    group.GameFlg.fill(true);
    group.MarkFlg.fill(true);
    for (int r = 0; r < rows; ++r) {
        group.PlusFlg[static_cast<size_t>(r)][static_cast<size_t>(r)] = true;
    }
    group.UpdateRowLabels(kind);
    return group;
}

int ConditionGroup::Rows() const {
    return std::clamp(RowCount, 0, kMaxRows);
}

int ConditionGroup::Bases() const {
    return std::clamp(BaseCount, 0, kMaxRows);
}

int ConditionGroup::RowMarkCount(int row) const {
    if (row < 0 || row >= Rows()) {
        return 0;
    }
    int marks = 0;
    for (int t = 0; t < kCountValues; ++t) {
        if (Cells[static_cast<size_t>(t)][static_cast<size_t>(row)] != kCellBlank) {
            ++marks;
        }
    }
    return marks;
}

QString ConditionGroup::ComputeRowLabel(ConditionKind kind, int row) const {
    if (row < 0 || row >= Rows()) {
        return QString();
    }
    const auto& plus = PlusFlg[static_cast<size_t>(row)];
    return ConditionLabels::RowLabel(
        kind, std::span<const bool>(plus.data(), static_cast<size_t>(Bases())));
}

void ConditionGroup::UpdateRowLabels(ConditionKind kind) {
    for (int r = 0; r < kMaxRows; ++r) {
        RowLabel[static_cast<size_t>(r)] = ComputeRowLabel(kind, r);
    }
}

} // namespace kestrel
