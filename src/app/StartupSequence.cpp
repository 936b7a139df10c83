#include "app/StartupSequence.h"

#include <QScreen>

#include "app/LoadingWindow.h"
#include "core/clsToto.h"
#include "store/TotoSettings.h"

namespace kestrel {

std::unique_ptr<MainWindow> OpenMainWindow(const ProgramPaths& paths,
                                           std::shared_ptr<Clock> clock) {
    TotoSettings settings = TotoSettings::Load(paths);
    [[maybe_unused]] const clsToto toto; // the lottery constants
    LoadingWindow loading;
    loading.show();
    loading.repaint();
    auto window = std::make_unique<MainWindow>(paths, std::move(clock), std::move(settings));
    // The panels scroll, so a smaller screen gets a smaller window with every control in reach.
    window->resize(window->size().boundedTo(window->screen()->availableGeometry().size()));
    window->show();
    loading.close();
    return window;
}

} // namespace kestrel
