#pragma once

#include "core/VoteRecord.h"

namespace kestrel {

// Whether a parsed vote status can stand: vote counts, ticket counts and sales are never
// negative. A negative one would make every prize estimate of the round meaningless.
struct VoteRecordCheck {
    static bool Plausible(const VoteRecord& record);
};

} // namespace kestrel
