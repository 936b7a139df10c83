#pragma once

#include <cstdint>

namespace kestrel {

// totoGOAL3: six team slots, four goal classes, 4^6 singles.
inline constexpr int kSlotCount = 6;
inline constexpr int kGoalClassCount = 4;
inline constexpr int kSingleCount = 4096;
inline constexpr int kSecondGradeCount = 18;  // neighbours at one difference
inline constexpr int kThirdGradeCount = 135;  // neighbours at two differences
inline constexpr int kList12Count = 19;       // the single and its second-grade neighbours
inline constexpr int kList123Count = 154;     // ... and its third-grade neighbours
inline constexpr uint8_t kVoidClass = 4;      // a cancelled match in a stored result
inline constexpr int kGradeCount = 2;         // grades the lottery pays

} // namespace kestrel
