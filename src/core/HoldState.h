#pragma once

#include <cstdint>

namespace kestrel {

// Hold state of a round, stored as a signed 32-bit integer.
enum class HoldState : int32_t {
    Held = 0,      // held normally
    NotHeld = 1,   // the user declared the round not held (未開催)
    Cancelled = 2, // the operator cancelled the round (中止)
};

} // namespace kestrel
