#include "results/SingleListSummary.h"

#include <QStringList>

#include "core/clsTNumber.h"

namespace kestrel {

namespace {

bool Valid(int32_t no) {
    return no >= 0 && no < kSingleCount;
}

QString Joined(const std::array<int, kGoalClassCount>& counts) {
    QStringList parts;
    for (int n : counts) {
        parts << QString::number(n);
    }
    return parts.join(QLatin1Char('-'));
}

} // namespace

void SingleListSummary::SetVote(const VoteRecord& vote, const std::optional<PlayerOdds>& odds,
                                double price) {
    m_hasVote = vote.Kaisaikai != 0;
    m_money.SetVote(vote);
    m_rank = clsTSingleSort::BuildNinkiTable(vote);
    auto expected = std::make_shared<ExpectedValue>();
    expected->Set(vote, odds ? *odds : PlayerOdds::FromVote(vote), price);
    m_expected = std::move(expected);
}

QString SingleListSummary::Caption(int line) {
    switch (line) {
    case 0:
        return QStringLiteral("1等推定金額");
    case 1:
        return QStringLiteral("2等推定金額");
    case 2:
        return QStringLiteral("0-1-2-3マーク");
    case 3:
        return QStringLiteral("1-2-3-4番人気");
    case 4:
        return QStringLiteral("期待値");
    default:
        return {};
    }
}

QString SingleListSummary::LineText(int32_t lngNo, int line) const {
    switch (line) {
    case 0:
        return MoneyText(lngNo, 1);
    case 1:
        return MoneyText(lngNo, 2);
    case 2:
        return MarkText(lngNo);
    case 3:
        return NinkiText(lngNo);
    case 4:
        return ExpectedText(lngNo);
    default:
        return {};
    }
}

std::array<QString, SingleListSummary::kLines> SingleListSummary::Lines(int32_t lngNo) const {
    std::array<QString, kLines> lines;
    for (int i = 0; i < kLines; ++i) {
        lines[i] = LineText(lngNo, i);
    }
    return lines;
}

QString SingleListSummary::MoneyText(int32_t lngNo, int grade) const {
    if (!Valid(lngNo)) {
        return {};
    }
    const Money value = grade == 1 ? m_money.GetMoney1No(lngNo) : m_money.GetMoney2No(lngNo);
    return clsTMoney::ShortText(value);
}

QString SingleListSummary::MarkText(int32_t lngNo) {
    if (!Valid(lngNo)) {
        return {};
    }
    std::array<int, kGoalClassCount> counts{};
    for (int t = 0; t < kSlotCount; ++t) {
        ++counts[clsTNumber::Digit(lngNo, t)];
    }
    return Joined(counts);
}

QString SingleListSummary::NinkiText(int32_t lngNo) const {
    if (!m_hasVote || !Valid(lngNo)) {
        return {};
    }
    std::array<int, kGoalClassCount> counts{};
    for (int t = 0; t < kSlotCount; ++t) {
        ++counts[m_rank[t][clsTNumber::Digit(lngNo, t)]];
    }
    return Joined(counts);
}

QString SingleListSummary::ExpectedText(int32_t lngNo) const {
    if (!Valid(lngNo) || !m_hasVote) {
        return {};
    }
    return QString::number(m_expected->SingleReturnPercent(lngNo), 'f', 1) + QLatin1Char('%');
}

} // namespace kestrel
