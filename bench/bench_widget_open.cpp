#include "BenchDrawing.h"
#include "RatioReporter.h"
#include "WidgetBench.h"
#include "core/commands/DocumentIO.h"

// Opening a drawing in the program's window and waiting for its complete picture, against the
// engine regenerating the same globs with no window at all.
namespace {

void BM_OpenAndPaint(benchmark::State& state)
{
    bench::Program& p = bench::TheProgram();
    const std::string& path = bench::DrawingFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto doc = p.NewDoc();
        DocumentBackground background;
        if (!ReadDocumentFile(path, *doc, &background, false, p.host))
            state.SkipWithError("drawing not read");
        CDaubrixView view(p.app, *doc);
        bench::CountingWidget widget(view);
        widget.resize(bench::kWidth, bench::kHeight);
        ShowOpenedDocument(view, std::move(background));
        widget.show();
        bench::Settle(widget);
    }
}
BENCHMARK(BM_OpenAndPaint)->Arg(1000000)->Arg(5000000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EngineRegenerate(benchmark::State& state)
{
    bench::EngineRegenerate(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_EngineRegenerate)->Arg(1000000)->Arg(5000000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenPlatform();
    QApplication qapp(argc, argv);
    return bench::RunWithRatios(argc, argv,
                                {{"BM_OpenAndPaint/1000000", "BM_EngineRegenerate/1000000"},
                                 {"BM_OpenAndPaint/5000000", "BM_EngineRegenerate/5000000"}});
}
