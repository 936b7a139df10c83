#pragma once

#include <cstdint>

namespace kestrel {

// Lottery-wide answers; one instance for the whole program.
class clsToto {
public:
    // Number of paid grades of the round: 2 for every round of totoGOAL3.
    int GetMaxGrade(int32_t lngKaisaikai) const;
};

} // namespace kestrel
