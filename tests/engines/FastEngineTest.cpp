#include <gtest/gtest.h>

#include <array>
#include <set>

#include "EngineTestSupport.h"
#include "engines/clsTMsEngine1.h"

namespace kestrel {
namespace {

using test::Uncovered;

// The rule the two phases must reproduce: always the first candidate (in input order) among
// those whose ball holds the most uncovered singles, scores walked afresh every step.
std::vector<int32_t> ReferenceGreedy(const std::vector<int32_t>& input, int grade) {
    const clsTNumber number;
    const int ballSize = grade == 2 ? 19 : 154;
    std::array<int32_t, 154> ball{};
    std::array<int, 4096> coverage{};
    std::vector<int32_t> candidates = input;
    std::vector<int32_t> out;
    while (!candidates.empty()) {
        int best = -1;
        int32_t chosen = -1;
        for (const int32_t c : candidates) {
            number.Get123List(c, ball.data());
            int score = 0;
            for (int i = 0; i < ballSize; ++i) {
                score += coverage[ball[i]] == 0;
            }
            if (score > best) {
                best = score;
                chosen = c;
            }
        }
        out.push_back(chosen);
        number.Get123List(chosen, ball.data());
        for (int i = 0; i < ballSize; ++i) {
            ++coverage[ball[i]];
        }
        std::erase_if(candidates, [&](int32_t c) { return coverage[c] != 0; });
    }
    return out;
}

std::vector<int32_t> RunFast(const std::vector<int32_t>& input, int grade, clsTMsg* log = nullptr,
                             RunControl* control = nullptr) {
    clsTMsEngine1 engine;
    engine.Initialize(log, control);
    engine.EngineStart(input, grade);
    EXPECT_EQ(engine.SingleCount(), static_cast<int32_t>(engine.SingleData().size()));
    return engine.SingleData();
}

TEST(FastEngine, HandMadeListsFollowTheGreedyOrder) {
    // 0 has a whole ball; 5 loses 1 and 4 to it; 4095 still has a whole ball and comes first.
    EXPECT_EQ(RunFast({0, 1, 5, 4095}, 2), (std::vector<int32_t>{0, 4095, 5}));
    // 5 first (whole ball, covers 1); 0 then scores 17 and is taken in the second phase.
    EXPECT_EQ(RunFast({5, 0, 1}, 2), (std::vector<int32_t>{5, 0}));
    // One single yields itself, for either grade.
    EXPECT_EQ(RunFast({2361}, 2), (std::vector<int32_t>{2361}));
    EXPECT_EQ(RunFast({2361}, 3), (std::vector<int32_t>{2361}));
    // Grade 3: 0 and 5 lie two slots apart, so 0 covers both; 4095 needs its own.
    EXPECT_EQ(RunFast({0, 5, 4095}, 3), (std::vector<int32_t>{0, 4095}));
    // A repeated single is covered once and both entries leave together.
    EXPECT_EQ(RunFast({7, 7, 7}, 2), (std::vector<int32_t>{7}));
    EXPECT_TRUE(RunFast({}, 2).empty());
}

TEST(FastEngine, MatchesTheReferenceGreedyOnRandomLists) {
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        const auto input = test::RandomList(50 + static_cast<int>(seed) * 37, seed);
        for (const int grade : {2, 3}) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << " grade " << grade);
            EXPECT_EQ(RunFast(input, grade), ReferenceGreedy(input, grade));
        }
    }
}

TEST(FastEngine, EveryCoveringCoversItsInputAndIsASubList) {
    for (uint32_t seed = 100; seed < 120; ++seed) {
        const auto input = test::RandomList(1 + static_cast<int>(seed * 53 % 900), seed);
        const std::set<int32_t> inputSet(input.begin(), input.end());
        for (const int grade : {2, 3}) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << " grade " << grade);
            const auto out = RunFast(input, grade);
            EXPECT_TRUE(Uncovered(input, out, grade - 1).empty());
            for (const int32_t s : out) {
                EXPECT_TRUE(inputSet.count(s));
            }
            EXPECT_EQ(std::set<int32_t>(out.begin(), out.end()).size(), out.size());
        }
    }
}

TEST(FastEngine, FullListCoveringsAndLog) {
    std::vector<int32_t> all(4096);
    for (int32_t i = 0; i < 4096; ++i) {
        all[i] = i;
    }
    clsTMsg log;
    const auto grade2 = RunFast(all, 2, &log);
    EXPECT_TRUE(Uncovered(all, grade2, 1).empty());
    EXPECT_EQ(grade2.size(), 256u);
    // The first line after the separator announces the search with the time prefix.
    const QStringList lines = log.Lines();
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], QString(55, '-'));
    EXPECT_EQ(lines[1], QStringLiteral("0000 候補の検索中..."));
    // Every rescan line ends with the best score it found (a whole ball is never rescanned).
    for (int i = 2; i < lines.size() - 1; ++i) {
        ASSERT_TRUE(lines[i].startsWith(QStringLiteral("0000 候補の検索中..."))) << i;
        const int score = lines[i].mid(lines[i].indexOf("...") + 3).toInt();
        EXPECT_GE(score, 1);
        EXPECT_LT(score, 19);
    }
    EXPECT_EQ(lines.last(), QString());
    EXPECT_EQ(log.Value(), 0);

    const auto grade3 = RunFast(all, 3);
    EXPECT_TRUE(Uncovered(all, grade3, 2).empty());
}

TEST(FastEngine, StopYieldsNoSingles) {
    const auto input = test::RandomList(3000, 7);
    RunControl before;
    before.stop = true;
    EXPECT_TRUE(RunFast(input, 2, nullptr, &before).empty());

    // A stop that arrives at the first progress tick of a rescan.
    RunControl during;
    int ticks = 0;
    during.onProgress = [&](int, int) {
        ++ticks;
        during.stop = true;
    };
    clsTMsg log;
    EXPECT_TRUE(RunFast(input, 3, &log, &during).empty());
    EXPECT_GE(ticks, 1);

    // EngineStop from another thread while the engine runs on a worker.
    clsTMsEngine1 engine;
    RunControl control;
    std::atomic<bool> started{false};
    control.onProgress = [&](int, int) {
        started = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    engine.Initialize(nullptr, &control);
    std::thread worker([&] { engine.EngineStart(input, 3); });
    ASSERT_TRUE(test::WaitFor([&] { return started.load(); }));
    engine.EngineStop();
    worker.join();
    EXPECT_EQ(engine.SingleCount(), 0);
}

} // namespace
} // namespace kestrel
