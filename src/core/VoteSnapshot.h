#pragma once

#include "core/VoteRecord.h"
#include "platform/DateTime.h"

namespace kestrel {

// One fetch of a round's vote status during the sale: when it was taken, whether the page
// already showed the final figures, and the figures themselves.
struct VoteSnapshot {
    DateTime FetchedAt;
    bool Final = false;
    VoteRecord Vote;
};

} // namespace kestrel
