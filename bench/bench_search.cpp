// The search run and the CSV exchange: the full multi with the default conditions through the
// search driver (reduction, fast engine at grade 2, frames, hit figures, report), and CSV save and
// load of 100,000 singles.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "workflow/SearchDriver.h"
#include "workflow/WorkingDocument.h"
#include "documents/clsTFileCSV.h"

using namespace kestrel;

namespace {

WorkingDocument FullMultiDocument(int32_t method) {
    WorkingDocument doc;
    for (auto& row : doc.Record.Multi) {
        row.fill(1);
    }
    doc.Record.Settings.MsEngine = method;
    return doc;
}

void BM_SearchFullMulti(benchmark::State& state) {
    SearchDriver driver;
    RunControl control;
    for (auto _ : state) {
        WorkingDocument doc = FullMultiDocument(static_cast<int32_t>(state.range(0)));
        driver.Search(doc, control);
        benchmark::DoNotOptimize(doc.Record.Singles.data());
    }
}
BENCHMARK(BM_SearchFullMulti)->Arg(0)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

std::vector<int32_t> LongList() {
    std::vector<int32_t> list(100000);
    for (size_t i = 0; i < list.size(); ++i) {
        list[i] = static_cast<int32_t>((i * 2654435761u) % 4096);
    }
    return list;
}

void BM_CsvSave100k(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.csv"));
    const std::vector<int32_t> list = LongList();
    clsTFileCSV csv;
    for (auto _ : state) {
        benchmark::DoNotOptimize(csv.CsvSave(path, list));
    }
}
BENCHMARK(BM_CsvSave100k)->Unit(benchmark::kMillisecond);

void BM_CsvLoad100k(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.csv"));
    clsTFileCSV csv;
    csv.CsvSave(path, LongList());
    std::vector<int32_t> loaded;
    for (auto _ : state) {
        benchmark::DoNotOptimize(csv.CsvLoad(path, loaded));
    }
}
BENCHMARK(BM_CsvLoad100k)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
