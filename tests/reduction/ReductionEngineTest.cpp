#include <gtest/gtest.h>

#include <vector>

#include "ReductionTestUtil.h"
#include "reduction/clsTX1.h"

namespace kestrel {
namespace {

using test::Multi;
using test::No;
using test::Yen;

class TickCounter : public clsTX1::Events {
public:
    void ProgressBegin() override { ++begins; }
    void Progress(int32_t value) override {
        ++ticks;
        last = value;
    }
    void ProgressEnd() override { ++ends; }
    int begins = 0;
    int ticks = 0;
    int ends = 0;
    int32_t last = 0;
};

// Singles 0, 2, 8, 10: slots 1 and 2 choose class 0 or 2, the rest class 0.
MarkTable TwoByTwo() {
    return Multi({"02", "02", "0", "0", "0", "0"});
}

std::vector<int32_t> Expand(clsTX1& engine, const MarkTable& marks) {
    engine.SetValue(marks);
    int32_t count = -1;
    std::vector<int32_t> singles{99};
    engine.GetMulti(count, singles);
    EXPECT_EQ(count, static_cast<int32_t>(singles.size()));
    return singles;
}

TEST(ReductionEngine, GetMultiExpandsInAscendingOrderAndAnEmptyMultiGivesNothing) {
    clsTX1 engine;
    EXPECT_EQ(Expand(engine, TwoByTwo()), (std::vector<int32_t>{0, 2, 8, 10}));
    EXPECT_TRUE(Expand(engine, MarkTable{}).empty());
    EXPECT_EQ(Expand(engine, test::FullMulti()).size(), 4096u);
}

TEST(ReductionEngine, CountStepRemovesSinglesOnCrossCellsAndKeepsOrder) {
    // ◎ on class 0, ○ on class 1 in slots 1..3; ◎ on class 0 in slots 4..6.
    const MarkTable marks =
        Multi({"01", "01", "01", "0", "0", "0"}, {"12", "12", "12", "", "", ""});
    clsTX1 engine;
    std::vector<int32_t> singles = Expand(engine, marks);
    ASSERT_EQ(singles, (std::vector<int32_t>{0, 1, 4, 5, 16, 17, 20, 21}));
    ConditionGroup group = ConditionGroup::Defaults(ConditionKind::Honmei);
    group.Cells[6][0] = kCellCross; // six ◎: single 0
    group.Cells[4][0] = kCellCross; // four ◎: two ○ picks
    int32_t count = 8;
    clsTX1::Counters miss;
    clsTX1::Counters tri;
    engine.CountSakugen(ConditionKind::Honmei, count, singles, 0, group, false, miss, tri);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(singles, (std::vector<int32_t>{1, 4, 16, 21}));
}

TEST(ReductionEngine, PopularityStepUsesVoteRanksAndWithoutVotesEveryClassIsMostVoted) {
    const MarkTable marks = Multi({"0123", "3", "3", "3", "3", "3"});
    ConditionGroup group = ConditionGroup::Defaults(ConditionKind::Ninki);
    group.Cells[6][0] = kCellCross; // six most-voted picks
    group.Cells[1][3] = kCellCross; // one least-voted pick
    clsTX1::Counters miss;
    clsTX1::Counters tri;

    clsTX1 engine;
    engine.SetVote(test::Vote({10, 20, 30, 40})); // class 3 most voted, class 0 least
    std::vector<int32_t> singles = Expand(engine, marks);
    ASSERT_EQ(singles, (std::vector<int32_t>{4092, 4093, 4094, 4095}));
    int32_t count = 4;
    engine.CountSakugen(ConditionKind::Ninki, count, singles, 0, group, false, miss, tri);
    engine.CountSakugen(ConditionKind::Ninki, count, singles, 3, group, false, miss, tri);
    EXPECT_EQ(singles, (std::vector<int32_t>{4093, 4094}));

    clsTX1 noVote;
    singles = Expand(noVote, marks);
    count = 4;
    noVote.CountSakugen(ConditionKind::Ninki, count, singles, 0, group, false, miss, tri);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(singles.empty());
}

TEST(ReductionEngine, GoalValueStepCountsOnlyTheGroupsTeams) {
    clsTX1 engine;
    std::vector<int32_t> singles = Expand(engine, TwoByTwo());
    ConditionGroup group = ConditionGroup::Defaults(ConditionKind::Mark);
    group.GameFlg = {true, true, false, false, false, false};
    group.Cells[2][2] = kCellCross; // both counted teams score 2
    int32_t count = 4;
    clsTX1::Counters miss;
    clsTX1::Counters tri;
    engine.CountSakugen(ConditionKind::Mark, count, singles, 2, group, false, miss, tri);
    EXPECT_EQ(singles, (std::vector<int32_t>{0, 2, 8}));
}

TEST(ReductionEngine, ScoreStepReadsHomeGoalsTimesFourPlusAwayGoals) {
    clsTX1 engine;
    std::vector<int32_t> singles = Expand(engine, TwoByTwo());
    TenshoGrid grid;
    grid.Cells[2 * 4 + 0][0] = kCellCross; // 1Vs2 ends 2-0: single 2 (slot 1 scores 2)
    int32_t count = 4;
    clsTX1::Counters miss;
    clsTX1::Counters tri;
    engine.TenshoSakugen(1, count, singles, 0, grid, false, miss, tri);
    EXPECT_EQ(singles, (std::vector<int32_t>{0, 8, 10}));
    engine.TenshoSakugen(1, count, singles, 1, grid, false, miss, tri); // 3Vs4 all blank
    EXPECT_EQ(count, 3);
}

TEST(ReductionEngine, TriangleAndCrossCountAsMissesWithTrianglesCountedApart) {
    clsTX1 engine;
    std::vector<int32_t> singles = Expand(engine, TwoByTwo());
    ConditionGroup group = ConditionGroup::Defaults(ConditionKind::Mark);
    group.Cells[1][2] = kCellTriangle; // one team scores 2: singles 2 and 8
    group.Cells[2][2] = kCellCross;    // two teams: single 10
    int32_t count = 4;
    clsTX1::Counters miss(4, 0);
    clsTX1::Counters tri(4, 0);
    engine.CountSakugen(ConditionKind::Mark, count, singles, 2, group, true, miss, tri);
    EXPECT_EQ(count, 4); // miss mode never shrinks the list
    EXPECT_EQ(miss, (clsTX1::Counters{0, 1, 1, 1}));
    EXPECT_EQ(tri, (clsTX1::Counters{0, 1, 1, 0}));

    const std::array<bool, 12> zeroOrOne = {true, true};
    clsTX1::Distribution dist{};
    std::vector<int32_t> kept = singles;
    int32_t keptCount = count;
    engine.MachigaiFold(keptCount, kept, 1, zeroOrOne, miss, tri, dist);
    EXPECT_EQ(kept, (std::vector<int32_t>{0, 2, 8, 10}));
    EXPECT_EQ(dist[0], 1);
    EXPECT_EQ(dist[1], 3);

    kept = singles;
    keptCount = count;
    engine.MachigaiFold(keptCount, kept, 2, zeroOrOne, miss, tri, dist);
    EXPECT_EQ(kept, (std::vector<int32_t>{0, 2, 8}));
    EXPECT_EQ(dist[0], 1);
    EXPECT_EQ(dist[1], 2); // single 10 failed on "×": not counted in mode 2

    const std::array<bool, 12> zeroOnly = {true};
    kept = singles;
    keptCount = count;
    engine.MachigaiFold(keptCount, kept, 1, zeroOnly, miss, tri, dist);
    EXPECT_EQ(kept, (std::vector<int32_t>{0})); // as removal mode
}

TEST(ReductionEngine, PayoutFailureIsNeverATriangle) {
    // Single 0 fails two "△" rows; in mode 2 with two misses accepted it survives, and an extra
    // payout failure makes it fail.
    clsTX1 engine;
    engine.SetVote(test::Vote({50, 50, 0, 0})); // grade-1 estimate of single 0: 1,920 yen
    std::vector<int32_t> singles = Expand(engine, Multi({"0", "0", "0", "0", "0", "0"}));
    ConditionGroup group = ConditionGroup::Defaults(ConditionKind::Mark);
    group.Cells[6][0] = kCellTriangle;
    int32_t count = 1;
    clsTX1::Counters miss(1, 0);
    clsTX1::Counters tri(1, 0);
    engine.CountSakugen(ConditionKind::Mark, count, singles, 0, group, true, miss, tri);
    engine.CountSakugen(ConditionKind::Mark, count, singles, 0, group, true, miss, tri);
    EXPECT_EQ(miss[0], 2);
    EXPECT_EQ(tri[0], 2);
    std::array<bool, 12> two{};
    two[2] = true;
    clsTX1::Distribution dist{};
    std::vector<int32_t> kept = singles;
    int32_t keptCount = 1;
    engine.MachigaiFold(keptCount, kept, 2, two, miss, tri, dist);
    EXPECT_EQ(keptCount, 1);

    engine.MoneySakugen(count, singles, 0, Yen(2000), Yen(3000), true, miss);
    EXPECT_EQ(miss[0], 3);
    EXPECT_EQ(tri[0], 2);
    two[3] = true;
    engine.MachigaiFold(count, singles, 2, two, miss, tri, dist);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(singles.empty());
    EXPECT_EQ(dist[3], 0);
}

TEST(ReductionEngine, TwelveMissesFoldAsElevenAndCountersSaturate) {
    clsTX1 engine;
    std::vector<int32_t> singles = Expand(engine, Multi({"01", "0", "0", "0", "0", "0"}));
    ConditionGroup group = ConditionGroup::Defaults(ConditionKind::Mark);
    group.Cells[6][0] = kCellCross; // single 0 scores 0 six times; single 1 five times
    int32_t count = 2;
    clsTX1::Counters miss(2, 0);
    clsTX1::Counters tri(2, 0);
    for (int i = 0; i < 12; ++i) {
        engine.CountSakugen(ConditionKind::Mark, count, singles, 0, group, true, miss, tri);
    }
    EXPECT_EQ(miss, (clsTX1::Counters{12, 0}));
    std::array<bool, 12> eleven{};
    eleven[11] = true;
    clsTX1::Distribution dist{};
    std::vector<int32_t> kept = singles;
    int32_t keptCount = count;
    engine.MachigaiFold(keptCount, kept, 1, eleven, miss, tri, dist);
    EXPECT_EQ(kept, (std::vector<int32_t>{0}));
    EXPECT_EQ(dist[11], 1);
    EXPECT_EQ(dist[0], 1);

    for (int i = 0; i < 300; ++i) {
        engine.CountSakugen(ConditionKind::Mark, count, singles, 0, group, true, miss, tri);
    }
    EXPECT_EQ(miss[0], 255);
    EXPECT_EQ(miss[1], 0);
}

TEST(ReductionEngine, PayoutBoundsAreInclusiveAndTheLargestMaximumIsNoBound) {
    clsTX1 engine;
    engine.SetVote(test::Vote({50, 50, 0, 0}));
    // 64 singles of classes 0/1 estimated at 1,920 yen, 32 with class 2 in slot 1 at 0 yen.
    const MarkTable marks = Multi({"012", "01", "01", "01", "01", "01"});
    clsTX1::Counters miss;
    auto run = [&](Money min, Money max) {
        std::vector<int32_t> singles = Expand(engine, marks);
        int32_t count = static_cast<int32_t>(singles.size());
        engine.MoneySakugen(count, singles, 0, min, max, false, miss);
        return count;
    };
    EXPECT_EQ(run(Yen(1920), Yen(1920)), 64);
    EXPECT_EQ(run(Yen(1921), Yen(9'999'999'999)), 0);
    EXPECT_EQ(run(Yen(0), Yen(1919)), 32);
    EXPECT_EQ(run(Yen(0), Yen(0)), 32);
    EXPECT_EQ(run(Yen(0), Yen(9'999'999'999)), 96);
    EXPECT_EQ(run(Yen(-1), Yen(0)), 96); // a negative minimum switches the step off

    clsTX1 rare;
    rare.SetVote(test::Vote({1, 999'999, 0, 0})); // single 0 estimated at 99,999,999,999 yen
    std::vector<int32_t> singles{0};
    int32_t count = 1;
    rare.MoneySakugen(count, singles, 0, Yen(0), Yen(9'999'999'999), false, miss);
    EXPECT_EQ(count, 1);
    rare.MoneySakugen(count, singles, 0, Yen(0), Yen(9'999'999'998), false, miss);
    EXPECT_EQ(count, 0);
}

TEST(ReductionEngine, ProgressTicksAfterEverySingleUpToAHundredThenAboutAHundredTimes) {
    clsTX1 engine;
    TickCounter events;
    engine.SetEvents(&events);
    ConditionGroup group = ConditionGroup::Defaults(ConditionKind::Mark);
    group.Cells[0][0] = kCellCross;
    clsTX1::Counters miss;
    clsTX1::Counters tri;

    std::vector<int32_t> singles = Expand(engine, Multi({"0123", "0123", "0123", "0", "0", "0"}));
    int32_t count = 64;
    engine.CountSakugen(ConditionKind::Mark, count, singles, 0, group, false, miss, tri);
    EXPECT_EQ(events.begins, 1);
    EXPECT_EQ(events.ends, 1);
    EXPECT_EQ(events.ticks, 64);
    EXPECT_EQ(events.last, 64);

    events = TickCounter();
    singles = Expand(engine, test::FullMulti());
    count = 4096;
    engine.CountSakugen(ConditionKind::Mark, count, singles, 0, group, false, miss, tri);
    EXPECT_EQ(events.ticks, 4096 / 41); // a tick after every 41 singles
    EXPECT_EQ(count, 4096 - 729);

    events = TickCounter();
    count = 0;
    engine.CountSakugen(ConditionKind::Mark, count, singles, 0, group, false, miss, tri);
    EXPECT_EQ(events.begins, 0); // an empty list raises nothing
}

TEST(ReductionEngine, CancelStopsAStepAtTheNextTickAndSkipsLaterSteps) {
    clsTX1 engine;
    struct Canceller : clsTX1::Events {
        clsTX1* engine = nullptr;
        int ticks = 0;
        int ends = 0;
        void ProgressBegin() override {}
        void Progress(int32_t) override {
            if (++ticks == 10) {
                engine->SetCancel(true);
            }
        }
        void ProgressEnd() override { ++ends; }
    } events;
    events.engine = &engine;
    engine.SetEvents(&events);
    ConditionGroup group = ConditionGroup::Defaults(ConditionKind::Mark);
    group.Cells[6][0] = kCellCross; // removes only single 0
    clsTX1::Counters miss;
    clsTX1::Counters tri;
    std::vector<int32_t> singles = Expand(engine, test::FullMulti());
    int32_t count = 4096;
    engine.CountSakugen(ConditionKind::Mark, count, singles, 0, group, false, miss, tri);
    EXPECT_EQ(events.ticks, 10);
    EXPECT_EQ(events.ends, 1);
    EXPECT_EQ(count, 11 * 41 - 1); // survivors found before the eleventh tick
    engine.CountSakugen(ConditionKind::Mark, count, singles, 0, group, false, miss, tri);
    EXPECT_EQ(events.ends, 1); // no further step once cancelled
}

TEST(ReductionEngine, DistributionOfTheWholeMultiOverCountValues) {
    clsTX1 engine;
    engine.SetValue(test::FullMulti());
    ConditionGroup group = ConditionGroup::Defaults(ConditionKind::Mark);
    clsTX1::Histogram histogram{};
    engine.CountDistribution(ConditionKind::Mark, 0, group, histogram);
    // C(6, t) x 3^(6 - t) singles score 0 in exactly t slots.
    EXPECT_EQ(histogram, (clsTX1::Histogram{729, 1458, 1215, 540, 135, 18, 1}));
    group.GameFlg = {true, true, false, false, false, false};
    engine.CountDistribution(ConditionKind::Mark, 0, group, histogram);
    EXPECT_EQ(histogram, (clsTX1::Histogram{2304, 1536, 256, 0, 0, 0, 0}));
    EXPECT_EQ(clsTX1::RowMarkCount(0, group), 0);
    group.Cells[3][0] = kCellTriangle;
    group.Cells[5][0] = kCellCross;
    EXPECT_EQ(clsTX1::RowMarkCount(0, group), 2);
}

TEST(ReductionEngine, OutOfRangeSinglesFailInsteadOfBeingLookedUp) {
    clsTX1 engine;
    ConditionGroup group = ConditionGroup::Defaults(ConditionKind::Mark);
    group.Cells[6][0] = kCellCross; // 4095 scores no 0 and passes
    std::vector<int32_t> singles{4095, -1, 4096, 1 << 30};
    int32_t count = 4;
    clsTX1::Counters miss;
    clsTX1::Counters tri;
    engine.CountSakugen(ConditionKind::Mark, count, singles, 0, group, false, miss, tri);
    EXPECT_EQ(singles, (std::vector<int32_t>{4095}));
}

} // namespace
} // namespace kestrel
