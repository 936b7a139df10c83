#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "core/ScheduleRecord.h"
#include "reduction/ConditionSet.h"
#include "documents/DocumentRecord.h"

namespace kestrel {

// The clipboard texts of a document. This class only builds the text; the window puts it on the
// clipboard and then shows kCopiedText.
//   kind 0: summary sheet; 1: summary sheet with conditions; 3: numbered list ("0042:012301");
//   4: slot rows (one line per team slot). Any other kind gives no text.
class clsTClipboard {
public:
    static constexpr int kSheet = 0;
    static constexpr int kSheetWithConditions = 1;
    static constexpr int kNumberedList = 3;
    static constexpr int kSlotRows = 4;
    // The list layouts refuse longer lists.
    static constexpr int kMaxListSingles = 10000;

    static const QString kCopiedText;  // "クリップボードへコピーしました"
    static const QString kTooManyText; // "1万口以上は出力出来ません"

    // The text of the kind; empty when there is nothing to copy. A list layout of more than
    // 10,000 singles shows the warning kTooManyText and gives no text.
    QString GetText(int kind, const DocumentRecord& document, const ScheduleRecord& schedule) const;

    static QString NumberedList(const std::vector<int32_t>& singles);
    static QString SlotRows(const std::vector<int32_t>& singles);
    static QString Sheet(bool withConditions, const DocumentRecord& document,
                         const ScheduleRecord& schedule);

    // Pieces of the sheet, public for their own tests.
    // Ascending indices with runs written "first～last", joined by ",": 0～2,5.
    static QString RangeList(const std::vector<int>& indices);
    // Range text of a payout condition (empty when it does not restrict).
    static QString HaitouRangeText(Money minimum, Money maximum);
    // An amount in whole yen as "#,##0", or in 万 / 億 when it has 4..7 / 8+ trailing zeros.
    static QString YenText(int64_t yen);
    // The six team names in three full-width columns each.
    static std::vector<QString> TeamColumns(const ScheduleRecord& schedule);
};

} // namespace kestrel
