#pragma once

#include <atomic>
#include <memory>

#include "net/HttpOptions.h"
#include "net/WinInetProgress.h"
#include "platform/ProgramPaths.h"
#include "store/TotoSettings.h"

namespace kestrel {

// What the acquisition of official data needs from the installation: the root folder, the
// operator page addresses, the HTTP client settings and the progress window's lines (none:
// nothing is shown).
struct AcquisitionContext {
    ProgramPaths Paths;
    TotoSettings Settings;
    HttpOptions Http;
    std::shared_ptr<WinInetProgress> Progress;

    // The context of a download run: the default HTTP settings with the page deadline of the
    // settings file, and the flag that stops the run (none: it cannot be stopped).
    static AcquisitionContext ForRun(ProgramPaths paths, TotoSettings settings,
                                     std::shared_ptr<const std::atomic<bool>> cancel = nullptr) {
        AcquisitionContext context{std::move(paths), std::move(settings), HttpOptions(), nullptr};
        context.Http.DeadlineMs = context.Settings.totoDownloadDeadline * 1000;
        context.Http.Cancel = std::move(cancel);
        return context;
    }
    // True once the run was stopped.
    bool Cancelled() const { return Http.Cancel != nullptr && Http.Cancel->load(); }
};

} // namespace kestrel
