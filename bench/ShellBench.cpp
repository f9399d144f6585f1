#include "QtBench.h"

#include <benchmark/benchmark.h>

#include <memory>

// Start-up to a shown and painted main window, splash aside: the document
// types, the main frame with its menus, bars and status bar, showing it
// maximised, painting it, and the data-folder check. The platform is the one
// of QT_QPA_PLATFORM (offscreen when there is no display).

namespace {

// Closing the application is not part of its start.
void stop(benchmark::State& state, std::unique_ptr<CApplication> application) {
    state.PauseTiming();
    application.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

// The first start of the process: Qt's application object, our resources and
// the French translation, first fonts and style, then the main window.
void BM_FirstStart(benchmark::State& state) {
    const DataRoot data;
    for (auto _ : state) {
        startQt();
        stop(state, startApplication(data.root));
    }
}
BENCHMARK(BM_FirstStart)->Iterations(1)->Unit(benchmark::kMillisecond);

// Every later start in the same process: the main window only.
void BM_Start(benchmark::State& state) {
    startQt();
    const DataRoot data;
    for (auto _ : state)
        stop(state, startApplication(data.root));
}
BENCHMARK(BM_Start)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
