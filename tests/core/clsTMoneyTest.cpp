#include <gtest/gtest.h>

#include "MessageCollector.h"
#include "core/UserVoteRateModel.h"
#include "core/clsTMoney.h"

using namespace kestrel;

namespace {

VoteRecord Votes(const std::array<std::array<int64_t, 4>, 6>& counts) {
    VoteRecord v;
    v.Kaisaikai = 500;
    for (int t = 0; t < 6; ++t) {
        for (int c = 0; c < 4; ++c) {
            v.Slots[t].Votes[c].Count = Money::FromInt(counts[t][c]);
        }
    }
    return v;
}

VoteRecord SameEverySlot(std::array<int64_t, 4> counts) {
    return Votes({counts, counts, counts, counts, counts, counts});
}

clsTNumber::LongKousei L(int a, int b, int c, int d, int e, int f) {
    return {a, b, c, d, e, f};
}

} // namespace

TEST(clsTMoney, EstimatesTheWorkedExamples) {
    clsTMoney money;
    money.SetVote(SameEverySlot({50, 50, 0, 0}));
    EXPECT_DOUBLE_EQ(money.Rate(0, 0), 50.0);
    EXPECT_DOUBLE_EQ(money.Miss(3, 1), 50.0);
    EXPECT_EQ(money.GetMoney1(L(0, 1, 0, 1, 0, 1)), Money::FromInt(1920));
    EXPECT_EQ(money.GetMoney2(L(0, 1, 0, 1, 0, 1)), Money::FromInt(213));
    EXPECT_EQ(money.GetMoney3(L(0, 1, 0, 1, 0, 1)), Money());
    // A class without votes while the others have some: no first-grade estimate.
    EXPECT_EQ(money.GetMoney1(L(2, 0, 0, 0, 0, 0)), Money());

    money.SetVote(SameEverySlot({100, 0, 0, 0}));
    EXPECT_EQ(money.GetMoney1(L(0, 0, 0, 0, 0, 0)), Money::FromInt(30));
    EXPECT_EQ(money.GetMoney2(L(0, 0, 0, 0, 0, 0)), Money());
    EXPECT_EQ(money.GetMoney1No(0), Money::FromInt(30));

    // Almost nobody chose class 0: the estimate stops at the limit.
    money.SetVote(SameEverySlot({1, 999'999'999, 0, 0}));
    const Money limit = money.GetMoney1(L(0, 0, 0, 0, 0, 0));
    EXPECT_EQ(limit, Money::FromInt(99'999'999'999));
    EXPECT_EQ(clsTMoney::ShortText(limit), QStringLiteral("****億"));
}

TEST(clsTMoney, SlotWithoutVotesGivesZeroRatesAndFullMiss) {
    clsTMoney money;
    auto v = SameEverySlot({10, 20, 30, 40});
    v.Slots[4].Votes = {};
    money.SetVote(v);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(money.Rate(4, c), 0.0);
        EXPECT_EQ(money.Miss(4, c), 100.0);
    }
    EXPECT_EQ(money.GetMoney1(L(3, 3, 3, 3, 3, 3)), Money());
    // Grade 2: only the term that misses slot 5 survives.
    // P = 100 x 40^5 = 1.024e10; 2e13 / P = 1953.125 -> 1953.
    EXPECT_EQ(money.GetMoney2(L(3, 3, 3, 3, 3, 3)), Money::FromInt(1953));
}

TEST(clsTMoney, NegativeVoteCountsGiveNoEstimateAndNoMessage) {
    test::CollectedMessages messages;
    clsTMoney money;
    // Class 0 has a negative count: its rate is -12.5 % in every slot.
    money.SetVote(SameEverySlot({-10, 20, 30, 40}));
    const clsTNumber::LongKousei k = L(0, 1, 1, 1, 1, 1);
    int32_t no = 0;
    clsTNumber().LongToNo(k, no);
    const Money estimates[] = {money.GetMoney1(k),    money.GetMoney2(k),    money.GetMoney3(k),
                               money.GetMoney1No(no), money.GetMoney2No(no), money.GetMoney3No(no)};
    for (const Money m : estimates) {
        EXPECT_EQ(m, Money());
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(clsTMoney, EstimatesOnARealSizedVoteStatus) {
    clsTMoney money;
    money.SetVote(Votes({{{312456, 401233, 189002, 97309},
                          {520111, 300045, 120400, 59444},
                          {150000, 350500, 300300, 199200},
                          {410000, 380000, 150000, 60000},
                          {220345, 410876, 250123, 118656},
                          {600000, 250000, 100000, 50000}}}));
    // Exact values: 4057.84, 346.49, 73140837.19, 684708.82, 322400.87, 7394.10 (rounded down).
    EXPECT_EQ(money.GetMoney1(L(1, 0, 1, 0, 1, 0)), Money::FromInt(4057));
    EXPECT_EQ(money.GetMoney2(L(1, 0, 1, 0, 1, 0)), Money::FromInt(346));
    EXPECT_EQ(money.GetMoney1(L(3, 3, 3, 3, 3, 3)), Money::FromInt(73'140'837));
    EXPECT_EQ(money.GetMoney2(L(3, 3, 3, 3, 3, 3)), Money::FromInt(684'708));
    EXPECT_EQ(money.GetMoney1(L(0, 1, 2, 3, 0, 1)), Money::FromInt(322'400));
    EXPECT_EQ(money.GetMoney2(L(0, 1, 2, 3, 0, 1)), Money::FromInt(7'394));
    EXPECT_EQ(clsTMoney::ShortText(money.GetMoney1(L(3, 3, 3, 3, 3, 3))), QStringLiteral("7314万"));

    clsTNumber n;
    for (int32_t no = 0; no < kSingleCount; ++no) {
        clsTNumber::LongKousei k{};
        n.NoToLong(no, k);
        const Money m1 = money.GetMoney1(k);
        const Money m2 = money.GetMoney2(k);
        ASSERT_EQ(m1, money.GetMoney1No(no));
        ASSERT_EQ(m2, money.GetMoney2No(no));
        ASSERT_EQ(m1.Raw() % Money::kScale, 0);
        ASSERT_GT(m1, m2); // with all classes voted, the first grade always pays more
        ASSERT_EQ(money.GetMoney3No(no), Money());
    }
}

TEST(clsTMoney, EstimateRoundsToFourDecimalsThenDown) {
    EXPECT_EQ(clsTMoney::Estimate(3e13, 0.0), Money());
    EXPECT_EQ(clsTMoney::Estimate(99.99994, 1.0), Money::FromInt(99));   // 99.9999 at 4 dp
    EXPECT_EQ(clsTMoney::Estimate(99.999999, 1.0), Money::FromInt(100)); // 100.0000 at 4 dp
    EXPECT_EQ(clsTMoney::Estimate(1e12, 1e-3), Money::FromInt(99'999'999'999));
}

TEST(clsTMoney, ShortNotation) {
    EXPECT_EQ(clsTMoney::ShortText(Money()), QString());
    EXPECT_EQ(clsTMoney::ShortText(Money::FromInt(9'999)), QStringLiteral("9999円"));
    EXPECT_EQ(clsTMoney::ShortText(Money::FromInt(12'345)), QStringLiteral("1.23万"));
    EXPECT_EQ(clsTMoney::ShortText(Money::FromInt(10'000)), QStringLiteral("1.00万"));
    EXPECT_EQ(clsTMoney::ShortText(Money::FromInt(123'456)), QStringLiteral("12万"));
    EXPECT_EQ(clsTMoney::ShortText(Money::FromInt(99'999'999)), QStringLiteral("9999万"));
    EXPECT_EQ(clsTMoney::ShortText(Money::FromInt(123'456'789)), QStringLiteral("1.23億"));
    EXPECT_EQ(clsTMoney::ShortText(Money::FromInt(150'000'000)), QStringLiteral("1.5億"));
    EXPECT_EQ(clsTMoney::ShortText(Money::FromInt(200'000'000)), QStringLiteral("2億"));
    EXPECT_EQ(clsTMoney::ShortText(Money::FromInt(2'500'000'000)), QStringLiteral("25億"));
    EXPECT_EQ(clsTMoney::ShortText(Money::FromInt(99'999'999'998)), QStringLiteral("999億"));
    EXPECT_EQ(clsTMoney::ShortText(Money::FromInt(99'999'999'999)), QStringLiteral("****億"));
}

TEST(UserVoteRateModel, LoadsPublishedRatesAndSwitchesScales) {
    VoteRecord doc;
    doc.Kaisaikai = 321;
    doc.Kumi = QStringLiteral("A");
    doc.Sales[0] = Money::FromInt(1000);
    const std::array<int64_t, 4> rates{2550, 2450, 2500, 2500}; // hundredths of a percent
    for (auto& slot : doc.Slots) {
        for (int c = 0; c < 4; ++c) {
            slot.Votes[c].Rate = Money::FromRaw(rates[c] * 100);
            slot.Votes[c].Count = Money::FromInt(777);
        }
    }
    UserVoteRateModel model;
    model.Load(doc, {QStringLiteral("甲府"), QStringLiteral("鳥栖"), QString(), QString(),
                     QString(), QString()});
    EXPECT_EQ(model.Value(0, 0), 2550);
    EXPECT_EQ(model.TeamName(1), QStringLiteral("鳥栖"));
    EXPECT_EQ(model.RowSum(0), 10000);
    EXPECT_TRUE(model.OkEnabled());
    EXPECT_EQ(model.TotalText(), QStringLiteral("10,000"));

    model.SetScale(UserVoteRateModel::Scale::Scale100);
    EXPECT_EQ(model.Value(2, 0), 26);
    EXPECT_EQ(model.Value(2, 1), 24);
    EXPECT_EQ(model.Value(2, 2), 25);
    EXPECT_EQ(model.RowSum(2), 100);
    EXPECT_TRUE(model.OkEnabled());
    model.SetValue(2, 0, 27);
    EXPECT_EQ(model.RowColour(2), CellFore::Red);
    EXPECT_EQ(model.RowColour(1), CellFore::Black);
    EXPECT_FALSE(model.OkEnabled());
    model.SetText(2, 0, QStringLiteral("abc"));
    EXPECT_EQ(model.Value(2, 0), 0);
    model.SetText(2, 0, QStringLiteral("26"));
    EXPECT_TRUE(model.OkEnabled());

    const VoteRecord out = model.Result(doc);
    EXPECT_EQ(out.Kaisaikai, 321);
    EXPECT_EQ(out.Kumi, QStringLiteral("A"));
    EXPECT_TRUE(out.AsOf.IsZero());
    EXPECT_EQ(out.Sales[0], Money());
    EXPECT_EQ(out.Slots[2].Votes[0].Count, Money::FromInt(2600));
    EXPECT_EQ(out.Slots[2].Votes[0].Rate, Money::FromInt(26));
    EXPECT_EQ(out.Slots[2].Votes[1].Rate, Money::FromInt(24));
    EXPECT_TRUE(out.Slots[2].Team.isEmpty());

    model.SetScale(UserVoteRateModel::Scale::Scale10000);
    EXPECT_EQ(model.Value(2, 0), 2600);
    // The round trip through the "100" scale lost the hundredths.
    EXPECT_EQ(model.Result(doc).Slots[0].Votes[0].Rate, Money::FromInt(26));
    model.Load(doc, {});
    EXPECT_EQ(model.Result(doc).Slots[0].Votes[0].Rate, Money::FromRaw(255000)); // 25.5
    EXPECT_EQ(model.Result(doc).Slots[0].Votes[0].Count, Money::FromInt(2550));
}

TEST(UserVoteRateModel, KeyFilter) {
    using KA = UserVoteRateModel::KeyAction;
    UserVoteRateModel model;
    EXPECT_EQ(model.Key(u'7', QStringLiteral("1234"), false), KA::Accept);
    EXPECT_EQ(model.Key(u'7', QStringLiteral("12345"), false), KA::Refuse);
    EXPECT_EQ(model.Key(u'7', QStringLiteral("12345"), true), KA::Accept);
    EXPECT_EQ(model.Key(u'a', QStringLiteral(""), false), KA::Refuse);
    EXPECT_EQ(model.Key(u'-', QStringLiteral(""), false), KA::Refuse);
    EXPECT_EQ(model.Key(UserVoteRateModel::kBackspace, QString(), false), KA::Refuse);
    EXPECT_EQ(model.Key(UserVoteRateModel::kBackspace, QStringLiteral("1"), false), KA::Accept);
    EXPECT_EQ(model.Key(UserVoteRateModel::kEnter, QStringLiteral("1"), false), KA::NextBox);
    model.SetScale(UserVoteRateModel::Scale::Scale100);
    EXPECT_EQ(model.Key(u'1', QStringLiteral("100"), false), KA::Refuse);
    EXPECT_EQ(model.Key(u'1', QStringLiteral("10"), false), KA::Accept);
}
