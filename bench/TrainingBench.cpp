#include "QtBench.h"
#include "engine/Ensemble.h"
#include "generator/ComponentGestures.h"
#include "gesture/GestureClock.h"
#include "gesture/GesturePlayer.h"
#include "shell/DocManager.h"
#include "training/Apprentissage.h"
#include "training/EvaluationDialog.h"
#include "training/ExempleView.h"

#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <memory>

// Drawing in the gesture-set editor: one mouse move with the left button down,
// with a stroke of 2,000 points already on screen, handled and painted (the
// event, the point added to the stroke, and the repaint of what changed). Goal:
// under 1 ms.

namespace {

constexpr int kPointsOnScreen = 2000;
constexpr int kMoves = 1000;

// A zigzag over the whole drawing area, so that the stroke crosses every part of it.
QPoint pointOnPath(int i) {
    return {20 + (i * 7) % 280, 20 + (i * 3) % 290};
}

struct Editor {
    DataRoot data;
    GestureClock::Manual clock;
    std::unique_ptr<CApplication> application = startApplication(data.root);
    CExempleView* view = nullptr;

    Editor() {
        CDocManager& documents = application->documents();
        documents.openNewDocument(*documents.findTemplate("Gesture"));
        auto* window = qobject_cast<CApprentissage*>(application->mainFrame()->activeChildFrame());
        if (window == nullptr)
            qFatal("no gesture-set window");
        view = &window->view();
        if (!QTest::qWaitForWindowExposed(view))
            qFatal("the drawing area was never shown");
    }
};

// `strokes` strokes: the earlier ones finished, each of kPointsOnScreen points,
// the last one being drawn with kPointsOnScreen points so far.
void BM_MoveWhileDrawing(benchmark::State& state) {
    startQt();
    Editor editor;
    GesturePlayer player(editor.view->capture(), editor.clock);
    int i = 0;
    for (int s = 0; s < state.range(0); ++s) {
        player.press(pointOnPath(i++));
        for (int p = 1; p < kPointsOnScreen; ++p) {
            editor.clock.advance(0.01);
            player.move(pointOnPath(i++));
        }
        if (s + 1 < state.range(0))
            player.release(pointOnPath(i - 1));
    }
    QCoreApplication::processEvents();
    for (auto _ : state) {
        editor.clock.advance(0.01);
        player.move(pointOnPath(i++));
        QCoreApplication::processEvents();
    }
    state.counters["points"] = i;
}
BENCHMARK(BM_MoveWhileDrawing)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(kMoves)
    ->Repetitions(5)
    ->Unit(benchmark::kMicrosecond);

// "Évaluer l'ensemble..." on 16 classes x 150 examples, from the dialog's
// opening (the set copied) to its first cross-validation fold on screen, and to
// the end of the learning curve. Goals: 2 s and 10 s.
void BM_EvaluationDialog(benchmark::State& state) {
    startQt();
    const auto set = componentSet(16, 150, 3);
    double first = 0.0;
    int examples = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        EvaluationDialog dialog(*set, nullptr);
        while (dialog.trainedResult().foldsDone == 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        first = clock.nsecsElapsed() / 1e9;
        while (!dialog.finished())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        examples = dialog.trainedResult().examples;
    }
    state.counters["premier_pli_s"] = first;
    state.counters["exemples"] = examples;
}
BENCHMARK(BM_EvaluationDialog)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
