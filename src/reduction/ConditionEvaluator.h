#pragma once

#include <cstdint>

#include "core/MarkTable.h"
#include "core/VoteRecord.h"
#include "core/clsTMoney.h"
#include "platform/Money.h"
#include "reduction/ConditionGroup.h"
#include "reduction/ConditionKind.h"
#include "reduction/ConditionSet.h"
#include "reduction/TenshoGrid.h"

namespace kestrel {

// What one condition says about one single.
enum class Verdict {
    Pass,     // allowed
    Cross,    // excluded ("×", or outside a payout range)
    Triangle, // excluded on a "△" cell
};

// Evaluates one single against one condition row, one score-table match or one payout range,
// given the multi's marks and the round's vote status. Meant for single look-ups (the condition
// pages, the list view); the reduction engine runs the same rules over whole lists.
class ConditionEvaluator {
public:
    ConditionEvaluator(const MarkTable& marks, const VoteRecord& vote);

    // Number of the group's counted teams whose base item of the single is ticked in the row.
    int Count(ConditionKind kind, const ConditionGroup& group, int row, int32_t single) const;
    // Cells[count][row] as a verdict.
    Verdict Row(ConditionKind kind, const ConditionGroup& group, int row, int32_t single) const;
    // The match's cell of the single's score pair as a verdict.
    static Verdict Tensho(const TenshoGrid& grid, int match, int32_t single);
    // Estimated prize of the single for grade index 0..2.
    Money Prize(int grade, int32_t single) const;
    // Min <= prize <= max (a maximum of 9,999,999,999 is no bound): Pass, else Cross.
    Verdict Haitou(Money min, Money max, int grade, int32_t single) const;

    // A row takes part when its group is switched on and it has a non-blank cell.
    static bool RowApplies(const ConditionGroup& group, int row);
    // A match takes part when the table is switched on and the match has a non-blank cell.
    static bool TenshoApplies(const TenshoGrid& grid, int match);
    // A payout grade takes part when available, ticked and its minimum is not negative.
    static bool HaitouApplies(const ConditionSet& conditions, int grade);

    static Verdict FromCell(uint8_t cell);

private:
    MarkTable m_marks;
    VoteRecord m_vote;
    clsTMoney m_money;
};

} // namespace kestrel
