#include "core/clsTSingleFrame.h"

namespace kestrel {

clsTSingleFrame::clsTSingleFrame() {
    int32_t p = 1;
    for (int i = 0; i <= kSlotCount; ++i) {
        m_power[i] = p;
        p *= 4;
    }
}

void clsTSingleFrame::GetSingleFrame(int32_t lngSCount, const int32_t* lngSingle,
                                     CountTable& lngSingleFrame) const {
    for (auto& row : lngSingleFrame) {
        row.fill(0);
    }
    for (int32_t i = 0; i < lngSCount; ++i) {
        int32_t r = lngSingle[i];
        if (r < 0 || r >= kSingleCount) {
            continue;
        }
        for (int t = kSlotCount - 1; t >= 0; --t) {
            ++lngSingleFrame[r / m_power[t]][t];
            r %= m_power[t];
        }
    }
}

void clsTSingleFrame::GetSingleFrame(const std::vector<int32_t>& lngSingle,
                                     CountTable& lngSingleFrame) const {
    GetSingleFrame(static_cast<int32_t>(lngSingle.size()), lngSingle.data(), lngSingleFrame);
}

} // namespace kestrel
