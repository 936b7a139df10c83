#pragma once

#include <cstdint>
#include <vector>

#include "core/MarkTable.h"

namespace kestrel {

// The purchase candidates of the covering searches with an extension (購入対象を２等まで拡大 /
// ３等まで拡大): the singles of the marked multi that lie within the radius of some target.
class CandidateExtension {
public:
    // The singles of the multi (in expansion order) within `radius` of a target, followed by the
    // targets outside the multi, so that every target can still be covered. Empty when no single
    // of the multi is near a target: the candidates then stay the targets.
    static std::vector<int32_t> Extend(const std::vector<int32_t>& targets, int radius,
                                       const MarkTable& marks);
    // The candidates a search of this grade uses with these extension switches.
    static std::vector<int32_t> Candidates(const std::vector<int32_t>& targets, int grade,
                                           bool exGrade2, bool exGrade3, const MarkTable& marks);
};

} // namespace kestrel
