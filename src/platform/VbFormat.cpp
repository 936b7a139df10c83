#include "platform/VbFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace kestrel {

namespace {

// An exact decimal: digits with the decimal point after `point` of them (point may be negative
// or past the end: leading or trailing zeros implied).
struct Decimal {
    bool negative = false;
    std::string digits; // no sign, may have leading zeros
    int point = 0;
};

Decimal FromDouble15(double value) {
    Decimal d;
    if (value == 0.0 || !std::isfinite(value)) {
        d.digits = "0";
        d.point = 1;
        return d;
    }
    d.negative = value < 0;
    // d.dddddddddddddde+XX, independent of the C locale's decimal point.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), std::fabs(value),
                                      std::chars_format::scientific, 14);
    const std::string s(buffer, result.ptr);
    const size_t e = s.find('e');
    d.digits = s.substr(0, 1) + s.substr(2, e - 2);
    d.point = std::stoi(s.substr(e + 1)) + 1;
    return d;
}

Decimal FromRaw(int64_t raw, int scaleDigits) {
    Decimal d;
    d.negative = raw < 0;
    const uint64_t magnitude =
        d.negative ? static_cast<uint64_t>(-(raw + 1)) + 1 : static_cast<uint64_t>(raw);
    d.digits = std::to_string(magnitude);
    d.point = static_cast<int>(d.digits.size()) - scaleDigits;
    return d;
}

// Digit at position i counted from the first digit (0-based), zero outside the stored digits.
int DigitAt(const Decimal& d, int i) {
    if (i < 0 || i >= static_cast<int>(d.digits.size())) {
        return 0;
    }
    return d.digits[static_cast<size_t>(i)] - '0';
}

bool AnyNonZeroFrom(const Decimal& d, int i) {
    for (int k = std::max(i, 0); k < static_cast<int>(d.digits.size()); ++k) {
        if (d.digits[static_cast<size_t>(k)] != '0') {
            return true;
        }
    }
    return false;
}

enum class Rounding { HalfAwayFromZero, HalfEven };

// Rounds to `decimals` places; returns integer-part digits and exactly `decimals` fraction digits.
void Round(const Decimal& d, int decimals, Rounding mode, std::string& intPart,
           std::string& fracPart) {
    const int keep = d.point + decimals; // digits kept from the start of d.digits
    std::string kept;
    for (int i = 0; i < keep; ++i) {
        kept += static_cast<char>('0' + DigitAt(d, i));
    }
    const int next = DigitAt(d, keep);
    bool up = false;
    if (keep >= 0) {
        if (mode == Rounding::HalfAwayFromZero) {
            up = next >= 5;
        } else {
            const bool beyond = AnyNonZeroFrom(d, keep + 1);
            const int last = keep > 0 ? DigitAt(d, keep - 1) : 0;
            up = next > 5 || (next == 5 && (beyond || (last % 2) == 1));
        }
    }
    if (keep < 0) {
        kept.clear();
    }
    if (up) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<size_t>(i)] == '9') {
            kept[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            kept[static_cast<size_t>(i)] += 1;
        } else {
            kept.insert(kept.begin(), '1');
        }
    }
    // Split into integer and fraction parts.
    while (static_cast<int>(kept.size()) < decimals) {
        kept.insert(kept.begin(), '0');
    }
    intPart = kept.substr(0, kept.size() - static_cast<size_t>(decimals));
    fracPart = kept.substr(kept.size() - static_cast<size_t>(decimals));
    const size_t firstNonZero = intPart.find_first_not_of('0');
    intPart = firstNonZero == std::string::npos ? std::string() : intPart.substr(firstNonZero);
}

struct Pattern {
    int minInteger = 0;
    int decimals = 0;
    bool grouping = false;
};

Pattern ParsePattern(const QString& pattern) {
    Pattern p;
    const qsizetype dot = pattern.indexOf(QLatin1Char('.'));
    const QString integer = dot < 0 ? pattern : pattern.left(dot);
    p.minInteger = static_cast<int>(integer.count(QLatin1Char('0')));
    p.grouping = integer.contains(QLatin1Char(','));
    if (dot >= 0) {
        p.decimals = static_cast<int>(pattern.mid(dot + 1).count(QLatin1Char('0')) +
                                      pattern.mid(dot + 1).count(QLatin1Char('#')));
    }
    return p;
}

QString Render(const Decimal& d, const QString& pattern) {
    const Pattern p = ParsePattern(pattern);
    std::string intPart;
    std::string fracPart;
    Round(d, p.decimals, Rounding::HalfAwayFromZero, intPart, fracPart);
    while (static_cast<int>(intPart.size()) < p.minInteger) {
        intPart.insert(intPart.begin(), '0');
    }
    if (p.grouping) {
        std::string grouped;
        const int n = static_cast<int>(intPart.size());
        for (int i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0) {
                grouped += ',';
            }
            grouped += intPart[static_cast<size_t>(i)];
        }
        intPart = grouped;
    }
    std::string text = intPart;
    if (p.decimals > 0) {
        text += '.' + fracPart;
    }
    const bool zero = intPart.find_first_not_of("0,") == std::string::npos &&
                      fracPart.find_first_not_of('0') == std::string::npos;
    if (d.negative && !zero) {
        text.insert(text.begin(), '-');
    }
    return QString::fromStdString(text);
}

} // namespace

QString VbFormat::Format(double value, const QString& pattern) {
    return Render(FromDouble15(value), pattern);
}

QString VbFormat::Format(int64_t value, const QString& pattern) {
    return Render(FromRaw(value, 0), pattern);
}

QString VbFormat::Format(Money value, const QString& pattern) {
    return Render(FromRaw(value.Raw(), 4), pattern);
}

int64_t VbFormat::RoundHalfEven(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = RoundHalfEven(value, 0);
    // 2^63 is exactly representable; anything at or beyond it saturates.
    constexpr double kLimit = 9223372036854775808.0;
    if (rounded >= kLimit) {
        return std::numeric_limits<int64_t>::max();
    }
    if (rounded < -kLimit) {
        return std::numeric_limits<int64_t>::min();
    }
    return static_cast<int64_t>(rounded);
}

double VbFormat::RoundHalfEven(double value, int decimals) {
    decimals = std::max(decimals, 0);
    const Decimal d = FromDouble15(value);
    std::string intPart;
    std::string fracPart;
    Round(d, decimals, Rounding::HalfEven, intPart, fracPart);
    std::string text = (d.negative ? "-" : "") + (intPart.empty() ? "0" : intPart);
    if (decimals > 0) {
        text += '.' + fracPart;
    }
    double result = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

QString VbFormat::RightAlign(const QString& text, int width) {
    return text.rightJustified(width, QLatin1Char(' '), false);
}

} // namespace kestrel
