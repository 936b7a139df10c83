#include <gtest/gtest.h>

#include <numeric>

#include "EngineTestSupport.h"
#include "engines/CoverLowerBound.h"
#include "engines/CoverageCache.h"
#include "engines/EngineHost.h"
#include "engines/clsTMsEngine2.h"
#include "engines/clsTMsEngine4.h"
#include "platform/RandomSource.h"

namespace kestrel {
namespace {

using test::HasLineContaining;
using test::Uncovered;

TEST(CoverLowerBound, NeverAboveTheSmallestCoveringAndSharpWhereKnown) {
    std::vector<int32_t> all(4096);
    std::iota(all.begin(), all.end(), 0);
    struct Case {
        const char* name;
        std::vector<int32_t> list;
        int radius;
        int32_t sphere;   // the weighted sphere bound
        int32_t smallest; // the smallest covering known to exist (a covering of this size)
    };
    const std::vector<Case> cases = {
        {"all 4096, radius 2", all, 2, 27, 52},   // 4096 / 154
        {"all 4096, radius 1", all, 1, 216, 256}, // 4096 / 19
        {"ternary 81, radius 1", test::Expand(test::Ternary4Marks()), 1, 9, 9},
        {"full 64, radius 1", test::Expand(test::Marks({15, 15, 15, 1, 1, 1})), 1, 7, 8},
        {"full 16, radius 1", test::Expand(test::Marks({15, 15, 1, 1, 1, 1})), 1, 3, 4},
        {"one single", {1234}, 2, 1, 1},
        // Four singles pairwise six slots apart: no ball holds two, so the packing gives 4.
        {"far apart", {0, 0x555, 0xAAA, 0xFFF}, 2, 4, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EngineHost host;
        CoverageCache cache;
        ASSERT_TRUE(cache.Build(c.list, c.list, c.radius, host));
        EXPECT_EQ(CoverLowerBound::SphereBound(cache, c.list), c.sphere);
        const int32_t bound = CoverLowerBound::Of(cache, c.list, c.radius);
        EXPECT_GE(bound, c.sphere);
        EXPECT_LE(bound, c.smallest);
        EXPECT_LE(CoverLowerBound::PackingBound(c.list, c.radius), c.smallest);
    }
}

EngineSettings Settings(int method, int begin, int end, int seconds) {
    EngineSettings s;
    s.MsEngine = method;
    s.BeginCount = begin;
    s.EndCount = end;
    s.EndTime = seconds;
    return s;
}

// Runs the trial engine (grade 2) or the stronger engine (grade 2) on the list.
template <class Engine>
std::pair<std::vector<int32_t>, QStringList>
RunEngine(const std::vector<int32_t>& list, const MarkTable& marks, const EngineSettings& s,
          int32_t* bound = nullptr, int32_t* smallestSearched = nullptr) {
    auto clock = std::make_shared<test::SteppingClock>(25);
    clsTMsg log(clock);
    Engine engine;
    engine.Initialize(&log, nullptr, clock);
    engine.EngineStart(list, 2, s, marks);
    if (bound != nullptr) {
        *bound = engine.LowerBound();
    }
    if (smallestSearched != nullptr) {
        *smallestSearched = engine.SmallestSearched();
    }
    return {engine.SingleData(), log.Lines()};
}

TEST(CoveringEngines, StopAtTheBoundAndNeverSearchBelowIt) {
    // 81 singles at grade 2: the bound 9 is the smallest covering. With no time limit and no
    // end count the run ends by itself once it holds 9.
    const MarkTable ternary = test::Ternary4Marks();
    const auto list = test::Expand(ternary);
    for (const int method : {2, 6}) {
        SCOPED_TRACE(method);
        RandomSource::Seed(51);
        int32_t bound = 0;
        int32_t smallest = 0;
        const auto [result, lines] =
            method == 2
                ? RunEngine<clsTMsEngine2>(list, ternary, Settings(2, 14, 1, 0), &bound, &smallest)
                : RunEngine<clsTMsEngine4>(list, ternary, Settings(6, 14, 1, 0), &bound, &smallest);
        EXPECT_EQ(bound, 9);
        EXPECT_EQ(smallest, 9);
        ASSERT_EQ(result.size(), 9u);
        EXPECT_TRUE(Uncovered(list, result, 1).empty());
        ASSERT_GE(lines.size(), 3);
        EXPECT_TRUE(
            lines[lines.size() - 3].endsWith(QStringLiteral("下限に達したので検索を終了します")));
        EXPECT_TRUE(lines[lines.size() - 2].endsWith(QStringLiteral("9口 (下限 9口)：最小です")));
        EXPECT_FALSE(lines.join(QChar('\n')).contains(QStringLiteral("8を検索中")));
    }
    // Asked to start below the bound, neither engine searches; the answer is the fast
    // engine's covering, never an empty list.
    for (const int method : {2, 6}) {
        SCOPED_TRACE(method);
        int32_t smallest = -1;
        const auto [result, lines] =
            method == 2
                ? RunEngine<clsTMsEngine2>(list, ternary, Settings(2, 8, 1, 0), nullptr, &smallest)
                : RunEngine<clsTMsEngine4>(list, ternary, Settings(6, 8, 1, 0), nullptr, &smallest);
        EXPECT_EQ(smallest, 0);
        EXPECT_FALSE(result.empty());
        EXPECT_TRUE(Uncovered(list, result, 1).empty());
        const QString text = lines.join(QChar('\n'));
        EXPECT_TRUE(text.contains(QStringLiteral("8口は下限を下回るため検索しません")));
        EXPECT_FALSE(text.contains(QStringLiteral("を検索中")));
        EXPECT_TRUE(text.contains(
            QStringLiteral("確定した口数がないため高速検索エンジンの組み合わせを使います")));
    }
}

} // namespace
} // namespace kestrel
