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

// Gets the record with the controller, explains a failure and hands the controller to take with
// the outcome, which copies out what it needs.
template <typename Controller, typename Get, typename Take>
bool Acquire(const AcquisitionContext& context, int32_t round, const QString& group, bool ask,
             Get get, Take take) {
    Controller controller(context);
    controller.Initialize();
    const bool ok = std::invoke(get, controller, round, group, kGetFlags, ask);
    if (!ok) {
        controller.FalseDialog(round);
    }
    take(controller, ok);
    return ok;
}

} // namespace

DownloadOutcome RoundDownload::Run(const AcquisitionContext& context, DownloadKind kind,
                                   int32_t round, const QString& group, bool ask) {
    DownloadOutcome out;
    out.Kind = kind;
    out.Round = round;
    switch (kind) {
    case DownloadKind::Schedule:
        out.Ok = Acquire<clsSchedule>(context, round, group, ask, &clsSchedule::GetSchedule,
                                      [&out](const clsSchedule& c, bool ok) {
                                          if (ok) {
                                              out.Schedule = c.Schedule();
                                          }
                                          // A missing team name fails the page: offer it.
                                          out.UnknownTeamName = c.UnknownTeamName();
                                      });
        break;
    case DownloadKind::Vote:
        out.Ok = Acquire<clsVote>(context, round, group, ask, &clsVote::GetVote,
                                  [&out](const clsVote& c, bool ok) {
                                      if (ok) {
                                          out.Vote = c.Vote();
                                      }
                                  });
        break;
    case DownloadKind::Result:
        out.Ok = Acquire<clsResult>(context, round, group, ask, &clsResult::GetResult,
                                    [&out](const clsResult& c, bool ok) {
                                        if (ok) {
                                            out.Result = c.Result();
                                        }
                                    });
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
