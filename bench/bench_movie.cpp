// Movie export of a 1,000,000-glob drawing, 1,000 frames at 1024 × 768, against its floors: the
// same frames encoded alone (Motion JPEG) and the same frame bytes written alone (uncompressed);
// and an MP4 at 1280 × 720 against its frames encoded alone.
// The export's extra cost is drawing 1,000 globs and scaling one frame per frame.
#include "core/base/CQuietHost.h"
#include "core/movie/AviWriter.h"
#include "core/movie/CAviSink.h"
#include "core/movie/CContainerSink.h"
#include "core/movie/CFrameScaler.h"
#include "core/movie/IMovieSink.h"
#include "core/movie/MovieExport.h"
#include "core/movie/MovieSchedule.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/CLongOperation.h"
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int kGlobs = 1000000;
constexpr int kFrames = 1000;
constexpr int kWidth = 1024, kHeight = 768;
constexpr int kWideWidth = 1280, kWideHeight = 720;

struct Scene {
    CQuietHost host;
    CDaubrixApp app{host};
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;
    std::vector<std::vector<uint8_t>> frames;   // the export's frames, for the floors
    std::map<std::string, double> seconds;

    int width, height;

    Scene(int w, int h) : width(w), height(h)
    {
        app.ShapeTable().LoadShapes(std::string(DAUBRIX_DATA_DIR) + "/", &host);
        app.ShapeTable().PrepareAll();
        doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &host);
        doc->SetWidth(width);
        doc->SetHeight(height);
        std::vector<int> small;
        for (int i = 0; i < app.ShapeTable().Count(); ++i)
            if (app.ShapeTable().m_shapeNames[static_cast<size_t>(i)].size() > 2
                && app.ShapeTable().m_shapeNames[static_cast<size_t>(i)][2] <= '1')
                small.push_back(i);
        CRandom rnd(4242);
        int x = 0, y = 0;
        for (int i = 0; i < kGlobs; ++i) {
            const int shape = small[static_cast<size_t>(i / 2000) % small.size()];
            app.ShapeTable().m_currentShape = static_cast<uint8_t>(shape);
            if (i % 2000 == 0)
                doc->SetColorChange(i, rnd.Next() % 360, 128 + rnd.Next() % 128, 160 + rnd.Next() % 96);
            // Strokes: runs of nearby globs, as a hand would place them.
            if (i % 200 == 0) {
                x = rnd.Next() % width;
                y = rnd.Next() % height;
            }
            x = std::clamp(x + rnd.Next() % 7 - 3, 0, width - 1);
            y = std::clamp(y + rnd.Next() % 7 - 3, 0, height - 1);
            doc->AppendGlob(x, y);
        }
        view = std::make_unique<CDaubrixView>(app, *doc);
        view->OnInitialUpdate();
        view->Paint();
    }
};

Scene& TheScene()
{
    static Scene scene(kWidth, kHeight);
    return scene;
}

// For the MP4 pair only; built when they run.
Scene& WideScene()
{
    static Scene scene(kWideWidth, kWideHeight);
    return scene;
}

std::string MoviePath(const char* name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

AviOptions Options(uint32_t handler)
{
    AviOptions o;
    o.handler = handler;
    o.quality = 8500;
    o.keyFramesOn = 0;
    return o;
}

// Keeps every frame it is given, for the floors to use the very same pictures.
class CKeepingSink : public IMovieSink {
public:
    explicit CKeepingSink(std::vector<std::vector<uint8_t>>& frames) : m_frames(frames) {}
    bool IsMovie() const override { return false; }
    bool AddFrame(const CFrameScaler& f, int) override
    {
        m_frames.push_back(f.Record());
        return true;
    }
    bool Finish(bool) override { return true; }
    std::string Failure() const override { return {}; }

private:
    std::vector<std::vector<uint8_t>>& m_frames;
};

void Export(benchmark::State& state, uint32_t handler, const char* key)
{
    Scene& s = TheScene();
    const std::vector<int> counts = MovieFrameCounts(kGlobs, kFrames, false);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        CLongOperation op(s.host);
        CAviSink sink;
        if (sink.Open(MoviePath("daubrix-bench.avi"), Options(handler), 30, kWidth, kHeight) != CAviSink::Start::Ok)
            state.SkipWithError("cannot open the movie");
        CFrameScaler scaler(kWidth, kHeight);
        const MovieExportResult r = ExportMovieFrames(*s.view, counts, 0, scaler, sink, op, s.host);
        if (!r.completed)
            state.SkipWithError("export failed");
        s.seconds[key] = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    std::filesystem::remove(MoviePath("daubrix-bench.avi"));
}

void KeepFrames(Scene& s)
{
    if (!s.frames.empty())
        return;
    CLongOperation op(s.host);
    CKeepingSink keep(s.frames);
    CFrameScaler scaler(s.width, s.height);
    ExportMovieFrames(*s.view, MovieFrameCounts(kGlobs, kFrames, false), 0, scaler, keep, op, s.host);
}

void Alone(benchmark::State& state, uint32_t handler, const char* key)
{
    Scene& s = TheScene();
    KeepFrames(s);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        AviWriter writer;
        const AviOptions o = Options(handler);
        writer.SetParams(BitmapInfo::Rgb24(kWidth, kHeight), o.handler, o.quality, false, 0, false, 0, 30, {});
        bool ok = writer.Open(MoviePath("daubrix-bench-alone.avi"));
        for (const auto& f : s.frames)
            ok = ok && writer.AddFrame(f.data() + PackedDib::kHeaderSize);
        ok = ok && writer.Close(true);
        if (!ok)
            state.SkipWithError("writing failed");
        s.seconds[key] = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    std::filesystem::remove(MoviePath("daubrix-bench-alone.avi"));
}

void Mp4(benchmark::State& state, bool alone)
{
    Scene& s = WideScene();
    if (alone)
        KeepFrames(s);
    AviOptions o = Options(FourCC("H264"));
    o.quality = 7500;
    const std::vector<int> counts = MovieFrameCounts(kGlobs, kFrames, false);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        CContainerSink sink;
        if (!sink.Open(MoviePath("daubrix-bench.mp4"), MovieContainer::Mp4, o, 30, s.width, s.height))
            state.SkipWithError("cannot open the movie");
        CFrameScaler scaler(s.width, s.height);
        bool ok = true;
        if (alone) {
            for (size_t i = 0; i < s.frames.size() && ok; ++i)
                ok = scaler.Take(s.frames[i]) && sink.AddFrame(scaler, static_cast<int>(i));
            ok = ok && sink.Finish(true);
        } else {
            CLongOperation op(s.host);
            ok = ExportMovieFrames(*s.view, counts, 0, scaler, sink, op, s.host).completed;
        }
        if (!ok)
            state.SkipWithError("writing failed");
        s.seconds[alone ? "alone mp4" : "export mp4"] =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    std::filesystem::remove(MoviePath("daubrix-bench.mp4"));
    if (!alone) {
        std::printf("MP4 1280 x 720: export %.2f s, encoding alone %.2f s, ratio %.3f\n", s.seconds["export mp4"],
                    s.seconds["alone mp4"], s.seconds["export mp4"] / s.seconds["alone mp4"]);
    }
}

void BM_Mp4EncodeAlone(benchmark::State& state) { Mp4(state, true); }
void BM_Mp4Export(benchmark::State& state) { Mp4(state, false); }

void BM_ExportMotionJpeg(benchmark::State& state) { Export(state, FourCC("MJPG"), "export mjpeg"); }
void BM_EncodeMotionJpegAlone(benchmark::State& state) { Alone(state, FourCC("MJPG"), "alone mjpeg"); }
void BM_ExportUncompressed(benchmark::State& state) { Export(state, 0, "export raw"); }
void BM_WriteUncompressedAlone(benchmark::State& state) { Alone(state, 0, "alone raw"); }

void BM_Ratios(benchmark::State& state)
{
    Scene& s = TheScene();
    for (auto _ : state) {
    }
    state.counters["mjpeg export/alone"] = s.seconds["export mjpeg"] / s.seconds["alone mjpeg"];
    state.counters["raw export/alone"] = s.seconds["export raw"] / s.seconds["alone raw"];
    s.frames = {};   // the MP4 pair keeps its own
    std::printf("Motion JPEG: export %.2f s, encoding alone %.2f s, ratio %.3f\n", s.seconds["export mjpeg"],
                s.seconds["alone mjpeg"], s.seconds["export mjpeg"] / s.seconds["alone mjpeg"]);
    std::printf("Uncompressed: export %.2f s, writing alone %.2f s, ratio %.3f\n", s.seconds["export raw"],
                s.seconds["alone raw"], s.seconds["export raw"] / s.seconds["alone raw"]);
}

} // namespace

BENCHMARK(BM_EncodeMotionJpegAlone)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ExportMotionJpeg)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_WriteUncompressedAlone)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ExportUncompressed)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Ratios)->Iterations(1);
BENCHMARK(BM_Mp4EncodeAlone)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Mp4Export)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
