#include "cli/Commands.h"
#include "cli/RoundRequest.h"
#include "cli/StopWatcher.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"
#include "workflow/RoundDownload.h"

namespace kestrel::cli {

namespace {

const char* const kUsage = "fetch schedule|vote|result ROUND [--group G]";

DownloadKind KindOf(const QString& kind) {
    if (kind == QLatin1String("schedule")) {
        return DownloadKind::Schedule;
    }
    return kind == QLatin1String("vote") ? DownloadKind::Vote : DownloadKind::Result;
}

// The record as its store writes it.
QString StoreText(const ProgramPaths& paths, const DownloadOutcome& out) {
    switch (out.Kind) {
    case DownloadKind::Schedule: {
        clsXmlSchedule store(paths);
        store.SetSchedule(out.Schedule);
        return store.GetXmlText();
    }
    case DownloadKind::Vote: {
        clsXmlVote store(paths);
        store.SetVote(out.Vote);
        return store.GetXmlString(true);
    }
    default: {
        clsXmlResult store(paths);
        store.SetResult(out.Result);
        return store.GetXmlText();
    }
    }
}

} // namespace

// kestrel-cli fetch schedule|vote|result ROUND [--group G]: the round's record from its stored
// file, else downloaded from the operator's page (addresses from totoSettings.ini), printed as
// its store writes it. A failure prints the window's message on stderr and exits 1; Ctrl+C or
// SIGTERM stops the download and exits 130 without saving.
int CmdFetch(const CommandContext& context) {
    RoundRequest request;
    if (!RoundRequest::Parse(context.args, 1, request)) {
        return UsageError(kUsage);
    }
    auto stop = std::make_shared<std::atomic<bool>>(false);
    const AcquisitionContext acquisition =
        AcquisitionContext::ForRun(context.paths, TotoSettings::Load(context.paths), stop);
    // As the window's download button: the stored file when there is one, else the page. Ctrl+C
    // or SIGTERM ends the transfer at once; nothing is saved.
    DownloadOutcome out;
    {
        const StopWatcher watcher([stop] { stop->store(true); }, -1);
        out = RoundDownload::Run(acquisition, KindOf(request.kind), request.round, request.group,
                                 false);
    }
    if (StopWatcher::Interrupted()) {
        return StopWatcher::kInterruptedStatus;
    }
    if (!out.Ok) {
        return 1;
    }
    PrintOut(StoreText(context.paths, out));
    return 0;
}

} // namespace kestrel::cli
