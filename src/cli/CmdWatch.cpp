// kestrel-cli watch vote ROUND [--every MIN] [--until-close] [--group G]
//   Keeps the round's vote status over time: fetches the interim figures every MIN minutes
//   (default from Expectation.ini, 10; at least 5) and appends each snapshot to
//   SysData/totoGOAL3_VoteHistory/. Ends on the final figures, with --until-close also once the
//   sale is over, and on Ctrl+C.

#include <atomic>

#include "cli/Commands.h"
#include "cli/StopWatcher.h"
#include "net/VoteWatch.h"
#include "platform/Clock.h"
#include "store/ExpectationSettings.h"
#include "store/TotoSettings.h"

namespace kestrel::cli {

namespace {

constexpr const char* kUsage = "watch vote ROUND [--every MIN] [--until-close] [--group G]";

bool ParseOptions(QStringList args, VoteWatchOptions& o) {
    if (args.size() < 2 || args.takeFirst() != QLatin1String("vote")) {
        return false;
    }
    bool ok = false;
    o.Round = args.takeFirst().toInt(&ok);
    if (!ok || o.Round < 1) {
        return false;
    }
    o.UntilClose = false;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--every") && !args.isEmpty()) {
            o.EveryMinutes = args.takeFirst().toInt(&ok);
            if (!ok || o.EveryMinutes < VoteWatchOptions::kMinEveryMinutes) {
                return false;
            }
        } else if (arg == QLatin1String("--group") && !args.isEmpty()) {
            o.Group = args.takeFirst();
        } else if (arg == QLatin1String("--until-close")) {
            o.UntilClose = true;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

int CmdWatch(const CommandContext& context) {
    VoteWatchOptions options;
    options.EveryMinutes = ExpectationSettings::Load(context.paths).WatchEveryMinutes;
    if (!ParseOptions(context.args, options)) {
        return UsageError(kUsage);
    }
    const AcquisitionContext acquisition{context.paths, TotoSettings::Load(context.paths),
                                         HttpOptions(), nullptr};
    VoteWatch watch(acquisition, CurrentClock());
    watch.SetLineSink([](const QString& line) { PrintOut(line + QLatin1Char('\n')); });
    std::atomic<bool> stop{false};
    const StopWatcher watcher([&stop] { stop = true; }, -1);
    switch (watch.Run(options, stop)) {
    case VoteWatch::End::Final:
    case VoteWatch::End::SaleEnd:
        return 0;
    case VoteWatch::End::StoreFailed:
        return 1;
    case VoteWatch::End::Stopped:
        break;
    }
    return StopWatcher::Interrupted() ? StopWatcher::kInterruptedStatus : 0;
}

} // namespace kestrel::cli
