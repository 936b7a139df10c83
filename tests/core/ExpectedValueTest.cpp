#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "core/ExpectedValue.h"
#include "core/PlayerOdds.h"
#include "core/clsTMoney.h"
#include "core/clsTNumber.h"

using namespace kestrel;

namespace {

// Uneven vote counts, different in every slot.
VoteRecord UnevenVote() {
    VoteRecord v;
    const int64_t counts[6][4] = {{120, 340, 210, 90}, {50, 75, 300, 410}, {999, 1, 400, 250},
                                  {310, 310, 150, 12}, {80, 640, 20, 260}, {5, 95, 500, 400}};
    for (int t = 0; t < 6; ++t) {
        for (int c = 0; c < 4; ++c) {
            v.Slots[t].Votes[c].Count = Money::FromInt(counts[t][c]);
        }
    }
    return v;
}

PlayerOdds UnevenOdds() {
    return PlayerOdds(PlayerOdds::Table{{{10, 40, 30, 20},
                                         {25, 25, 25, 25},
                                         {60, 5, 20, 15},
                                         {33.33, 33.33, 33.34, 0},
                                         {1, 2, 3, 94},
                                         {40, 30, 20, 10}}});
}

// The definitions, summed over every result and every single of the list.
ListExpectation BruteForce(const VoteRecord& vote, const PlayerOdds& odds,
                           const std::vector<int32_t>& list, double price) {
    clsTMoney money;
    money.SetVote(vote);
    ListExpectation out;
    out.Singles = static_cast<int64_t>(list.size());
    for (int32_t r = 0; r < kSingleCount; ++r) {
        double p = 1.0;
        for (int t = 0; t < kSlotCount; ++t) {
            p *= odds.Percent(t, clsTNumber::Digit(r, t)) / odds.RowSum(t);
        }
        int n1 = 0;
        int n2 = 0;
        for (const int32_t s : list) {
            const int d = clsTNumber::Distance(s, r);
            n1 += d == 0 ? 1 : 0;
            n2 += d == 1 ? 1 : 0;
        }
        out.Expected1 += p * n1 * money.GetMoney1No(r).ToDouble();
        out.Expected +=
            p * (n1 * money.GetMoney1No(r).ToDouble() + n2 * money.GetMoney2No(r).ToDouble());
        out.P1 += n1 > 0 ? p : 0.0;
        out.P2 += n2 > 0 ? p : 0.0;
    }
    out.ReturnPercent = list.empty() ? 0.0 : out.Expected / (list.size() * price) * 100.0;
    return out;
}

void ExpectNear(double actual, double expected) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-9 + 1e-300) << expected;
}

} // namespace

TEST(ExpectedValue, ListFiguresEqualTheBruteForceSum) {
    const VoteRecord vote = UnevenVote();
    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> single(0, kSingleCount - 1);
    std::vector<int32_t> repeats = {5, 5, 5, 6, 1000, 4095, 0};
    std::vector<int32_t> scattered;
    for (int i = 0; i < 300; ++i) {
        scattered.push_back(single(random));
    }
    for (const PlayerOdds& odds : {UnevenOdds(), PlayerOdds::FromVote(vote), PlayerOdds()}) {
        for (const auto* list : {&repeats, &scattered}) {
            for (const double price : {100.0, 200.0}) {
                ExpectedValue ev;
                ev.Set(vote, odds, price);
                const ListExpectation fast = ev.ForList(*list);
                const ListExpectation slow = BruteForce(vote, odds, *list, price);
                EXPECT_EQ(fast.Singles, slow.Singles);
                EXPECT_GT(slow.Expected, 0.0);
                ExpectNear(fast.Expected, slow.Expected);
                ExpectNear(fast.Expected1, slow.Expected1);
                ExpectNear(fast.P1, slow.P1);
                ExpectNear(fast.P2, slow.P2);
                ExpectNear(fast.ReturnPercent, slow.ReturnPercent);
            }
        }
    }
}

TEST(ExpectedValue, SingleFiguresEqualTheBruteForceSumOfTheSingleAlone) {
    const VoteRecord vote = UnevenVote();
    ExpectedValue ev;
    ev.Set(vote, UnevenOdds(), 200.0);
    for (const int32_t s : {0, 1, 777, 2048, 4095}) {
        const ListExpectation slow = BruteForce(vote, UnevenOdds(), {s}, 200.0);
        ExpectNear(ev.SingleExpected(s), slow.Expected);
        ExpectNear(ev.SingleReturnPercent(s), slow.Expected / 200.0 * 100.0);
    }
}

TEST(ExpectedValue, CertainResultPaysItsEstimates) {
    // The player is sure of the result 0 (every team scores 0): a list holding it twice and one
    // neighbour expects twice the grade-1 and once the grade-2 estimate of that result.
    PlayerOdds sure(PlayerOdds::Table{});
    for (int t = 0; t < kSlotCount; ++t) {
        sure.SetPercent(t, 0, 100.0);
    }
    ExpectedValue ev;
    ev.Set(UnevenVote(), sure);
    const std::vector<int32_t> list = {0, 0, 1, 4095, -1, 5000};
    const ListExpectation figures = ev.ForList(list);
    EXPECT_EQ(figures.Singles, 4);
    EXPECT_DOUBLE_EQ(figures.Expected, 2 * ev.Prize1(0) + ev.Prize2(0));
    EXPECT_DOUBLE_EQ(figures.P1, 1.0);
    EXPECT_DOUBLE_EQ(figures.P2, 1.0);
    EXPECT_DOUBLE_EQ(ev.ForList(std::vector<int32_t>{}).ReturnPercent, 0.0);
}

TEST(PlayerOdds, ValidatesRowsAndReadsItsTextForm) {
    EXPECT_TRUE(PlayerOdds().IsValid());
    EXPECT_TRUE(UnevenOdds().IsValid());
    EXPECT_DOUBLE_EQ(PlayerOdds().SingleProbability(123), std::pow(0.25, 6));

    const PlayerOdds back = *PlayerOdds::FromText(UnevenOdds().ToText());
    EXPECT_EQ(back, UnevenOdds());

    struct Case {
        const char* text;
        const char* error;
    };
    const Case bad[] = {
        {"25,25,25,25\n", "予想確率は6行（1行に4つの値）で指定して下さい。"},
        {"25,25,25,25\n25,25,25,25\n25,25,25,25\n25,25,25\n25,25,25,25\n25,25,25,25\n",
         "予想確率は6行（1行に4つの値）で指定して下さい。"},
        {"25,25,25,25\n25,25,x,25\n25,25,25,25\n25,25,25,25\n25,25,25,25\n25,25,25,25\n",
         "2行目の値「x」は確率（0以上の数値）ではありません。"},
        {"25,25,25,25\n25,25,25,25\n125,-25,0,0\n25,25,25,25\n25,25,25,25\n25,25,25,25\n",
         "3行目の値「-25」は確率（0以上の数値）ではありません。"},
        {"25,25,25,25\n25,25,25,25\n25,25,25,25\n25,25,25,25\n25,25,25,25\n25,25,25,24\n",
         "6行目の合計が100になっていません。"},
    };
    for (const Case& c : bad) {
        QString error;
        EXPECT_FALSE(PlayerOdds::FromText(QString::fromUtf8(c.text), &error).has_value());
        EXPECT_EQ(error, QString::fromUtf8(c.error));
    }
    // Blank lines and blanks around values are allowed.
    EXPECT_TRUE(
        PlayerOdds::FromText(
            QStringLiteral("\r\n 10 , 20,30,40\r\n25,25,25,25\r\n\r\n25,25,25,25\r\n25,25,25,25\r\n"
                           "25,25,25,25\r\n25,25,25,25\r\n"))
            .has_value());
}

TEST(PlayerOdds, FromVoteUsesTheCountsAndEvensOutASlotWithoutVotes) {
    VoteRecord vote = UnevenVote();
    for (auto& v : vote.Slots[2].Votes) {
        v.Count = Money();
    }
    const PlayerOdds odds = PlayerOdds::FromVote(vote);
    EXPECT_TRUE(odds.IsValid());
    EXPECT_DOUBLE_EQ(odds.Percent(0, 1), 340.0 / 760.0 * 100.0);
    EXPECT_DOUBLE_EQ(odds.Percent(2, 3), 25.0);
}
