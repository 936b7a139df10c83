#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <atomic>
#include <thread>
#include <vector>

#include "platform/TextCodec.h"
#include "platform/clsTMsg.h"

namespace kestrel {
namespace {

QString U(const char16_t* text) {
    return QString::fromUtf16(text);
}

class clsTMsgTest : public ::testing::Test {
protected:
    std::shared_ptr<FakeClock> m_clock = std::make_shared<FakeClock>();
    clsTMsg m_log{m_clock};
};

TEST_F(clsTMsgTest, MsgAppendsToTheLastLineAndEndsLinesOnRequest) {
    m_log.Cls();
    EXPECT_TRUE(m_log.Lines().isEmpty());
    m_log.Msg("Kestrel", false, false);
    m_log.Msg("  Version 1.00", true, false);
    m_log.Msg(U(u"マルチ総数：4,096"), true, false);
    EXPECT_EQ(m_log.Lines(), (QStringList{"Kestrel  Version 1.00", U(u"マルチ総数：4,096"), ""}));
    EXPECT_EQ(m_log.Text(), U(u"Kestrel  Version 1.00\r\nマルチ総数：4,096\r\n"));
    m_log.Cls();
    EXPECT_TRUE(m_log.Lines().isEmpty());
    EXPECT_EQ(m_log.Text(), QString());
}

TEST_F(clsTMsgTest, SeparatorIs55Dashes) {
    m_log.Msg("x", false, false);
    m_log.Sp();
    EXPECT_EQ(m_log.Lines(), (QStringList{"x" + QString(55, '-'), ""}));
}

TEST_F(clsTMsgTest, TimePrefixRoundsTheSecondsSinceClsToAtLeastFourDigits) {
    // Milliseconds since Cls and the prefix: seconds rounded half away from zero.
    const struct {
        int64_t ms;
        const char* prefix;
    } cases[] = {{0, "0000 "},    {499, "0000 "},  {500, "0001 "},       {2500, "0003 "},
                 {3499, "0003 "}, {3500, "0004 "}, {12345000, "12345 "}, {12345499, "12345 "}};
    for (const auto& c : cases) {
        m_clock->Advance(7000);
        m_log.Cls();
        m_clock->Advance(c.ms);
        EXPECT_EQ(m_log.TimePrefix(), QString::fromLatin1(c.prefix)) << c.ms;
    }
    m_log.Cls();
    m_clock->Advance(3500);
    m_log.Msg("a", true, true);
    m_log.Msg("b", true, false);
    m_clock->Advance(12345000 - 3500);
    m_log.Msg("c", false, true);
    EXPECT_EQ(m_log.Lines(), (QStringList{"0004 a", "b", "12345 c"}));
    m_log.Cls();
    m_log.Msg("d", true, true);
    EXPECT_EQ(m_log.Lines(), (QStringList{"0000 d", ""}));
}

// The ":" always stands in column 23 of the label part, counted in Shift_JIS bytes.
TEST_F(clsTMsgTest, StepLinesPadAndCutLabelsTo22Columns) {
    struct Case {
        QString label;
        QString shown;
    };
    const Case cases[] = {
        {U(u"本命/全て/◎"), U(u"本命/全て/◎          ")},
        {U(u"１等当せん金"), U(u"１等当せん金          ")},
        {"", QString(22, ' ')},
        {"ABCDEFGHIJKLMNOPQRSTUV", "ABCDEFGHIJKLMNOPQRSTUV"},
        {U(u"点詳細/3Vs4あいうえおZ"), U(u"点詳細/3Vs4あいうえおZ")},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNOPQRSTUV"},
        {U(u"人気/全て/とても長い行ラベルです"), U(u"人気/全て/とても長い行")},
        // A full-width character across the cut gives way to a blank.
        {U(u"ABCDEFGHIJKLMNOPQRSTUあい"), U(u"ABCDEFGHIJKLMNOPQRSTU ")},
        {U(u"得点/J1/あいうえおかきく"), U(u"得点/J1/あいうえおかき")},
        {U(u"得点/J1/Xあいうえおかき"), U(u"得点/J1/Xあいうえおか ")},
        {U(u"得点/J1/ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿ"), U(u"得点/J1/ｱｲｳｴｵｶｷｸｹｺｻｼｽｾ")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(clsTMsg::PadToColumns(c.label, 22), c.shown) << c.label.toStdString();
        EXPECT_EQ(TextCodec::SjisWidth(clsTMsg::PadToColumns(c.label, 22)), 22);
    }
}

TEST_F(clsTMsgTest, AStepStandsOnOneLine) {
    m_log.Cls();
    m_log.Sp();
    m_clock->Advance(2400);
    m_log.CompMsg(U(u"本命/全て/◎"), 4096, 0, false);
    EXPECT_EQ(m_log.Lines().last(), U(u"0002 本命/全て/◎          :   4096 → "));
    m_clock->Advance(5000);
    m_log.CompMsg(U(u"本命/全て/◎"), 4096, 1024, true);
    m_log.CompMsg("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1024, 0, false);
    m_log.CompMsg("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1024, 1024, true);
    const QStringList lines = m_log.Lines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[1], U(u"0002 本命/全て/◎          :   4096 →    1024 ( 25.00%)"));
    EXPECT_EQ(lines[2], U(u"0007 ABCDEFGHIJKLMNOPQRSTUV:   1024 →    1024 (100.00%)"));
    EXPECT_EQ(lines[3], "");
}

TEST_F(clsTMsgTest, StepShares) {
    struct Case {
        int64_t before;
        int64_t after;
        const char16_t* tail;
    };
    const Case cases[] = {
        {3, 1, u"      1 ( 33.33%)"},
        {3, 2, u"      2 ( 66.67%)"},
        {4096, 0, u"      0 (  0.00%)"},
        {0, 0, u"      0 (100.00%)"},
        {8, 8, u"      8 (100.00%)"},
        {200000, 1, u"      1 (  0.00%)"},
        {16000000, 12345678, u"12345678 ( 77.16%)"},
        {8, 1, u"      1 ( 12.50%)"},
    };
    for (const Case& c : cases) {
        m_log.Cls();
        m_log.CompMsg("x", c.before, c.after, true);
        EXPECT_EQ(m_log.Lines().first(), U(c.tail)) << c.before << "/" << c.after;
    }
}

TEST_F(clsTMsgTest, ProgressValueAndMaximum) {
    EXPECT_EQ(m_log.Max(), 100);
    EXPECT_EQ(m_log.Value(), 0);
    m_log.SetMax(250);
    m_log.SetValue(42);
    EXPECT_EQ(m_log.Max(), 250);
    EXPECT_EQ(m_log.Value(), 42);
    m_log.Cls();
    EXPECT_EQ(m_log.Value(), 42) << "Cls clears the lines, not the progress bar";
}

TEST_F(clsTMsgTest, ObserversHearEveryChangeOnTheWritersThread) {
    std::vector<clsTMsg::Change> changes;
    std::thread::id seenOn;
    m_log.SetObserver([&](clsTMsg::Change c) {
        changes.push_back(c);
        seenOn = std::this_thread::get_id();
    });
    std::thread writer([&] {
        m_log.Cls();
        m_log.Msg("a", true, true);
        m_log.SetValue(5);
        m_log.SetMax(10);
        m_log.Sp();
    });
    const std::thread::id writerId = writer.get_id();
    writer.join();
    EXPECT_EQ(seenOn, writerId);
    EXPECT_EQ(changes,
              (std::vector<clsTMsg::Change>{clsTMsg::Change::Lines, clsTMsg::Change::Lines,
                                            clsTMsg::Change::Progress, clsTMsg::Change::Progress,
                                            clsTMsg::Change::Lines}));
}

TEST_F(clsTMsgTest, ObserverMayReadTheLogAndWritersMayRunTogether) {
    std::atomic<int> seenLines{0};
    m_log.SetObserver([&](clsTMsg::Change) { seenLines = static_cast<int>(m_log.Lines().size()); });
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t) {
        writers.emplace_back([&] {
            for (int i = 0; i < 250; ++i) {
                m_log.Msg("line", true, true);
                m_log.SetValue(i);
            }
        });
    }
    for (std::thread& w : writers) {
        w.join();
    }
    const QStringList lines = m_log.Lines();
    EXPECT_EQ(lines.size(), 1001);
    EXPECT_EQ(lines.count("0000 line"), 1000);
    EXPECT_EQ(seenLines.load() > 0, true);
}

} // namespace
} // namespace kestrel
