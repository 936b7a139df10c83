#pragma once

#include <QString>
#include <cstdint>

#include "core/ResultRecord.h"
#include "core/ScheduleRecord.h"
#include "core/VoteRecord.h"
#include "net/AcquisitionContext.h"

namespace kestrel {

// What the window's download commands fetch.
enum class DownloadKind { Schedule, Vote, Result, TeamNames };

// The outcome of one download command, handed from the worker to the window.
struct DownloadOutcome {
    DownloadKind Kind = DownloadKind::Schedule;
    int32_t Round = 0;
    bool Ok = false;
    ScheduleRecord Schedule;
    VoteRecord Vote;
    ResultRecord Result;
    // A team name of the schedule page that no team-name table knows (for the add-team dialog).
    QString UnknownTeamName;
};

// One download command with fresh controllers: the stored file when there is one, else the
// operator's page (asking first when ask is set); a failure is explained to the user here.
// Holds no window, so it runs on a worker thread.
class RoundDownload {
public:
    static DownloadOutcome Run(const AcquisitionContext& context, DownloadKind kind, int32_t round,
                               const QString& group, bool ask);
    // The maker's team-name table; Ok when it is up to date or was updated.
    static DownloadOutcome RunTeamNames(const AcquisitionContext& context,
                                        const QString& makerFolder, bool ask);
};

} // namespace kestrel
