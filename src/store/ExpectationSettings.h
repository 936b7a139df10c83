#pragma once

#include <QString>

#include "platform/ProgramPaths.h"

namespace kestrel {

// Settings of the expected-value figures and of the vote-status watch, from the optional file
// "Expectation.ini" in SysData ("TicketPrice = 100", "WatchEveryMinutes = 10"). A missing file or
// key, or a value that does not read or lies outside its range, keeps the default.
struct ExpectationSettings {
    static constexpr double kDefaultPrice = 100.0;
    static constexpr int kDefaultEveryMinutes = 10;
    static constexpr int kMinEveryMinutes = 5;

    double TicketPrice = kDefaultPrice; // yen per single
    int WatchEveryMinutes = kDefaultEveryMinutes;

    static QString FilePath(const ProgramPaths& paths);
    static ExpectationSettings Load(const ProgramPaths& paths);
};

} // namespace kestrel
