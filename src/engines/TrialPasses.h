#pragma once

#include <algorithm>
#include <cstdint>

#include "engines/CoverageTrial.h"
#include "engines/EngineHost.h"
#include "engines/FastRandom.h"

namespace kestrel {

// Attempts between two yield points of the local search.
inline constexpr int32_t kYieldAttempts = 1001;

// The passes of one trial, shared by the trial and the optimisation engine: for the positions
// o = 0 .. N-1, over and over, draw a candidate and try the swap. Every 1001st attempt is a yield
// point; when the cycle count there exceeds max(N, 50) the caller's shake step runs. At every
// yield point a paused search waits, and a stop ends the passes. They also end when no target
// is left uncovered. onAccepted runs after every accepted swap. Returns the attempts made.
template <class OnAccepted, class OnShake>
int64_t RunTrialPasses(CoverageTrial& trial, FastRandom& random, EngineHost& host,
                       int32_t candidateCount, OnAccepted onAccepted, OnShake onShake) {
    const int32_t n = trial.Size();
    const int32_t cycleLimit = std::max(n, 50);
    int32_t attempts = 0;
    int32_t cycles = 0;
    int64_t total = 0;
    for (;;) {
        for (int32_t o = 0; o < n; ++o) {
            const int32_t x = random.Below(candidateCount);
            ++total;
            if (trial.Swap(o, x)) {
                onAccepted();
                if (trial.Uncovered() == 0) {
                    return total;
                }
            }
            if (++attempts < kYieldAttempts) {
                continue;
            }
            attempts = 0;
            if (++cycles > cycleLimit) {
                cycles = 0;
                onShake();
            }
            host.WaitWhilePaused();
            if (host.StopRequested()) {
                return total;
            }
        }
    }
}

} // namespace kestrel
