#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include <QString>
#include <ostream>

#include "MessageCollector.h" // readable failure messages for texts
#include "core/MarkTable.h"
#include "core/VoteRecord.h"
#include "platform/Money.h"

namespace kestrel::test {

// A multi from six strings of marked goal classes, slot 1 first ("01" marks classes 0 and 1),
// every mark ◎ unless a code string is given ("12": class 0 ◎, class 1 ○ for "01").
inline MarkTable Multi(const std::array<std::string, 6>& classes,
                       const std::array<std::string, 6>& codes = {}) {
    MarkTable marks{};
    for (size_t t = 0; t < 6; ++t) {
        for (size_t k = 0; k < classes[t].size(); ++k) {
            const int c = classes[t][k] - '0';
            const int code = codes[t].empty() ? 1 : codes[t][k] - '0';
            marks[static_cast<size_t>(c)][t] = code;
        }
    }
    return marks;
}

inline MarkTable FullMulti() {
    return Multi({"0123", "0123", "0123", "0123", "0123", "0123"});
}

// Single number from the goal classes of slots 1..6.
inline int32_t No(std::initializer_list<int> classes) {
    int32_t no = 0;
    int32_t weight = 1;
    for (const int c : classes) {
        no += c * weight;
        weight *= 4;
    }
    return no;
}

// A vote status (round 1) with the same four vote counts in every slot.
inline VoteRecord Vote(const std::array<int64_t, 4>& counts) {
    VoteRecord vote;
    vote.Kaisaikai = 1;
    for (auto& slot : vote.Slots) {
        for (size_t c = 0; c < 4; ++c) {
            slot.Votes[c].Count = Money::FromInt(counts[c]);
        }
    }
    return vote;
}

inline Money Yen(int64_t yen) {
    return Money::FromInt(yen);
}

} // namespace kestrel::test
