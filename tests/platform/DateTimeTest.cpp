#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <QDateTime>

#include "platform/DateTime.h"

namespace kestrel {
namespace {

DateTime Make(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
    const auto v = DateTime::FromParts(y, m, d, h, n, s);
    EXPECT_TRUE(v.has_value());
    return v.value_or(DateTime());
}

QString Parsed(const char* text) {
    const auto v = DateTime::Parse(QString::fromUtf8(text));
    return v ? v->ToString() : QStringLiteral("<none>");
}

TEST(DateTimeTest, TextFormsOfTheJapaneseLocale) {
    EXPECT_EQ(Make(2009, 5, 16).ToString(), "2009/05/16");
    EXPECT_EQ(Make(2009, 5, 16, 13).ToString(), "2009/05/16 13:00:00");
    EXPECT_EQ(Make(2009, 5, 16, 9, 5, 7).ToString(), "2009/05/16 9:05:07");
    EXPECT_EQ(DateTime::TimeOnly(13, 0)->ToString(), "13:00:00");
    EXPECT_EQ(DateTime::TimeOnly(0, 0, 1)->ToString(), "0:00:01");
    EXPECT_EQ(DateTime().ToString(), "0:00:00");
    EXPECT_TRUE(DateTime().IsZero());
    EXPECT_FALSE(Make(2009, 5, 16).IsZero());
    EXPECT_FALSE(DateTime::TimeOnly(0, 0, 1)->IsZero());
}

TEST(DateTimeTest, EveryTextFormParsesBackEqual) {
    const DateTime values[] = {Make(2009, 5, 16),
                               Make(2009, 5, 16, 13),
                               Make(2000, 2, 29, 23, 59, 59),
                               Make(2024, 12, 31, 0, 0, 1),
                               *DateTime::TimeOnly(13, 0),
                               *DateTime::TimeOnly(9, 5, 30),
                               DateTime()};
    for (const DateTime& v : values) {
        const auto back = DateTime::Parse(v.ToString());
        ASSERT_TRUE(back.has_value()) << v.ToString().toStdString();
        EXPECT_EQ(*back, v) << v.ToString().toStdString();
    }
    EXPECT_TRUE(DateTime::Parse(QStringLiteral("0:00:00"))->IsZero());
}

TEST(DateTimeTest, ParsesTheFormsOfStoresAndPages) {
    EXPECT_EQ(Parsed("2009/05/16"), "2009/05/16");
    EXPECT_EQ(Parsed("2009/5/6"), "2009/05/06");
    EXPECT_EQ(Parsed("2009-05-16"), "2009/05/16");
    EXPECT_EQ(Parsed("2009年5月16日"), "2009/05/16");
    EXPECT_EQ(Parsed("2009年05月16日 13:00"), "2009/05/16 13:00:00");
    EXPECT_EQ(Parsed("2009年05月16日13:50"), "2009/05/16 13:50:00");
    EXPECT_EQ(Parsed("2009/05/16 13:00:00"), "2009/05/16 13:00:00");
    EXPECT_EQ(Parsed("2009/05/16  9:05"), "2009/05/16 9:05:00");
    EXPECT_EQ(Parsed("  2009/05/16 13:00  "), "2009/05/16 13:00:00");
    EXPECT_EQ(Parsed("13:00"), "13:00:00");
    EXPECT_EQ(Parsed("9:05:30"), "9:05:30");
    EXPECT_EQ(Parsed("2009/05/16 0:00:00"), "2009/05/16");
}

TEST(DateTimeTest, RefusesInvalidDatesAndTimes) {
    for (const char* bad :
         {"", "  ", "abc", "2009/02/29", "2009/13/01", "2009/00/10", "2009/04/31",
          "2009/05/16 25:00", "12:60", "24:00:00", "13:00:60", "2009/05/16 abc", "2009/05/16 13",
          "2009/05", "16/05/2009", "2009/05/16/", "２００９/05/16", "2009年5月", "-1:00"}) {
        EXPECT_EQ(Parsed(bad), "<none>") << bad;
    }
    EXPECT_FALSE(DateTime::FromParts(2009, 2, 29).has_value());
    EXPECT_TRUE(DateTime::FromParts(2008, 2, 29).has_value());
    EXPECT_FALSE(DateTime::FromParts(99, 1, 1).has_value());
    EXPECT_FALSE(DateTime::FromParts(2009, 5, 16, 24).has_value());
    EXPECT_FALSE(DateTime::TimeOnly(-1, 0).has_value());
    EXPECT_FALSE(DateTime::TimeOnly(1, 0, 60).has_value());
}

TEST(DateTimeTest, PartsAndWeekdays) {
    const DateTime v = Make(2009, 5, 16, 13, 4, 5);
    EXPECT_EQ(v.Year(), 2009);
    EXPECT_EQ(v.Month(), 5);
    EXPECT_EQ(v.Day(), 16);
    EXPECT_EQ(v.Hour(), 13);
    EXPECT_EQ(v.Minute(), 4);
    EXPECT_EQ(v.Second(), 5);
    EXPECT_EQ(v.SecondsOfDay(), 13 * 3600 + 4 * 60 + 5);
    EXPECT_EQ(v.DatePart(), Make(2009, 5, 16));
    EXPECT_EQ(v.TimePart(), *DateTime::TimeOnly(13, 4, 5));
    EXPECT_FALSE(v.TimePart().HasDate());

    EXPECT_EQ(v.Weekday(), 6);
    EXPECT_EQ(v.WeekdayName(), QString::fromUtf16(u"土"));
    EXPECT_EQ(Make(2009, 5, 17).WeekdayName(), QString::fromUtf16(u"日"));
    EXPECT_EQ(Make(2024, 1, 1).WeekdayName(), QString::fromUtf16(u"月"));
    EXPECT_EQ(Make(2024, 1, 5).WeekdayName(), QString::fromUtf16(u"金"));
    EXPECT_EQ(DateTime::TimeOnly(13, 0)->Weekday(), -1);
    EXPECT_TRUE(DateTime::TimeOnly(13, 0)->WeekdayName().isEmpty());
}

TEST(DateTimeTest, PatternFormatting) {
    const DateTime v = Make(2009, 5, 6, 3, 5, 9);
    EXPECT_EQ(v.Format("yyyy/mm/dd hh:nn"), "2009/05/06 03:05");
    EXPECT_EQ(v.Format("yyyy-mm-dd"), "2009-05-06");
    EXPECT_EQ(v.Format(QString::fromUtf16(u"yyyy年mm月dd日")),
              QString::fromUtf16(u"2009年05月06日"));
    EXPECT_EQ(v.Format("hh:nn:ss"), "03:05:09");
    EXPECT_EQ(v.Format(QString::fromUtf16(u"h時間n分")), QString::fromUtf16(u"3時間5分"));
}

TEST(DateTimeTest, OrderingAndDifferences) {
    const DateTime a = Make(2009, 5, 16, 13);
    const DateTime b = Make(2009, 5, 17, 12);
    EXPECT_LT(a, b);
    EXPECT_LT(Make(2009, 5, 16), a);
    EXPECT_LT(DateTime(), *DateTime::TimeOnly(0, 0, 1));
    EXPECT_EQ(b.TotalSeconds() - a.TotalSeconds(), 23 * 3600);
    EXPECT_EQ(Make(2009, 3, 1).TotalSeconds() - Make(2009, 2, 28).TotalSeconds(), 86400);
    for (const DateTime& v : {a, b, Make(1999, 12, 31, 23, 59, 59), *DateTime::TimeOnly(7, 0)}) {
        EXPECT_EQ(DateTime::FromTotalSeconds(v.TotalSeconds()), v) << v.ToString().toStdString();
    }
    EXPECT_EQ(DateTime::FromTotalSeconds(a.TotalSeconds() + 11 * 3600), Make(2009, 5, 17));
}

TEST(DateTimeTest, FromEpochUsesLocalTime) {
    const QDateTime local(QDate(2009, 5, 16), QTime(13, 0, 0));
    EXPECT_EQ(DateTime::FromEpochMs(local.toMSecsSinceEpoch()), Make(2009, 5, 16, 13));
}

} // namespace
} // namespace kestrel
