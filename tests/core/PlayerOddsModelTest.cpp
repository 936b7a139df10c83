#include <gtest/gtest.h>

#include "core/PlayerOddsModel.h"

using namespace kestrel;

TEST(PlayerOddsModel, RowsAddUpToOneHundredAndOkWaitsForEveryRow) {
    // Thirds round to hundredths that still add up to 100.00; the largest remainder wins.
    EXPECT_EQ(PlayerOddsModel::RoundRow({100.0 / 3, 100.0 / 3, 100.0 / 3, 0}),
              (std::array<int32_t, 4>{3334, 3333, 3333, 0}));
    EXPECT_EQ(PlayerOddsModel::RoundRow({1, 1, 1, 3}),
              (std::array<int32_t, 4>{1667, 1667, 1666, 5000}));
    EXPECT_EQ(PlayerOddsModel::RoundRow({0, 0, 0, 0}),
              (std::array<int32_t, 4>{2500, 2500, 2500, 2500}));

    PlayerOddsModel model;
    model.Load(PlayerOdds(), {});
    EXPECT_TRUE(model.OkEnabled());
    model.SetText(2, 1, QStringLiteral("30.5"));
    EXPECT_EQ(model.RowSumText(2), QStringLiteral("105.50"));
    EXPECT_EQ(model.RowColour(2), CellFore::Red);
    EXPECT_FALSE(model.OkEnabled());
    model.SetText(2, 0, QStringLiteral("19.5"));
    EXPECT_TRUE(model.OkEnabled());
    EXPECT_DOUBLE_EQ(model.Result().Percent(2, 1), 30.5);
    EXPECT_EQ(model.Text(2, 0), QStringLiteral("19.50"));
    for (const char* bad : {"x", "-1", "100.01", ""}) {
        model.SetText(4, 3, QString::fromUtf8(bad));
        EXPECT_EQ(model.Value(4, 3), 0) << bad;
    }

    VoteRecord vote;
    for (int t = 0; t < kSlotCount; ++t) {
        for (int c = 0; c < kGoalClassCount; ++c) {
            vote.Slots[t].Votes[c].Count = Money::FromInt(c == 0 ? 1 : 2);
        }
    }
    model.FillFromVote(vote);
    EXPECT_TRUE(model.OkEnabled());
    EXPECT_EQ(model.Value(4, 0), 1429); // 1/7 = 14.2857 %
    EXPECT_TRUE(model.Result().IsValid());
}
