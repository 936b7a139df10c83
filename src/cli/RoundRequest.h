#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace kestrel::cli {

// The arguments of the round-record commands: schedule|vote|result ROUND [--group G].
struct RoundRequest {
    QString kind;
    int32_t round = 0;
    QString group;

    // False when the arguments do not have that form or the round is below minRound.
    static bool Parse(const QStringList& args, int32_t minRound, RoundRequest& request);
};

} // namespace kestrel::cli
