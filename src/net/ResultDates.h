#pragma once

#include "core/ResultRecord.h"

namespace kestrel {

// The closing step of a result page: the Cancelled flag, and the match dates moved into the year
// of the round's reference date (the refund confirmation date of a round cancelled as a whole,
// else the sale start), since the page prints matches with month and day only.
struct ResultDates {
    static void Complete(ResultRecord& record);
};

} // namespace kestrel
