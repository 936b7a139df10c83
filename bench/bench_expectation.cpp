// Expected-value figures: the per-result tables of one vote status and odds, a list's figures in
// one pass over the 4096 results, and the brute-force definition for comparison.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "core/ExpectedValue.h"
#include "core/clsTMoney.h"
#include "core/clsTNumber.h"

using namespace kestrel;

namespace {

VoteRecord Vote() {
    VoteRecord v;
    std::mt19937 random(11);
    std::uniform_int_distribution<int64_t> count(1, 100000);
    for (auto& slot : v.Slots) {
        for (auto& vote : slot.Votes) {
            vote.Count = Money::FromInt(count(random));
        }
    }
    return v;
}

std::vector<int32_t> List(int64_t size) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int32_t> single(0, kSingleCount - 1);
    std::vector<int32_t> list(static_cast<size_t>(size));
    for (auto& s : list) {
        s = single(random);
    }
    return list;
}

// Tables of one vote status and odds: 4096 probabilities, estimates and single figures.
void BM_ExpectedValueSet(benchmark::State& state) {
    const VoteRecord vote = Vote();
    const PlayerOdds odds = PlayerOdds::FromVote(vote);
    ExpectedValue ev;
    for (auto _ : state) {
        ev.Set(vote, odds);
        benchmark::DoNotOptimize(ev.SingleExpected(0));
    }
}
BENCHMARK(BM_ExpectedValueSet)->Unit(benchmark::kMillisecond);

// The list figures (histogram, then one pass over the results).
void BM_ExpectedValueList(benchmark::State& state) {
    const VoteRecord vote = Vote();
    ExpectedValue ev;
    ev.Set(vote, PlayerOdds::FromVote(vote));
    const std::vector<int32_t> list = List(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ev.ForList(list).Expected);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExpectedValueList)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Tables and list together, as a refresh of the summary panel does after a search.
void BM_ExpectedValueSetAndList(benchmark::State& state) {
    const VoteRecord vote = Vote();
    const PlayerOdds odds = PlayerOdds::FromVote(vote);
    const std::vector<int32_t> list = List(state.range(0));
    for (auto _ : state) {
        ExpectedValue ev;
        ev.Set(vote, odds);
        benchmark::DoNotOptimize(ev.ForList(list).Expected);
    }
}
BENCHMARK(BM_ExpectedValueSetAndList)->Arg(100000)->Unit(benchmark::kMillisecond);

// The definition summed naively: every result against every single of the list.
void BM_ExpectedValueBruteForce(benchmark::State& state) {
    const VoteRecord vote = Vote();
    const PlayerOdds odds = PlayerOdds::FromVote(vote);
    clsTMoney money;
    money.SetVote(vote);
    const std::vector<int32_t> list = List(state.range(0));
    for (auto _ : state) {
        double sum = 0.0;
        for (int32_t r = 0; r < kSingleCount; ++r) {
            const double p = odds.SingleProbability(r);
            const double m1 = money.GetMoney1No(r).ToDouble();
            const double m2 = money.GetMoney2No(r).ToDouble();
            for (const int32_t s : list) {
                const int d = clsTNumber::Distance(s, r);
                sum += d == 0 ? p * m1 : (d == 1 ? p * m2 : 0.0);
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ExpectedValueBruteForce)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
