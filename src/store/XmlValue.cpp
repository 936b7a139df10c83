#include "store/XmlValue.h"

#include <limits>

#include "core/LotteryConstants.h"

namespace kestrel {

QString XmlValue::RoundText(int32_t round) {
    const int64_t magnitude = round < 0 ? -static_cast<int64_t>(round) : round;
    const QString digits = QString::number(magnitude).rightJustified(3, QLatin1Char('0'));
    return round < 0 ? QLatin1Char('-') + digits : digits;
}

QString XmlValue::FromText(const QString& value) {
    QString text = value;
    text.replace(QLatin1Char('<'), QChar(0xFF1C));
    text.replace(QLatin1Char('>'), QChar(0xFF1E));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QChar(0), QLatin1Char(' '));
    return text;
}

bool XmlValue::ToInt32(const QString& text, int32_t& value, XmlFieldError& error) {
    const QString t = text.trimmed();
    qsizetype pos = 0;
    bool negative = false;
    if (pos < t.size() && (t[pos] == QLatin1Char('-') || t[pos] == QLatin1Char('+'))) {
        negative = t[pos] == QLatin1Char('-');
        ++pos;
    }
    if (pos >= t.size()) {
        error = XmlFieldError::TypeMismatch();
        return false;
    }
    int64_t magnitude = 0;
    bool overflow = false;
    for (; pos < t.size(); ++pos) {
        const QChar c = t[pos];
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            error = XmlFieldError::TypeMismatch();
            return false;
        }
        if (!overflow) {
            magnitude = magnitude * 10 + (c.unicode() - '0');
            overflow = magnitude > int64_t{std::numeric_limits<int32_t>::max()} + 1;
        }
    }
    const int64_t signedValue = negative ? -magnitude : magnitude;
    if (overflow || signedValue > std::numeric_limits<int32_t>::max() ||
        signedValue < std::numeric_limits<int32_t>::min()) {
        error = XmlFieldError::Overflow();
        return false;
    }
    value = static_cast<int32_t>(signedValue);
    return true;
}

bool XmlValue::ToByte(const QString& text, int maxValue, uint8_t& value, XmlFieldError& error) {
    int32_t number = 0;
    if (!ToInt32(text, number, error)) {
        return false;
    }
    if (number < 0 || number > 255) {
        error = XmlFieldError::Overflow();
        return false;
    }
    if (number > maxValue) {
        error = XmlFieldError::OutOfRange();
        return false;
    }
    value = static_cast<uint8_t>(number);
    return true;
}

bool XmlValue::ToMoney(const QString& text, Money& value, XmlFieldError& error) {
    const auto parsed = Money::Parse(text);
    if (!parsed) {
        error = XmlFieldError::TypeMismatch();
        return false;
    }
    value = *parsed;
    return true;
}

bool XmlValue::ToDate(const QString& text, DateTime& value, XmlFieldError& error) {
    const auto parsed = DateTime::Parse(text);
    if (!parsed) {
        error = XmlFieldError::TypeMismatch();
        return false;
    }
    value = *parsed;
    return true;
}

bool XmlValue::ToSlotIndex(const QString& text, int& index, XmlFieldError& error) {
    int32_t slot = 0;
    if (!ToInt32(text, slot, error)) {
        return false;
    }
    if (slot < 1 || slot > kSlotCount) {
        error = XmlFieldError::OutOfRange();
        return false;
    }
    index = slot - 1;
    return true;
}

} // namespace kestrel
