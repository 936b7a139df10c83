#include "core/PlayerOddsModel.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace kestrel {

const QString PlayerOddsModel::kTitle = QStringLiteral("わたしの予想確率");
const QString PlayerOddsModel::kLabel =
    QStringLiteral("各行の合計が100%になるように入力して下さい。");
const QString PlayerOddsModel::kFromVoteText = QStringLiteral("投票率から作成");
const QString PlayerOddsModel::kSumCaption = QStringLiteral("合計");

namespace {

QString Hundredths(int32_t value) {
    return QString::number(value / 100.0, 'f', 2);
}

} // namespace

std::array<int32_t, kGoalClassCount>
PlayerOddsModel::RoundRow(const std::array<double, kGoalClassCount>& percent) {
    const double sum = std::accumulate(percent.begin(), percent.end(), 0.0);
    std::array<int32_t, kGoalClassCount> out{};
    if (!(sum > 0.0)) {
        out.fill(kRowTotal / kGoalClassCount);
        return out;
    }
    std::array<double, kGoalClassCount> rest{};
    int32_t total = 0;
    for (int c = 0; c < kGoalClassCount; ++c) {
        const double exact = percent[c] / sum * kRowTotal;
        out[c] = static_cast<int32_t>(std::floor(exact));
        rest[c] = exact - out[c];
        total += out[c];
    }
    std::array<int, kGoalClassCount> order{0, 1, 2, 3};
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return rest[a] > rest[b]; });
    for (int i = 0; total < kRowTotal; i = (i + 1) % kGoalClassCount) {
        ++out[order[i]];
        ++total;
    }
    return out;
}

void PlayerOddsModel::Load(const PlayerOdds& odds, const std::array<QString, kSlotCount>& teams) {
    m_teams = teams;
    for (int t = 0; t < kSlotCount; ++t) {
        m_values[t] = RoundRow(odds.Percents()[t]);
    }
}

void PlayerOddsModel::FillFromVote(const VoteRecord& vote) {
    const PlayerOdds odds = PlayerOdds::FromVote(vote);
    for (int t = 0; t < kSlotCount; ++t) {
        m_values[t] = RoundRow(odds.Percents()[t]);
    }
}

void PlayerOddsModel::SetText(int slotIndex, int goalClass, const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    m_values[slotIndex][goalClass] =
        (ok && v >= 0.0 && v <= 100.0) ? static_cast<int32_t>(std::lround(v * 100.0)) : 0;
}

QString PlayerOddsModel::Text(int slotIndex, int goalClass) const {
    return Hundredths(m_values[slotIndex][goalClass]);
}

int32_t PlayerOddsModel::RowSum(int slotIndex) const {
    const auto& row = m_values[slotIndex];
    return std::accumulate(row.begin(), row.end(), 0);
}

QString PlayerOddsModel::RowSumText(int slotIndex) const {
    return Hundredths(RowSum(slotIndex));
}

bool PlayerOddsModel::OkEnabled() const {
    for (int t = 0; t < kSlotCount; ++t) {
        if (!RowMatches(t)) {
            return false;
        }
    }
    return true;
}

PlayerOdds PlayerOddsModel::Result() const {
    PlayerOdds odds;
    for (int t = 0; t < kSlotCount; ++t) {
        for (int c = 0; c < kGoalClassCount; ++c) {
            odds.SetPercent(t, c, m_values[t][c] / 100.0);
        }
    }
    return odds;
}

} // namespace kestrel
