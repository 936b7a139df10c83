#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace kestrel {

// Signed 64-bit fixed point with four decimals (value x 10,000). Holds yen amounts, counts of
// bets and tickets, and percentages exactly.
class Money {
public:
    static constexpr int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money FromRaw(int64_t raw) {
        Money m;
        m.m_raw = raw;
        return m;
    }
    static constexpr Money FromInt(int64_t whole) { return FromRaw(whole * kScale); }
    // Nearest representable value, halves to even at the fourth decimal.
    static Money FromDouble(double value);
    // Exact decimal text: optional sign, digits, optional "." and up to four decimals, optional
    // "," grouping in the integer part. Surrounding blanks are ignored. More than four decimals
    // round half to even. Anything else, or a value out of range, gives nullopt.
    static std::optional<Money> Parse(const QString& text);

    constexpr int64_t Raw() const { return m_raw; }
    double ToDouble() const { return static_cast<double>(m_raw) / kScale; }
    // Whole part, truncated toward zero.
    constexpr int64_t Whole() const { return m_raw / kScale; }
    // Whole units rounded half to even.
    int64_t RoundHalfEven() const;
    // "No grouping, no trailing zeros": 1234.5 -> "1234.5", 12 -> "12", -0.25 -> "-0.25".
    QString ToString() const;

    constexpr Money operator+(Money o) const { return FromRaw(m_raw + o.m_raw); }
    constexpr Money operator-(Money o) const { return FromRaw(m_raw - o.m_raw); }
    constexpr Money operator-() const { return FromRaw(-m_raw); }
    Money& operator+=(Money o) {
        m_raw += o.m_raw;
        return *this;
    }
    Money& operator-=(Money o) {
        m_raw -= o.m_raw;
        return *this;
    }
    constexpr auto operator<=>(const Money&) const = default;

private:
    int64_t m_raw = 0;
};

} // namespace kestrel
