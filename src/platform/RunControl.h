#pragma once

#include <atomic>
#include <functional>

namespace kestrel {

// What a long-running worker (reduction, engines, long loads) needs from its host: progress
// reports and the pause/stop flags the host sets from another thread. Workers read the flags at
// their yield points; a paused worker waits there in short sleeps until resumed or stopped.
class RunControl {
public:
    std::atomic<bool> stop{false};
    std::atomic<bool> pause{false};

    // Progress callbacks; any may be empty. Called from the worker's thread.
    std::function<void(int value, int maximum)> onProgress;

    void Progress(int value, int maximum) const {
        if (onProgress) {
            onProgress(value, maximum);
        }
    }
    void Reset() {
        stop = false;
        pause = false;
    }
};

} // namespace kestrel
