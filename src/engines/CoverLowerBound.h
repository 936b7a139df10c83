#pragma once

#include <cstdint>
#include <vector>

namespace kestrel {

class CoverageCache;

// Lower bounds on the size of any covering of the targets by the candidates, cheap enough to
// compute before every search. The larger of two:
// - the weighted sphere bound: every target t needs a chosen ball, and a ball holding t holds at
//   most m(t) targets, m(t) the largest such ball; giving t the share 1 / m(t) loads no ball
//   above 1, so the covering has at least the sum of the shares (on the full list the classic
//   4096 / 154 and 4096 / 19);
// - the packing bound: targets pairwise more than twice the radius apart share no ball, so each
//   needs a chosen single of its own (a greedy packing in list order).
class CoverLowerBound {
public:
    static int32_t Of(const CoverageCache& cache, const std::vector<int32_t>& targets, int radius);
    static int32_t SphereBound(const CoverageCache& cache, const std::vector<int32_t>& targets);
    static int32_t PackingBound(const std::vector<int32_t>& targets, int radius);
};

} // namespace kestrel
