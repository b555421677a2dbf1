#include "BenchDrawing.h"
#include "RatioReporter.h"
#include "WidgetBench.h"
#include "app/shell/CQtHost.h"
#include "core/commands/DocumentIO.h"

// Freshly imported globs painted in the program's window, looking for ESC every hundred globs
// through the program's own host, against the engine regenerating them with no window.
namespace {

constexpr int kGlobs = 1000000;

void BM_ImportPaintWidget(benchmark::State& state)
{
    static bench::ProgramWith<CQtHost> program;
    auto doc = program.NewDoc();
    DocumentBackground background;
    ReadDocumentFile(bench::DrawingFile(kGlobs), *doc, &background, false, program.host);
    CDaubrixView view(program.app, *doc);
    // Every glob drawn, as after an import: nothing kept to copy instead.
    view.Checkpoints().SetBudget(0);
    bench::CountingWidget widget(view);
    widget.resize(bench::kWidth, bench::kHeight);
    ShowOpenedDocument(view, std::move(background));
    widget.show();
    bench::Settle(widget);
    for (auto _ : state) {
        state.PauseTiming();
        view.BrowseTo(0);
        bench::Settle(widget);
        // An import starts from the picture as it stands.
        view.SaveUndoImage();
        state.ResumeTiming();
        view.BeginImportDrawing();
        view.BrowseTo(doc->GetGlobCount());
        bench::Settle(widget);
    }
}
BENCHMARK(BM_ImportPaintWidget)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EngineRegenerate(benchmark::State& state)
{
    bench::EngineRegenerate(state, kGlobs);
}
BENCHMARK(BM_EngineRegenerate)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenPlatform();
    QApplication qapp(argc, argv);
    return bench::RunWithRatios(argc, argv, {{"BM_ImportPaintWidget", "BM_EngineRegenerate"}});
}
