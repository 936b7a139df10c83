#pragma once

#include "platform/ProgramPaths.h"
#include "workflow/RoundRecordSource.h"

namespace kestrel {

// The round records as the XML stores under SysData hold them (local files only, no download).
class StoredRoundRecords : public RoundRecordSource {
public:
    explicit StoredRoundRecords(ProgramPaths paths) : m_paths(std::move(paths)) {}

    bool LoadSchedule(int32_t round, const QString& group, ScheduleRecord& record) override;
    bool LoadVote(int32_t round, const QString& group, VoteRecord& record) override;
    bool LoadResult(int32_t round, const QString& group, ResultRecord& record) override;
    bool ScheduleExists(int32_t round, const QString& group) const override;
    bool VoteExists(int32_t round, const QString& group) const override;
    bool ResultExists(int32_t round, const QString& group) const override;

private:
    ProgramPaths m_paths;
};

} // namespace kestrel
