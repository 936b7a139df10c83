#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "EngineTestSupport.h"
#include "engines/CoverageCache.h"
#include "engines/EngineHost.h"
#include "engines/SetSystem.h"
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
        ASSERT_GE(lines.size(), 2);
        EXPECT_TRUE(lines[lines.size() - 2].endsWith(
                        QStringLiteral("指定口数に達したので検索を終了します")) ||
                    lines[lines.size() - 2].endsWith(
                        QStringLiteral("指定時間になったので検索を終了します")));
    }
}

TEST(StrongerEngine, SymmetryIsUsedOnlyWhereBothListsKeepIt) {
    std::vector<int32_t> all(4096);
    for (int32_t i = 0; i < 4096; ++i) {
        all[i] = i;
    }
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
    const auto orbits = PlusOneOrbits(200, 10);
    const std::vector<int32_t> brokenOrbits(orbits.begin() + 1, orbits.end());
    struct Case {
        const char* name;
        std::vector<int32_t> targets;
        std::vector<int32_t> candidates;
        int order;               // of FindSymmetry; 0 = none
        std::vector<int> orders; // of FindSymmetries, in their order
    };
    const std::vector<Case> cases = {
        {"all 4096", all, all, 2, {4, 2}},
        {"ternary 729", ternary, ternary, 3, {3}},
        {"1500 of 4096", subset1500, subset1500, 0, {}},
        {"ternary with one more candidate", ternary, ternaryPlusOne, 0, {}},
        {"all but one target", allButOne, all, 0, {}},
        {"reduced multi", ReducedMulti(5).second, ReducedMulti(5).second, 0, {}},
        {"orbits of +1", orbits, orbits, 2, {4, 2}},
        {"orbits of +1 but one", brokenOrbits, brokenOrbits, 0, {}},
        {"orbits of +1 as candidates only", brokenOrbits, orbits, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto map = SymbolMap::FindSymmetry(c.targets, c.candidates);
        ASSERT_EQ(map.has_value(), c.order > 0);
        if (map) {
            EXPECT_EQ(map->Order(), c.order);
        }
        const std::vector<SymbolMap> maps = SymbolMap::FindSymmetries(c.targets, c.candidates);
        std::vector<int> orders;
        for (const SymbolMap& m : maps) {
            orders.push_back(m.Order());
            EXPECT_TRUE(m.Preserves(c.targets));
            EXPECT_TRUE(m.Preserves(c.candidates));
            for (const int32_t s : c.candidates) {
                int32_t x = m.Apply(s);
                for (int k = 1; k < m.Order(); ++k, x = m.Apply(x)) {
                    EXPECT_NE(x, s);
                }
            }
        }
        EXPECT_EQ(orders, c.orders);
    }
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
        // 81 singles whose smallest grade-2 covering has 9: size 8 runs until stopped, the
        // second search over orbits of 3 (two orbits).
        const auto list = test::Expand(test::Ternary4Marks());
        std::thread worker(
            [&] { engine.EngineStart(list, 2, StrongSettings(8, 1), test::Ternary4Marks()); });
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
        EXPECT_EQ(engine.OrbitSize(), 3);
        EXPECT_EQ(engine.SingleCount(), 0);
        const QStringList lines = log.Lines();
        ASSERT_GE(lines.size(), 2);
        EXPECT_TRUE(lines[lines.size() - 2].endsWith(QStringLiteral("8を検索中...中断")));
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
