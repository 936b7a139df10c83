#include "results/KouseiBunsekiModel.h"

namespace kestrel {

void KouseiBunsekiModel::SetValue(const KouseiCounts& counts) {
    m_grid.SetValue(counts);
    m_grid.GridRefresh();
}

void KouseiBunsekiModel::SetMarkMax(int n) {
    for (int row = 0; row < clsTKouseiBunseki::kRows; ++row) {
        m_grid.ForeColorRow(row, row < n ? ResultColor::Black : ResultColor::Red);
    }
    m_grid.GridRefresh();
}

void KouseiBunsekiModel::Open(const clsTX1& engine, ConditionKind kind, int row,
                              const ConditionGroup& group) {
    clsTX1::Histogram histogram{};
    engine.CountDistribution(kind, row, group, histogram);
    KouseiCounts counts{};
    for (size_t v = 0; v < counts.size(); ++v) {
        counts[v] = histogram[v];
    }
    const QString label = row >= 0 && row < ConditionGroup::kMaxRows
                              ? group.RowLabel[static_cast<size_t>(row)]
                              : QString();
    SetTitle(MakeTitle(static_cast<int>(kind), label));
    SetValue(counts);
    SetMarkMax(MarkMaxFor(group.GameFlg));
}

QString KouseiBunsekiModel::KindLabel(int kind) {
    switch (kind) {
    case 1:
        return QStringLiteral("本命");
    case 2:
        return QStringLiteral("人気");
    case 3:
        return QStringLiteral("得点");
    default:
        return {};
    }
}

QString KouseiBunsekiModel::MakeTitle(int kind, const QString& rowLabel) {
    return QStringLiteral(" ") + KindLabel(kind) + QStringLiteral(" - ") + rowLabel;
}

int KouseiBunsekiModel::MarkMaxFor(const std::array<bool, kSlotCount>& gameFlg) {
    int counted = 0;
    for (bool flag : gameFlg) {
        counted += flag ? 1 : 0;
    }
    return counted > 0 ? counted + 1 : 0;
}

} // namespace kestrel
