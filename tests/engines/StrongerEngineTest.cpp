#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>
#include <thread>

#include "EngineTestSupport.h"
#include "engines/CoverageCache.h"
#include "engines/EngineHost.h"
#include "engines/OrbitExactSearch.h"
#include "engines/SetSystem.h"
#include "engines/SymbolGroup.h"
#include "engines/SymbolMap.h"
#include "engines/WeightedCoverSearch.h"
#include "engines/clsTMsEngine1.h"
#include "engines/clsTMsEngine4.h"
#include "platform/RandomSource.h"

namespace kestrel {
namespace {

using test::HasLineContaining;
using test::Uncovered;

EngineSettings StrongSettings(int begin, int end, int seconds = 0) {
    EngineSettings s;
    s.MsEngine = 6;
    s.BeginCount = begin;
    s.EndCount = end;
    s.EndTime = seconds;
    return s;
}

// Restores the process-wide thread count after a test changes it.
struct ThreadCountScope {
    explicit ThreadCountScope(int count) { clsTMsEngine4::SetThreadCount(count); }
    ~ThreadCountScope() { clsTMsEngine4::SetThreadCount(2); }
};

// A real clock whose pause sleeps last 1 ms, so pause tests do not wait 500 ms per step.
class QuickSleepClock : public SystemClock {
public:
    void SleepMs(int) override { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }
};

// A multi with two to four classes per slot and about 60 % of its singles as the reduced list.
std::pair<MarkTable, std::vector<int32_t>> ReducedMulti(uint32_t seed) {
    std::mt19937 gen(seed);
    std::array<int, 6> mask{};
    for (auto& m : mask) {
        do {
            m = static_cast<int>(gen() % 16);
        } while (std::popcount(static_cast<unsigned>(m)) < 2);
    }
    const MarkTable marks = test::Marks(mask);
    std::vector<int32_t> list;
    for (const int32_t s : test::Expand(marks)) {
        if (gen() % 10 < 6) {
            list.push_back(s);
        }
    }
    return {marks, list};
}

// The orbits under adding 1 at every slot of `count` random singles: a list that map keeps and
// no map adding 1 at fewer slots does.
std::vector<int32_t> PlusOneOrbits(int count, uint32_t seed) {
    const SymbolMap plusOne = SymbolMap::AddAt(0x3F, 1);
    std::set<int32_t> list;
    for (const int32_t s : test::RandomList(count, seed)) {
        for (int32_t x = s, k = 0; k < 4; ++k, x = plusOne.Apply(x)) {
            list.insert(x);
        }
    }
    return {list.begin(), list.end()};
}

struct CoverCase {
    const char* name;
    MarkTable marks;
    std::vector<int32_t> list;
    int grade;
    bool ex2;
    bool ex3;
    int threads;
    int orbitSize; // of the second search: 1 = no symmetry used
};

std::vector<CoverCase> CoverCases() {
    std::vector<CoverCase> cases;
    for (uint32_t seed = 1; seed <= 3; ++seed) {
        const auto [marks, list] = ReducedMulti(seed);
        cases.push_back({"reduced", marks, list, 2, false, false, 2, 1});
        cases.push_back({"reduced", marks, list, 3, false, false, 1, 1});
        cases.push_back({"reduced ex2", marks, list, 2, true, false, 2, 1});
        cases.push_back({"reduced ex3", marks, list, 3, false, true, 2, 1});
        cases.push_back({"reduced ex2 at grade 3", marks, list, 3, true, false, 1, 1});
    }
    const MarkTable ternary5 = test::Marks({7, 7, 7, 7, 7, 1});
    cases.push_back({"ternary 243", ternary5, test::Expand(ternary5), 2, false, false, 2, 3});
    cases.push_back({"ternary 243", ternary5, test::Expand(ternary5), 3, false, false, 1, 3});
    const MarkTable full4 = test::Marks({15, 15, 15, 15, 1, 1});
    cases.push_back({"full 256", full4, test::Expand(full4), 2, false, false, 2, 4});
    cases.push_back({"full 256 ex3", full4, test::Expand(full4), 3, false, true, 2, 4});
    const MarkTable all = test::Marks({15, 15, 15, 15, 15, 15});
    const std::vector<int32_t> orbits = PlusOneOrbits(120, 9);
    const std::vector<int32_t> brokenOrbits(orbits.begin() + 1, orbits.end());
    cases.push_back({"orbits of +1", all, orbits, 2, false, false, 2, 4});
    cases.push_back({"orbits of +1", all, orbits, 3, false, false, 1, 4});
    cases.push_back({"orbits of +1 but one", all, brokenOrbits, 2, false, false, 1, 1});
    cases.push_back({"orbits of +1 but one", all, brokenOrbits, 3, false, false, 2, 1});
    return cases;
}

TEST(StrongerEngine, ConfirmedCoveringsCoverTheirInput) {
    RandomSource::Seed(41);
    for (const CoverCase& c : CoverCases()) {
        SCOPED_TRACE(testing::Message() << c.name << " grade " << c.grade << " threads "
                                        << c.threads << " size " << c.list.size());
        const ThreadCountScope threads(c.threads);
        const int radius = c.grade - 1;
        clsTMsEngine1 fast;
        fast.Initialize(nullptr, nullptr);
        fast.EngineStart(c.list, c.grade);
        // From above the greedy size to well below it; a size not found within its time limit
        // (25 ms per clock reading) ends the run with the covering before it.
        const int begin = fast.SingleCount() + 2;
        auto clock = std::make_shared<test::SteppingClock>(25);
        clsTMsg log(clock);
        clsTMsEngine4 engine;
        engine.Initialize(&log, nullptr, clock);
        EngineSettings s = StrongSettings(begin, std::max(begin * 3 / 4, 1), 1);
        s.ExGrade2 = c.ex2;
        s.ExGrade3 = c.ex3;
        engine.EngineStart(c.list, c.grade, s, c.marks);
        EXPECT_EQ(engine.OrbitSize(), c.orbitSize);
        ASSERT_GE(engine.SingleCount(), 1);
        ASSERT_LE(engine.SingleCount(), begin);
        EXPECT_TRUE(Uncovered(c.list, engine.SingleData(), radius).empty());
        const std::set<int32_t> result(engine.SingleData().begin(), engine.SingleData().end());
        EXPECT_EQ(result.size(), engine.SingleData().size()) << "no single twice";
        const std::vector<int32_t> multi = test::Expand(c.marks);
        const std::set<int32_t> allowed = c.ex2 || c.ex3
                                              ? std::set<int32_t>(multi.begin(), multi.end())
                                              : std::set<int32_t>(c.list.begin(), c.list.end());
        for (const int32_t single : result) {
            EXPECT_TRUE(allowed.count(single)) << single;
        }
        const QStringList lines = log.Lines();
        ASSERT_GE(lines.size(), 3);
        const QString end = lines[lines.size() - 3];
        EXPECT_TRUE(end.endsWith(QStringLiteral("指定口数に達したので検索を終了します")) ||
                    end.endsWith(QStringLiteral("指定時間になったので検索を終了します")) ||
                    end.endsWith(QStringLiteral("下限に達したので検索を終了します")))
            << end.toStdString();
        EXPECT_TRUE(lines[lines.size() - 2].contains(QString::number(engine.SingleCount()) +
                                                     QStringLiteral("口 (下限 ")));
    }
}

std::vector<int32_t> AllSingles() {
    std::vector<int32_t> all(4096);
    for (int32_t i = 0; i < 4096; ++i) {
        all[i] = i;
    }
    return all;
}

TEST(SymbolGroup, GroupsAreUsedOnlyWhereBothListsKeepThem) {
    const auto all = AllSingles();
    std::vector<int32_t> subset1500;
    for (int32_t w = 0; w < 4096; ++w) {
        if (static_cast<uint32_t>(w) * 2654435761u < 1500u << 20) {
            subset1500.push_back(w);
        }
    }
    const auto ternary = test::Expand(test::Marks({7, 7, 7, 7, 7, 7}));
    auto ternaryPlusOne = ternary;
    ternaryPlusOne.push_back(4095);
    auto allButOne = all;
    allButOne.pop_back();
    const auto mixed = test::Expand(test::Marks({15, 15, 15, 7, 7, 1}));
    const auto orbits = PlusOneOrbits(200, 10);
    const std::vector<int32_t> brokenOrbits(orbits.begin() + 1, orbits.end());
    struct Case {
        const char* name;
        std::vector<int32_t> targets;
        std::vector<int32_t> candidates;
        std::vector<int> largest; // largest orbit of each group of FindGroups, in order
        std::vector<int> smallest;
        int exactLargest; // of FindExactGroup; 0 = none
    };
    const std::vector<Case> cases = {
        // GF(4), the class cycle fixing 000000, adding 1 at four slots, adding 2 at three;
        // with the slots cycled as well orbits of up to 24.
        {"all 4096", all, all, {4, 3, 4, 2}, {4, 1, 4, 2}, 24},
        // The cycle of three classes at every slot, cycled slots on top.
        {"ternary 729", ternary, ternary, {3}, {3}, 18},
        // Slots of four, three and one classes: GF(4) and adding at the three slots of four,
        // the cycle (fixing class 0 where there are four, so that only the slots of three move
        // every single); the three slots of four move round as well.
        {"slots of 4, 3, 1", mixed, mixed, {4, 3, 4, 2}, {4, 3, 4, 2}, 12},
        {"1500 of 4096", subset1500, subset1500, {}, {}, 0},
        {"ternary with one more candidate", ternary, ternaryPlusOne, {}, {}, 0},
        {"all but one target", allButOne, all, {}, {}, 0},
        {"reduced multi", ReducedMulti(5).second, ReducedMulti(5).second, {}, {}, 0},
        {"orbits of +1", orbits, orbits, {4, 2}, {4, 2}, 4},
        {"orbits of +1 but one", brokenOrbits, brokenOrbits, {}, {}, 0},
        {"orbits of +1 as candidates only", brokenOrbits, orbits, {}, {}, 0},
    };
    const auto check = [](const SymbolGroup& group, const std::vector<int32_t>& list) {
        EXPECT_TRUE(group.Preserves(list));
        std::vector<int> seen(4096, 0);
        size_t total = 0;
        std::pair<int, int> sizes{4096, 0};
        for (const auto& orbit : group.Orbits(list)) {
            total += orbit.size();
            sizes = {std::min(sizes.first, static_cast<int>(orbit.size())),
                     std::max(sizes.second, static_cast<int>(orbit.size()))};
            for (const int32_t x : orbit) {
                EXPECT_EQ(seen[x]++, 0) << x;
                // Every generator keeps the orbit.
                for (const SymbolMap& map : group.Generators()) {
                    EXPECT_NE(std::find(orbit.begin(), orbit.end(), map.Apply(x)), orbit.end());
                }
            }
        }
        EXPECT_EQ(total, std::set<int32_t>(list.begin(), list.end()).size());
        return sizes;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> largest;
        std::vector<int> smallest;
        for (const SymbolGroup& group : SymbolGroup::FindGroups(c.targets, c.candidates)) {
            check(group, c.targets);
            const auto sizes = check(group, c.candidates);
            smallest.push_back(sizes.first);
            largest.push_back(sizes.second);
        }
        EXPECT_EQ(largest, c.largest);
        EXPECT_EQ(smallest, c.smallest);
        const auto exact = SymbolGroup::FindExactGroup(c.targets, c.candidates);
        ASSERT_EQ(exact.has_value(), c.exactLargest > 0);
        if (exact) {
            check(*exact, c.targets);
            EXPECT_EQ(check(*exact, c.candidates).second, c.exactLargest);
        }
    }
}

TEST(SymbolMap, MapsKeepDistancesAndHaveTheirOrders) {
    const auto cycle4 = SymbolMap::CycleOfClasses(AllSingles());
    ASSERT_TRUE(cycle4.has_value());
    const std::vector<std::pair<SymbolMap, int>> maps = {
        {SymbolMap::XorAt(0x3F, 1), 2},   {SymbolMap::XorAt(0x3F, 3), 2},
        {SymbolMap::AddAt(0x0F, 1), 4},   {*cycle4, 3},
        {SymbolMap::ShiftSlots(0x3F), 6}, {SymbolMap::ShiftSlots(0x15), 3},
    };
    std::mt19937 gen(3);
    for (const auto& [map, order] : maps) {
        EXPECT_EQ(map.Order(), order);
        for (int i = 0; i < 2000; ++i) {
            const auto a = static_cast<int32_t>(gen() % 4096);
            const auto b = static_cast<int32_t>(gen() % 4096);
            EXPECT_EQ(clsTNumber::Distance(map.Apply(a), map.Apply(b)), clsTNumber::Distance(a, b));
        }
    }
    // The class cycle keeps class 0 where a slot holds all four: 000000 is fixed, 1 -> 2.
    EXPECT_EQ(cycle4->Apply(0), 0);
    EXPECT_EQ(cycle4->Apply(1), 2);
    EXPECT_EQ(cycle4->Apply(3), 1);
    EXPECT_EQ(SymbolMap::ShiftSlots(0x3F).Apply(3), 3 << 2);
    EXPECT_EQ(SymbolMap::ShiftSlots(0x3F).Apply(3 << 10), 3);
}

// The lightest union of orbits by trying every subset of the sets (up to 22 sets, 64 elements).
int32_t LightestByBruteForce(const SetSystem& system) {
    const int32_t sets = system.SetCount();
    std::vector<uint64_t> masks(static_cast<size_t>(sets), 0);
    for (int32_t s = 0; s < sets; ++s) {
        for (const uint16_t* e = system.SetBegin(s); e != system.SetEnd(s); ++e) {
            masks[s] |= uint64_t{1} << *e;
        }
    }
    const uint64_t full =
        system.ElementCount() == 64 ? ~uint64_t{0} : (uint64_t{1} << system.ElementCount()) - 1;
    int32_t best = std::numeric_limits<int32_t>::max();
    for (uint32_t subset = 0; subset < (1u << sets); ++subset) {
        uint64_t covered = 0;
        int32_t weight = 0;
        for (int32_t s = 0; s < sets; ++s) {
            if ((subset >> s) & 1) {
                covered |= masks[s];
                weight += system.MemberSize(s);
            }
        }
        if (covered == full) {
            best = std::min(best, weight);
        }
    }
    return best;
}

TEST(OrbitExactSearch, FindsTheLightestUnionOfOrbits) {
    struct Case {
        const char* name;
        std::array<int, 6> marks;
        int radius;
    };
    const std::vector<Case> cases = {
        {"full 64, radius 1", {15, 15, 15, 1, 1, 1}, 1},
        {"full 256, radius 1", {15, 15, 15, 15, 1, 1}, 1},
        {"full 256, radius 2", {15, 15, 15, 15, 1, 1}, 2},
        {"ternary 81, radius 1", {7, 7, 7, 7, 1, 1}, 1},
        {"ternary 243, radius 1", {7, 7, 7, 7, 7, 1}, 1},
        {"slots of 4 and 3, radius 1", {15, 15, 15, 7, 1, 1}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto list = test::Expand(test::Marks(c.marks));
        EngineHost host;
        CoverageCache cache;
        ASSERT_TRUE(cache.Build(list, list, c.radius, host));
        const auto group = SymbolGroup::FindExactGroup(list, list);
        ASSERT_TRUE(group.has_value());
        const SetSystem system = SetSystem::FromGroup(cache, list, *group, false);
        ASSERT_LE(system.SetCount(), 22) << system.SetCount();
        ASSERT_LE(system.ElementCount(), 64);
        const int32_t lightest = LightestByBruteForce(system);
        OrbitExactSearch exact(system);
        exact.Run(static_cast<int32_t>(list.size()) + 1, 10000000, nullptr);
        EXPECT_TRUE(exact.Complete());
        EXPECT_EQ(exact.BestWeight(), lightest);
        std::vector<int32_t> chosen;
        for (const int32_t s : exact.Best()) {
            for (int32_t k = 0; k < system.MemberSize(s); ++k) {
                chosen.push_back(cache.Candidate(system.Members(s)[k]));
            }
        }
        EXPECT_EQ(static_cast<int32_t>(chosen.size()), lightest);
        EXPECT_TRUE(Uncovered(list, chosen, c.radius).empty());
        // Nothing lighter than the lightest: the search completes and finds nothing.
        exact.Run(lightest, 10000000, nullptr);
        EXPECT_TRUE(exact.Complete());
        EXPECT_TRUE(exact.Best().empty());
        // A budget too small to go through every branch proves nothing.
        exact.Run(lightest, 1, nullptr);
        EXPECT_FALSE(exact.Complete());
    }
}

TEST(StrongerEngine, FullListAtGrade3ReachesTheLeastSymmetricCovering) {
    // On one thread the exact search runs before the sizes, so the log is fixed.
    const ThreadCountScope scope(1);
    RandomSource::Seed(47);
    clsTMsg log;
    clsTMsEngine4 engine;
    engine.Initialize(&log, nullptr);
    const auto all = AllSingles();
    engine.EngineStart(all, 3, StrongSettings(60, 52), test::Marks({15, 15, 15, 15, 15, 15}));
    EXPECT_EQ(engine.OrbitSize(), 4);
    EXPECT_TRUE(engine.ExactComplete());
    EXPECT_EQ(engine.ExactMinimum(), 52);
    ASSERT_EQ(engine.SingleCount(), 52);
    EXPECT_TRUE(Uncovered(all, engine.SingleData(), 2).empty());
    EXPECT_TRUE(HasLineContaining(log, QStringLiteral("52口が最小です（対称解の範囲）")));
    EXPECT_TRUE(HasLineContaining(log, QStringLiteral("52を検索中...確定")));
    EXPECT_FALSE(HasLineContaining(log, QStringLiteral("53を検索中")));
    EXPECT_TRUE(HasLineContaining(log, QStringLiteral("52口 (下限 27口)")));
}

TEST(WeightedCoverSearch, BothStepKindsReachTheSmallestCoverings) {
    struct Case {
        const char* name;
        std::vector<int32_t> list;
        int radius;
        int32_t smallest;
    };
    const std::vector<Case> cases = {
        {"ternary 81, radius 1", test::Expand(test::Ternary4Marks()), 1, 9},
        {"ternary 243, radius 1", test::Expand(test::Marks({7, 7, 7, 7, 7, 1})), 1, 27},
        {"full 64, radius 1", test::Expand(test::Marks({15, 15, 15, 1, 1, 1})), 1, 10},
        {"full 256, radius 2", test::Expand(test::Marks({15, 15, 15, 15, 1, 1})), 2, 7},
    };
    for (const Case& c : cases) {
        EngineHost host;
        CoverageCache cache;
        ASSERT_TRUE(cache.Build(c.list, c.list, c.radius, host));
        const SetSystem system = SetSystem::FromCache(cache, c.list);
        for (const bool joint : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << (joint ? " joint" : " plain"));
            WeightedCoverSearch search;
            search.Attach(system, 45);
            search.SetJointSwaps(joint);
            search.Fit(c.smallest);
            search.Run(200000);
            EXPECT_EQ(search.Uncovered(), 0);
            ASSERT_EQ(search.Count(), c.smallest);
            std::vector<int32_t> chosen;
            for (const int32_t s : search.Selection()) {
                chosen.push_back(cache.Candidate(system.Members(s)[0]));
            }
            EXPECT_TRUE(Uncovered(c.list, chosen, c.radius).empty());
        }
    }
}

TEST(StrongerEngine, PauseHoldsAndStopEndsBothSearches) {
    for (const int threads : {2, 1}) {
        SCOPED_TRACE(threads);
        const ThreadCountScope scope(threads);
        RandomSource::Seed(43);
        auto clock = std::make_shared<QuickSleepClock>();
        clsTMsg log(clock);
        clsTMsEngine4 engine;
        engine.Initialize(&log, nullptr, clock);
        // 16 singles whose smallest grade-2 covering has 4 (the bound is 3): size 3 runs until
        // stopped, the second search over orbits of 2 (orbits of 4 are too large for it).
        const MarkTable marks = test::Marks({15, 15, 1, 1, 1, 1});
        const auto list = test::Expand(marks);
        std::thread worker([&] { engine.EngineStart(list, 2, StrongSettings(3, 1), marks); });
        const auto steps = [&] { return std::pair{engine.LaneSteps(0), engine.LaneSteps(1)}; };
        ASSERT_TRUE(test::WaitFor([&] { return steps().first > 0 && steps().second > 0; }));
        engine.EnginePause(true);
        ASSERT_TRUE(test::WaitFor([&] { return engine.PausedSearches() == threads; }));
        const auto before = steps();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EXPECT_EQ(steps(), before);
        engine.EnginePause(false);
        ASSERT_TRUE(test::WaitFor(
            [&] { return steps().first > before.first && steps().second > before.second; }));
        engine.EngineStop();
        worker.join();
        EXPECT_EQ(engine.OrbitSize(), 4);
        // Nothing confirmed: the fast engine's covering.
        EXPECT_GE(engine.SingleCount(), 4);
        EXPECT_TRUE(Uncovered(list, engine.SingleData(), 1).empty());
        EXPECT_TRUE(HasLineContaining(log, QStringLiteral(" 3を検索中...中断")));
    }
}

TEST(StrongerEngine, OneThreadRunRepeatsWithTheSameSeed) {
    const ThreadCountScope scope(1);
    const std::vector<std::pair<std::vector<int32_t>, int>> cases = {
        {ReducedMulti(7).second, 2},
        {ReducedMulti(8).second, 3},
        {test::Expand(test::Marks({7, 7, 7, 7, 7, 1})), 2},
        {PlusOneOrbits(120, 9), 3},
    };
    for (const auto& [list, grade] : cases) {
        SCOPED_TRACE(testing::Message() << "grade " << grade << " size " << list.size());
        std::vector<int32_t> first;
        QStringList firstLines;
        std::pair<int64_t, int64_t> firstSteps;
        for (int run = 0; run < 2; ++run) {
            RandomSource::Seed(44);
            // The run ends when a size passes its one-second limit on a clock that moves 25 ms
            // at every reading: after a fixed amount of work, whatever the machine's speed.
            auto clock = std::make_shared<test::SteppingClock>(25);
            clsTMsg log(clock);
            clsTMsEngine4 engine;
            engine.Initialize(&log, nullptr, clock);
            engine.EngineStart(list, grade, StrongSettings(60, 1, 1), test::Ternary4Marks());
            ASSERT_GT(engine.SingleCount(), 0);
            const std::pair steps{engine.LaneSteps(0), engine.LaneSteps(1)};
            if (run == 0) {
                first = engine.SingleData();
                firstLines = log.Lines();
                firstSteps = steps;
            } else {
                EXPECT_EQ(engine.SingleData(), first);
                EXPECT_EQ(log.Lines(), firstLines);
                EXPECT_EQ(steps, firstSteps);
            }
        }
    }
}

} // namespace
} // namespace kestrel
