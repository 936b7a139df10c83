#include <gtest/gtest.h>

#include <array>

#include "EngineTestSupport.h"
#include "engines/BallTable.h"
#include "engines/CoverageCache.h"
#include "engines/CoverageTrial.h"
#include "engines/EngineHost.h"

namespace kestrel {
namespace {

// The swap exactly as the search defines it, on plain counters: take the old entry out, weigh
// the new one, put the old one back when the uncovered count would rise.
struct PlainTrial {
    const CoverageCache& cache;
    std::vector<int32_t> trial;
    std::array<int32_t, 4096> cover{};
    int32_t uncovered = 0;

    void Add(int32_t x) {
        trial.push_back(x);
        for (int32_t i = 0; i < cache.RunLength(x); ++i) {
            ++cover[cache.RunBegin(x)[i]];
        }
    }
    bool Swap(size_t o, int32_t x) {
        const int32_t old = trial[o];
        int32_t v = uncovered;
        for (int32_t i = 0; i < cache.RunLength(old); ++i) {
            v += --cover[cache.RunBegin(old)[i]] == 0;
        }
        for (int32_t i = 0; i < cache.RunLength(x); ++i) {
            v -= cover[cache.RunBegin(x)[i]] == 0;
        }
        if (v > uncovered) {
            for (int32_t i = 0; i < cache.RunLength(old); ++i) {
                ++cover[cache.RunBegin(old)[i]];
            }
            return false;
        }
        for (int32_t i = 0; i < cache.RunLength(x); ++i) {
            ++cover[cache.RunBegin(x)[i]];
        }
        trial[o] = x;
        uncovered = v;
        return true;
    }
    void Replace(size_t o, int32_t x) {
        const int32_t old = trial[o];
        for (int32_t i = 0; i < cache.RunLength(old); ++i) {
            uncovered += --cover[cache.RunBegin(old)[i]] == 0;
        }
        for (int32_t i = 0; i < cache.RunLength(x); ++i) {
            uncovered -= cover[cache.RunBegin(x)[i]]++ == 0;
        }
        trial[o] = x;
    }
};

TEST(CoverageCache, RunsHoldTheTargetsOfEachBallInBallOrder) {
    const std::vector<int32_t> targets{0, 1, 5, 4095, 2361};
    const std::vector<int32_t> candidates{5, 4095, 3, 2000};
    EngineHost host;
    host.Bind(nullptr, nullptr, nullptr);
    CoverageCache cache;
    ASSERT_TRUE(cache.Build(candidates, targets, 1, host));
    ASSERT_EQ(cache.CandidateCount(), 4);
    // 5's ball (5 itself, then its neighbours by slot and class) holds 5 and 1 of the targets.
    EXPECT_EQ(std::vector<int32_t>(cache.RunBegin(0), cache.RunBegin(0) + cache.RunLength(0)),
              (std::vector<int32_t>{5, 1}));
    EXPECT_EQ(cache.RunLength(1), 1);
    // 3 differs from 0 and 1 in slot 1 only.
    EXPECT_EQ(std::vector<int32_t>(cache.RunBegin(2), cache.RunBegin(2) + cache.RunLength(2)),
              (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(cache.RunLength(3), 0);
    EXPECT_EQ(cache.PositionOf(4095), 1);
    EXPECT_EQ(cache.PositionOf(0), -1);
}

TEST(CoverageTrial, MovesAgreeWithThePlainCounters) {
    for (const int radius : {1, 2}) {
        for (uint32_t seed = 1; seed <= 4; ++seed) {
            SCOPED_TRACE(testing::Message() << "radius " << radius << " seed " << seed);
            const auto targets = test::RandomReducedList(seed);
            EngineHost host;
            host.Bind(nullptr, nullptr, nullptr);
            CoverageCache cache;
            ASSERT_TRUE(cache.Build(targets, targets, radius, host));
            const int32_t n = static_cast<int32_t>(targets.size()) / (radius == 1 ? 6 : 20) + 1;
            FastRandom random(seed);
            CoverageTrial trial(cache);
            PlainTrial plain{cache, {}, {}, 0};
            trial.Reset(n);
            for (int32_t i = 0; i < n; ++i) {
                // Repeats on purpose: the first two positions hold the same candidate.
                const int32_t x = i == 1 ? plain.trial[0] : random.Below(cache.CandidateCount());
                trial.Add(x);
                plain.Add(x);
            }
            trial.RecountUncovered(targets);
            plain.uncovered = trial.Uncovered();
            int32_t expectedUncovered = 0;
            for (const int32_t t : targets) {
                expectedUncovered += plain.cover[t] == 0;
            }
            ASSERT_EQ(trial.Uncovered(), expectedUncovered);
            int accepted = 0;
            for (int step = 0; step < 20000; ++step) {
                const int32_t o = step % n;
                const int32_t x = random.Below(cache.CandidateCount());
                if (step % 997 == 0) {
                    trial.Replace(o, x);
                    plain.Replace(static_cast<size_t>(o), x);
                } else {
                    const bool a = trial.Swap(o, x);
                    ASSERT_EQ(a, plain.Swap(static_cast<size_t>(o), x)) << step;
                    accepted += a;
                }
                ASSERT_EQ(trial.Uncovered(), plain.uncovered) << step;
            }
            EXPECT_GT(accepted, 0);
            for (const int32_t t : targets) {
                ASSERT_EQ(trial.Counter(t), plain.cover[t]);
            }
            std::vector<int32_t> singles;
            trial.CopySingles(singles);
            ASSERT_EQ(static_cast<int32_t>(singles.size()), n);
            for (int32_t o = 0; o < n; ++o) {
                EXPECT_EQ(singles[o], cache.Candidate(plain.trial[o]));
            }
            // The count kept by the moves is the true count of the list it holds.
            EXPECT_EQ(static_cast<int32_t>(test::Uncovered(targets, singles, radius).size()),
                      trial.Uncovered());
        }
    }
}

} // namespace
} // namespace kestrel
