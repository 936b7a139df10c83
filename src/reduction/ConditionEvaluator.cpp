#include "reduction/ConditionEvaluator.h"

#include <span>

#include "core/clsTDeme.h"
#include "core/clsTNumber.h"

namespace kestrel {

namespace {

bool ValidSingle(int32_t single) {
    return single >= 0 && single < kSingleCount;
}

} // namespace

ConditionEvaluator::ConditionEvaluator(const MarkTable& marks, const VoteRecord& vote)
    : m_marks(marks), m_vote(vote) {
    m_money.SetVote(vote);
}

Verdict ConditionEvaluator::FromCell(uint8_t cell) {
    if (cell == kCellBlank) {
        return Verdict::Pass;
    }
    return cell == kCellTriangle ? Verdict::Triangle : Verdict::Cross;
}

int ConditionEvaluator::Count(ConditionKind kind, const ConditionGroup& group, int row,
                              int32_t single) const {
    if (!ValidSingle(single) || row < 0 || row >= group.Rows()) {
        return 0;
    }
    clsTDeme deme;
    if (kind == ConditionKind::Honmei) {
        deme.SetMulti(m_marks);
    } else if (kind == ConditionKind::Ninki) {
        deme.SetVote(m_vote);
    }
    deme.SetGameFlg(group.GameFlg);
    deme.SetMarkFlg(group.MarkFlg);
    const auto& plus = group.PlusFlg[static_cast<size_t>(row)];
    deme.SetPlusFlg(std::span<const bool>(plus.data(), static_cast<size_t>(group.Bases())));
    clsTNumber number;
    clsTNumber::ByteKousei kousei{};
    number.NoToByte(single, kousei);
    switch (kind) {
    case ConditionKind::Honmei:
        return deme.GetHonmei(kousei);
    case ConditionKind::Ninki:
        return deme.GetNinki(kousei);
    case ConditionKind::Mark:
        return deme.GetMark(kousei);
    }
    return 0;
}

Verdict ConditionEvaluator::Row(ConditionKind kind, const ConditionGroup& group, int row,
                                int32_t single) const {
    if (!ValidSingle(single)) {
        return Verdict::Cross;
    }
    if (row < 0 || row >= group.Rows()) {
        return Verdict::Pass;
    }
    const int t = Count(kind, group, row, single);
    return FromCell(group.Cells[static_cast<size_t>(t)][static_cast<size_t>(row)]);
}

Verdict ConditionEvaluator::Tensho(const TenshoGrid& grid, int match, int32_t single) {
    if (!ValidSingle(single)) {
        return Verdict::Cross;
    }
    if (match < 0 || match >= grid.UsedRows()) {
        return Verdict::Pass;
    }
    const int cell = TenshoGrid::CellOf(single, match);
    if (cell >= grid.UsedCols()) {
        return Verdict::Pass;
    }
    return FromCell(grid.Cells[static_cast<size_t>(cell)][static_cast<size_t>(match)]);
}

Money ConditionEvaluator::Prize(int grade, int32_t single) const {
    if (!ValidSingle(single)) {
        return Money();
    }
    clsTNumber number;
    clsTNumber::LongKousei kousei{};
    number.NoToLong(single, kousei);
    switch (grade) {
    case 0:
        return m_money.GetMoney1(kousei);
    case 1:
        return m_money.GetMoney2(kousei);
    case 2:
        return m_money.GetMoney3(kousei);
    default:
        return Money();
    }
}

Verdict ConditionEvaluator::Haitou(Money min, Money max, int grade, int32_t single) const {
    if (!ValidSingle(single)) {
        return Verdict::Cross;
    }
    const Money upper =
        max == Money::FromInt(ConditionSet::kMaxYen) ? Money::FromInt(100'000'000'000) : max;
    const Money prize = Prize(grade, single);
    return (min <= prize && prize <= upper) ? Verdict::Pass : Verdict::Cross;
}

bool ConditionEvaluator::RowApplies(const ConditionGroup& group, int row) {
    return group.Applies() && group.RowMarkCount(row) > 0;
}

bool ConditionEvaluator::TenshoApplies(const TenshoGrid& grid, int match) {
    return grid.Enabled && grid.RowMarkCount(match) > 0;
}

bool ConditionEvaluator::HaitouApplies(const ConditionSet& conditions, int grade) {
    return conditions.HaitouApplies(grade) &&
           conditions.Haitou.Min[static_cast<size_t>(grade)] >= Money();
}

} // namespace kestrel
