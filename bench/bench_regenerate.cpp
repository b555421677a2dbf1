#include "core/shell/CDaubrixApp.h"
#include "core/base/IHost.h"
#include "core/view/CDaubrixView.h"
#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#include <vector>

namespace {
class SilentHost : public IHost {
public:
    void Message(const std::string&, MsgIcon, const std::string&) override {}
    MsgAnswer Ask(const std::string&, MsgButtons, MsgIcon, const std::string&) override { return MsgAnswer::Yes; }
    void ShowProgress(int) override {}
    void ClearProgress() override {}
    std::string GetStatusText() override { return {}; }
    void SetStatusText(const std::string&) override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    int TakePendingKey() override { return 0; }
};

constexpr int kGlobs = 100000;
constexpr int kWidth = 1024, kHeight = 768;

struct Scene {
    SilentHost host;
    CDaubrixApp app{host};
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;
    size_t stampBytes = 0;   // bytes of shape pixels the replay writes

    Scene()
    {
        app.ShapeTable().LoadShapes(std::string(DAUBRIX_DATA_DIR) + "/", &host);
        app.ShapeTable().PrepareAll();
        doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &host);
        doc->m_width = kWidth;
        doc->m_height = kHeight;
        // Medium shapes only, cycling through the families, a colour change every 500 globs.
        std::vector<int> medium;
        for (int i = 0; i < app.ShapeTable().Count(); ++i)
            if (app.ShapeTable().m_shapeNames[static_cast<size_t>(i)].size() > 2 && app.ShapeTable().m_shapeNames[static_cast<size_t>(i)][2] == '1')
                medium.push_back(i);
        CRandom rnd(12345);
        for (int i = 0; i < kGlobs; ++i) {
            int shape = medium[static_cast<size_t>(i / 500) % medium.size()];
            app.ShapeTable().m_currentShape = static_cast<uint8_t>(shape);
            if (i % 500 == 0)
                doc->SetColorChange(i, rnd.Next() % 360, 128 + rnd.Next() % 128, 160 + rnd.Next() % 96);
            doc->AppendGlob(rnd.Next() % kWidth, rnd.Next() % kHeight);
            const CImage32& img = app.ShapeTable().Shape(shape).Colored();
            stampBytes += static_cast<size_t>(img.Width()) * static_cast<size_t>(img.Height()) * 4;
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
