#include "store/clsXmlResult.h"

#include "core/LotteryConstants.h"
#include "store/XmlRecordFormat.h"

namespace kestrel {

namespace {

using Format = XmlRecordFormat<ResultRecord>;
using Field = Format::Field;
using SlotField = Format::SlotField;

bool IsCancelled(const ResultRecord& r) {
    return r.Cancelled;
}

bool IsNotCancelled(const ResultRecord& r) {
    return !r.Cancelled;
}

// "<開催状態>" read back: "中止" marks the round cancelled, other texts are ignored.
bool ReadCancelled(ResultRecord& r, const QString& value, XmlFieldError&) {
    if (value == Format::CancelledText()) {
        r.Cancelled = true;
    }
    return true;
}

// A cancelled round keeps its refund dates in the announcement and payout fields.
Format::Fields RefundDateFields() {
    return {Field::Of(QStringLiteral("<返還確定日>"), &ResultRecord::ResultDate, IsCancelled),
            Field::Of(QStringLiteral("<返還開始日>"), &ResultRecord::PayStart, IsCancelled),
            Field::Of(QStringLiteral("<返還期限>"), &ResultRecord::PayEnd, IsCancelled)};
}

// Prize, winner count and carry-over of each grade, written for a held round.
Format::Fields GradeFields() {
    const QString figures[3] = {QStringLiteral("<当せん金>"), QStringLiteral("<当せん口数>"),
                                QStringLiteral("<次回への繰越金>")};
    const QString grades[kGradeCount] = {QStringLiteral("<一等>"), QStringLiteral("<二等>")};
    std::array<Money, kGradeCount> ResultRecord::*const arrays[3] = {
        &ResultRecord::Prize, &ResultRecord::Winners, &ResultRecord::CarryOver};
    Format::Fields fields;
    for (int a = 0; a < 3; ++a) {
        for (int g = 0; g < kGradeCount; ++g) {
            fields.push_back(Field::Item(figures[a] + grades[g], arrays[a], g, IsNotCancelled));
        }
    }
    return fields;
}

// Date, stadium, goal class (0..3, 4 for a cancelled match), team, home or away and goals
// scored of a slot.
std::vector<SlotField> SlotFields() {
    return {
        SlotField::Of(QStringLiteral("<試合開催日>"), &ResultSlot::GameDate),
        SlotField::Of(QStringLiteral("<競技場>"), &ResultSlot::Stadium),
        SlotField::Byte(QStringLiteral("<くじ結果>"), &ResultSlot::Result, kVoidClass),
        SlotField::Of(QStringLiteral("<チーム>"), &ResultSlot::Team),
        SlotField::Of(QStringLiteral("<ホームアウェイ>"), &ResultSlot::HomeAway),
        SlotField::Byte(QStringLiteral("<得点>"), &ResultSlot::Goals, 255),
    };
}

const Format& ResultFormat() {
    static const Format format{
        .kind = QStringLiteral("Result"),
        .block = QStringLiteral("結果"),
        .head = {},
        .slot = SlotFields(),
        .tail = Format::Joined({
            {Format::CancelledField(ReadCancelled, IsCancelled)},
            RefundDateFields(),
            GradeFields(),
            Format::SaleDateFields(IsNotCancelled),
            Format::PayoutDateFields(IsNotCancelled),
        }),
    };
    return format;
}

} // namespace

clsXmlResult::clsXmlResult(ProgramPaths paths)
    : XmlRecordStore(std::move(paths), ResultFormat(), QStringLiteral("clsXmlResult")) {}

XmlReadStatus clsXmlResult::Parse(const QString& text, ResultRecord& record, XmlFieldError& error) {
    return ResultFormat().Parse(text, record, error);
}

} // namespace kestrel
