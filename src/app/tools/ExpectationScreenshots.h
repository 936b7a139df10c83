#pragma once

#include <QString>
#include <functional>

#include "app/MainWindow.h"

namespace kestrel {

// The pictures of the player's odds and expected values on the searched demo list: the odds
// dialog, the summary panel with its "期待値" line, and the vote-history chart over a history
// made for the picture (the demo round's final figures drifting towards their end). Grab saves
// one widget under a path; false on failure.
bool TakeExpectationScreenshots(MainWindow& window, const QString& out,
                                const std::function<bool(QWidget&, const QString&)>& grab);

} // namespace kestrel
