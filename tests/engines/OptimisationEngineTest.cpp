#include <gtest/gtest.h>

#include <set>

#include "EngineTestSupport.h"
#include "engines/clsTMsEngine3.h"
#include "platform/RandomSource.h"

namespace kestrel {
namespace {

using test::HasLineContaining;
using test::Uncovered;

EngineSettings OptimiseSettings(int count, int seconds) {
    EngineSettings s;
    s.MsEngine = 5;
    s.SeBeginCount = count;
    s.SeEndTime = seconds;
    return s;
}

TEST(OptimisationEngine, EnoughSinglesCoverTheWholeList) {
    RandomSource::Seed(21);
    const auto input = test::Expand(test::Ternary4Marks());
    clsTMsEngine3 engine;
    clsTMsg log;
    engine.Initialize(&log, nullptr);
    engine.EngineStart(input, OptimiseSettings(12, 0));
    ASSERT_EQ(engine.SingleCount(), 12);
    EXPECT_EQ(engine.BestUncovered(), 0);
    EXPECT_TRUE(Uncovered(input, engine.SingleData(), 1).empty());
    const std::set<int32_t> inputSet(input.begin(), input.end());
    for (const int32_t s : engine.SingleData()) {
        EXPECT_TRUE(inputSet.count(s));
    }
    const QStringList lines = log.Lines();
    EXPECT_EQ(lines[lines.size() - 2], QStringLiteral("0000 12口を最適化中...確定"));
}

TEST(OptimisationEngine, TooFewSinglesReturnTheBestSeenWhenTimeRunsOut) {
    RandomSource::Seed(22);
    const auto input = test::Expand(test::Ternary4Marks());
    for (const int count : {1, 4, 8}) {
        SCOPED_TRACE(count);
        auto clock = std::make_shared<test::SteppingClock>(100);
        clsTMsEngine3 engine;
        clsTMsg log(clock);
        engine.Initialize(&log, nullptr, clock);
        engine.EngineStart(input, OptimiseSettings(count, 2));
        ASSERT_EQ(engine.SingleCount(), count);
        // The reported best is what the returned list really leaves uncovered, and no single
        // covers more than its ball of 9 list singles.
        const auto left = Uncovered(input, engine.SingleData(), 1);
        EXPECT_EQ(static_cast<int>(left.size()), engine.BestUncovered());
        EXPECT_GE(engine.BestUncovered(), 81 - 9 * count);
        if (count == 1) {
            EXPECT_EQ(engine.BestUncovered(), 81 - 9);
        }
        if (count == 8) {
            // Eight singles cannot cover a list whose perfect covering needs nine.
            EXPECT_GT(engine.BestUncovered(), 0);
        }
        EXPECT_TRUE(HasLineContaining(log, QStringLiteral("口を最適化中...確定")));
        EXPECT_TRUE(HasLineContaining(log, QStringLiteral("指定時間になったので検索を終了します")));
    }
}

TEST(OptimisationEngine, StopReturnsTheBestTrial) {
    RandomSource::Seed(23);
    const auto input = test::Expand(test::Ternary4Marks());
    clsTMsEngine3 engine;
    clsTMsg log;
    RunControl control;
    engine.Initialize(&log, &control);
    std::thread worker([&] { engine.EngineStart(input, OptimiseSettings(8, 0)); });
    ASSERT_TRUE(test::WaitFor([&] { return HasLineContaining(log, QStringLiteral("最適化中")); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    engine.EngineStop();
    worker.join();
    ASSERT_EQ(engine.SingleCount(), 8);
    EXPECT_EQ(static_cast<int>(Uncovered(input, engine.SingleData(), 1).size()),
              engine.BestUncovered());
    const QStringList lines = log.Lines();
    EXPECT_TRUE(lines[lines.size() - 2].endsWith(QStringLiteral("8口を最適化中...確定")));
}

TEST(OptimisationEngine, PauseHoldsTheSearch) {
    RandomSource::Seed(24);
    const auto input = test::Expand(test::Ternary4Marks());
    auto clock = std::make_shared<FakeClock>();
    clsTMsEngine3 engine;
    clsTMsg log(clock);
    RunControl control;
    control.pause = true;
    engine.Initialize(&log, &control, clock);
    std::thread worker([&] { engine.EngineStart(input, OptimiseSettings(8, 0)); });
    ASSERT_TRUE(test::WaitFor([&] { return clock->NowMs() >= 5000; }));
    const QStringList held = log.Lines();
    ASSERT_TRUE(test::WaitFor([&] { return clock->NowMs() >= 10000; }));
    EXPECT_EQ(log.Lines(), held);
    EXPECT_FALSE(HasLineContaining(log, QStringLiteral("確定")));
    control.stop = true;
    worker.join();
    EXPECT_EQ(engine.SingleCount(), 8);
}

} // namespace
} // namespace kestrel
