#pragma once

#include <cstdint>
#include <vector>

#include "core/MarkTable.h"

namespace kestrel {

// Expands a mark table into the singles of its multi, in strictly ascending single-number order
// (slot 6 outermost, slot 1 innermost, goal classes ascending). At most 4096 singles.
class clsTMultiPattern {
public:
    // Takes a copy of the mark table; cells greater than 0 are marked.
    void SetValue(const MarkTable& marks);

    // Sets lngCount to the number of singles and, when it is greater than 0, replaces lngPattern
    // by exactly lngCount single numbers. A count of 0 leaves lngPattern as it was.
    void GetMulti(int32_t& lngCount, std::vector<int32_t>& lngPattern) const;

    // The same into a caller's buffer of at least kSingleCount entries; returns the count.
    // Allocates nothing.
    int32_t GetMulti(int32_t* lngPattern) const;

    // Number of singles the held table stands for, without expanding.
    int32_t Count() const;

private:
    MarkTable m_marks{};
};

} // namespace kestrel
