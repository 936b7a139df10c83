#pragma once

#include <QString>
#include <cstdint>

#include "core/ResultRecord.h"
#include "core/ScheduleRecord.h"
#include "core/VoteRecord.h"

namespace kestrel {

// Where the round selector gets a round's stored records from. Each load fills the record and
// returns true when the round has a stored record of that kind; a missing or unreadable one
// returns false and leaves the record as it was.
class RoundRecordSource {
public:
    virtual ~RoundRecordSource() = default;
    virtual bool LoadSchedule(int32_t round, const QString& group, ScheduleRecord& record) = 0;
    virtual bool LoadVote(int32_t round, const QString& group, VoteRecord& record) = 0;
    virtual bool LoadResult(int32_t round, const QString& group, ResultRecord& record) = 0;
    virtual bool ScheduleExists(int32_t round, const QString& group) const = 0;
    virtual bool VoteExists(int32_t round, const QString& group) const = 0;
    virtual bool ResultExists(int32_t round, const QString& group) const = 0;
};

} // namespace kestrel
