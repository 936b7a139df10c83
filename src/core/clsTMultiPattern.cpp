#include "core/clsTMultiPattern.h"

namespace kestrel {

namespace {

// Marked classes of every slot, ascending, with their digit values already weighted.
struct SlotChoices {
    std::array<std::array<int32_t, kGoalClassCount>, kSlotCount> value{};
    std::array<int, kSlotCount> count{};
};

SlotChoices Choices(const MarkTable& marks) {
    SlotChoices s;
    for (int t = 0; t < kSlotCount; ++t) {
        for (int c = 0; c < kGoalClassCount; ++c) {
            if (marks[c][t] > 0) {
                s.value[t][s.count[t]++] = c << (2 * t);
            }
        }
    }
    return s;
}

} // namespace

void clsTMultiPattern::SetValue(const MarkTable& marks) {
    m_marks = marks;
}

int32_t clsTMultiPattern::Count() const {
    const SlotChoices s = Choices(m_marks);
    int32_t n = 1;
    for (int t = 0; t < kSlotCount; ++t) {
        n *= s.count[t];
    }
    return n;
}

int32_t clsTMultiPattern::GetMulti(int32_t* lngPattern) const {
    const SlotChoices s = Choices(m_marks);
    for (int t = 0; t < kSlotCount; ++t) {
        if (s.count[t] == 0) {
            return 0;
        }
    }
    // Slot 6 outermost, slot 1 innermost: ascending numbers without sorting.
    int32_t n = 0;
    for (int i5 = 0; i5 < s.count[5]; ++i5) {
        const int32_t v5 = s.value[5][i5];
        for (int i4 = 0; i4 < s.count[4]; ++i4) {
            const int32_t v4 = v5 + s.value[4][i4];
            for (int i3 = 0; i3 < s.count[3]; ++i3) {
                const int32_t v3 = v4 + s.value[3][i3];
                for (int i2 = 0; i2 < s.count[2]; ++i2) {
                    const int32_t v2 = v3 + s.value[2][i2];
                    for (int i1 = 0; i1 < s.count[1]; ++i1) {
                        const int32_t v1 = v2 + s.value[1][i1];
                        for (int i0 = 0; i0 < s.count[0]; ++i0) {
                            lngPattern[n++] = v1 + s.value[0][i0];
                        }
                    }
                }
            }
        }
    }
    return n;
}

void clsTMultiPattern::GetMulti(int32_t& lngCount, std::vector<int32_t>& lngPattern) const {
    std::array<int32_t, kSingleCount> buffer;
    lngCount = GetMulti(buffer.data());
    if (lngCount > 0) {
        lngPattern.assign(buffer.begin(), buffer.begin() + lngCount);
    }
}

} // namespace kestrel
