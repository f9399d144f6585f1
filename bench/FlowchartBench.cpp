#include "flowchart/Commandes.h"
#include "flowchart/OrgArchive.h"
#include "flowchart/Organigramme.h"
#include "generator/DrawingGenerator.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

// Goals, on a flowchart of 100,000 components: writing it and reading it back
// under 100 ms each, finding the component under the pointer under 1 ms.

namespace {

constexpr int kComponents = 100'000;
// The components lie in a 20,000 x 20,000 pixel sheet.
constexpr int kSheet = 20'000;

// A large flowchart: every component kind, one text in eight, at gesture sizes
// and positions drawn at random, half of them at the fixed sizes.
std::unique_ptr<COrganigramme> largeFlowchart() {
    DrawingGenerator g(2024);
    auto org = std::make_unique<COrganigramme>();
    for (int i = 0; i < kComponents; ++i) {
        const int x = g.uniformInt(0, kSheet - 200);
        const int y = g.uniformInt(0, kSheet - 200);
        const CRect gesture{x, y, x + g.uniformInt(10, 200), y + g.uniformInt(10, 200)};
        org->setFixedSize(i % 2 == 0);
        org->setColor(static_cast<Colour>(g.uniformInt(0, 0xFFFFFF)));
        if (i % 8 == 7)
            org->AddElement(std::make_unique<CTexte>(org->color(), "Verdana", 12, gesture,
                                                     "Étape n° " + std::to_string(i)));
        else
            org->AddElement(creerComposant(g.uniformInt(102, 117), gesture, *org));
    }
    return org;
}

const std::unique_ptr<COrganigramme>& sharedFlowchart() {
    static const auto org = largeFlowchart();
    return org;
}

void BM_StoreOrganigramme(benchmark::State& state) {
    COrganigramme& org = *sharedFlowchart();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string stored = storeOrganigramme(org);
        bytes = stored.size();
        benchmark::DoNotOptimize(stored.data());
    }
    state.counters["octets"] = static_cast<double>(bytes);
}

void BM_LoadOrganigramme(benchmark::State& state) {
    const std::string bytes = storeOrganigramme(*sharedFlowchart());
    for (auto _ : state) {
        OrgLoadResult loaded = loadOrganigramme(bytes, "grand.org");
        if (!loaded.organigramme)
            state.SkipWithError(loaded.error.c_str());
        benchmark::DoNotOptimize(loaded.organigramme.get());
    }
}

std::string benchFile() {
    return (std::filesystem::temp_directory_path() / "velmora-bench-flowchart.org").string();
}

void BM_SaveOrganigrammeFile(benchmark::State& state) {
    COrganigramme& org = *sharedFlowchart();
    const std::string path = benchFile();
    for (auto _ : state) {
        const FileResult saved = saveOrganigrammeFile(path, org);
        if (!saved.ok)
            state.SkipWithError(saved.error.c_str());
    }
    std::filesystem::remove(path);
}

void BM_OpenOrganigrammeFile(benchmark::State& state) {
    const std::string path = benchFile();
    saveOrganigrammeFile(path, *sharedFlowchart());
    for (auto _ : state) {
        OrgLoadResult opened = openOrganigrammeFile(path);
        if (!opened.organigramme)
            state.SkipWithError(opened.error.c_str());
        benchmark::DoNotOptimize(opened.organigramme.get());
    }
    std::filesystem::remove(path);
}

// The worst case: a point outside every component walks the whole list.
void BM_HitTestMiss(benchmark::State& state) {
    const COrganigramme& org = *sharedFlowchart();
    for (auto _ : state)
        benchmark::DoNotOptimize(org.elementAt({-10, -10}));
}

void BM_HitTestAnywhere(benchmark::State& state) {
    const COrganigramme& org = *sharedFlowchart();
    DrawingGenerator g(7);
    std::vector<CPoint> points;
    for (int i = 0; i < 1024; ++i)
        points.push_back({g.uniformInt(0, kSheet), g.uniformInt(0, kSheet)});
    std::size_t next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(org.elementAt(points[next++ % points.size()]));
}

} // namespace

BENCHMARK(BM_StoreOrganigramme)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadOrganigramme)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveOrganigrammeFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenOrganigrammeFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HitTestMiss)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HitTestAnywhere)->Unit(benchmark::kMicrosecond);
