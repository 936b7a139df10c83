#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/MarkTable.h"
#include "platform/Money.h"
#include "documents/TpdParseError.h"

namespace kestrel {

// The value encodings of the document files, both ways. Readers return false with the reason in
// error and leave their target unchanged; they never index past what they were given.
class TpdValueCodec {
public:
    // Blanks (space, tab) cut from both ends.
    static QStringView Trim(QStringView text);
    // The fields of a text split at a separator; an empty text gives no fields.
    static std::vector<QStringView> Split(QStringView text, QChar separator);

    // "1" / "0"; on reading only "1" is true.
    static QString Bool(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }
    static bool ToBool(QStringView text) { return Trim(text) == u"1"; }

    // One digit per element, no separator. Element i reads the (i+1)-th character; a missing
    // character reads as false.
    static QString BoolList(std::span<const bool> values);
    static void ToBoolList(QStringView text, std::span<bool> values);

    // Decimal 32-bit integer (optional sign, blanks around).
    static bool ToInt32(QStringView text, int32_t& value, TpdParseError& error);
    // A single number: hexadecimal digits (either case), 0..4095.
    static bool ToSingle(QStringView text, int32_t& value, TpdParseError& error);
    // Appends the single number in upper-case hexadecimal without leading zeros.
    static void AppendSingle(QString& out, int32_t single);

    // Integers joined by ",". On reading, values beyond the list are ignored and missing ones
    // keep their values.
    static QString IntList(std::span<const int32_t> values);
    static bool ToIntList(QStringView text, std::span<int32_t> values, TpdParseError& error);

    // Goal class 0..3 groups of the slot 0..5 values joined by ":", the groups joined by ",".
    // On reading, extra groups or values are ignored and missing ones keep their values; every
    // value present must be an integer within minimum..maximum.
    static QString IntTable(const ClassSlotTable<int32_t>& table);
    static bool ToIntTable(QStringView text, ClassSlotTable<int32_t>& table, int32_t minimum,
                           int32_t maximum, TpdParseError& error);

    // Amounts joined by "," (no grouping, a fraction only when there is one). Reading as the
    // integer list.
    static QString MoneyList(std::span<const Money> values);
    static bool ToMoneyList(QStringView text, std::span<Money> values, TpdParseError& error);

    // A digit 0..maximum of a byte table.
    static bool ToCellDigit(QChar c, uint8_t maximum, uint8_t& value, TpdParseError& error);
};

} // namespace kestrel
