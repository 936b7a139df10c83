// The small process-wide services: message sink and error reporter, user prompts, the random
// source, the clock, the run control and the version.
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <set>
#include <thread>
#include <vector>

#include "platform/Clock.h"
#include "platform/ErrorReporter.h"
#include "platform/RandomSource.h"
#include "platform/RunControl.h"
#include "platform/UserPrompt.h"
#include "platform/Version.h"

namespace kestrel {
namespace {

class Collector : public MessageSink {
public:
    void Show(const Message& message) override { messages.push_back(message); }
    std::vector<Message> messages;
};

class ErrorReporterTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = CurrentMessageSink();
        SetMessageSink(m_sink);
    }
    void TearDown() override { SetMessageSink(m_previous); }

    std::shared_ptr<Collector> m_sink = std::make_shared<Collector>();
    std::shared_ptr<MessageSink> m_previous;
};

TEST_F(ErrorReporterTest, DetailTextIsAWarningUnderTheApplicationTitle) {
    const ErrorReporter reporter(QStringLiteral("clsXmlSchedule"));
    reporter.Report(QStringLiteral("XmlLoad"), QString::fromUtf16(u"ファイルが壊れています。"));
    ASSERT_EQ(m_sink->messages.size(), 1u);
    EXPECT_EQ(m_sink->messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(m_sink->messages[0].title, "Kestrel / clsXmlSchedule / XmlLoad");
    EXPECT_EQ(m_sink->messages[0].text, QString::fromUtf16(u"ファイルが壊れています。"));
    EXPECT_EQ(reporter.ClassName(), "clsXmlSchedule");
}

TEST_F(ErrorReporterTest, UnexpectedErrorsNameSourceAndNumber) {
    const ErrorReporter reporter(QStringLiteral("clsTX"));
    reporter.ReportUnexpected(QStringLiteral("Execute"), QStringLiteral("Overflow"), 6);
    reporter.ReportUnexpected(QStringLiteral("Execute"), QStringLiteral("Subscript out of range"),
                              9, QStringLiteral("kestrel_reduction"));
    ASSERT_EQ(m_sink->messages.size(), 2u);
    EXPECT_EQ(m_sink->messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(m_sink->messages[0].title, "Kestrel / clsTX / Execute");
    EXPECT_EQ(m_sink->messages[0].text, "Overflow ( 6 )");
    EXPECT_EQ(m_sink->messages[1].title, "kestrel_reduction / clsTX / Execute");
    EXPECT_EQ(m_sink->messages[1].text, "Subscript out of range ( 9 )");
}

TEST_F(ErrorReporterTest, ShowMessageGoesToTheCurrentSinkFromAnyThread) {
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([] {
            ShowMessage(MessageIcon::Information, QStringLiteral("t"), QStringLiteral("x"));
        });
        threads.back().join(); // the collector itself is not thread-safe; the sink swap is
    }
    EXPECT_EQ(m_sink->messages.size(), 4u);
    auto other = std::make_shared<Collector>();
    SetMessageSink(other);
    ShowMessage(MessageIcon::Question, QStringLiteral("a"), QStringLiteral("b"));
    EXPECT_EQ(m_sink->messages.size(), 4u);
    ASSERT_EQ(other->messages.size(), 1u);
    EXPECT_EQ(other->messages[0].icon, MessageIcon::Question);
}

TEST(UserPromptTest, FixedPromptAnswersInTheButtonsAsked) {
    FixedPrompt yes(PromptAnswer::Yes);
    EXPECT_EQ(yes.Ask("t", "q1", PromptButtons::YesNo), PromptAnswer::Yes);
    EXPECT_EQ(yes.Ask("t", "q2", PromptButtons::OkCancel), PromptAnswer::Ok);
    EXPECT_EQ(yes.Ask("t", "q3", PromptButtons::YesNoCancel), PromptAnswer::Yes);
    EXPECT_EQ(yes.AskCount(), 3);
    EXPECT_EQ(yes.LastText(), "q3");

    FixedPrompt no(PromptAnswer::No);
    EXPECT_EQ(no.Ask("t", "q", PromptButtons::YesNo), PromptAnswer::No);
    EXPECT_EQ(no.Ask("t", "q", PromptButtons::OkCancel), PromptAnswer::Cancel);

    FixedPrompt cancel(PromptAnswer::Cancel);
    EXPECT_EQ(cancel.Ask("t", "q", PromptButtons::YesNo), PromptAnswer::No);
    EXPECT_EQ(cancel.Ask("t", "q", PromptButtons::YesNoCancel), PromptAnswer::Cancel);

    FixedPrompt ok(PromptAnswer::Ok);
    EXPECT_EQ(ok.Ask("t", "q", PromptButtons::YesNo), PromptAnswer::Yes);
}

TEST(UserPromptTest, ProcessWidePromptCanBeReplaced) {
    const auto previous = CurrentUserPrompt();
    ASSERT_NE(previous, nullptr);
    auto no = std::make_shared<FixedPrompt>(PromptAnswer::No);
    SetUserPrompt(no);
    EXPECT_EQ(CurrentUserPrompt()->Ask("t", "q", PromptButtons::YesNo), PromptAnswer::No);
    EXPECT_EQ(no->AskCount(), 1);
    SetUserPrompt(previous);
}

TEST(RandomSourceTest, SeededRunsRepeat) {
    RandomSource::Seed(12345);
    std::vector<double> first;
    for (int i = 0; i < 100; ++i) {
        first.push_back(RandomSource::Next());
    }
    RandomSource::Seed(12345);
    RandomSource::SeedFromClockOnce(); // already seeded: no effect
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(RandomSource::Next(), first[static_cast<size_t>(i)]);
    }
    RandomSource::Seed(54321);
    EXPECT_NE(RandomSource::Next(), first[0]);
}

TEST(RandomSourceTest, ValuesStayInRangeAndSpreadEvenly) {
    RandomSource::Seed(7);
    int buckets[10] = {};
    for (int i = 0; i < 100000; ++i) {
        const double v = RandomSource::Next();
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
        ++buckets[static_cast<int>(v * 10)];
    }
    for (const int count : buckets) {
        EXPECT_NEAR(count, 10000, 500);
    }
    std::set<int32_t> seen;
    for (int i = 0; i < 1000; ++i) {
        const int32_t n = RandomSource::NextBelow(6);
        ASSERT_GE(n, 0);
        ASSERT_LT(n, 6);
        seen.insert(n);
    }
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_EQ(RandomSource::NextBelow(1), 0);
    EXPECT_EQ(RandomSource::NextBelow(0), 0);
    EXPECT_EQ(RandomSource::NextBelow(-3), 0);
}

TEST(ClockTest, FakeClockMovesOnlyWhenTold) {
    FakeClock clock;
    EXPECT_EQ(clock.NowMs(), 0);
    clock.Advance(1500);
    clock.SleepMs(500);
    EXPECT_EQ(clock.NowMs(), 2000);
    EXPECT_TRUE(clock.Now().IsZero());
    const auto when = DateTime::FromParts(2009, 5, 16, 13, 0, 0);
    clock.SetNow(*when);
    EXPECT_EQ(clock.Now(), *when);
}

TEST(ClockTest, ProcessWideClockIsReplaceable) {
    const auto previous = CurrentClock();
    ASSERT_NE(previous, nullptr);
    auto fake = std::make_shared<FakeClock>();
    fake->Advance(42);
    SetClock(fake);
    EXPECT_EQ(CurrentClock()->NowMs(), 42);
    SetClock(previous);

    SystemClock system;
    const int64_t a = system.NowMs();
    system.SleepMs(5);
    EXPECT_GE(system.NowMs() - a, 5);
    EXPECT_TRUE(system.Now().HasDate());
}

TEST(RunControlTest, ProgressAndFlags) {
    RunControl control;
    control.Progress(1, 2); // no callback: nothing happens
    std::vector<std::pair<int, int>> seen;
    control.onProgress = [&](int v, int m) { seen.emplace_back(v, m); };
    control.Progress(3, 100);
    control.Progress(100, 100);
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{3, 100}, {100, 100}}));
    control.stop = true;
    control.pause = true;
    control.Reset();
    EXPECT_FALSE(control.stop.load());
    EXPECT_FALSE(control.pause.load());
}

TEST(VersionTest, VersionTextStartsAtOnePointZeroZero) {
    EXPECT_STREQ(kProductName, "Kestrel");
    EXPECT_EQ(VersionText(), "1.00");
    EXPECT_EQ(kVersionMajor, 1);
    EXPECT_EQ(kVersionMinor, 0);
}

} // namespace
} // namespace kestrel
