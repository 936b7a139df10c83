#include "engines/BallTable.h"

#include <array>

#include "core/clsTNumber.h"

namespace kestrel {

const BallTable& BallTable::Instance() {
    static const BallTable table;
    return table;
}

BallTable::BallTable()
    : m_ball1(static_cast<size_t>(kSingleCount) * kRadius1Size),
      m_ball2(static_cast<size_t>(kSingleCount) * kRadius2Size) {
    const clsTNumber number;
    std::array<int32_t, kRadius2Size> list{};
    for (int32_t s = 0; s < kSingleCount; ++s) {
        number.Get123List(s, list.data());
        for (int i = 0; i < kRadius2Size; ++i) {
            m_ball2[static_cast<size_t>(s) * kRadius2Size + i] = static_cast<uint16_t>(list[i]);
        }
        // Get12List is the first 19 entries of Get123List.
        for (int i = 0; i < kRadius1Size; ++i) {
            m_ball1[static_cast<size_t>(s) * kRadius1Size + i] = static_cast<uint16_t>(list[i]);
        }
    }
}

} // namespace kestrel
