#include "store/VoteRecordCheck.h"

namespace kestrel {

bool VoteRecordCheck::Plausible(const VoteRecord& record) {
    for (const VoteSlot& slot : record.Slots) {
        for (const GoalVote& vote : slot.Votes) {
            if (vote.Count.Raw() < 0) {
                return false;
            }
        }
    }
    for (size_t i = 0; i < record.Sales.size(); ++i) {
        if (record.Sales[i].Raw() < 0 || record.Votes[i].Raw() < 0 || record.Tickets[i].Raw() < 0) {
            return false;
        }
    }
    return true;
}

} // namespace kestrel
