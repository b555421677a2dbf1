// Simulate Depth over a drawing of a million globs, against one regeneration of it.
#include "BenchShapes.h"
#include "core/base/CQuietHost.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/depth/CDepthRecolorer.h"
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {
constexpr int kGlobs = 1000000;
constexpr int kWidth = 1024, kHeight = 768;

// Medium shapes, a new shape every 1000 globs and a colour change every 100.
struct Scene {
    CQuietHost host;
    CDaubrixApp app{host};
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;

    Scene()
    {
        CShapeTable& table = app.ShapeTable();
        const std::vector<int> medium = LoadMediumShapes(table, host);
        doc = std::make_unique<CDaubrixDoc>(table, &host);
        doc->SetWidth(kWidth);
        doc->SetHeight(kHeight);
        CRandom rnd(4321);
        for (int i = 0; i < kGlobs; ++i) {
            table.m_currentShape = static_cast<uint8_t>(medium[static_cast<size_t>(i / 1000) % medium.size()]);
            if (i % 100 == 0)
                doc->SetColorChange(i, rnd.Next() % 360, 128 + rnd.Next() % 128, 160 + rnd.Next() % 96);
            doc->AppendGlob(rnd.Next() % kWidth, rnd.Next() % kHeight);
        }
        view = std::make_unique<CDaubrixView>(app, *doc);
        view->OnInitialUpdate();
        view->Paint();
    }
};

Scene& TheScene()
{
    static Scene scene;
    return scene;
}

// The recolouring alone, entire drawing; the colour changes are put back between runs.
void Recolour(benchmark::State& state, bool light)
{
    Scene& s = TheScene();
    const CShape& cur = s.app.CurrentShape();
    for (auto _ : state) {
        state.PauseTiming();
        s.doc->SaveColorChanges();
        state.ResumeTiming();
        CDepthRecolorer(*s.doc, {cur.m_hue, cur.m_saturation, cur.m_value}).Apply({true, light, 0, 25}, 0, kGlobs);
        state.PauseTiming();
        s.doc->SwapColorChanges();
        state.ResumeTiming();
    }
    state.counters["changes"] = s.doc->GetColorChangeCount();
}

void BM_SimulateDepthLight(benchmark::State& state)
{
    Recolour(state, true);
}
BENCHMARK(BM_SimulateDepthLight)->Unit(benchmark::kMillisecond);

void BM_SimulateDepthChroma(benchmark::State& state)
{
    Recolour(state, false);
}
BENCHMARK(BM_SimulateDepthChroma)->Unit(benchmark::kMillisecond);

// The baseline: one regeneration of the same drawing.
void BM_RegenerateMillionGlobs(benchmark::State& state)
{
    Scene& s = TheScene();
    for (auto _ : state) {
        s.view->Regenerate();
        s.view->Paint();
        benchmark::DoNotOptimize(s.view->DrawingImage().Data());
    }
}
BENCHMARK(BM_RegenerateMillionGlobs)->Unit(benchmark::kMillisecond)->Iterations(3);
} // namespace

BENCHMARK_MAIN();
