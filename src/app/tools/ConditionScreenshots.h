#pragma once

#include <QString>
#include <functional>

#include "app/MainWindow.h"

namespace kestrel {

// Shows the condition pages with a few example conditions and grabs each page kind and the
// composition window into the folder. Grab saves one widget under a path; false on failure.
bool TakeConditionScreenshots(MainWindow& window, const QString& out,
                              const std::function<bool(QWidget&, const QString&)>& grab);

} // namespace kestrel
