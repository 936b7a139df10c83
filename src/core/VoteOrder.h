#pragma once

#include <array>

#include "core/LotteryConstants.h"
#include "core/VoteRecord.h"

namespace kestrel {

// Orders the four goal classes of one team slot by their vote counts (投票口数), ascending, with
// the program's own quicksort. Equal counts keep the order that procedure gives (four equal
// counts give classes 1, 2, 0, 3); no other tie-break applies. Used for marking by vote order
// and for popularity ranks, which must agree.
class VoteOrder {
public:
    // Classes sorted by ascending count: result[0] is the least voted, result[3] the most voted.
    static std::array<int, kGoalClassCount> Ascending(const VoteSlot& slot);
    // The same for raw counts (as fixed-point raw values).
    static std::array<int, kGoalClassCount> Ascending(std::array<int64_t, kGoalClassCount> counts);
};

} // namespace kestrel
