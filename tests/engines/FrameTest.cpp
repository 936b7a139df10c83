#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <new>
#include <numeric>
#include <set>
#include <stdexcept>

#include "EngineTestSupport.h"
#include "MessageCollector.h"
#include "engines/clsTMsEngine.h"
#include "platform/ErrorReporter.h"
#include "platform/RandomSource.h"

namespace kestrel {
namespace {

using test::HasLineContaining;
using test::Uncovered;

class FrameTest : public testing::Test {
protected:
    void SetUp() override {
        RandomSource::Seed(31);
        m_frame.Initialize(&m_log, &m_control);
    }

    EngineSettings Settings(int method) {
        EngineSettings s;
        s.MsEngine = method;
        return s;
    }

    test::CollectedMessages m_messages;
    clsTMsg m_log;
    RunControl m_control;
    clsTMsEngine m_frame;
    std::vector<int32_t> m_tousen{9, 9, 9};
    const MarkTable m_marks = test::Ternary4Marks();
    const std::vector<int32_t> m_list = test::Expand(test::Ternary4Marks());
};

TEST_F(FrameTest, MethodZeroLeavesTheListAndNoFigures) {
    auto list = m_list;
    m_frame.EngineRun(list, Settings(0), m_marks, m_tousen);
    EXPECT_EQ(list, m_list);
    EXPECT_TRUE(m_tousen.empty());
    EXPECT_FALSE(m_frame.Run());
    EXPECT_TRUE(m_log.Lines().isEmpty());
}

TEST_F(FrameTest, RandomExtractionKeepsDistinctEntriesAndCountsHits) {
    auto list = m_list;
    EngineSettings s = Settings(0);
    s.ChushutsuFlag = true;
    s.ChushutsuCount = 20;
    m_frame.EngineRun(list, s, m_marks, m_tousen);
    ASSERT_EQ(list.size(), 20u);
    EXPECT_EQ(std::set<int32_t>(list.begin(), list.end()).size(), 20u);
    const std::set<int32_t> all(m_list.begin(), m_list.end());
    for (const int32_t x : list) {
        EXPECT_TRUE(all.count(x));
    }
    ASSERT_EQ(m_tousen.size(), 6u);
    EXPECT_EQ(m_tousen[0], 81);
    EXPECT_EQ(m_tousen[1], 20);
    EXPECT_EQ(m_tousen[4], 81 - static_cast<int>(Uncovered(m_list, list, 1).size()));
    const QStringList lines = m_log.Lines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QString(55, '-'));
    EXPECT_EQ(lines[1], QStringLiteral("0000 抽出                  :     81 →      20 ( 24.69%)"));
}

TEST_F(FrameTest, ExtractionOfTheWholeListChangesNothing) {
    auto list = m_list;
    EngineSettings s = Settings(0);
    s.ChushutsuFlag = true;
    s.ChushutsuCount = 81;
    m_frame.EngineRun(list, s, m_marks, m_tousen);
    EXPECT_EQ(list, m_list);
    EXPECT_TRUE(m_log.Lines().isEmpty());
    EXPECT_EQ(m_tousen, (std::vector<int32_t>{81, 81, 81, 81, 81, 81}));
}

TEST_F(FrameTest, EnginesCompressAndFillTheFigures) {
    for (const int method : {1, 2, 3, 4, 6, 7}) {
        SCOPED_TRACE(method);
        auto list = m_list;
        EngineSettings s = Settings(method);
        s.BeginCount = 30;
        s.EndCount = method == 2 || method == 6 ? 9 : 3;
        m_frame.EngineRun(list, s, m_marks, m_tousen);
        const int radius = method <= 2 || method == 6 ? 1 : 2;
        EXPECT_TRUE(Uncovered(m_list, list, radius).empty());
        ASSERT_EQ(m_tousen.size(), 6u);
        EXPECT_EQ(m_tousen[0], 81);
        EXPECT_EQ(m_tousen[radius == 1 ? 4 : 5], 81);
        if (method == 2 || method == 6) {
            EXPECT_EQ(list.size(), 9u);
        }
    }
    // Four singles cannot cover the list: the one-second limit ends the optimisation, on a
    // clock that moves 100 ms at every reading.
    auto clock = std::make_shared<test::SteppingClock>(100);
    clsTMsEngine frame;
    frame.Initialize(nullptr, nullptr, clock);
    auto list = m_list;
    EngineSettings s = Settings(5);
    s.SeBeginCount = 4;
    s.SeEndTime = 1;
    frame.EngineRun(list, s, m_marks, m_tousen);
    EXPECT_EQ(list.size(), 4u);
    EXPECT_EQ(m_tousen[0], 81);
    EXPECT_EQ(m_tousen[4], 81 - static_cast<int>(Uncovered(m_list, list, 1).size()));
}

TEST_F(FrameTest, NoEngineReplacesTheListByAnEmptyOne) {
    // The fast engine stopped before it chose anything: the list stays.
    auto list = m_list;
    m_control.stop = true;
    m_frame.EngineRun(list, Settings(1), m_marks, m_tousen);
    EXPECT_EQ(list, m_list);
    ASSERT_EQ(m_tousen.size(), 6u);
    EXPECT_EQ(m_tousen[1], 81);
    EXPECT_TRUE(
        HasLineContaining(m_log, QStringLiteral("圧縮結果がないため元のシングルを残します")));
    m_control.stop = false;
    // The trial and stronger engines from a size they cannot reach within the limit (the
    // full list at grade 3 from 40, 1 s per size on a clock moving 100 ms per reading) hand
    // back the fast engine's covering.
    std::vector<int32_t> all(4096);
    std::iota(all.begin(), all.end(), 0);
    for (const int method : {4, 7}) {
        SCOPED_TRACE(method);
        auto clock = std::make_shared<test::SteppingClock>(100);
        clsTMsg log(clock);
        clsTMsEngine frame;
        frame.Initialize(&log, nullptr, clock);
        list = all;
        EngineSettings s = Settings(method);
        s.BeginCount = 40;
        s.EndTime = 1;
        frame.EngineRun(list, s, test::Marks({15, 15, 15, 15, 15, 15}), m_tousen);
        ASSERT_FALSE(list.empty());
        EXPECT_TRUE(Uncovered(all, list, 2).empty());
        EXPECT_TRUE(HasLineContaining(log, QStringLiteral("40を検索中...中断")));
        EXPECT_TRUE(HasLineContaining(
            log, QStringLiteral("確定した口数がないため高速検索エンジンの組み合わせを使います")));
    }
}

TEST_F(FrameTest, StopAndPauseReachTheRunningTrialEngine) {
    using Kind = clsTMsEngine::EngineKind;
    for (const auto& [method, kind] : {std::pair{2, Kind::Trial}, std::pair{6, Kind::Stronger}}) {
        SCOPED_TRACE(method);
        auto list = m_list;
        auto clock = std::make_shared<FakeClock>();
        clsTMsg log(clock);
        clsTMsEngine frame;
        frame.Initialize(&log, nullptr, clock);
        EXPECT_EQ(frame.ActiveEngine(), Kind::None);
        frame.EngineStop(); // nothing runs: no effect on the next run
        EngineSettings s = Settings(method);
        s.BeginCount = 14;
        s.EndCount = 1;
        // 16 singles whose smallest covering has 4 (the bound is 3).
        const MarkTable marks = test::Marks({15, 15, 1, 1, 1, 1});
        const auto input = test::Expand(marks);
        list = input;
        std::thread worker([&] { frame.EngineRun(list, s, marks, m_tousen); });
        // Size 3 cannot be covered; pause there, see the fake clock advance in 500 ms sleeps.
        ASSERT_TRUE(
            test::WaitFor([&] { return HasLineContaining(log, QStringLiteral(" 3を検索中")); }));
        EXPECT_TRUE(frame.Run());
        EXPECT_EQ(frame.ActiveEngine(), kind);
        frame.EnginePause(true);
        ASSERT_TRUE(test::WaitFor([&] { return clock->NowMs() >= 3000; }));
        frame.EngineStop();
        worker.join();
        EXPECT_FALSE(frame.Run());
        ASSERT_EQ(list.size(), 4u);
        EXPECT_TRUE(Uncovered(input, list, 1).empty());
        EXPECT_EQ(m_tousen[4], 16);
    }
}

TEST_F(FrameTest, PauseDoesNotHoldTheFastEngine) {
    std::vector<int32_t> all(4096);
    for (int32_t i = 0; i < 4096; ++i) {
        all[i] = i;
    }
    auto clock = std::make_shared<FakeClock>();
    clsTMsEngine frame;
    frame.Initialize(nullptr, nullptr, clock);
    std::atomic<bool> done{false};
    std::thread worker([&] {
        frame.EngineRun(all, Settings(3), m_marks, m_tousen);
        done = true;
    });
    ASSERT_TRUE(test::WaitFor([&] { return frame.Run() || done; }));
    frame.EnginePause(true);
    worker.join();
    EXPECT_EQ(clock->NowMs(), 0); // never slept
    EXPECT_FALSE(all.empty());
}

TEST_F(FrameTest, ExtractionByPayoutKeepsHighMiddleOrLowInListOrder) {
    // Slot 1 votes 70/20/9/1 %, the other slots even: the prize rises with slot 1's class and
    // 3 and 7 (slot 2 differs) tie.
    VoteRecord vote;
    const int slot1[4] = {70, 20, 9, 1};
    for (int t = 0; t < 6; ++t) {
        for (int c = 0; c < 4; ++c) {
            vote.Slots[t].Votes[c].Count = Money::FromInt(t == 0 ? slot1[c] : 25);
        }
    }
    m_frame.SetVote(vote);
    const std::vector<int32_t> pool{2, 0, 3, 1, 7};
    const auto extract = [&](int type, int k) {
        auto list = pool;
        EngineSettings s = Settings(0);
        s.ChushutsuFlag = true;
        s.ChushutsuType = type;
        s.ChushutsuCount = k;
        m_frame.EngineRun(list, s, m_marks, m_tousen);
        EXPECT_EQ(m_tousen.size(), 6u);
        return list;
    };
    EXPECT_EQ(extract(1, 2), (std::vector<int32_t>{3, 7}));
    EXPECT_EQ(extract(1, 1), (std::vector<int32_t>{3}));
    EXPECT_EQ(extract(1, 3), (std::vector<int32_t>{2, 3, 7}));
    EXPECT_EQ(extract(3, 2), (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(extract(2, 1), (std::vector<int32_t>{2}));
    EXPECT_EQ(extract(2, 3), (std::vector<int32_t>{2, 3, 1}));
    EXPECT_TRUE(HasLineContaining(m_log, QStringLiteral("抽出")));
}

TEST_F(FrameTest, OutOfRangeSinglesAreRefused) {
    std::vector<int32_t> list{1, 4096, 5};
    m_frame.EngineRun(list, Settings(1), m_marks, m_tousen);
    EXPECT_EQ(list, (std::vector<int32_t>{1, 4096, 5}));
    EXPECT_TRUE(m_tousen.empty());
    const auto messages = m_messages.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(messages[0].title.endsWith(QStringLiteral("/ clsTMsEngine / EngineRun")));
}

// A failure inside a run is shown with the program's own description and number, never with the
// library's exception text.
TEST_F(FrameTest, FailuresShowTheProgramsDescriptionOfTheError) {
    const struct {
        int method;
        std::function<void()> fail;
        const char* title;
        const char* text;
    } cases[] = {
        {1, [] { throw std::bad_alloc(); }, "MsEngine Err", "メモリが不足しています。 ( 7 )"},
        {2, [] { throw std::bad_alloc(); }, "Cache Initialize Err",
         "メモリが不足しています。 ( 7 )"},
        {1, [] { throw std::out_of_range("vector::at"); }, "MsEngine Err",
         "インデックスが有効範囲にありません。 ( 9 )"},
        {1, [] { throw std::overflow_error("big"); }, "MsEngine Err",
         "オーバーフローしました。 ( 6 )"},
        {1, [] { throw std::runtime_error("odd"); }, "MsEngine Err", "内部エラーです。 ( 51 )"},
    };
    for (const auto& c : cases) {
        m_messages.Clear();
        m_control.onProgress = [&c](int value, int) {
            if (value > 0) {
                c.fail();
            }
        };
        // Every single: the fast engine reports progress once it rescans.
        std::vector<int32_t> list(4096);
        std::iota(list.begin(), list.end(), 0);
        m_frame.EngineRun(list, Settings(c.method), m_marks, m_tousen);
        EXPECT_FALSE(m_frame.Run());
        const auto messages = m_messages.Messages();
        ASSERT_EQ(messages.size(), 1u) << c.text;
        EXPECT_EQ(messages[0].icon, MessageIcon::Error);
        EXPECT_EQ(messages[0].title.toStdString(), c.title);
        EXPECT_EQ(messages[0].text.toStdString(), c.text);
    }
}

TEST(EngineSettings, DefaultsAndRanges) {
    const EngineSettings d;
    EXPECT_EQ(d.MsEngine, 0);
    EXPECT_EQ(d.BeginCount, 100);
    EXPECT_EQ(d.EndCount, 1);
    EXPECT_EQ(d.EndTime, 0);
    EXPECT_EQ(d.SeBeginCount, 10);
    EXPECT_EQ(d.ChushutsuCount, 10);
    EXPECT_EQ(d.ChushutsuType, 0);
    EXPECT_TRUE(d.IsValid());
    EngineSettings bad;
    bad.BeginCount = 1'000'000;
    bad.EndCount = 0;
    bad.MsEngine = 9;
    bad.SeEndTime = -5;
    EXPECT_FALSE(bad.IsValid());
    const EngineSettings n = bad.Normalized();
    EXPECT_TRUE(n.IsValid());
    EXPECT_EQ(n.BeginCount, 9999);
    EXPECT_EQ(n.EndCount, 1);
    EXPECT_EQ(n.MsEngine, 0); // an unknown method compresses nothing
    EXPECT_EQ(n.SeEndTime, 0);
    EXPECT_EQ(clsTMsEngine::MethodCaption(2), QStringLiteral("２等保証　試行検索エンジン"));
    EXPECT_EQ(clsTMsEngine::ChushutsuCaption(3), QStringLiteral("低額配当から抽出"));
}

TEST(EngineSettings, MethodsZeroToSevenExistWithTheirCaptions) {
    const std::vector<std::tuple<int32_t, bool, QString>> cases = {
        {-1, false, QString()},
        {0, true, QStringLiteral("１等保証（削減圧縮をしない）")},
        {5, true, QStringLiteral("保証無し　口数最適化エンジン")},
        {6, true, QStringLiteral("２等保証　強化検索エンジン")},
        {7, true, QStringLiteral("３等保証　強化検索エンジン")},
        {8, false, QString()},
    };
    for (const auto& [method, exists, caption] : cases) {
        SCOPED_TRACE(method);
        EXPECT_EQ(EngineSettings::MethodExists(method), exists);
        EXPECT_EQ(clsTMsEngine::MethodCaption(method), caption);
        EngineSettings s;
        s.MsEngine = method;
        EXPECT_EQ(s.IsValid(), exists);
    }
}

} // namespace
} // namespace kestrel
