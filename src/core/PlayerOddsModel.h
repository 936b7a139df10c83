#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/LotteryConstants.h"
#include "core/MarkTable.h"
#include "core/PlayerOdds.h"
#include "core/VoteRecord.h"

namespace kestrel {

// The editor of the player's odds ("わたしの予想確率") as a model: one row per team slot, one box
// per goal class holding a percentage with up to two decimals (kept in hundredths of a percent,
// so a row adds up to exactly 100.00). A row that does not add up to 100 is drawn red and "OK"
// waits until every row does; "投票率から作成" fills the rows from the round's vote rates.
class PlayerOddsModel {
public:
    static const QString kTitle; // "わたしの予想確率"
    static const QString kLabel; // "各行の合計が100%になるように入力して下さい。"
    static const QString kFromVoteText;         // "投票率から作成"
    static const QString kSumCaption;           // "合計"
    static constexpr int32_t kRowTotal = 10000; // hundredths of a percent

    void Load(const PlayerOdds& odds, const std::array<QString, kSlotCount>& teams);
    // "投票率から作成": the vote rates, rounded to hundredths so that each row adds to 100.
    void FillFromVote(const VoteRecord& vote);

    // A box's text after editing; text that is not a percentage from 0 to 100 counts as 0.
    void SetText(int slotIndex, int goalClass, const QString& text);
    QString Text(int slotIndex, int goalClass) const;
    int32_t Value(int slotIndex, int goalClass) const { return m_values[slotIndex][goalClass]; }
    const QString& TeamName(int slotIndex) const { return m_teams[slotIndex]; }

    int32_t RowSum(int slotIndex) const;
    QString RowSumText(int slotIndex) const;
    bool RowMatches(int slotIndex) const { return RowSum(slotIndex) == kRowTotal; }
    CellFore RowColour(int slotIndex) const {
        return RowMatches(slotIndex) ? CellFore::Black : CellFore::Red;
    }
    bool OkEnabled() const;

    PlayerOdds Result() const;

    // Hundredths of a percent that add up to kRowTotal, from percentages that add up to about
    // 100 (largest remainders get the missing hundredths).
    static std::array<int32_t, kGoalClassCount>
    RoundRow(const std::array<double, kGoalClassCount>& percent);

private:
    std::array<std::array<int32_t, kGoalClassCount>, kSlotCount> m_values{};
    std::array<QString, kSlotCount> m_teams{};
};

} // namespace kestrel
