// Playing a 1,000,000-glob drawing back in 10 s at 60 frames per second: the engine's time for
// one frame (the history position moved on by a frame's globs and those globs drawn), against
// the frame budget of 1/60 s spent busy in the same run. A ratio below 1 keeps up.
#include "BenchDrawing.h"
#include "RatioReporter.h"
#include "core/panels/CPlayback.h"
#include <chrono>
#include <memory>
#include <optional>

namespace {
constexpr int kGlobs = 1000000;
constexpr double kSeconds = 10;
constexpr double kFrameRate = 60;

struct Scene {
    bench::Program program;
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;
    std::optional<CPlayback> play;

    Scene()
    {
        doc = program.NewDoc();
        program.Fill(*doc, kGlobs);
        view = std::make_unique<CDaubrixView>(program.app, *doc);
        view->OnInitialUpdate();
        view->Paint();
        Rewind();
    }
    // Back to the floor, as Play at the end does.
    void Rewind()
    {
        view->BrowseTo(doc->Sections().Floor());
        view->Paint();
        play.emplace(doc->Sections().Floor(), doc->GetGlobCount(), CPlayback::FrameCount(kSeconds, kFrameRate));
    }
};

Scene& TheScene()
{
    static Scene scene;
    return scene;
}

void BM_PlaybackFrame(benchmark::State& state)
{
    Scene& s = TheScene();
    int64_t globs = 0;
    for (auto _ : state) {
        if (s.play->Done()) {
            state.PauseTiming();
            s.Rewind();
            state.ResumeTiming();
        }
        const CPlayback::Range r = s.play->Next();
        s.view->BrowseTo(r.to);
        s.view->Paint();
        globs += r.to - r.from;
        benchmark::DoNotOptimize(s.view->DrawingImage().Data());
    }
    state.counters["globs/frame"] = static_cast<double>(globs) / static_cast<double>(std::max<int64_t>(state.iterations(), 1));
}
BENCHMARK(BM_PlaybackFrame)->Unit(benchmark::kMillisecond);

// The budget of one frame at 60 per second, spent busy so that processor time counts it too.
void BM_FrameBudget60(benchmark::State& state)
{
    const auto budget = std::chrono::nanoseconds(static_cast<int64_t>(1e9 / kFrameRate));
    for (auto _ : state) {
        const auto until = std::chrono::steady_clock::now() + budget;
        while (std::chrono::steady_clock::now() < until)
            benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FrameBudget60)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return bench::RunWithRatios(argc, argv, {{"BM_PlaybackFrame", "BM_FrameBudget60"}});
}
