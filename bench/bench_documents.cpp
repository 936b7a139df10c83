// Document files: saving and loading a data file of 100,000 singles (goal: each under 100 ms).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <random>

#include "documents/clsTFileTPD.h"

namespace {

using namespace kestrel;

constexpr int kSingles = 100'000;

DocumentRecord LargeDocument() {
    DocumentRecord doc;
    doc.Kaisaikai = 57;
    std::mt19937 rng(7);
    std::uniform_int_distribution<int32_t> single(0, 4095);
    doc.Singles.resize(kSingles);
    for (int32_t& s : doc.Singles) {
        s = single(rng);
    }
    for (int i = 0; i < 40; ++i) {
        doc.SakugenMessage += QStringLiteral("削減条件の報告行 %1\r\n").arg(i);
    }
    return doc;
}

void BM_SaveDocument100k(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.tpd"));
    const DocumentRecord doc = LargeDocument();
    clsTFileTPD file;
    for (auto _ : state) {
        if (!file.Save(path, true, doc)) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveDocument100k)->Unit(benchmark::kMillisecond);

void BM_LoadDocument100k(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.tpd"));
    clsTFileTPD file;
    if (!file.Save(path, true, LargeDocument())) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        DocumentRecord doc;
        if (!file.Load(path, doc) || doc.SingleCount() != kSingles) {
            state.SkipWithError("load failed");
            break;
        }
        benchmark::DoNotOptimize(doc.Singles.data());
    }
}
BENCHMARK(BM_LoadDocument100k)->Unit(benchmark::kMillisecond);

// The text alone, without the disk and the code-page conversion.
void BM_BuildText100k(benchmark::State& state) {
    const DocumentRecord doc = LargeDocument();
    for (auto _ : state) {
        benchmark::DoNotOptimize(clsTFileTPD::BuildText(true, doc));
    }
}
BENCHMARK(BM_BuildText100k)->Unit(benchmark::kMillisecond);

void BM_ParseText100k(benchmark::State& state) {
    const QString text = clsTFileTPD::BuildText(true, LargeDocument());
    for (auto _ : state) {
        DocumentRecord doc;
        benchmark::DoNotOptimize(clsTFileTPD::ParseText(text, doc));
    }
}
BENCHMARK(BM_ParseText100k)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
