#include "engines/EngineSettings.h"

#include <algorithm>

namespace kestrel {

namespace {

bool InRange(int32_t value, int32_t low, int32_t high) {
    return value >= low && value <= high;
}

} // namespace

bool EngineSettings::MethodExists(int32_t msEngine) {
    return InRange(msEngine, 0, kMaxMethod);
}

bool EngineSettings::IsValid() const {
    return MethodExists(MsEngine) && InRange(BeginCount, kMinCount, kMaxCount) &&
           InRange(EndCount, kMinCount, kMaxCount) && InRange(EndTime, 0, kMaxTime) &&
           InRange(SeBeginCount, kMinCount, kMaxCount) && InRange(SeEndTime, 0, kMaxTime) &&
           InRange(ChushutsuCount, kMinCount, kMaxCount) &&
           InRange(ChushutsuType, 0, kMaxChushutsuType);
}

EngineSettings EngineSettings::Normalized() const {
    EngineSettings s = *this;
    // An unknown method compresses nothing, like method 0.
    s.MsEngine = EngineSettings::MethodExists(MsEngine) ? MsEngine : 0;
    s.BeginCount = std::clamp(BeginCount, kMinCount, kMaxCount);
    s.EndCount = std::clamp(EndCount, kMinCount, kMaxCount);
    s.EndTime = std::clamp(EndTime, 0, kMaxTime);
    s.SeBeginCount = std::clamp(SeBeginCount, kMinCount, kMaxCount);
    s.SeEndTime = std::clamp(SeEndTime, 0, kMaxTime);
    s.ChushutsuCount = std::clamp(ChushutsuCount, kMinCount, kMaxCount);
    s.ChushutsuType = std::clamp(ChushutsuType, 0, kMaxChushutsuType);
    return s;
}

} // namespace kestrel
