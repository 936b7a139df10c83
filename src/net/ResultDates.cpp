#include "net/ResultDates.h"

#include "core/LotteryConstants.h"

namespace kestrel {

void ResultDates::Complete(ResultRecord& record) {
    bool allVoid = true;
    for (const ResultSlot& slot : record.Slots) {
        allVoid = allVoid && slot.Result == kVoidClass;
    }
    const DateTime reference = allVoid ? record.ResultDate : record.SaleStart;
    const DateTime first = record.Slots[0].GameDate;
    if (reference.HasDate() && first.Year() != reference.Year()) {
        for (ResultSlot& slot : record.Slots) {
            const DateTime d = slot.GameDate;
            slot.GameDate =
                d.HasDate()
                    ? DateTime::FromParts(reference.Year(), d.Month(), d.Day()).value_or(DateTime())
                    : d;
        }
    }
    record.Cancelled = allVoid;
}

} // namespace kestrel
