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
