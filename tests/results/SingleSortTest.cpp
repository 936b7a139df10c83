#include <gtest/gtest.h>

#include <algorithm>

#include "results/SingleListSummary.h"
#include "results/clsTSingleSort.h"

using namespace kestrel;

namespace {

int32_t No(std::array<int, 6> k) {
    int32_t n = 0;
    for (int i = 5; i >= 0; --i) {
        n = n * 4 + k[i];
    }
    return n;
}

// Every slot: class 0 voted 50, class 1 30, class 2 15, class 3 5.
VoteRecord Vote(int32_t round = 500) {
    VoteRecord v;
    v.Kaisaikai = round;
    for (auto& slot : v.Slots) {
        slot.Votes[0].Count = Money::FromInt(50);
        slot.Votes[1].Count = Money::FromInt(30);
        slot.Votes[2].Count = Money::FromInt(15);
        slot.Votes[3].Count = Money::FromInt(5);
    }
    return v;
}

} // namespace

TEST(SingleSort, MarkSortCountsTheGoalClass) {
    clsTSingleSort sort;
    std::vector<int32_t> list = {0, 4095};
    sort.MarkSort(list, 3, false);
    EXPECT_EQ(list, (std::vector<int32_t>{4095, 0}));
    sort.MarkSort(list, 3, true);
    EXPECT_EQ(list, (std::vector<int32_t>{0, 4095}));

    // Keys: 2361 = (1,2,3,0,1,2) has two 1s, 0 none, 1365 = all 1s six.
    list = {1365, 0, 2361, 5};
    sort.MarkSort(list, 1, true);
    EXPECT_EQ(list, (std::vector<int32_t>{0, 2361, 5, 1365}));
    EXPECT_EQ(clsTSingleSort::MarkKey(2361, 1), 2);
    EXPECT_EQ(clsTSingleSort::MarkKey(5, 1), 2);
    // Equal keys keep their order in both directions; different keys reverse.
    sort.MarkSort(list, 1, false);
    EXPECT_EQ(list, (std::vector<int32_t>{1365, 2361, 5, 0}));
}

TEST(SingleSort, TinyListsStayAsTheyAre) {
    clsTSingleSort sort;
    sort.SetVote(Vote());
    std::vector<int32_t> one = {77};
    sort.MoneySort(one, 0, true);
    sort.MarkSort(one, 0, false);
    sort.NinkiSort(one, 0, true);
    EXPECT_EQ(one, (std::vector<int32_t>{77}));
    std::vector<int32_t> none;
    sort.MoneySort(none, 1, false);
    EXPECT_TRUE(none.empty());
}

TEST(SingleSort, MoneySortByEstimatedPrize) {
    clsTSingleSort sort;
    sort.SetVote(Vote());
    // Grade 1: all favourites 1,920 yen; one 30 % class 3,200 yen; all 5 % 1,920,000,000 yen.
    EXPECT_EQ(sort.MoneyKey(0, 0), Money::FromInt(1920));
    EXPECT_EQ(sort.MoneyKey(1, 0), Money::FromInt(3200));
    EXPECT_EQ(sort.MoneyKey(4095, 0), Money::FromInt(1'920'000'000));
    EXPECT_EQ(sort.MoneyKey(0, 1), Money::FromInt(213));
    EXPECT_EQ(sort.MoneyKey(0, 2), Money{});
    std::vector<int32_t> list = {4095, 1, 0, 1};
    sort.MoneySort(list, 0, true);
    EXPECT_EQ(list, (std::vector<int32_t>{0, 1, 1, 4095}));
    sort.MoneySort(list, 0, false);
    EXPECT_EQ(list, (std::vector<int32_t>{4095, 1, 1, 0}));
    // Different singles with the same estimate keep their order.
    std::vector<int32_t> tied = {4, 0, 1};
    sort.MoneySort(tied, 0, true);
    EXPECT_EQ(tied, (std::vector<int32_t>{0, 4, 1}));
    sort.MoneySort(tied, 0, false);
    EXPECT_EQ(tied, (std::vector<int32_t>{4, 1, 0}));
    // The third grade pays nothing: every key is 0 and the order stays.
    sort.MoneySort(list, 2, true);
    EXPECT_EQ(list, (std::vector<int32_t>{4095, 1, 1, 0}));
}

TEST(SingleSort, EverySortAgreesWithAStableSortByItsKey) {
    VoteRecord v = Vote();
    v.Slots[3].Votes[2].Count = Money::FromInt(77);
    v.Slots[5].Votes[0].Count = Money::FromInt(3);
    clsTSingleSort sort;
    sort.SetVote(v);
    std::vector<int32_t> list;
    uint32_t x = 12345;
    for (int i = 0; i < 3000; ++i) {
        x = x * 1103515245u + 12345u;
        list.push_back(static_cast<int32_t>((x >> 8) % 4096));
    }
    for (bool ascending : {true, false}) {
        for (int k = 0; k < 4; ++k) {
            auto check = [&](auto key, auto run) {
                std::vector<int32_t> expected = list;
                std::stable_sort(expected.begin(), expected.end(), [&](int32_t a, int32_t b) {
                    return ascending ? key(a) < key(b) : key(b) < key(a);
                });
                std::vector<int32_t> got = list;
                run(got);
                EXPECT_EQ(got, expected) << "k=" << k << " ascending=" << ascending;
            };
            if (k < 2) {
                check([&](int32_t no) { return sort.MoneyKey(no, k); },
                      [&](std::vector<int32_t>& l) { sort.MoneySort(l, k, ascending); });
            }
            check([&](int32_t no) { return clsTSingleSort::MarkKey(no, k); },
                  [&](std::vector<int32_t>& l) { sort.MarkSort(l, k, ascending); });
            check([&](int32_t no) { return sort.NinkiKey(no, k); },
                  [&](std::vector<int32_t>& l) { sort.NinkiSort(l, k, ascending); });
        }
    }
}

TEST(SingleSort, PopularityRanksFromVoteCounts) {
    VoteRecord v = Vote();
    v.Slots[1].Votes[0].Count = Money::FromInt(10);
    v.Slots[1].Votes[1].Count = Money::FromInt(40);
    v.Slots[1].Votes[2].Count = Money::FromInt(30);
    v.Slots[1].Votes[3].Count = Money::FromInt(20);
    for (auto& g : v.Slots[2].Votes) {
        g.Count = Money::FromInt(7);
    }
    const NinkiTable rank = clsTSingleSort::BuildNinkiTable(v);
    EXPECT_EQ(rank[0], (std::array<uint8_t, 4>{0, 1, 2, 3}));
    EXPECT_EQ(rank[1], (std::array<uint8_t, 4>{3, 0, 1, 2}));
    // Four equal counts: the four ranks, in some order.
    std::array<uint8_t, 4> tied = rank[2];
    std::sort(tied.begin(), tied.end());
    EXPECT_EQ(tied, (std::array<uint8_t, 4>{0, 1, 2, 3}));

    clsTSingleSort sort;
    sort.SetVote(v);
    // (1,1,0,0,0,0): slot 2 chose its favourite, the others their second choice or favourite.
    const int32_t a = No({1, 1, 0, 0, 0, 0});
    EXPECT_EQ(sort.NinkiKey(a, 0), 4 + (rank[2][0] == 0 ? 1 : 0));
    std::vector<int32_t> list = {No({3, 3, 3, 3, 3, 3}), No({0, 1, 3, 0, 0, 0})};
    sort.NinkiSort(list, 0, false);
    EXPECT_EQ(list[0], No({0, 1, 3, 0, 0, 0}));
    sort.NinkiSort(list, 0, true);
    EXPECT_EQ(list[0], No({3, 3, 3, 3, 3, 3}));
}

TEST(SingleSort, GradeSortByStoredGrades) {
    std::vector<int32_t> list = {10, 20, 30, 40};
    clsTSingleSort::GradeSort(list, {3, 1, 7, 1}, true);
    EXPECT_EQ(list, (std::vector<int32_t>{20, 40, 10, 30}));
    list = {10, 20, 30, 40};
    clsTSingleSort::GradeSort(list, {3, 1, 7, 1}, false);
    EXPECT_EQ(list, (std::vector<int32_t>{30, 10, 20, 40}));
}

TEST(SingleSort, NumbersOutOfRangeDoNotBreakTheSort) {
    clsTSingleSort sort;
    sort.SetVote(Vote());
    std::vector<int32_t> list = {4095, -3, 9999, 0};
    sort.MoneySort(list, 0, false);
    EXPECT_EQ(list, (std::vector<int32_t>{4095, 0, -3, 9999}));
    sort.MarkSort(list, 0, true);
    EXPECT_EQ(list.size(), 4u);
}

TEST(SingleListSummaryLines, CaptionsAndTexts) {
    EXPECT_EQ(SingleListSummary::Caption(0), "1等推定金額");
    EXPECT_EQ(SingleListSummary::Caption(1), "2等推定金額");
    EXPECT_EQ(SingleListSummary::Caption(2), "0-1-2-3マーク");
    EXPECT_EQ(SingleListSummary::Caption(3), "1-2-3-4番人気");
    EXPECT_EQ(SingleListSummary::Caption(4), "期待値");

    SingleListSummary summary;
    const int32_t example = No({0, 0, 1, 3, 3, 3});
    EXPECT_EQ(SingleListSummary::MarkText(example), "2-1-0-3");
    // No vote status: no estimates and no popularity line.
    EXPECT_FALSE(summary.HasVote());
    EXPECT_EQ(summary.Lines(example), (std::array<QString, 5>{"", "", "2-1-0-3", "", ""}));

    summary.SetVote(Vote());
    // Under the vote rates single 0 expects 1/64 x 1,920 = 30 yen of grade 1 and 32.56 yen of
    // grade 2 from its 18 neighbours, per 100 yen.
    EXPECT_EQ(summary.Lines(0),
              (std::array<QString, 5>{"1920円", "213円", "6-0-0-0", "6-0-0-0", "62.6%"}));
    EXPECT_EQ(summary.NinkiText(example), "2-1-0-3");
    EXPECT_EQ(summary.LineText(4095, 0), "19億");
    EXPECT_EQ(summary.LineText(-1, 2), "");
}
