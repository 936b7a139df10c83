#include "engines/CandidateExtension.h"

#include <array>

#include "core/LotteryConstants.h"
#include "core/clsTMultiPattern.h"
#include "engines/BallTable.h"

namespace kestrel {

std::vector<int32_t> CandidateExtension::Extend(const std::vector<int32_t>& targets, int radius,
                                                const MarkTable& marks) {
    std::array<int32_t, kSingleCount> nearTarget{};
    std::array<bool, kSingleCount> isTarget{};
    const BallTable& balls = BallTable::Instance();
    const int ballSize = BallTable::Size(radius);
    for (const int32_t t : targets) {
        isTarget[t] = true;
        const uint16_t* ball = balls.Ball(radius, t);
        for (int i = 0; i < ballSize; ++i) {
            ++nearTarget[ball[i]];
        }
    }
    clsTMultiPattern pattern;
    pattern.SetValue(marks);
    std::vector<int32_t> expansion(kSingleCount);
    expansion.resize(static_cast<size_t>(pattern.GetMulti(expansion.data())));
    std::vector<int32_t> extended;
    extended.reserve(expansion.size() + targets.size());
    for (const int32_t s : expansion) {
        if (nearTarget[s] > 0) {
            extended.push_back(s);
            isTarget[s] = false;
        }
    }
    if (extended.empty()) {
        return extended;
    }
    for (const int32_t t : targets) {
        if (isTarget[t]) {
            extended.push_back(t);
        }
    }
    return extended;
}

std::vector<int32_t> CandidateExtension::Candidates(const std::vector<int32_t>& targets, int grade,
                                                    bool exGrade2, bool exGrade3,
                                                    const MarkTable& marks) {
    int radius = 0;
    if (grade == 2 && exGrade2) {
        radius = 1;
    } else if (grade != 2 && exGrade3) {
        radius = 2;
    } else if (grade != 2 && exGrade2) {
        radius = 1;
    }
    if (radius == 0) {
        return targets;
    }
    std::vector<int32_t> extended = Extend(targets, radius, marks);
    return extended.empty() ? targets : extended;
}

} // namespace kestrel
