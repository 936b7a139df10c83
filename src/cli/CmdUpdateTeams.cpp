#include "cli/Commands.h"
#include "net/clsFernhollowDownload.h"

namespace kestrel::cli {

namespace {

const char* const kUsage = "update-teams [--url FOLDER]";

} // namespace

// kestrel-cli update-teams [--url FOLDER]: brings SysData/TeamName2.dat up to the maker's
// published edition (from the maker's download folder, or the given one). The outcome message
// goes to stderr; exit 0 when the table is up to date or was updated.
int CmdUpdateTeams(const CommandContext& context) {
    QString folder = QString::fromLatin1(clsFernhollowDownload::kDefaultDownloadFolder);
    if (context.args.size() == 2 && context.args[0] == QLatin1String("--url") &&
        !context.args[1].isEmpty()) {
        folder = context.args[1];
    } else if (!context.args.isEmpty()) {
        return UsageError(kUsage);
    }
    clsFernhollowDownload download(context.paths, folder);
    return download.DownloadTeamName2(false) ? 0 : 1;
}

} // namespace kestrel::cli
