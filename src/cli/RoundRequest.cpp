#include "cli/RoundRequest.h"

namespace kestrel::cli {

bool RoundRequest::Parse(const QStringList& args, int32_t minRound, RoundRequest& request) {
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
    if (!ok || request.round < minRound) {
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

} // namespace kestrel::cli
