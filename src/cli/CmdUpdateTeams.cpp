#include "cli/Commands.h"
#include "cli/StopWatcher.h"
#include "net/AcquisitionContext.h"
#include "net/clsFernhollowDownload.h"

namespace kestrel::cli {

namespace {

const char* const kUsage = "update-teams [--url FOLDER]";

} // namespace

// kestrel-cli update-teams [--url FOLDER]: brings SysData/TeamName2.dat up to the maker's
// published edition (from the maker's download folder, or the given one). The outcome message
// goes to stderr; exit 0 when the table is up to date or was updated, 130 when Ctrl+C or SIGTERM
// stopped it (the local table is then left as it was).
int CmdUpdateTeams(const CommandContext& context) {
    QString folder = QString::fromLatin1(clsFernhollowDownload::kDefaultDownloadFolder);
    if (context.args.size() == 2 && context.args[0] == QLatin1String("--url") &&
        !context.args[1].isEmpty()) {
        folder = context.args[1];
    } else if (!context.args.isEmpty()) {
        return UsageError(kUsage);
    }
    auto stop = std::make_shared<std::atomic<bool>>(false);
    const AcquisitionContext acquisition =
        AcquisitionContext::ForRun(context.paths, TotoSettings::Load(context.paths), stop);
    clsFernhollowDownload download(context.paths, folder, acquisition.Http);
    bool ok = false;
    {
        const StopWatcher watcher([stop] { stop->store(true); }, -1);
        ok = download.DownloadTeamName2(false);
    }
    if (StopWatcher::Interrupted()) {
        return StopWatcher::kInterruptedStatus;
    }
    return ok ? 0 : 1;
}

} // namespace kestrel::cli
