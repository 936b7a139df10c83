// Platform hot paths: Shift_JIS conversion of short fields and whole files, full-width folding of
// page cells, number formatting and report-column padding.

#include <benchmark/benchmark.h>

#include <QString>

#include "platform/TextCodec.h"
#include "platform/VbFormat.h"
#include "platform/clsTMsg.h"

using namespace kestrel;

namespace {

const QString kField = QString::fromUtf16(u"第1555回 ガンバ大阪 ①～ 13:00");

QString Document() {
    QString text;
    for (int i = 0; i < 2000; ++i) {
        text += QString::fromUtf16(u"SingleData = 1,2,3,0,1,2 ; 本命/全て/◎ %1\r\n").arg(i);
    }
    return text;
}

void BM_EncodeField(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextCodec::EncodeCp932(kField));
    }
}
BENCHMARK(BM_EncodeField);

void BM_DecodeField(benchmark::State& state) {
    const QByteArray bytes = TextCodec::EncodeCp932(kField);
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextCodec::DecodeCp932(bytes));
    }
}
BENCHMARK(BM_DecodeField);

void BM_EncodeDocument(benchmark::State& state) {
    const QString text = Document();
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextCodec::EncodeCp932(text));
    }
    state.SetBytesProcessed(state.iterations() * TextCodec::EncodeCp932(text).size());
}
BENCHMARK(BM_EncodeDocument);

void BM_DecodeDocument(benchmark::State& state) {
    const QByteArray bytes = TextCodec::EncodeCp932(Document());
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextCodec::DecodeCp932(bytes));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_DecodeDocument);

void BM_ToHalfWidthCell(benchmark::State& state) {
    const QString cell = QString::fromUtf16(u"１２，３４５（６．７８％）");
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextCodec::ToHalfWidth(cell));
    }
}
BENCHMARK(BM_ToHalfWidthCell);

void BM_FormatGrouped(benchmark::State& state) {
    double value = 1234567.891;
    for (auto _ : state) {
        benchmark::DoNotOptimize(VbFormat::Format(value, QStringLiteral("#,##0.00")));
        value += 1.0;
    }
}
BENCHMARK(BM_FormatGrouped);

void BM_PadLabel(benchmark::State& state) {
    const QString label = QString::fromUtf16(u"人気/全て/とても長い行ラベルです");
    for (auto _ : state) {
        benchmark::DoNotOptimize(clsTMsg::PadToColumns(label, 22));
    }
}
BENCHMARK(BM_PadLabel);

} // namespace

BENCHMARK_MAIN();
