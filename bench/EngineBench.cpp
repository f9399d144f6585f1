#include "FreshCopies.h"
#include "engine/AReconnaitre.h"
#include "engine/FichierEnsemble.h"
#include "generator/ComponentGestures.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

// A circle of exactly `points` points, drawn as a person draws it.
std::unique_ptr<CDessin> sampledCircle(int points) {
    DrawingGenerator g(8);
    PenStyle style;
    style.sampleRateHz = 100;
    style.speed = 400;
    const auto drawn = g.draw(componentGesture(8, g, {300, 300}, 120), style);
    const CStroke& s = drawn->stroke(0);
    auto stroke = std::make_unique<CStroke>();
    for (int i = 0; i < points; ++i) {
        const CInkPoint& p = s.point(static_cast<int>(std::int64_t{i} * s.pointCount() / points));
        stroke->addPoint(p.x, p.y, i * 0.01);
    }
    auto drawing = std::make_unique<CDessin>();
    drawing->addStroke(std::move(stroke));
    return drawing;
}

// Features and recognition of a new gesture of `points` points against
// `classes` classes of `examples` examples, as a drawing view does it: one
// recognition object bound to the set, a fresh drawing each time (its hull is
// computed within the timing). The goal, 65 points against 16 classes: 2.5 us.
void BM_FeaturesAndRecognition(benchmark::State& state) {
    const auto set =
        componentSet(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)), 1);
    const auto source = sampledCircle(static_cast<int>(state.range(0)));
    CAReconnaitre shape(*set);
    // Batches of about the same memory whatever the size.
    FreshCopies copies(*source, std::max<std::size_t>(2, 6400 / source->pointCount()));
    for (auto _ : state) {
        shape.setDessin(std::move(copies.next(state)));
        shape.calculerCaracteristiques();
        shape.reconnaitre();
        benchmark::DoNotOptimize(shape.code());
    }
    state.counters["classe"] = shape.meilleurIndice();
}

// The same on a drawing whose figures are already known.
void BM_FeaturesAndRecognitionCachedHull(benchmark::State& state) {
    const auto set = componentSet(kComponentGestureCount, 20, 1);
    CAReconnaitre shape(*set);
    shape.setDessin(sampledCircle(100));
    for (auto _ : state) {
        shape.calculerCaracteristiques();
        shape.reconnaitre();
        benchmark::DoNotOptimize(shape.code());
    }
}

// Full training of 17 classes x 20 examples, as after any change in the editor:
// the examples' drawings already know their figures.
void BM_Apprendre(benchmark::State& state) {
    const auto set = componentSet(kComponentGestureCount, 20, 2);
    for (auto _ : state) {
        set->apprendre();
        benchmark::DoNotOptimize(set->statistiques().inverse(0, 0));
    }
}

// The first training after reading, `classes` x `examples`: every drawing's
// hull is computed too. The goal for 16 x 9: 0.4 ms.
void BM_ApprendreNewDrawings(benchmark::State& state) {
    const auto model =
        componentSet(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 2);
    // The set trained last is let go while the clock is stopped: its
    // destruction is no part of a training.
    std::unique_ptr<CEnsemble> trained;
    for (auto _ : state) {
        state.PauseTiming();
        trained = std::make_unique<CEnsemble>();
        CEnsemble& set = *trained;
        for (int c = 0; c < model->nbClasses(); ++c) {
            auto classe = std::make_unique<CClasse>(model->classe(c).nom(), "");
            for (int e = 0; e < model->classe(c).nbExemples(); ++e) {
                auto exemple = std::make_unique<CExemple>(model->classe(c).exemple(e).nom());
                exemple->setDessin(model->classe(c).exemple(e).dessin()->clone());
                classe->ajouterExemple(std::move(exemple));
            }
            set.ajouterClasse(std::move(classe));
        }
        state.ResumeTiming();
        set.apprendre();
        benchmark::DoNotOptimize(set.statistiques().inverse(0, 0));
    }
}

// Reading (and training) a gesture-set file of about 5 MB.
void BM_ChargerEnsemble(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path();
    const std::string name = "velmora-bench-" + std::to_string(::getpid()) + ".gst";
    auto set = componentSet(kComponentGestureCount, 230, 3);
    if (!enregistrerEnsemble(*set, folder.string() + "/", name).ok) {
        state.SkipWithError("écriture impossible");
        return;
    }
    const std::string path = folder.string() + "/" + name;
    const auto bytes = std::filesystem::file_size(path);
    for (auto _ : state) {
        LectureEnsemble read = chargerEnsemble(path);
        benchmark::DoNotOptimize(read.ensemble->nbClasses());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["Mo"] = static_cast<double>(bytes) / 1e6;
    std::filesystem::remove(path);
}

// What a new flowchart does first: reading and training the three shipped sets.
// Goal: under 100 ms, so that the flowchart opens without a wait.
void BM_ChargerEnsemblesLivres(benchmark::State& state) {
    const std::string folder = VELMORA_RES_DIR;
    for (auto _ : state) {
        for (const char* name : {"formes.gst", "commandes.gst", "lettres.gst"}) {
            LectureEnsemble read = chargerEnsemble(folder + name);
            if (!read.erreur.empty()) {
                state.SkipWithError(read.erreur.c_str());
                return;
            }
            benchmark::DoNotOptimize(read.ensemble->nbClasses());
        }
    }
}

} // namespace

BENCHMARK(BM_FeaturesAndRecognition)
    ->ArgNames({"points", "classes", "exemples"})
    ->Args({65, 16, 9})
    ->Args({100, kComponentGestureCount, 20})
    ->Args({10'000, 16, 9})
    ->Args({100'000, 16, 9})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FeaturesAndRecognitionCachedHull)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Apprendre)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ApprendreNewDrawings)
    ->ArgNames({"classes", "exemples"})
    ->Args({16, 9})
    ->Args({kComponentGestureCount, 20})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChargerEnsemble)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChargerEnsemblesLivres)->Unit(benchmark::kMillisecond)->UseRealTime();
