#pragma once

#include <QString>

#include "platform/ProgramPaths.h"

namespace kestrel {

// The start-up checks of the system data, in their order: the SysData folder, then TeamName.dat,
// TeamName1.dat, TeamName2.dat and J1J2.dat in it. Returns the message of the first check that
// fails, empty when everything is there.
QString StartupCheck(const ProgramPaths& paths);

} // namespace kestrel
