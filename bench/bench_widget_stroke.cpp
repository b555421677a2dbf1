#include "BenchDrawing.h"
#include "RatioReporter.h"
#include "WidgetBench.h"
#include <QMouseEvent>
#include <cmath>

// A freehand stroke of 100 pointer moves on a drawing of 100 globs and on one of 5,000,000,
// through the program's window and through the engine alone. Each stroke is undone outside
// the timing, so every iteration meets the same drawing.
namespace {

struct Canvas {
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;
    std::unique_ptr<bench::CountingWidget> widget;

    Canvas(int globs, bool withWidget)
    {
        bench::Program& p = bench::TheProgram();
        doc = p.NewDoc();
        p.Fill(*doc, globs);
        view = std::make_unique<CDaubrixView>(p.app, *doc);
        if (withWidget) {
            widget = std::make_unique<bench::CountingWidget>(*view);
            widget->resize(bench::kWidth, bench::kHeight);
            widget->show();
        }
        view->OnInitialUpdate();
        Settle();
    }
    void Settle()
    {
        if (widget)
            bench::Settle(*widget);
        else
            view->PaintNowIfDue();
    }
    void Send(QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
    {
        QMouseEvent e(type, at, widget->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(widget.get(), &e);
    }
    // Down, 100 moves along a circle, up; the window shows each move before the next.
    void Stroke()
    {
        auto point = [](int i) {
            return QPoint(512 + static_cast<int>(200 * std::cos(i * 0.05)), 384 + static_cast<int>(200 * std::sin(i * 0.05)));
        };
        if (widget) {
            Send(QEvent::MouseButtonPress, point(0), Qt::LeftButton);
            for (int i = 1; i <= 100; ++i) {
                Send(QEvent::MouseMove, point(i), Qt::LeftButton);
                Settle();
            }
            Send(QEvent::MouseButtonRelease, point(100), Qt::NoButton);
        } else {
            view->Stroke().ButtonDown(point(0).x(), point(0).y(), false, false);
            for (int i = 1; i <= 100; ++i) {
                view->Stroke().MouseMove(point(i).x(), point(i).y(), false);
                Settle();
            }
            view->Stroke().ButtonUp();
        }
        Settle();
    }
};

void StrokeOn(benchmark::State& state, bool withWidget)
{
    bench::TheProgram().app.Drawing().m_jitter = 0;
    bench::TheProgram().app.Drawing().m_skipping = 0;
    Canvas c(static_cast<int>(state.range(0)), withWidget);
    for (auto _ : state) {
        c.Stroke();
        state.PauseTiming();
        c.view->History().Undo();
        c.Settle();
        state.ResumeTiming();
    }
    state.counters["globs"] = c.doc->GetGlobCount();
}

void BM_StrokeWidget(benchmark::State& state)
{
    StrokeOn(state, true);
}
BENCHMARK(BM_StrokeWidget)->Arg(100)->Arg(5000000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StrokeEngine(benchmark::State& state)
{
    StrokeOn(state, false);
}
BENCHMARK(BM_StrokeEngine)->Arg(100)->Arg(5000000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenPlatform();
    QApplication qapp(argc, argv);
    return bench::RunWithRatios(argc, argv,
                                {{"BM_StrokeWidget/5000000", "BM_StrokeWidget/100"},
                                 {"BM_StrokeEngine/5000000", "BM_StrokeEngine/100"},
                                 {"BM_StrokeWidget/100", "BM_StrokeEngine/100"},
                                 {"BM_StrokeWidget/5000000", "BM_StrokeEngine/5000000"}});
}
