#include "BenchDrawing.h"
#include "RatioReporter.h"
#include "WidgetBench.h"
#include "core/panels/CHistorySlider.h"
#include "core/commands/DocumentIO.h"

// The history window's previous-section and next-section moves on a 5,000,000-glob drawing
// with ten sections, in the program's window and in the engine alone, with the pictures kept
// at the section boundaries and without them.
namespace {

constexpr int kGlobs = 5000000;

struct Opened {
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;
    std::unique_ptr<bench::CountingWidget> widget;

    Opened(bool withWidget, bool keepPictures)
    {
        bench::Program& p = bench::TheProgram();
        doc = p.NewDoc();
        DocumentBackground background;
        ReadDocumentFile(bench::DrawingFile(kGlobs), *doc, &background, false, p.host);
        view = std::make_unique<CDaubrixView>(p.app, *doc);
        if (!keepPictures)
            view->Checkpoints().SetBudget(0);
        if (withWidget) {
            widget = std::make_unique<bench::CountingWidget>(*view);
            widget->resize(bench::kWidth, bench::kHeight);
        }
        ShowOpenedDocument(*view, std::move(background));
        if (widget) {
            widget->show();
            bench::Settle(*widget);
        } else {
            view->Paint();
        }
    }
    void MoveTo(int position)
    {
        CHistorySlider slider;
        slider.Rebuild(*view);
        slider.EndMove(*view, position);
        if (widget)
            bench::Settle(*widget);
        else
            view->PaintNowIfDue();
    }
};

// One section back and forward again, as the two buttons of the history window do.
void BackAndForth(benchmark::State& state, bool withWidget)
{
    const bool keep = state.range(0) != 0;
    Opened o(withWidget, keep);
    const int end = o.doc->GetGlobCount();
    const int back = CHistorySlider::PreviousTarget(*o.doc, end);
    for (auto _ : state) {
        o.MoveTo(back);
        o.MoveTo(end);
    }
    state.counters["pictures_MB_peak"] = static_cast<double>(o.view->Checkpoints().PeakBytes()) / 1e6;
    state.counters["pictures_kept"] = o.view->Checkpoints().Count();
}

void BM_SliderSectionWidget(benchmark::State& state)
{
    BackAndForth(state, true);
}
BENCHMARK(BM_SliderSectionWidget)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SliderSectionEngine(benchmark::State& state)
{
    BackAndForth(state, false);
}
BENCHMARK(BM_SliderSectionEngine)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenPlatform();
    QApplication qapp(argc, argv);
    return bench::RunWithRatios(argc, argv,
                                {{"BM_SliderSectionWidget/1", "BM_SliderSectionEngine/1"},
                                 {"BM_SliderSectionWidget/0", "BM_SliderSectionEngine/0"},
                                 {"BM_SliderSectionWidget/1", "BM_SliderSectionWidget/0"}});
}
