#include "core/clsTNumber.h"

#include <bit>

namespace kestrel {

clsTNumber::clsTNumber() {
    int32_t p = 1;
    for (int i = 0; i <= kSlotCount; ++i) {
        m_power[i] = p;
        p *= 4;
    }
}

void clsTNumber::NoToByte(int32_t lngNo, ByteKousei& bytKousei) const {
    int32_t r = lngNo;
    for (int i = kSlotCount - 1; i >= 0; --i) {
        bytKousei[i] = static_cast<uint8_t>(r / m_power[i]);
        r %= m_power[i];
    }
}

void clsTNumber::NoToLong(int32_t lngNo, LongKousei& lngKousei) const {
    int32_t r = lngNo;
    for (int i = kSlotCount - 1; i >= 0; --i) {
        lngKousei[i] = r / m_power[i];
        r %= m_power[i];
    }
}

void clsTNumber::ByteToNo(const ByteKousei& bytKousei, int32_t& lngNo) const {
    int32_t n = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        n += bytKousei[i] * m_power[i];
    }
    lngNo = n;
}

void clsTNumber::LongToNo(const LongKousei& lngKousei, int32_t& lngNo) const {
    int32_t n = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        n += lngKousei[i] * m_power[i];
    }
    lngNo = n;
}

void clsTNumber::Get2List(int32_t lngValue, int32_t* lngList) const {
    int k = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        const int own = Digit(lngValue, i);
        const int32_t base = lngValue - own * m_power[i];
        for (int v = 0; v < kGoalClassCount; ++v) {
            if (v != own) {
                lngList[k++] = base + v * m_power[i];
            }
        }
    }
}

void clsTNumber::Get3List(int32_t lngValue, int32_t* lngList) const {
    int k = 0;
    for (int p = 0; p < kSlotCount - 1; ++p) {
        const int ownP = Digit(lngValue, p);
        for (int q = p + 1; q < kSlotCount; ++q) {
            const int ownQ = Digit(lngValue, q);
            const int32_t base = lngValue - ownP * m_power[p] - ownQ * m_power[q];
            for (int a = 0; a < kGoalClassCount; ++a) {
                if (a == ownP) {
                    continue;
                }
                for (int b = 0; b < kGoalClassCount; ++b) {
                    if (b != ownQ) {
                        lngList[k++] = base + a * m_power[p] + b * m_power[q];
                    }
                }
            }
        }
    }
}

void clsTNumber::Get12List(int32_t lngValue, int32_t* lngList) const {
    lngList[0] = lngValue;
    Get2List(lngValue, lngList + 1);
}

void clsTNumber::Get123List(int32_t lngValue, int32_t* lngList) const {
    lngList[0] = lngValue;
    Get2List(lngValue, lngList + 1);
    Get3List(lngValue, lngList + 1 + kSecondGradeCount);
}

int clsTNumber::Distance(int32_t a, int32_t b) {
    // Each slot is two bits; a slot differs when either of its bits differs.
    const uint32_t x = static_cast<uint32_t>(a ^ b);
    const uint32_t slots = (x | (x >> 1)) & 0x555u;
    return std::popcount(slots);
}

} // namespace kestrel
