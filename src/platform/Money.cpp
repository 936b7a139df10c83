#include "platform/Money.h"

#include <cmath>
#include <limits>

namespace kestrel {

Money Money::FromDouble(double value) {
    if (std::isnan(value)) {
        return Money();
    }
    const double scaled = std::nearbyint(value * static_cast<double>(kScale));
    // Out-of-range values saturate instead of overflowing the conversion.
    constexpr double kLimit = 9223372036854775808.0; // 2^63
    if (scaled >= kLimit) {
        return FromRaw(std::numeric_limits<int64_t>::max());
    }
    if (scaled < -kLimit) {
        return FromRaw(std::numeric_limits<int64_t>::min());
    }
    return FromRaw(static_cast<int64_t>(scaled));
}

std::optional<Money> Money::Parse(const QString& input) {
    const QString text = input.trimmed();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    int pos = 0;
    bool negative = false;
    if (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) {
        negative = text[0] == QLatin1Char('-');
        ++pos;
    }
    constexpr int64_t kMaxWhole = std::numeric_limits<int64_t>::max() / kScale - 1;
    int64_t whole = 0;
    int digits = 0;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (c == QLatin1Char(',') && digits > 0) {
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            break;
        }
        whole = whole * 10 + (c.unicode() - '0');
        ++digits;
        if (whole > kMaxWhole) {
            return std::nullopt;
        }
    }
    int64_t fraction = 0;
    int fractionDigits = 0;
    bool beyond = false;      // a digit past the fourth decimal was seen
    int firstBeyond = -1;     // the fifth decimal
    bool restNonZero = false; // any digit past the fifth is non-zero
    if (pos < text.size() && text[pos] == QLatin1Char('.')) {
        ++pos;
        for (; pos < text.size(); ++pos) {
            const QChar c = text[pos];
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                break;
            }
            const int d = c.unicode() - '0';
            if (fractionDigits < 4) {
                fraction = fraction * 10 + d;
                ++fractionDigits;
            } else if (!beyond) {
                beyond = true;
                firstBeyond = d;
            } else if (d != 0) {
                restNonZero = true;
            }
            ++digits;
        }
    }
    if (pos != text.size() || digits == 0) {
        return std::nullopt;
    }
    for (int i = fractionDigits; i < 4; ++i) {
        fraction *= 10;
    }
    int64_t raw = whole * kScale + fraction;
    if (beyond && (firstBeyond > 5 || (firstBeyond == 5 && (restNonZero || (raw % 2) == 1)))) {
        ++raw;
    }
    return FromRaw(negative ? -raw : raw);
}

int64_t Money::RoundHalfEven() const {
    int64_t q = m_raw / kScale;
    const int64_t r = m_raw % kScale;
    const int64_t twice = 2 * (r < 0 ? -r : r);
    if (twice > kScale || (twice == kScale && (q % 2) != 0)) {
        q += (m_raw < 0) ? -1 : 1;
    }
    return q;
}

QString Money::ToString() const {
    const bool negative = m_raw < 0;
    const uint64_t magnitude =
        negative ? static_cast<uint64_t>(-(m_raw + 1)) + 1 : static_cast<uint64_t>(m_raw);
    QString text = QString::number(magnitude / kScale);
    uint64_t fraction = magnitude % kScale;
    if (fraction != 0) {
        QString decimals = QString::number(fraction).rightJustified(4, QLatin1Char('0'));
        while (decimals.endsWith(QLatin1Char('0'))) {
            decimals.chop(1);
        }
        text += QLatin1Char('.') + decimals;
    }
    return negative ? QLatin1Char('-') + text : text;
}

} // namespace kestrel
