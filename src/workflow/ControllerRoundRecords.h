#pragma once

#include "net/AcquisitionContext.h"
#include "net/clsResult.h"
#include "net/clsSchedule.h"
#include "net/clsVote.h"
#include "workflow/RoundRecordSource.h"

namespace kestrel {

// The round records read through the acquisition controllers with the "stored file only" flag:
// a round change never touches the network. Used on the user-interface thread only; downloads
// run elsewhere with controllers of their own (RoundDownload).
class ControllerRoundRecords : public RoundRecordSource {
public:
    explicit ControllerRoundRecords(const AcquisitionContext& context);

    bool LoadSchedule(int32_t round, const QString& group, ScheduleRecord& record) override;
    bool LoadVote(int32_t round, const QString& group, VoteRecord& record) override;
    bool LoadResult(int32_t round, const QString& group, ResultRecord& record) override;
    bool ScheduleExists(int32_t round, const QString& group) const override;
    bool VoteExists(int32_t round, const QString& group) const override;
    bool ResultExists(int32_t round, const QString& group) const override;

private:
    clsSchedule m_schedule;
    clsVote m_vote;
    clsResult m_result;
};

} // namespace kestrel
