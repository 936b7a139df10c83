// Grading and sorting of long single lists.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <random>
#include <vector>

#include "results/clsTResult.h"
#include "results/clsTSingleSort.h"

using namespace kestrel;

namespace {

// A list of n singles built from repeats of 0..4095.
std::vector<int32_t> RepeatedList(size_t n) {
    std::vector<int32_t> list(n);
    for (size_t i = 0; i < n; ++i) {
        list[i] = static_cast<int32_t>((i * 2654435761u) % kSingleCount);
    }
    return list;
}

ResultRecord FullResult() {
    ResultRecord r;
    r.Kaisaikai = 500;
    const int classes[6] = {1, 2, 0, 3, 1, 0};
    for (int t = 0; t < 6; ++t) {
        r.Slots[t].Result = static_cast<uint8_t>(classes[t]);
    }
    r.Prize = {Money::FromInt(1'234'560), Money::FromInt(12'340)};
    r.Winners = {Money::FromInt(12), Money::FromInt(345)};
    return r;
}

// A vote status of a real-looking size: different counts in every slot.
VoteRecord SampleVote() {
    VoteRecord v;
    v.Kaisaikai = 500;
    std::mt19937 random(7);
    for (auto& slot : v.Slots) {
        for (auto& g : slot.Votes) {
            g.Count = Money::FromInt(1000 + static_cast<int64_t>(random() % 90000));
        }
    }
    return v;
}

// Takes in 1,000,000 singles and grades them against the full result (SetSingle: range check,
// grading, grade table, confirmed payouts, first page).
void BM_GradeMillion(benchmark::State& state) {
    QTemporaryDir dir;
    clsTResult panel{ProgramPaths(dir.path())};
    panel.Initialize();
    panel.SetResultData(500, QString(), FullResult(), true);
    const std::vector<int32_t> list = RepeatedList(1'000'000);
    for (auto _ : state) {
        panel.SetSingle(list);
        benchmark::DoNotOptimize(panel.Counts());
    }
}
BENCHMARK(BM_GradeMillion)->Unit(benchmark::kMillisecond);

// Regrading the same 1,000,000 singles after one more team is revealed.
void BM_RegradeMillionOnReveal(benchmark::State& state) {
    QTemporaryDir dir;
    clsTResult panel{ProgramPaths(dir.path())};
    panel.Initialize();
    panel.SetSingle(RepeatedList(1'000'000));
    const ResultRecord result = FullResult();
    for (auto _ : state) {
        state.PauseTiming();
        panel.SetResultData(500, QString(), result, false);
        state.ResumeTiming();
        panel.SetNextData();
        benchmark::DoNotOptimize(panel.Counts());
    }
}
BENCHMARK(BM_RegradeMillionOnReveal)->Unit(benchmark::kMillisecond);

// Sorting 100,000 singles by their estimated first-grade prize (estimates included).
void BM_MoneySort100k(benchmark::State& state) {
    clsTSingleSort sort;
    sort.SetVote(SampleVote());
    std::mt19937 random(11);
    std::vector<int32_t> source(100'000);
    for (auto& no : source) {
        no = static_cast<int32_t>(random() % kSingleCount);
    }
    const bool ascending = state.range(0) != 0;
    std::vector<int32_t> list;
    for (auto _ : state) {
        list = source;
        sort.MoneySort(list, 0, ascending);
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(BM_MoneySort100k)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_NinkiSort100k(benchmark::State& state) {
    clsTSingleSort sort;
    sort.SetVote(SampleVote());
    const std::vector<int32_t> source = RepeatedList(100'000);
    std::vector<int32_t> list;
    for (auto _ : state) {
        list = source;
        sort.NinkiSort(list, 0, false);
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(BM_NinkiSort100k)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
