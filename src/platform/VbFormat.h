#pragma once

#include <QString>
#include <cstdint>

#include "platform/Money.h"

namespace kestrel {

// Number formatting with the picture patterns the program uses: "#,##0", "##0.00", "#,##0.00",
// "0.00", "0000", "000", "00", "0" (any mix of "#", "0", "," and one "."). A value is first
// written in its 15-significant-digit decimal form and then rounded half away from zero to the
// pattern's decimals: Format(2.5, "0") = "3", Format(2.345, "0.00") = "2.35".
class VbFormat {
public:
    static QString Format(double value, const QString& pattern);
    static QString Format(int64_t value, const QString& pattern);
    static QString Format(Money value, const QString& pattern);

    // Integer conversion rounding halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
    static int64_t RoundHalfEven(double value);
    // Rounds to the given decimals, halves to even on the value's 15-digit decimal form.
    static double RoundHalfEven(double value, int decimals);

    // Right-aligns text in width characters (no cut when longer).
    static QString RightAlign(const QString& text, int width);
};

} // namespace kestrel
