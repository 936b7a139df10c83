#pragma once

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
};

} // namespace kestrel
