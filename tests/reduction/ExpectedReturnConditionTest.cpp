#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "ReductionTestUtil.h"
#include "core/ExpectedValue.h"
#include "reduction/clsTX.h"

namespace kestrel {
namespace {

VoteRecord UnevenVote() {
    VoteRecord vote = test::Vote({500, 300, 150, 50});
    vote.Slots[1].Votes[3].Count = Money::FromInt(400);
    vote.Slots[4].Votes[0].Count = Money::FromInt(20);
    return vote;
}

PlayerOdds TiltedOdds() {
    PlayerOdds odds;
    for (int t = 0; t < kSlotCount; ++t) {
        odds.SetPercent(t, 0, 10);
        odds.SetPercent(t, 1, 20);
        odds.SetPercent(t, 2, 30);
        odds.SetPercent(t, 3, 40);
    }
    return odds;
}

// The expected-return step keeps exactly the singles whose return reaches the minimum, under
// the player's odds or, without them, the vote rates; a single failing only this condition is a
// plain miss in allowed-miss mode.
TEST(ExpectedReturnCondition, KeepsTheSinglesWhoseReturnReachesTheMinimum) {
    const VoteRecord vote = UnevenVote();
    for (const std::optional<PlayerOdds>& odds :
         {std::optional<PlayerOdds>(TiltedOdds()), std::optional<PlayerOdds>()}) {
        for (const double price : {100.0, 300.0}) {
            ExpectedValue ev;
            ev.Set(vote, odds ? *odds : PlayerOdds::FromVote(vote), price);
            // The median return as the minimum, so that about half the singles stay.
            std::vector<double> returns;
            for (int32_t s = 0; s < kSingleCount; ++s) {
                returns.push_back(ev.SingleReturnPercent(s));
            }
            std::nth_element(returns.begin(), returns.begin() + kSingleCount / 2, returns.end());
            ConditionSet set;
            set.HaitouEv.Flag = true;
            set.HaitouEv.MinPercent = Money::FromDouble(returns[kSingleCount / 2]);
            std::vector<int32_t> expected;
            for (int32_t s = 0; s < kSingleCount; ++s) {
                if (ev.SingleReturnPercent(s) >= set.HaitouEv.MinPercent.ToDouble()) {
                    expected.push_back(s);
                }
            }
            ASSERT_GT(expected.size(), 0u);
            ASSERT_LT(expected.size(), static_cast<size_t>(kSingleCount));

            clsTX tx;
            tx.SetVote(vote);
            tx.SetOdds(odds, price);
            int32_t count = 0;
            std::vector<int32_t> singles;
            tx.Execute(count, singles, set, test::FullMulti());
            EXPECT_EQ(singles, expected);
            EXPECT_TRUE(tx.Log().Lines().join("\n").contains(QStringLiteral("期待回収率")));

            set.MachigaiType = 1;
            set.MachigaiList[1] = true;
            tx.Execute(count, singles, set, test::FullMulti());
            EXPECT_EQ(count, kSingleCount);
        }
    }
}

} // namespace
} // namespace kestrel
