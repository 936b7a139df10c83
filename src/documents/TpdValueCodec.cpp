#include "documents/TpdValueCodec.h"

#include <limits>

namespace kestrel {

namespace {

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    return -1;
}

} // namespace

QStringView TpdValueCodec::Trim(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return text.sliced(begin, end - begin);
}

std::vector<QStringView> TpdValueCodec::Split(QStringView text, QChar separator) {
    std::vector<QStringView> fields;
    if (text.isEmpty()) {
        return fields;
    }
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == separator) {
            fields.push_back(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    return fields;
}

QString TpdValueCodec::BoolList(std::span<const bool> values) {
    QString text;
    text.reserve(static_cast<qsizetype>(values.size()));
    for (const bool v : values) {
        text += v ? QLatin1Char('1') : QLatin1Char('0');
    }
    return text;
}

void TpdValueCodec::ToBoolList(QStringView text, std::span<bool> values) {
    for (size_t i = 0; i < values.size(); ++i) {
        const auto at = static_cast<qsizetype>(i);
        values[i] = at < text.size() && text[at] == QLatin1Char('1');
    }
}

bool TpdValueCodec::ToInt32(QStringView text, int32_t& value, TpdParseError& error) {
    text = Trim(text);
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size()) {
        error = TpdParseError::TypeMismatch();
        return false;
    }
    int64_t magnitude = 0;
    bool overflow = false;
    for (; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < u'0' || u > u'9') {
            error = TpdParseError::TypeMismatch();
            return false;
        }
        magnitude = magnitude * 10 + (u - u'0');
        if (magnitude > int64_t{std::numeric_limits<int32_t>::max()} + 1) {
            overflow = true;
            magnitude = 0;
        }
    }
    const int64_t signedValue = negative ? -magnitude : magnitude;
    if (overflow || signedValue > std::numeric_limits<int32_t>::max()) {
        error = TpdParseError::Overflow();
        return false;
    }
    value = static_cast<int32_t>(signedValue);
    return true;
}

bool TpdValueCodec::ToSingle(QStringView text, int32_t& value, TpdParseError& error) {
    text = Trim(text);
    if (text.isEmpty()) {
        error = TpdParseError::TypeMismatch();
        return false;
    }
    int32_t number = 0;
    for (const QChar c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            error = TpdParseError::TypeMismatch();
            return false;
        }
        number = number * 16 + digit;
        if (number > 4095) {
            error = TpdParseError::OutOfRange();
            return false;
        }
    }
    value = number;
    return true;
}

void TpdValueCodec::AppendSingle(QString& out, int32_t single) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char buffer[8];
    int n = 0;
    auto v = static_cast<uint32_t>(single);
    do {
        buffer[n++] = kDigits[v & 0xF];
        v >>= 4;
    } while (v != 0);
    while (n > 0) {
        out += QLatin1Char(buffer[--n]);
    }
}

QString TpdValueCodec::IntList(std::span<const int32_t> values) {
    QString text;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            text += QLatin1Char(',');
        }
        text += QString::number(values[i]);
    }
    return text;
}

bool TpdValueCodec::ToIntList(QStringView text, std::span<int32_t> values, TpdParseError& error) {
    const std::vector<QStringView> fields = Split(Trim(text), QLatin1Char(','));
    std::vector<int32_t> read(values.begin(), values.end());
    for (size_t i = 0; i < fields.size() && i < read.size(); ++i) {
        if (!ToInt32(fields[i], read[i], error)) {
            return false;
        }
    }
    std::copy(read.begin(), read.end(), values.begin());
    return true;
}

QString TpdValueCodec::IntTable(const ClassSlotTable<int32_t>& table) {
    QString text;
    for (size_t c = 0; c < table.size(); ++c) {
        if (c > 0) {
            text += QLatin1Char(',');
        }
        for (size_t t = 0; t < table[c].size(); ++t) {
            if (t > 0) {
                text += QLatin1Char(':');
            }
            text += QString::number(table[c][t]);
        }
    }
    return text;
}

bool TpdValueCodec::ToIntTable(QStringView text, ClassSlotTable<int32_t>& table, int32_t minimum,
                               int32_t maximum, TpdParseError& error) {
    ClassSlotTable<int32_t> read = table;
    const std::vector<QStringView> groups = Split(Trim(text), QLatin1Char(','));
    for (size_t c = 0; c < groups.size() && c < read.size(); ++c) {
        const std::vector<QStringView> values = Split(groups[c], QLatin1Char(':'));
        for (size_t t = 0; t < values.size() && t < read[c].size(); ++t) {
            int32_t v = 0;
            if (!ToInt32(values[t], v, error)) {
                return false;
            }
            if (v < minimum || v > maximum) {
                error = TpdParseError::OutOfRange();
                return false;
            }
            read[c][t] = v;
        }
    }
    table = read;
    return true;
}

QString TpdValueCodec::MoneyList(std::span<const Money> values) {
    QString text;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            text += QLatin1Char(',');
        }
        text += values[i].ToString();
    }
    return text;
}

bool TpdValueCodec::ToMoneyList(QStringView text, std::span<Money> values, TpdParseError& error) {
    const std::vector<QStringView> fields = Split(Trim(text), QLatin1Char(','));
    std::vector<Money> read(values.begin(), values.end());
    for (size_t i = 0; i < fields.size() && i < read.size(); ++i) {
        const QStringView field = Trim(fields[i]);
        // Grouping commas cannot occur here (the list is split at them), so a plain decimal is
        // all that is accepted.
        const std::optional<Money> money = Money::Parse(field.toString());
        if (!money || field.isEmpty()) {
            error = TpdParseError::TypeMismatch();
            return false;
        }
        read[i] = *money;
    }
    std::copy(read.begin(), read.end(), values.begin());
    return true;
}

bool TpdValueCodec::ToCellDigit(QChar c, uint8_t maximum, uint8_t& value, TpdParseError& error) {
    const char16_t u = c.unicode();
    if (u < u'0' || u > u'9') {
        error = TpdParseError::TypeMismatch();
        return false;
    }
    const auto digit = static_cast<uint8_t>(u - u'0');
    if (digit > maximum) {
        error = TpdParseError::OutOfRange();
        return false;
    }
    value = digit;
    return true;
}

} // namespace kestrel
