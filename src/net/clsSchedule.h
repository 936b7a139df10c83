#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "core/ScheduleRecord.h"
#include "net/AcquisitionContext.h"
#include "net/RoundAcquisition.h"
#include "net/clsHtmlSchedule.h"
#include "store/clsXmlSchedule.h"

namespace kestrel {

// The schedule (開催情報) of a round: the stored file first, the operator's page on request; a
// complete download is saved once as the round's file. Also marks rounds as not held.
class clsSchedule : public RoundAcquisition<ScheduleRecord, clsXmlSchedule, clsHtmlSchedule> {
public:
    explicit clsSchedule(const AcquisitionContext& context);

    bool CheckScheduleFile(int32_t round, const QString& group) const;
    // Flags: 1 load the stored file, 2 download when nothing was loaded. True when the current
    // record is complete afterwards.
    bool GetSchedule(int32_t round, const QString& group, int flags, bool ask);

    bool XmlSave_NoGame(int32_t round, const QString& group);
    bool XmlDelete_NoGame(int32_t round, const QString& group);
    // The round numbers of all stored schedule files, ascending; their count.
    int GetScheduleNo(std::vector<int32_t>& list);

    ScheduleRecord Schedule() const;
    // The last get loaded the round's not-held mark.
    bool NoGame() const;
    // A page team name the team-name tables lack, from the last download; empty when none.
    const QString& UnknownTeamName() const { return m_parser.UnknownTeamName(); }

private:
    bool Fetch(int32_t round, const QString& group, ScheduleRecord& parsed, bool& savable) override;
};

} // namespace kestrel
