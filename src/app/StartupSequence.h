#pragma once

#include <memory>

#include "app/MainWindow.h"
#include "platform/Clock.h"
#include "platform/ProgramPaths.h"

namespace kestrel {

// Start-up after the checks of the system data: loads the program settings (totoSettings.ini,
// read here and only here, so a damaged file is reported once), creates the lottery constants,
// shows the loading window while the main window loads, closes it and returns the main window
// shown.
std::unique_ptr<MainWindow> OpenMainWindow(const ProgramPaths& paths, std::shared_ptr<Clock> clock);

} // namespace kestrel
