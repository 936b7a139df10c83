#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "EngineTestSupport.h"
#include "engines/clsTMsEngine1.h"
#include "engines/clsTMsEngine2.h"
#include "platform/RandomSource.h"

namespace kestrel {
namespace {

using test::HasLineContaining;
using test::Uncovered;

EngineSettings TrialSettings(int begin, int end, int seconds = 0) {
    EngineSettings s;
    s.MsEngine = 2;
    s.BeginCount = begin;
    s.EndCount = end;
    s.EndTime = seconds;
    return s;
}

const MarkTable kAllMarked = test::Marks({15, 15, 15, 15, 15, 15});

TEST(TrialEngine, ConfirmedCoveringsCoverTheirInput) {
    RandomSource::Seed(11);
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        const auto input = test::RandomReducedList(seed);
        const std::set<int32_t> inputSet(input.begin(), input.end());
        for (const int grade : {2, 3}) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << " grade " << grade);
            const int radius = grade - 1;
            clsTMsEngine1 fast;
            fast.Initialize(nullptr, nullptr);
            fast.EngineStart(input, grade);
            // From above the greedy size to below it; a size that is not found within its
            // time limit (25 ms per clock reading) ends the run with the covering before it.
            const int begin = fast.SingleCount() + 2;
            auto clock = std::make_shared<test::SteppingClock>(25);
            clsTMsEngine2 engine;
            clsTMsg log(clock);
            engine.Initialize(&log, nullptr, clock);
            engine.EngineStart(input, grade, TrialSettings(begin, std::max(begin - 4, 1), 1),
                               kAllMarked);
            ASSERT_GE(engine.SingleCount(), 1);
            ASSERT_LE(engine.SingleCount(), begin);
            EXPECT_TRUE(Uncovered(input, engine.SingleData(), radius).empty());
            for (const int32_t s : engine.SingleData()) {
                EXPECT_TRUE(inputSet.count(s));
            }
            const QStringList lines = log.Lines();
            const QString end = lines[lines.size() - 3];
            EXPECT_TRUE(end.endsWith(QStringLiteral("指定口数に達したので検索を終了します")) ||
                        end.endsWith(QStringLiteral("指定時間になったので検索を終了します")) ||
                        end.endsWith(QStringLiteral("下限に達したので検索を終了します")));
            EXPECT_TRUE(lines[lines.size() - 2].contains(QString::number(engine.SingleCount()) +
                                                         QStringLiteral("口 (下限 ")));
        }
    }
}

TEST(TrialEngine, ExtensionDrawsCandidatesFromTheMulti) {
    RandomSource::Seed(12);
    const MarkTable marks = test::Marks({3, 3, 7, 7, 1, 15}); // 2*2*3*3*1*4 = 144 singles
    const auto multi = test::Expand(marks);
    const std::set<int32_t> multiSet(multi.begin(), multi.end());
    // Every third single of the multi is the reduced list.
    std::vector<int32_t> input;
    for (size_t i = 0; i < multi.size(); i += 3) {
        input.push_back(multi[i]);
    }
    const std::set<int32_t> inputSet(input.begin(), input.end());
    for (const auto& [grade, ex2, ex3, radius] : std::vector<std::tuple<int, bool, bool, int>>{
             {2, true, false, 1}, {3, false, true, 2}, {3, true, false, 1}}) {
        SCOPED_TRACE(testing::Message() << "grade " << grade << " ex2 " << ex2);
        EngineSettings s = TrialSettings(20, 12);
        s.ExGrade2 = ex2;
        s.ExGrade3 = ex3;
        clsTMsEngine2 engine;
        engine.Initialize(nullptr, nullptr);
        engine.EngineStart(input, grade, s, marks);
        const auto& candidates = engine.Candidates();
        EXPECT_GT(candidates.size(), input.size());
        for (const int32_t c : candidates) {
            EXPECT_TRUE(multiSet.count(c));
            EXPECT_TRUE(Uncovered({c}, input, radius).empty()) << c;
        }
        // In the multi's (ascending) order.
        EXPECT_TRUE(std::is_sorted(candidates.begin(), candidates.end()));
        EXPECT_TRUE(Uncovered(input, engine.SingleData(), grade - 1).empty());
        for (const int32_t r : engine.SingleData()) {
            EXPECT_TRUE(multiSet.count(r));
        }
    }
    // Without an extension the candidates are the input itself.
    clsTMsEngine2 plain;
    plain.Initialize(nullptr, nullptr);
    plain.EngineStart(input, 2, TrialSettings(20, 20), marks);
    EXPECT_EQ(plain.Candidates(), input);
    for (const int32_t r : plain.SingleData()) {
        EXPECT_TRUE(inputSet.count(r));
    }
}

TEST(TrialEngine, CoveringSeedIsConfirmedWithoutSwaps) {
    RandomSource::Seed(13);
    clsTMsEngine2 engine;
    clsTMsg log;
    engine.Initialize(&log, nullptr);
    engine.EngineStart({1234}, 3, TrialSettings(3, 1), kAllMarked);
    EXPECT_EQ(engine.SingleData(), (std::vector<int32_t>{1234}));
    EXPECT_EQ(engine.Attempts(), 0);
    const QStringList lines = log.Lines();
    EXPECT_TRUE(lines.contains(QStringLiteral("0000 キャッシュ構築中...")));
    EXPECT_TRUE(lines.contains(QStringLiteral("0000 3を検索中...確定")));
    EXPECT_TRUE(lines.contains(QStringLiteral("0000 2を検索中...確定")));
    EXPECT_TRUE(lines.contains(QStringLiteral("0000 1を検索中...確定")));
    // One single is the bound: nothing smaller exists.
    EXPECT_EQ(lines[lines.size() - 3], QStringLiteral("0000 下限に達したので検索を終了します"));
    EXPECT_EQ(lines[lines.size() - 2], QStringLiteral("0000 1口 (下限 1口)：最小です"));
}

TEST(TrialEngine, RepeatedInputSinglesStillEnd) {
    RandomSource::Seed(14);
    clsTMsEngine2 engine;
    engine.Initialize(nullptr, nullptr);
    engine.EngineStart({0, 0, 4095, 4095, 1}, 2, TrialSettings(4, 2), kAllMarked);
    ASSERT_EQ(engine.SingleCount(), 2);
    EXPECT_TRUE(Uncovered({0, 4095, 1}, engine.SingleData(), 1).empty());
}

// 16 singles (all classes at two slots) whose smallest grade-2 covering has 4, where the bound
// is 3: size 3 is searched and never covered.
const MarkTable kFull16 = test::Marks({15, 15, 1, 1, 1, 1});

TEST(TrialEngine, StopKeepsThePreviousCovering) {
    RandomSource::Seed(15);
    const auto input = test::Expand(kFull16);
    clsTMsEngine2 engine;
    clsTMsg log;
    RunControl control;
    engine.Initialize(&log, &control);
    std::thread worker([&] { engine.EngineStart(input, 2, TrialSettings(14, 1), kFull16); });
    ASSERT_TRUE(
        test::WaitFor([&] { return HasLineContaining(log, QStringLiteral(" 3を検索中...")); }));
    control.stop = true;
    worker.join();
    ASSERT_EQ(engine.SingleCount(), 4);
    EXPECT_TRUE(Uncovered(input, engine.SingleData(), 1).empty());
    const QStringList lines = log.Lines();
    EXPECT_TRUE(lines[lines.size() - 3].endsWith(QStringLiteral(" 3を検索中...中断")));
    EXPECT_TRUE(lines[lines.size() - 2].endsWith(QStringLiteral("4口 (下限 3口)")));
    EXPECT_FALSE(HasLineContaining(log, QStringLiteral("指定時間")));
}

TEST(TrialEngine, StopBeforeAnyCoveringGivesTheFastCovering) {
    RandomSource::Seed(16);
    const auto input = test::Expand(kFull16);
    clsTMsEngine2 engine;
    clsTMsg log;
    engine.Initialize(&log, nullptr);
    std::thread worker([&] { engine.EngineStart(input, 2, TrialSettings(3, 1), kFull16); });
    ASSERT_TRUE(
        test::WaitFor([&] { return HasLineContaining(log, QStringLiteral(" 3を検索中...")); }));
    engine.EngineStop();
    worker.join();
    clsTMsEngine1 fast;
    fast.Initialize(nullptr, nullptr);
    fast.EngineStart(input, 2);
    EXPECT_EQ(engine.SingleData(), fast.SingleData());
    EXPECT_TRUE(HasLineContaining(
        log, QStringLiteral("確定した口数がないため高速検索エンジンの組み合わせを使います")));
}

TEST(TrialEngine, TimeLimitEndsAnImpossibleSize) {
    RandomSource::Seed(17);
    const auto input = test::Expand(kFull16);
    // Every clock reading moves 100 ms on, so the 3-second limit of a size passes after a
    // few dozen shakes.
    auto clock = std::make_shared<test::SteppingClock>(100);
    clsTMsEngine2 engine;
    clsTMsg log(clock);
    engine.Initialize(&log, nullptr, clock);
    engine.EngineStart(input, 2, TrialSettings(12, 1, 3), kFull16);
    ASSERT_EQ(engine.SingleCount(), 4);
    EXPECT_TRUE(Uncovered(input, engine.SingleData(), 1).empty());
    const QStringList lines = log.Lines();
    ASSERT_GE(lines.size(), 5);
    EXPECT_TRUE(lines[lines.size() - 5].endsWith(QStringLiteral(" 3を検索中...中断")));
    EXPECT_EQ(lines[lines.size() - 4], QString(55, '-'));
    EXPECT_TRUE(
        lines[lines.size() - 3].endsWith(QStringLiteral(" 指定時間になったので検索を終了します")));
}

TEST(TrialEngine, PauseHoldsTheSearchUntilResumed) {
    RandomSource::Seed(18);
    const auto input = test::Expand(test::Ternary4Marks());
    auto clock = std::make_shared<FakeClock>();
    clsTMsEngine2 engine;
    clsTMsg log(clock);
    RunControl control;
    control.pause = true;
    engine.Initialize(&log, &control, clock);
    std::thread worker(
        [&] { engine.EngineStart(input, 2, TrialSettings(12, 9), test::Ternary4Marks()); });
    // The paused engine sleeps in 500 ms steps of the fake clock.
    ASSERT_TRUE(test::WaitFor([&] { return clock->NowMs() >= 5000; }));
    const QStringList held = log.Lines();
    ASSERT_TRUE(test::WaitFor([&] { return clock->NowMs() >= 10000; }));
    EXPECT_EQ(log.Lines(), held);
    EXPECT_FALSE(HasLineContaining(log, QStringLiteral("9を検索中")));
    control.pause = false;
    worker.join();
    ASSERT_EQ(engine.SingleCount(), 9);
    EXPECT_TRUE(Uncovered(input, engine.SingleData(), 1).empty());
}

TEST(TrialEngine, FullListGrade3CacheStaysSmall) {
    RandomSource::Seed(19);
    std::vector<int32_t> all(4096);
    for (int32_t i = 0; i < 4096; ++i) {
        all[i] = i;
    }
    clsTMsEngine2 engine;
    engine.Initialize(nullptr, nullptr);
    // 1000 random singles leave nothing uncovered at grade 3: confirmed at once.
    engine.EngineStart(all, 3, TrialSettings(1000, 1000), kAllMarked);
    EXPECT_EQ(engine.SingleCount(), 1000);
    EXPECT_LT(engine.CacheBytes(), 3u * 1024 * 1024);
    EXPECT_TRUE(Uncovered(all, engine.SingleData(), 2).empty());
}

} // namespace
} // namespace kestrel
