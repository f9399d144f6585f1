#include "FreshCopies.h"
#include "generator/ShapePaths.h"
#include "recognizer/ShapeRecognizer.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

// A closed stroke of exactly `points` points round a circle.
std::unique_ptr<CDessin> closedStroke(int points) {
    auto stroke = std::make_unique<CStroke>();
    for (int i = 0; i < points; ++i) {
        const double a = 2 * 3.141592653589793 * i / (points - 1);
        stroke->addPoint(static_cast<int>(300 + 120 * std::cos(a)),
                         static_cast<int>(300 + 90 * std::sin(a)), i * 0.01);
    }
    auto drawing = std::make_unique<CDessin>();
    drawing->addStroke(std::move(stroke));
    return drawing;
}

// A scribble of `points` points wandering over a 400 x 300 box.
std::unique_ptr<CDessin> scribble(int points) {
    DrawingGenerator g(42);
    Path path;
    for (int i = 0; i < points / 6; ++i)
        path.push_back({g.uniform(100, 500), g.uniform(100, 400)});
    PenStyle style;
    style.sampleRateHz = 100;
    style.speed = 700;
    auto drawing = g.draw({path}, style);
    // Resample to the exact count asked, keeping the ink.
    auto exact = std::make_unique<CStroke>();
    const CStroke& s = drawing->stroke(0);
    for (int i = 0; i < points; ++i) {
        const CInkPoint& p = s.point(static_cast<int>(std::int64_t{i} * s.pointCount() / points));
        exact->addPoint(p.x, p.y, i * 0.01);
    }
    auto result = std::make_unique<CDessin>();
    result->addStroke(std::move(exact));
    return result;
}

// Each iteration recognises a fresh copy, so that no cached figure is reused.
void recognizeBench(benchmark::State& state, std::unique_ptr<CDessin> (*make)(int)) {
    const auto source = make(static_cast<int>(state.range(0)));
    CShapeRecognizer recognizer;
    FreshCopies copies(*source, 16);
    for (auto _ : state)
        benchmark::DoNotOptimize(recognizer.recognize(*copies.next(state)));
    state.SetComplexityN(state.range(0));
}

void BM_RecognizeClosedStroke(benchmark::State& state) {
    recognizeBench(state, closedStroke);
}
void BM_RecognizeScribble(benchmark::State& state) {
    recognizeBench(state, scribble);
}

// From 10,000 to 100,000 points, fitted on four sizes; the goal is at most 12
// times the time of 10,000 points for 100,000.
void largeDrawings(benchmark::internal::Benchmark* b) {
    for (const int points : {10'000, 20'000, 50'000, 100'000})
        b->Arg(points);
    b->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oNLogN);
}

} // namespace

BENCHMARK(BM_RecognizeClosedStroke)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecognizeClosedStroke)->Apply(largeDrawings);
BENCHMARK(BM_RecognizeScribble)->Arg(1000)->Apply(largeDrawings);
