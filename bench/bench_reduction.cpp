// The longest reduction run: the full 4096-single multi reduced by a condition set that switches
// on every row of every group of all three kinds with "×" cells, the three payout grades and the
// three score-table matches (412 steps), report text included.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "core/MarkTable.h"
#include "core/VoteRecord.h"
#include "platform/Clock.h"
#include "platform/RunControl.h"
#include "reduction/ConditionSet.h"
#include "reduction/clsTX.h"

namespace {

using namespace kestrel;

// Every cell marked; class c carries mark c + 1 (◎ ○ ▲ △), so each Honmei row counts six only for
// one single and the "×" at count 6 removes almost nothing: every step sees nearly all singles.
MarkTable FullMarks() {
    MarkTable marks{};
    for (int c = 0; c < kGoalClassCount; ++c) {
        for (int t = 0; t < kSlotCount; ++t) {
            marks[static_cast<size_t>(c)][static_cast<size_t>(t)] = c + 1;
        }
    }
    return marks;
}

VoteRecord DistinctVotes() {
    VoteRecord vote;
    vote.Kaisaikai = 500;
    for (auto& slot : vote.Slots) {
        for (size_t c = 0; c < 4; ++c) {
            slot.Votes[c].Count = Money::FromInt(static_cast<int64_t>(40'000 - 9'000 * c));
        }
    }
    return vote;
}

ConditionSet LongestSet(int32_t machigaiType) {
    ConditionSet set;
    for (size_t g = 0; g < 3; ++g) {
        set.Haitou.Flag[g] = true;
        set.Haitou.Min[g] = Money();
        set.Haitou.Max[g] = Money::FromInt(ConditionSet::kMaxYen);
    }
    for (auto* groups : {&set.Honmei, &set.Ninki, &set.Mark}) {
        for (auto& group : *groups) {
            for (int r = 0; r < group.Rows(); ++r) {
                group.Cells[6][static_cast<size_t>(r)] = kCellCross;
            }
        }
    }
    for (size_t m = 0; m < 3; ++m) {
        set.Tensho.Cells[15][m] = kCellCross; // 3-3 in the match
    }
    set.MachigaiType = machigaiType;
    set.MachigaiList[0] = true;
    set.MachigaiList[1] = true;
    return set;
}

void RunLongest(benchmark::State& state, int32_t machigaiType) {
    clsTX tx;
    RunControl control;
    int ticks = 0;
    control.onProgress = [&ticks](int, int) { ++ticks; };
    tx.SetRunControl(&control);
    tx.SetVote(DistinctVotes());
    const MarkTable marks = FullMarks();
    const ConditionSet set = LongestSet(machigaiType);
    int32_t count = 0;
    std::vector<int32_t> singles;
    for (auto _ : state) {
        tx.Execute(count, singles, set, marks);
        tx.EndMsg(count);
        benchmark::DoNotOptimize(singles.data());
    }
    state.counters["survivors"] = count;
    state.counters["report_lines"] = static_cast<double>(tx.Log().Lines().size());
}

void BM_LongestRun_Removal(benchmark::State& state) {
    RunLongest(state, 0);
}
void BM_LongestRun_MissMode2(benchmark::State& state) {
    RunLongest(state, 2);
}

BENCHMARK(BM_LongestRun_Removal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongestRun_MissMode2)->Unit(benchmark::kMillisecond);

} // namespace
BENCHMARK_MAIN();
