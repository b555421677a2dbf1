// A regeneration of 100000 Medium globs, against copying as many stamp bytes with memcpy.
#include "BenchDrawing.h"
#include "core/view/CDaubrixView.h"
#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#include <vector>

namespace {
constexpr int kGlobs = 100000;
using bench::kHeight;
using bench::kWidth;

struct Scene {
    bench::Program program;
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;
    size_t stampBytes = 0;   // bytes of shape pixels the replay writes

    Scene()
    {
        doc = program.NewDoc();
        program.Fill(*doc, kGlobs, 0);
        for (const CGlob& g : doc->Globs()) {
            const CImage32& img = program.app.ShapeTable().Shape(g.m_shape).Colored();
            stampBytes += static_cast<size_t>(img.Width()) * static_cast<size_t>(img.Height()) * 4;
        }
        view = std::make_unique<CDaubrixView>(program.app, *doc);
        view->OnInitialUpdate();
        view->Paint();
    }
};

Scene& TheScene()
{
    static Scene scene;
    return scene;
}

void BM_RegenerateMediumGlobs(benchmark::State& state)
{
    Scene& s = TheScene();
    for (auto _ : state) {
        s.view->Regenerate();
        s.view->Paint();
        benchmark::DoNotOptimize(s.view->DrawingImage().Data());
    }
    state.counters["globs/s"] = benchmark::Counter(static_cast<double>(kGlobs) * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RegenerateMediumGlobs)->Unit(benchmark::kMillisecond);

// The floor: copying the same number of stamp bytes, row by row as a stamp would, with memcpy.
void BM_MemcpySameStampBytes(benchmark::State& state)
{
    Scene& s = TheScene();
    std::vector<uint32_t> src(static_cast<size_t>(kWidth) * kHeight, 0xFF102030u), dst(src.size());
    for (auto _ : state) {
        size_t left = s.stampBytes, offset = 0;
        while (left > 0) {
            size_t n = std::min<size_t>(left, 64);   // one Medium stamp row is about 16 pixels
            std::memcpy(reinterpret_cast<char*>(dst.data()) + offset, reinterpret_cast<const char*>(src.data()) + offset, n);
            offset = (offset + 4096 + n) % (dst.size() * 4 - 64);
            left -= n;
        }
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.counters["globs/s"] = benchmark::Counter(static_cast<double>(kGlobs) * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
    state.counters["MB"] = static_cast<double>(s.stampBytes) / 1e6;
}
BENCHMARK(BM_MemcpySameStampBytes)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
