#include "cli/Commands.h"
#include "net/clsResult.h"
#include "net/clsSchedule.h"
#include "net/clsVote.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"

namespace kestrel::cli {

namespace {

const char* const kUsage = "fetch schedule|vote|result ROUND [--group G]";
// As the window's download button: the stored file when there is one, else the page.
constexpr int kGetFlags = 3;

struct FetchRequest {
    QString kind;
    int32_t round = 0;
    QString group;
};

bool ParseRequest(const QStringList& args, FetchRequest& request) {
    if (args.size() != 2 && args.size() != 4) {
        return false;
    }
    request.kind = args[0];
    if (request.kind != QLatin1String("schedule") && request.kind != QLatin1String("vote") &&
        request.kind != QLatin1String("result")) {
        return false;
    }
    bool ok = false;
    request.round = args[1].toInt(&ok);
    if (!ok || request.round < 1) {
        return false;
    }
    if (args.size() == 4) {
        if (args[2] != QLatin1String("--group") || args[3].isEmpty()) {
            return false;
        }
        request.group = args[3];
    }
    return true;
}

int FetchSchedule(const AcquisitionContext& context, const FetchRequest& r) {
    clsSchedule schedule(context);
    schedule.Initialize();
    if (!schedule.GetSchedule(r.round, r.group, kGetFlags, false)) {
        schedule.FalseDialog(r.round);
        return 1;
    }
    clsXmlSchedule store(context.Paths);
    store.SetSchedule(schedule.Schedule());
    PrintOut(store.GetXmlText());
    return 0;
}

int FetchVote(const AcquisitionContext& context, const FetchRequest& r) {
    clsVote vote(context);
    vote.Initialize();
    if (!vote.GetVote(r.round, r.group, kGetFlags, false)) {
        vote.FalseDialog(r.round);
        return 1;
    }
    clsXmlVote store(context.Paths);
    store.SetVote(vote.Vote());
    PrintOut(store.GetXmlString(true));
    return 0;
}

int FetchResult(const AcquisitionContext& context, const FetchRequest& r) {
    clsResult result(context);
    result.Initialize();
    if (!result.GetResult(r.round, r.group, kGetFlags, false)) {
        result.FalseDialog(r.round);
        return 1;
    }
    clsXmlResult store(context.Paths);
    store.SetResult(result.Result());
    PrintOut(store.GetXmlText());
    return 0;
}

} // namespace

// kestrel-cli fetch schedule|vote|result ROUND [--group G]: the round's record from its stored
// file, else downloaded from the operator's page (addresses from totoSettings.ini), printed as
// its store writes it. A failure prints the window's message on stderr and exits 1.
int CmdFetch(const CommandContext& context) {
    FetchRequest request;
    if (!ParseRequest(context.args, request)) {
        return UsageError(kUsage);
    }
    const AcquisitionContext acquisition{context.paths, TotoSettings::Load(context.paths),
                                         HttpOptions(), nullptr};
    if (request.kind == QLatin1String("schedule")) {
        return FetchSchedule(acquisition, request);
    }
    if (request.kind == QLatin1String("vote")) {
        return FetchVote(acquisition, request);
    }
    return FetchResult(acquisition, request);
}

} // namespace kestrel::cli
