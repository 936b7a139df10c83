#include "engines/EngineLists.h"

#include <array>

#include "core/LotteryConstants.h"
#include "platform/VbFormat.h"

namespace kestrel {

std::vector<int32_t> EngineLists::Distinct(const std::vector<int32_t>& list) {
    std::array<bool, kSingleCount> seen{};
    std::vector<int32_t> out;
    out.reserve(list.size());
    for (const int32_t s : list) {
        if (!seen[s]) {
            seen[s] = true;
            out.push_back(s);
        }
    }
    return out;
}

bool EngineLists::AllSingles(const std::vector<int32_t>& list) {
    for (const int32_t s : list) {
        if (s < 0 || s >= kSingleCount) {
            return false;
        }
    }
    return true;
}

int EngineLists::CadenceStep(int64_t n) {
    const double m = n <= 0 ? 0.0 : static_cast<double>(n - 1) / 100.0;
    return static_cast<int>(VbFormat::RoundHalfEven(m)) + 1;
}

int64_t EngineLists::DeadlineMs(int64_t elapsedMs, int32_t seconds) {
    const double deadline = static_cast<double>(elapsedMs) / 1000.0 + seconds;
    return VbFormat::RoundHalfEven(deadline) * 1000;
}

} // namespace kestrel
