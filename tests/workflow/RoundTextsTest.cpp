#include <gtest/gtest.h>

#include "workflow/RoundTexts.h"

namespace kestrel {
namespace {

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return *DateTime::FromParts(y, mo, d, h, mi, s);
}

ScheduleRecord Schedule(int32_t round) {
    ScheduleRecord s;
    s.Kaisaikai = round;
    s.SaleStart = At(2025, 5, 10);
    s.SaleEnd = At(2025, 5, 17, 13, 50);
    s.ResultDate = At(2025, 5, 19);
    return s;
}

TEST(RoundTextsTest, SaleCountdownAtFixedTimes) {
    struct Case {
        DateTime now;
        const char* expected;
    };
    const Case cases[] = {
        {At(2025, 5, 16, 11, 45), "販売締切まで あと 1日 2時間5分"},
        {At(2025, 5, 17, 13, 49, 30), "販売締切まで あと 0時間0分"},
        {At(2025, 5, 17, 13, 50), "販売締切まで あと 0時間0分"},
        {At(2025, 5, 17, 13, 50, 1), "販売終了"},
        {At(2025, 5, 8, 21, 30), "販売開始まで あと 1日 2時間30分"},
        {At(2025, 5, 10), "販売締切まで あと 7日 13時間50分"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundTexts::SaleStatusText(Schedule(1555), c.now), QString::fromUtf8(c.expected))
            << c.now.ToString().toStdString();
    }
}

TEST(RoundTextsTest, CaptionsStatusAndDates) {
    VoteRecord vote;
    vote.Kaisaikai = 1555;
    const DateTime now = At(2025, 5, 16, 11, 45);

    // Round 0: one blank for the number, no sale status, no vote source.
    RoundTexts zero = RoundTexts::Make(0, QString(), ScheduleRecord(), VoteRecord(), now);
    EXPECT_EQ(zero.Caption, QStringLiteral(" 第   回 "));
    EXPECT_EQ(zero.Status, zero.Caption);
    EXPECT_FALSE(zero.SaleStatusVisible);
    EXPECT_TRUE(zero.SaleStatus.isEmpty());

    // A missing schedule with a vote file: the vote source shows, the sale status does not.
    vote.AsOf = At(2025, 5, 16, 9, 5);
    RoundTexts noSchedule = RoundTexts::Make(1555, QString(), ScheduleRecord(), vote, now);
    EXPECT_EQ(noSchedule.Status, QStringLiteral(" 第 1555 回 　使用投票率：2025/05/16 09:05"));
    EXPECT_FALSE(noSchedule.SaleStatusVisible);

    vote.AsOf = At(2025, 5, 17, 13, 50);
    RoundTexts full = RoundTexts::Make(1555, QStringLiteral("A"), Schedule(1555), vote, now);
    EXPECT_EQ(full.Caption, QStringLiteral(" 第 1555 回  [ A組 ] "));
    EXPECT_EQ(full.Status, full.Caption + QStringLiteral("　使用投票率：2025/05/17 (最終)"));
    EXPECT_EQ(full.SaleStart, QStringLiteral("2025年05月10日(土) "));
    EXPECT_EQ(full.SaleEnd, QStringLiteral("2025年05月17日(土) 13:50:00"));
    EXPECT_EQ(full.ResultDate, QStringLiteral("2025年05月19日(月) "));

    vote.AsOf = DateTime();
    EXPECT_EQ(RoundTexts::VoteSource(vote, DateTime()),
              QStringLiteral("　使用投票率：ユーザー定義"));
}

} // namespace
} // namespace kestrel
