// Compression engines: the fast engine on the full list, the swap move of the trial search, and
// whole trial-engine runs counted in swap attempts per second.
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <numeric>
#include <vector>

#include "core/MarkTable.h"
#include "engines/CoverageCache.h"
#include "engines/CoverageTrial.h"
#include "engines/EngineHost.h"
#include "engines/clsTMsEngine1.h"
#include "engines/clsTMsEngine2.h"
#include "engines/clsTMsEngine3.h"
#include "platform/RandomSource.h"

using namespace kestrel;

namespace {

double ThreadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

std::vector<int32_t> AllSingles() {
    std::vector<int32_t> all(4096);
    std::iota(all.begin(), all.end(), 0);
    return all;
}

MarkTable AllMarked() {
    MarkTable m{};
    for (auto& row : m) {
        row.fill(1);
    }
    return m;
}

void BM_FastEngineFull(benchmark::State& state) {
    const int grade = static_cast<int>(state.range(0));
    const auto all = AllSingles();
    int32_t count = 0;
    for (auto _ : state) {
        clsTMsEngine1 engine;
        engine.Initialize(nullptr, nullptr);
        engine.EngineStart(all, grade);
        count = engine.SingleCount();
        benchmark::DoNotOptimize(count);
    }
    state.counters["singles"] = count;
}
BENCHMARK(BM_FastEngineFull)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// The bare move: swap attempts on a trial of the full list (grade 2: N = 250, grade 3: N = 60,
// both too small to cover it, so the uncovered count never reaches zero).
void BM_TrialSwap(benchmark::State& state) {
    const int grade = static_cast<int>(state.range(0));
    const int32_t n = grade == 2 ? 250 : 60;
    const auto all = AllSingles();
    EngineHost host;
    host.Bind(nullptr, nullptr, nullptr);
    CoverageCache cache;
    cache.Build(all, all, grade - 1, host);
    CoverageTrial trial(cache);
    FastRandom random(42);
    trial.Reset(n);
    for (int32_t i = 0; i < n; ++i) {
        trial.Add(random.Below(cache.CandidateCount()));
    }
    trial.RecountUncovered(all);
    int32_t o = 0;
    int64_t attempts = 0;
    for (auto _ : state) {
        for (int k = 0; k < 1001; ++k) {
            benchmark::DoNotOptimize(trial.Swap(o, random.Below(cache.CandidateCount())));
            if (++o == n) {
                o = 0;
            }
        }
        attempts += 1001;
    }
    state.SetItemsProcessed(attempts);
    state.counters["uncovered"] = trial.Uncovered();
}
BENCHMARK(BM_TrialSwap)->Arg(2)->Arg(3);

// A whole trial-engine run on the full list from a size that cannot be covered, ended by its
// one-second time limit: swap attempts per second including yields and shakes.
void BM_TrialEngineAttempts(benchmark::State& state) {
    const int grade = static_cast<int>(state.range(0));
    const auto all = AllSingles();
    EngineSettings settings;
    settings.BeginCount = grade == 2 ? 200 : 50;
    settings.EndCount = 1;
    settings.EndTime = 1;
    int64_t attempts = 0;
    double seconds = 0;
    double cpuSeconds = 0;
    for (auto _ : state) {
        clsTMsEngine2 engine;
        engine.Initialize(nullptr, nullptr);
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadCpuSeconds();
        engine.EngineStart(all, grade, settings, AllMarked());
        cpuSeconds += ThreadCpuSeconds() - cpuStart;
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        attempts += engine.Attempts();
    }
    // Per wall second and per second of this thread's CPU time (the machine is shared).
    state.counters["attempts_per_s"] = static_cast<double>(attempts) / seconds;
    state.counters["attempts_per_cpu_s"] = static_cast<double>(attempts) / cpuSeconds;
}
BENCHMARK(BM_TrialEngineAttempts)->Arg(2)->Arg(3)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_CacheBuildFullGrade3(benchmark::State& state) {
    const auto all = AllSingles();
    size_t bytes = 0;
    for (auto _ : state) {
        EngineHost host;
        host.Bind(nullptr, nullptr, nullptr);
        CoverageCache cache;
        cache.Build(all, all, 2, host);
        bytes = cache.MemoryBytes();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_CacheBuildFullGrade3)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
