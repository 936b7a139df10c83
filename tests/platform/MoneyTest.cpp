#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <limits>

#include "platform/Money.h"

namespace kestrel {
namespace {

int64_t RawOf(const char* text) {
    const auto m = Money::Parse(QString::fromUtf8(text));
    EXPECT_TRUE(m.has_value()) << text;
    return m ? m->Raw() : -999;
}

TEST(MoneyTest, ParseIsExact) {
    EXPECT_EQ(RawOf("1234.5"), 12345000);
    EXPECT_EQ(RawOf("0"), 0);
    EXPECT_EQ(RawOf("-0"), 0);
    EXPECT_EQ(RawOf("12"), 120000);
    EXPECT_EQ(RawOf("+3"), 30000);
    EXPECT_EQ(RawOf(" -0.25 "), -2500);
    EXPECT_EQ(RawOf(".5"), 5000);
    EXPECT_EQ(RawOf("1."), 10000);
    EXPECT_EQ(RawOf("0.0001"), 1);
    EXPECT_EQ(RawOf("1,234,567"), 12345670000);
    EXPECT_EQ(RawOf("-1,234.5678"), -12345678);
    EXPECT_EQ(RawOf("00012.3400"), 123400);
    // 0.1 + 0.2 style binary errors cannot happen: every decimal is kept as written.
    EXPECT_EQ(RawOf("0.3"), 3000);
    EXPECT_EQ(RawOf("922337203685476.9999"), 9223372036854769999);
}

TEST(MoneyTest, ParseRoundsTheFifthDecimalHalfToEven) {
    EXPECT_EQ(RawOf("0.12345"), 1234);
    EXPECT_EQ(RawOf("0.12355"), 1236);
    EXPECT_EQ(RawOf("0.123450000"), 1234);
    EXPECT_EQ(RawOf("0.123450001"), 1235);
    EXPECT_EQ(RawOf("0.12346"), 1235);
    EXPECT_EQ(RawOf("0.12344999"), 1234);
    EXPECT_EQ(RawOf("-0.12345"), -1234);
    EXPECT_EQ(RawOf("-0.12355"), -1236);
    EXPECT_EQ(RawOf("9.99995"), 100000);
}

TEST(MoneyTest, ParseRefusesWhatIsNotADecimal) {
    for (const char* bad :
         {"", "   ", "-", "+", ".", "abc", "1.2.3", "1e5", "12円", "1 000", ",5", "--1", "1-",
          "0x10", "１２", "1.2a", "99999999999999999999", "922337203685478", "-922337203685478"}) {
        EXPECT_FALSE(Money::Parse(QString::fromUtf8(bad)).has_value()) << bad;
    }
}

TEST(MoneyTest, TextHasNoGroupingAndNoTrailingZeros) {
    EXPECT_EQ(Money::FromRaw(12345000).ToString(), "1234.5");
    EXPECT_EQ(Money::FromInt(12).ToString(), "12");
    EXPECT_EQ(Money::FromRaw(-2500).ToString(), "-0.25");
    EXPECT_EQ(Money().ToString(), "0");
    EXPECT_EQ(Money::FromRaw(1).ToString(), "0.0001");
    EXPECT_EQ(Money::FromRaw(-10).ToString(), "-0.001");
    EXPECT_EQ(Money::FromInt(1234567890).ToString(), "1234567890");
    EXPECT_EQ(Money::FromRaw(std::numeric_limits<int64_t>::min()).ToString(),
              "-922337203685477.5808");
    EXPECT_EQ(Money::FromRaw(std::numeric_limits<int64_t>::max()).ToString(),
              "922337203685477.5807");
}

TEST(MoneyTest, TextParsesBackEqual) {
    for (const int64_t raw :
         {int64_t{0}, int64_t{1}, int64_t{-1}, int64_t{5000}, int64_t{-12345678}, int64_t{99990000},
          int64_t{9223372036854769999}}) {
        const Money m = Money::FromRaw(raw);
        const auto back = Money::Parse(m.ToString());
        ASSERT_TRUE(back.has_value()) << raw;
        EXPECT_EQ(*back, m) << raw;
    }
}

TEST(MoneyTest, RoundHalfEvenToWholeUnits) {
    EXPECT_EQ(Money::FromRaw(5000).RoundHalfEven(), 0);
    EXPECT_EQ(Money::FromRaw(15000).RoundHalfEven(), 2);
    EXPECT_EQ(Money::FromRaw(25000).RoundHalfEven(), 2);
    EXPECT_EQ(Money::FromRaw(35000).RoundHalfEven(), 4);
    EXPECT_EQ(Money::FromRaw(25001).RoundHalfEven(), 3);
    EXPECT_EQ(Money::FromRaw(24999).RoundHalfEven(), 2);
    EXPECT_EQ(Money::FromRaw(-25000).RoundHalfEven(), -2);
    EXPECT_EQ(Money::FromRaw(-35000).RoundHalfEven(), -4);
    EXPECT_EQ(Money::FromRaw(-25001).RoundHalfEven(), -3);
    EXPECT_EQ(Money::FromRaw(-5000).RoundHalfEven(), 0);
    // Whole() truncates toward zero instead.
    EXPECT_EQ(Money::FromRaw(-25001).Whole(), -2);
    EXPECT_EQ(Money::FromRaw(29999).Whole(), 2);
}

TEST(MoneyTest, FromDoubleTakesTheNearestValue) {
    EXPECT_EQ(Money::FromDouble(1234.5).Raw(), 12345000);
    EXPECT_EQ(Money::FromDouble(-0.25).Raw(), -2500);
    EXPECT_EQ(Money::FromDouble(0.1).Raw(), 1000);
    EXPECT_EQ(Money::FromDouble(66.665).Raw(), 666650);
    EXPECT_EQ(Money::FromDouble(std::numeric_limits<double>::quiet_NaN()).Raw(), 0);
    EXPECT_EQ(Money::FromDouble(1e300).Raw(), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(Money::FromDouble(-1e300).Raw(), std::numeric_limits<int64_t>::min());
    EXPECT_DOUBLE_EQ(Money::FromRaw(12345).ToDouble(), 1.2345);
}

TEST(MoneyTest, ArithmeticAndOrder) {
    Money a = Money::FromInt(100);
    a += Money::FromRaw(5);
    a -= Money::FromInt(1);
    EXPECT_EQ(a.Raw(), 990005);
    EXPECT_EQ((Money::FromInt(2) - Money::FromInt(3)).Raw(), -10000);
    EXPECT_EQ((-Money::FromInt(2)).Raw(), -20000);
    EXPECT_LT(Money::FromRaw(-1), Money());
    EXPECT_GT(Money::FromInt(1), Money::FromRaw(9999));
}

} // namespace
} // namespace kestrel
