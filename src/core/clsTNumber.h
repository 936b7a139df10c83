#pragma once

#include <array>
#include <cstdint>

#include "core/LotteryConstants.h"

namespace kestrel {

// Single numbers 0..4095 (base 4, slot 1 the least significant digit) and their outcome arrays;
// the neighbour lists of a single. Callers pass valid numbers, classes 0..3 and arrays of the
// stated length; the routines do not check (they sit in the innermost loops).
class clsTNumber {
public:
    using ByteKousei = std::array<uint8_t, kSlotCount>;
    using LongKousei = std::array<int32_t, kSlotCount>;

    clsTNumber();

    void NoToByte(int32_t lngNo, ByteKousei& bytKousei) const;
    void NoToLong(int32_t lngNo, LongKousei& lngKousei) const;
    void ByteToNo(const ByteKousei& bytKousei, int32_t& lngNo) const;
    void LongToNo(const LongKousei& lngKousei, int32_t& lngNo) const;

    // 18 second-grade neighbours: slot index outer, goal class inner, skipping the single's own.
    void Get2List(int32_t lngValue, int32_t* lngList) const;
    // 135 third-grade neighbours: slot pair (p < q) outer, then class of p, then class of q.
    void Get3List(int32_t lngValue, int32_t* lngList) const;
    // The single, then its 18 second-grade neighbours (19 entries).
    void Get12List(int32_t lngValue, int32_t* lngList) const;
    // The single, 18 second-grade and 135 third-grade neighbours (154 entries).
    void Get123List(int32_t lngValue, int32_t* lngList) const;

    // Goal class of slot index i (0..5) of a single.
    static constexpr int Digit(int32_t lngNo, int i) { return (lngNo >> (2 * i)) & 3; }
    // Number of slots in which two singles differ.
    static int Distance(int32_t a, int32_t b);
    // Power table 4^0..4^6.
    int32_t Power(int i) const { return m_power[i]; }

private:
    std::array<int32_t, 7> m_power{};
};

} // namespace kestrel
