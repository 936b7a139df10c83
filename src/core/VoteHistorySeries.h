#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/LotteryConstants.h"
#include "core/PlayerOdds.h"
#include "core/VoteSnapshot.h"

namespace kestrel {

// What the vote-history chart draws, one point per snapshot: the four class rates of every team
// (from the counts, as the prize estimate reads them) and, for a single list, its expected return
// and the grade-1 prize it would expect on a grade-1 win under the odds in force (the player's
// odds, or each snapshot's own vote rates when there are none).
struct VoteHistorySeries {
    struct Point {
        DateTime At;
        bool Final = false;
        std::array<std::array<double, kGoalClassCount>, kSlotCount> Rate{}; // percent
        double ReturnPercent = 0.0;
        double Prize1 = 0.0; // yen
    };

    std::array<QString, kSlotCount> Teams{};
    std::vector<Point> Points;

    static VoteHistorySeries Build(std::span<const VoteSnapshot> snapshots,
                                   std::span<const int32_t> singles,
                                   const std::optional<PlayerOdds>& odds, double price);

    // Largest value of the list figures, for the scale of their panels (0 without points).
    double MaxReturnPercent() const;
    double MaxPrize1() const;
};

} // namespace kestrel
