// Lottery-model hot paths: neighbour lists, hit counts, prize estimates, feature getters and
// multi expansion.

#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <vector>

#include "core/clsTDeme.h"
#include "core/clsTMoney.h"
#include "core/clsTMultiPattern.h"
#include "core/clsTNumber.h"
#include "core/clsTProbability.h"

using namespace kestrel;

namespace {

std::vector<int32_t> AllSingles() {
    std::vector<int32_t> all(kSingleCount);
    for (int32_t i = 0; i < kSingleCount; ++i) {
        all[i] = i;
    }
    return all;
}

VoteRecord RealisticVotes() {
    const int64_t counts[6][4] = {
        {312456, 401233, 189002, 97309},  {520111, 300045, 120400, 59444},
        {150000, 350500, 300300, 199200}, {410000, 380000, 150000, 60000},
        {220345, 410876, 250123, 118656}, {600000, 250000, 100000, 50000}};
    VoteRecord v;
    v.Kaisaikai = 500;
    for (int t = 0; t < 6; ++t) {
        for (int c = 0; c < 4; ++c) {
            v.Slots[t].Votes[c].Count = Money::FromInt(counts[t][c]);
        }
    }
    return v;
}

// Get123List for every single number (one iteration = 4096 calls).
void BM_Get123List_All(benchmark::State& state) {
    clsTNumber number;
    std::array<int32_t, kList123Count> list{};
    for (auto _ : state) {
        for (int32_t no = 0; no < kSingleCount; ++no) {
            number.Get123List(no, list.data());
            benchmark::DoNotOptimize(list.data());
        }
    }
}
BENCHMARK(BM_Get123List_All)->Unit(benchmark::kMicrosecond);

// GetTousen: 4096 candidates against a compressed list of 256 random singles.
void BM_GetTousen_4096x256(benchmark::State& state) {
    const std::vector<int32_t> candidates = AllSingles();
    std::mt19937 rng(7);
    std::uniform_int_distribution<int32_t> pick(0, kSingleCount - 1);
    std::vector<int32_t> list(state.range(0));
    for (auto& s : list) {
        s = pick(rng);
    }
    clsTProbability probability;
    TousenCounts counts{};
    for (auto _ : state) {
        probability.GetTousen(candidates, list, counts);
        benchmark::DoNotOptimize(counts.data());
    }
}
BENCHMARK(BM_GetTousen_4096x256)->Arg(256)->Arg(4096)->Unit(benchmark::kMicrosecond);

// Grade 1 and grade 2 estimates for all 4096 singles from long-form outcome arrays.
void BM_GetMoney12_All(benchmark::State& state) {
    clsTMoney money;
    money.SetVote(RealisticVotes());
    clsTNumber number;
    for (auto _ : state) {
        int64_t sum = 0;
        for (int32_t no = 0; no < kSingleCount; ++no) {
            clsTNumber::LongKousei k{};
            number.NoToLong(no, k);
            sum += money.GetMoney1(k).Raw() + money.GetMoney2(k).Raw();
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_GetMoney12_All)->Unit(benchmark::kMicrosecond);

// The three feature getters for all 4096 singles from byte-form outcome arrays.
void BM_DemeGetters_All(benchmark::State& state) {
    clsTDeme deme;
    MarkTable marks{};
    for (int c = 0; c < 4; ++c) {
        for (int t = 0; t < 6; ++t) {
            marks[c][t] = (c + t) % 7;
        }
    }
    deme.SetMulti(marks);
    deme.SetVote(RealisticVotes());
    deme.SetGameFlg({true, true, true, true, true, true});
    deme.SetMarkFlg({true, true, true, true});
    const std::array<bool, 3> plus{true, false, true};
    deme.SetPlusFlg(plus);
    clsTNumber number;
    for (auto _ : state) {
        int sum = 0;
        for (int32_t no = 0; no < kSingleCount; ++no) {
            clsTNumber::ByteKousei k{};
            number.NoToByte(no, k);
            sum += deme.GetHonmei(k) + deme.GetNinki(k) + deme.GetMark(k);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_DemeGetters_All)->Unit(benchmark::kMicrosecond);

// Expanding the all-marked multi into its 4096 singles.
void BM_GetMulti_Full(benchmark::State& state) {
    MarkTable marks{};
    for (auto& row : marks) {
        row.fill(1);
    }
    clsTMultiPattern pattern;
    pattern.SetValue(marks);
    std::vector<int32_t> list;
    int32_t count = 0;
    for (auto _ : state) {
        pattern.GetMulti(count, list);
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(BM_GetMulti_Full)->Unit(benchmark::kMicrosecond);

// The same into a preallocated buffer (no allocation).
void BM_GetMulti_FullBuffer(benchmark::State& state) {
    MarkTable marks{};
    for (auto& row : marks) {
        row.fill(1);
    }
    clsTMultiPattern pattern;
    pattern.SetValue(marks);
    std::array<int32_t, kSingleCount> buffer{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(pattern.GetMulti(buffer.data()));
    }
}
BENCHMARK(BM_GetMulti_FullBuffer)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
