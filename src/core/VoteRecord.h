#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "platform/DateTime.h"
#include "platform/Money.h"

namespace kestrel {

// Votes of one goal class of one team.
struct GoalVote {
    Money Count; // 投票口数
    Money Rate;  // 投票率 in percent (12.34 means 12.34 %)
};

// One team slot of the vote status.
struct VoteSlot {
    QString Team; // as printed on the vote-status page
    DateTime GameDate;
    DateTime GameTime;
    std::array<GoalVote, 4> Votes{}; // goal class 0..3
};

// The public vote status (投票状況) of one round. Slots are indexed 0..5 for slots 1..6; the
// three-value arrays are total, multi, single.
struct VoteRecord {
    int32_t Kaisaikai = 0;
    QString Kumi;
    DateTime AsOf; // 販売終了時点; unset for user-defined rates
    std::array<VoteSlot, 6> Slots{};
    std::array<Money, 3> Sales{};   // 売上金額
    std::array<Money, 3> Votes{};   // 投票口数
    std::array<Money, 3> Tickets{}; // 投票枚数
    DateTime SaleStart;
    DateTime SaleEnd;
    DateTime ResultDate;
    DateTime PayStart;
    DateTime PayEnd;
};

} // namespace kestrel
