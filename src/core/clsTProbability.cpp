#include "core/clsTProbability.h"

namespace kestrel {

namespace {

inline bool ValidSingle(int32_t no) {
    return no >= 0 && no < kSingleCount;
}

} // namespace

void clsTProbability::GetTousen(std::span<const int32_t> lngMulti,
                                std::span<const int32_t> lngSingle, TousenCounts& lngTousen) {
    m_flags.fill(0);

    // Flag every single of the list (first grade), its 18 neighbours at one difference (second)
    // and its 135 at two differences (third). A repeated single adds nothing new.
    for (const int32_t s : lngSingle) {
        if (!ValidSingle(s) || (m_flags[s] & kFirst)) {
            continue;
        }
        m_flags[s] |= kFirst;
        for (int p = 0; p < kSlotCount; ++p) {
            const int shiftP = 2 * p;
            const int32_t baseP = s & ~(3 << shiftP);
            const int ownP = (s >> shiftP) & 3;
            for (int a = 0; a < kGoalClassCount; ++a) {
                if (a == ownP) {
                    continue;
                }
                const int32_t np = baseP | (a << shiftP);
                m_flags[np] |= kSecond;
                for (int q = p + 1; q < kSlotCount; ++q) {
                    const int shiftQ = 2 * q;
                    const int32_t baseQ = np & ~(3 << shiftQ);
                    const int ownQ = (s >> shiftQ) & 3;
                    for (int b = 0; b < kGoalClassCount; ++b) {
                        if (b != ownQ) {
                            m_flags[baseQ | (b << shiftQ)] |= kThird;
                        }
                    }
                }
            }
        }
    }

    lngTousen.fill(0);
    lngTousen[0] = static_cast<int32_t>(lngMulti.size());
    for (const int32_t c : lngMulti) {
        if (!ValidSingle(c)) {
            continue;
        }
        const uint8_t f = m_flags[c];
        lngTousen[1] += (f & kFirst) ? 1 : 0;
        lngTousen[2] += (f & kSecond) ? 1 : 0;
        lngTousen[3] += (f & kThird) ? 1 : 0;
        lngTousen[4] += (f & (kFirst | kSecond)) ? 1 : 0;
        lngTousen[5] += f ? 1 : 0;
    }
}

void clsTProbability::GetTousen(const std::vector<int32_t>& lngMulti,
                                const std::vector<int32_t>& lngSingle,
                                std::vector<int32_t>& lngTousen) {
    TousenCounts counts{};
    GetTousen(std::span<const int32_t>(lngMulti), std::span<const int32_t>(lngSingle), counts);
    if (lngTousen.size() < static_cast<size_t>(kTousenCount)) {
        lngTousen.resize(kTousenCount);
    }
    for (int k = 0; k < kTousenCount; ++k) {
        lngTousen[k] = counts[k];
    }
}

} // namespace kestrel
