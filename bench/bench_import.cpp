// Image import of a 4096 x 4096 picture with the Small shape and "Number of globs" at 10 (a grid
// step of 2, so every pixel is read once), against one plain pass that sums every pixel of the
// same picture: the least any import must do.
#include "RatioReporter.h"
#include "core/base/CQuietHost.h"
#include "core/imaging/ImportSampler.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/CLongOperation.h"
#include "core/commands/ImageImport.h"
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

namespace {

constexpr int kSide = 4096;

// Gradients, discs and grain, so that samples differ as in a photograph.
CImage32 MakePicture()
{
    CImage32 img(kSide, kSide);
    uint32_t grain = 99;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const int dx = x - 2600, dy = y - 1200;
            const bool sun = dx * dx + dy * dy < 500 * 500;
            grain = grain * 1103515245u + 12345u;
            const int n = static_cast<int>((grain >> 16) % 7);
            img.Set(x, y, sun ? MakePixel(240 + n, 200 + n, 60 + n)
                              : MakePixel(130 - y / 50 + n, 200 - y / 40 + x / 100 + n, 230 - y / 20 + n));
        }
    return img;
}

const CImage32& Picture()
{
    static const CImage32 picture = MakePicture();
    return picture;
}

void BM_SumEveryPixel(benchmark::State& state)
{
    const CImage32& p = Picture();
    for (auto _ : state) {
        uint64_t r = 0, g = 0, b = 0;
        for (int y = 0; y < p.Height(); ++y) {
            const Pixel* row = p.Row(y);
            for (int x = 0; x < p.Width(); ++x) {
                r += (row[x] >> 16) & 255;
                g += (row[x] >> 8) & 255;
                b += row[x] & 255;
            }
        }
        benchmark::DoNotOptimize(r + g + b);
    }
}
BENCHMARK(BM_SumEveryPixel)->Unit(benchmark::kMillisecond);

// Phase one alone: the grid, the windows, the background test and the HSV samples.
void BM_SampleSmallSliderTen(benchmark::State& state)
{
    const CImage32& p = Picture();
    ImportGrid grid;
    grid.drawingWidth = grid.drawingHeight = kSide;
    grid.step = ImportGridStep('0', 10);
    std::vector<ImportSample> samples;
    for (auto _ : state) {
        CollectImportSamples(p, grid, samples, [](int) { return true; });
        benchmark::DoNotOptimize(samples.data());
    }
    state.counters["samples"] = static_cast<double>(samples.size());
}
BENCHMARK(BM_SampleSmallSliderTen)->Unit(benchmark::kMillisecond);

// The whole conversion: sampling, brightness order and one glob with its colour test per sample.
void BM_ImportSmallSliderTen(benchmark::State& state)
{
    const CImage32& p = Picture();
    CQuietHost host;
    CDaubrixApp app(host);
    app.ShapeTable().LoadShapes(std::string(DAUBRIX_DATA_DIR) + "/", &host);
    app.ShapeTable().PrepareAll();
    app.ShapeTable().m_currentShape = static_cast<uint8_t>(app.ShapeTable().FindShape('A', 0));
    app.Drawing().m_jitter = 0;
    app.Import().m_importGlobCount = 10;
    CDaubrixDoc doc(app.ShapeTable(), &host);
    doc.SetWidth(kSide);
    doc.SetHeight(kSide);
    CDaubrixView view(app, doc);
    view.OnInitialUpdate();
    ImportOutcome o;
    for (auto _ : state) {
        state.PauseTiming();
        doc.DeleteContents();
        view.OnInitialUpdate();
        state.ResumeTiming();
        CLongOperation op(host);
        o = ConvertImageToGlobs(view, p, op);
        benchmark::DoNotOptimize(doc.GetGlobCount());
    }
    state.counters["globs"] = o.placed;
    state.counters["colour changes"] = doc.GetColorChangeCount();
}
BENCHMARK(BM_ImportSmallSliderTen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::RunWithRatios(argc, argv,
                                {{"BM_SampleSmallSliderTen", "BM_SumEveryPixel"},
                                 {"BM_ImportSmallSliderTen", "BM_SumEveryPixel"}});
}
