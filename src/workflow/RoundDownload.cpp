#include "workflow/RoundDownload.h"

#include <functional>

#include "net/AcquisitionDialogs.h"
#include "net/clsFernhollowDownload.h"
#include "net/clsResult.h"
#include "net/clsSchedule.h"
#include "net/clsVote.h"

namespace kestrel {

namespace {

constexpr int kGetFlags = AcquisitionDialogs::kLoadFile | AcquisitionDialogs::kDownload;

// Gets the record with the controller, explains a failure and copies the record out.
template <typename Controller, typename Get, typename Take>
bool Acquire(const AcquisitionContext& context, int32_t round, const QString& group, bool ask,
             Get get, Take take) {
    Controller controller(context);
    controller.Initialize();
    if (!std::invoke(get, controller, round, group, kGetFlags, ask)) {
        controller.FalseDialog(round);
        return false;
    }
    take(controller);
    return true;
}

} // namespace

DownloadOutcome RoundDownload::Run(const AcquisitionContext& context, DownloadKind kind,
                                   int32_t round, const QString& group, bool ask) {
    DownloadOutcome out;
    out.Kind = kind;
    out.Round = round;
    switch (kind) {
    case DownloadKind::Schedule:
        out.Ok =
            Acquire<clsSchedule>(context, round, group, ask, &clsSchedule::GetSchedule,
                                 [&out](const clsSchedule& c) { out.Schedule = c.Schedule(); });
        break;
    case DownloadKind::Vote:
        out.Ok = Acquire<clsVote>(context, round, group, ask, &clsVote::GetVote,
                                  [&out](const clsVote& c) { out.Vote = c.Vote(); });
        break;
    case DownloadKind::Result:
        out.Ok = Acquire<clsResult>(context, round, group, ask, &clsResult::GetResult,
                                    [&out](const clsResult& c) { out.Result = c.Result(); });
        break;
    case DownloadKind::TeamNames:
        break;
    }
    return out;
}

DownloadOutcome RoundDownload::RunTeamNames(const AcquisitionContext& context,
                                            const QString& makerFolder, bool ask) {
    DownloadOutcome out;
    out.Kind = DownloadKind::TeamNames;
    clsFernhollowDownload download(context.Paths, makerFolder, context.Http, context.Progress);
    out.Ok = download.DownloadTeamName2(ask);
    return out;
}

} // namespace kestrel
