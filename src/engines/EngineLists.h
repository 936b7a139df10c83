#pragma once

#include <cstdint>
#include <vector>

namespace kestrel {

// List helpers shared by the engines.
class EngineLists {
public:
    // The list without repeated singles, first occurrences in order. The searches count targets
    // by single number, so a repeated entry could never be counted as covered.
    static std::vector<int32_t> Distinct(const std::vector<int32_t>& list);
    // True when every entry is a single number 0..4095.
    static bool AllSingles(const std::vector<int32_t>& list);
    // m = (n - 1) / 100 rounded half to even, plus one: the engines yield after every m + 1
    // items of a pass over n items.
    static int CadenceStep(int64_t n);
    // Deadline of a time limit: elapsed seconds plus the limit, rounded half to even to a
    // whole second, in milliseconds.
    static int64_t DeadlineMs(int64_t elapsedMs, int32_t seconds);
};

} // namespace kestrel
