#pragma once

#include "core/ResultRecord.h"
#include "core/ScheduleRecord.h"
#include "core/VoteRecord.h"

namespace kestrel {

// Whether a round record holds everything the program needs; a get of an acquisition controller
// succeeds only with a complete record, and only a complete download is saved.
struct RecordCompleteness {
    static bool IsComplete(const ScheduleRecord& record);
    static bool IsComplete(const VoteRecord& record);
    static bool IsComplete(const ResultRecord& record);
};

} // namespace kestrel
