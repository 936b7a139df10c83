#include "workflow/ControllerRoundRecords.h"

#include "net/AcquisitionDialogs.h"

namespace kestrel {

ControllerRoundRecords::ControllerRoundRecords(const AcquisitionContext& context)
    : m_schedule(context), m_vote(context), m_result(context) {
    m_schedule.Initialize();
    m_vote.Initialize();
    m_result.Initialize();
}

// A get returns whether the record is complete; the round selector wants whatever the stored
// file holds (a not-held mark has no teams), so the file's existence decides.
bool ControllerRoundRecords::LoadSchedule(int32_t round, const QString& group,
                                          ScheduleRecord& record) {
    if (!m_schedule.CheckScheduleFile(round, group)) {
        return false;
    }
    m_schedule.GetSchedule(round, group, AcquisitionDialogs::kLoadFile, false);
    record = m_schedule.Schedule();
    return true;
}

bool ControllerRoundRecords::LoadVote(int32_t round, const QString& group, VoteRecord& record) {
    if (!m_vote.CheckVoteFile(round, group)) {
        return false;
    }
    m_vote.GetVote(round, group, AcquisitionDialogs::kLoadFile, false);
    record = m_vote.Vote();
    return true;
}

bool ControllerRoundRecords::LoadResult(int32_t round, const QString& group, ResultRecord& record) {
    if (!m_result.CheckResultFile(round, group)) {
        return false;
    }
    m_result.GetResult(round, group, AcquisitionDialogs::kLoadFile, false);
    record = m_result.Result();
    return true;
}

bool ControllerRoundRecords::ScheduleExists(int32_t round, const QString& group) const {
    return m_schedule.CheckScheduleFile(round, group);
}

bool ControllerRoundRecords::VoteExists(int32_t round, const QString& group) const {
    return m_vote.CheckVoteFile(round, group);
}

bool ControllerRoundRecords::ResultExists(int32_t round, const QString& group) const {
    return m_result.CheckResultFile(round, group);
}

} // namespace kestrel
