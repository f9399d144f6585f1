#include "engine/Ensemble.h"
#include "engine/PersonSpeedEvaluation.h"
#include "gesturelogs/GestureXml.h"
#include "gesturelogs/LogFolder.h"
#include "gesturelogs/ShapeConfusion.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

// Goal: the per-person protocol over the whole single-stroke set (2,400 logs)
// at N = 9, reading the logs included, in under 10 s on a 2-core machine.
// The protocol trains on features computed once per example; each draw only
// pools the statistics again.

namespace {

const std::string kSingleStroke = std::string(VELMORA_DATASETS) + "/dollar1";

bool haveLogs(benchmark::State& state) {
    if (std::filesystem::is_directory(kSingleStroke))
        return true;
    state.SkipWithError(("no gesture logs at " + kSingleStroke).c_str());
    return false;
}

std::unique_ptr<CEnsemble> trainedLogs() {
    FolderImport import = importLogFolder(kSingleStroke);
    import.set->apprendre();
    return std::move(import.set);
}

// One log of 100 points as the XML loggers write it.
void BM_ReadGestureXml(benchmark::State& state) {
    std::string text = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                       "<Gesture Name=\"circle01\" Subject=\"2\" Speed=\"fast\" NumPts=\"100\">\n";
    for (int i = 0; i < 100; ++i)
        text += "  <Point X=\"" + std::to_string(100 + i) + "\" Y=\"" + std::to_string(250 - i) +
                "\" T=\"" + std::to_string(11462293 + 8 * i) + "\" />\n";
    text += "</Gesture>";
    for (auto _ : state) {
        const LogReadResult read = readGestureXml(text, "circle01.xml");
        benchmark::DoNotOptimize(read.log->drawing->totalLength());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// Reading the 2,400 logs and computing every example's features.
void BM_ImportAndFeatures(benchmark::State& state) {
    if (!haveLogs(state))
        return;
    for (auto _ : state) {
        const auto set = trainedLogs();
        benchmark::DoNotOptimize(set->nbClasses());
    }
}

// The protocol alone, 100 draws per person and speed.
void BM_PerPersonProtocol(benchmark::State& state) {
    if (!haveLogs(state))
        return;
    const auto set = trainedLogs();
    const int n = static_cast<int>(state.range(0));
    PersonSpeedResult result;
    for (auto _ : state) {
        result = evaluatePerPersonAndSpeed(*set, n, 100, 1);
        benchmark::DoNotOptimize(result.overall.right);
    }
    state.counters["gestes"] = result.overall.tests;
    state.counters["reconnus"] = result.overall.share(result.overall.right);
}

// What `velmora-gst eval dollar1 --train 9` does: read, compute, evaluate.
void BM_WholeSingleStrokeSetAtNine(benchmark::State& state) {
    if (!haveLogs(state))
        return;
    for (auto _ : state) {
        const auto set = trainedLogs();
        const PersonSpeedResult result = evaluatePerPersonAndSpeed(*set, 9, 100, 1);
        benchmark::DoNotOptimize(result.overall.right);
    }
}

void BM_ShapeConfusion(benchmark::State& state) {
    if (!haveLogs(state))
        return;
    const auto set = trainedLogs();
    for (auto _ : state) {
        const ShapeConfusion confusion = shapeConfusion(*set);
        benchmark::DoNotOptimize(confusion.counts.front().front());
    }
}

} // namespace

BENCHMARK(BM_ReadGestureXml)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImportAndFeatures)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PerPersonProtocol)->Arg(2)->Arg(9)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeSingleStrokeSetAtNine)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ShapeConfusion)->Unit(benchmark::kMillisecond);
