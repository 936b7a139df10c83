#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <limits>

#include "platform/VbFormat.h"

namespace kestrel {
namespace {

struct Case {
    double value;
    const char* pattern;
    const char* expected;
};

// Formatting rounds the value's 15-significant-digit decimal form half away from zero.
TEST(VbFormatTest, EveryPatternRoundsHalfAwayFromZero) {
    const Case cases[] = {
        {0.5, "0", "1"},
        {1.5, "0", "2"},
        {2.5, "0", "3"},
        {-0.5, "0", "-1"},
        {-2.5, "0", "-3"},
        {2.345, "0.00", "2.35"},
        {3.125, "0.00", "3.13"},
        {66.665, "0.00", "66.67"},
        {-2.345, "0.00", "-2.35"},
        {-66.665, "0.00", "-66.67"},
        // "##0.00"
        {0.5, "##0.00", "0.50"},
        {2.345, "##0.00", "2.35"},
        {66.665, "##0.00", "66.67"},
        {99.995, "##0.00", "100.00"},
        {0.005, "##0.00", "0.01"},
        {0.004, "##0.00", "0.00"},
        {-3.125, "##0.00", "-3.13"},
        {1234.5, "##0.00", "1234.50"},
        // "#,##0.00"
        {1234567.891, "#,##0.00", "1,234,567.89"},
        {66.665, "#,##0.00", "66.67"},
        {-1234.565, "#,##0.00", "-1,234.57"},
        {0.0, "#,##0.00", "0.00"},
        // "#,##0"
        {0.5, "#,##0", "1"},
        {2.5, "#,##0", "3"},
        {999.5, "#,##0", "1,000"},
        {1234567.5, "#,##0", "1,234,568"},
        {-1234.5, "#,##0", "-1,235"},
        {0.0, "#,##0", "0"},
        {100.0, "#,##0", "100"},
        {1e15, "#,##0", "1,000,000,000,000,000"},
        // zero-filled integers
        {0.5, "0000", "0001"},
        {2.5, "0000", "0003"},
        {66.665, "0000", "0067"},
        {12345.0, "0000", "12345"},
        {-2.5, "0000", "-0003"},
        {2.5, "000", "003"},
        {66.665, "000", "067"},
        {-0.5, "000", "-001"},
        {2.5, "00", "03"},
        {66.665, "00", "67"},
        {123.0, "00", "123"},
        {66.665, "0", "67"},
        {0.49, "0", "0"},
        {9.5, "0", "10"},
        // a negative value that rounds to zero has no sign
        {-0.4, "0", "0"},
        {-0.004, "0.00", "0.00"},
        {-0.4, "#,##0", "0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VbFormat::Format(c.value, QString::fromLatin1(c.pattern)),
                  QString::fromLatin1(c.expected))
            << c.value << " with " << c.pattern;
    }
}

TEST(VbFormatTest, WholeNumbersAndMoneyUseTheSamePatterns) {
    EXPECT_EQ(VbFormat::Format(int64_t{1234567}, "#,##0"), "1,234,567");
    EXPECT_EQ(VbFormat::Format(int64_t{-1234567}, "#,##0"), "-1,234,567");
    EXPECT_EQ(VbFormat::Format(int64_t{7}, "0000"), "0007");
    EXPECT_EQ(VbFormat::Format(int64_t{-5}, "00"), "-05");
    EXPECT_EQ(VbFormat::Format(int64_t{42}, "0.00"), "42.00");
    EXPECT_EQ(VbFormat::Format(int64_t{0}, "0"), "0");
    EXPECT_EQ(VbFormat::Format(std::numeric_limits<int64_t>::min(), "#,##0"),
              "-9,223,372,036,854,775,808");

    // Money is formatted from its exact decimal value.
    EXPECT_EQ(VbFormat::Format(Money::FromRaw(23450), "0.00"), "2.35");
    EXPECT_EQ(VbFormat::Format(Money::FromRaw(31250), "0.00"), "3.13");
    EXPECT_EQ(VbFormat::Format(Money::FromRaw(666650), "##0.00"), "66.67");
    EXPECT_EQ(VbFormat::Format(Money::FromRaw(25000), "0"), "3");
    EXPECT_EQ(VbFormat::Format(Money::FromRaw(-5000), "0"), "-1");
    EXPECT_EQ(VbFormat::Format(Money::FromRaw(-23450), "#,##0.00"), "-2.35");
    EXPECT_EQ(VbFormat::Format(Money::FromInt(123456789), "#,##0"), "123,456,789");
    EXPECT_EQ(VbFormat::Format(Money::FromRaw(1), "0.00"), "0.00");
}

// The explicit integer conversions and "ties to even" roundings round halves to even.
TEST(VbFormatTest, RoundHalfEvenTiesToEven) {
    EXPECT_EQ(VbFormat::RoundHalfEven(0.5), 0);
    EXPECT_EQ(VbFormat::RoundHalfEven(1.5), 2);
    EXPECT_EQ(VbFormat::RoundHalfEven(2.5), 2);
    EXPECT_EQ(VbFormat::RoundHalfEven(3.5), 4);
    EXPECT_EQ(VbFormat::RoundHalfEven(-0.5), 0);
    EXPECT_EQ(VbFormat::RoundHalfEven(-2.5), -2);
    EXPECT_EQ(VbFormat::RoundHalfEven(-3.5), -4);
    EXPECT_EQ(VbFormat::RoundHalfEven(2.5000001), 3);
    EXPECT_EQ(VbFormat::RoundHalfEven(2.4999), 2);
    EXPECT_EQ(VbFormat::RoundHalfEven(-2.51), -3);
    EXPECT_EQ(VbFormat::RoundHalfEven(1234567.5), 1234568);

    EXPECT_DOUBLE_EQ(VbFormat::RoundHalfEven(2.345, 2), 2.34);
    EXPECT_DOUBLE_EQ(VbFormat::RoundHalfEven(2.335, 2), 2.34);
    EXPECT_DOUBLE_EQ(VbFormat::RoundHalfEven(3.125, 2), 3.12);
    EXPECT_DOUBLE_EQ(VbFormat::RoundHalfEven(66.665, 2), 66.66);
    EXPECT_DOUBLE_EQ(VbFormat::RoundHalfEven(66.675, 2), 66.68);
    EXPECT_DOUBLE_EQ(VbFormat::RoundHalfEven(-2.345, 2), -2.34);
    EXPECT_DOUBLE_EQ(VbFormat::RoundHalfEven(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(VbFormat::RoundHalfEven(0.375, 2), 0.38);
    EXPECT_DOUBLE_EQ(VbFormat::RoundHalfEven(12.5, 0), 12.0);
    EXPECT_DOUBLE_EQ(VbFormat::RoundHalfEven(0.0, 2), 0.0);
    EXPECT_DOUBLE_EQ(VbFormat::RoundHalfEven(1.23456, 4), 1.2346);
}

TEST(VbFormatTest, NonFiniteAndHugeValuesDoNotBreak) {
    EXPECT_EQ(VbFormat::Format(std::numeric_limits<double>::quiet_NaN(), "0.00"), "0.00");
    EXPECT_EQ(VbFormat::Format(std::numeric_limits<double>::infinity(), "#,##0"), "0");
    EXPECT_EQ(VbFormat::RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(VbFormat::RoundHalfEven(1e300), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(VbFormat::RoundHalfEven(-1e300), std::numeric_limits<int64_t>::min());
}

TEST(VbFormatTest, RightAlignPadsButNeverCuts) {
    EXPECT_EQ(VbFormat::RightAlign("42", 7), "     42");
    EXPECT_EQ(VbFormat::RightAlign("1234567", 7), "1234567");
    EXPECT_EQ(VbFormat::RightAlign("12345678", 7), "12345678");
    EXPECT_EQ(VbFormat::RightAlign(QString(), 2), "  ");
}

} // namespace
} // namespace kestrel
