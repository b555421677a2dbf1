// Our movie export against ffmpeg, side by side in one run: 300 frames at 1024 × 768 of a
// 1,000,000-glob drawing. Ours draws, scales and encodes every frame; ffmpeg encodes the same
// frames, drawn beforehand and read as raw pictures, with the same encoder (for Motion JPEG
// ffmpeg's own, at a quality giving files of about the same size) and the same settings (for
// GIF the same palette and dithering; ours searches the palette exactly, ffmpeg's tree search
// now and then stops short, so the files differ by a few hundredths of a percent).
// Both may use every core. Wall time is what the user waits; the ratio ours / ffmpeg is the
// target (at most 1.0). On a small shared machine one round swings by up to a tenth either way,
// so the two sides take turns for kRounds rounds and the summary compares their medians.
// Files are left only in the temporary folder and removed at the end.
#include "core/base/CQuietHost.h"
#include "core/movie/CFrameScaler.h"
#include "core/movie/IMovieSink.h"
#include "core/movie/MovieCommand.h"
#include "core/movie/MovieExport.h"
#include "core/movie/MovieSchedule.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/CLongOperation.h"
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kGlobs = 1000000;
constexpr int kFrames = 300;
constexpr int kRounds = 5;   // odd, so the median is one of the runs
constexpr int kWidth = 1024, kHeight = 768;

std::string TempPath(const std::string& name)
{
    return (std::filesystem::temp_directory_path() / ("daubrix-bench-" + name)).string();
}

double CpuSeconds(int who)
{
    rusage u{};
    getrusage(who, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec)
        + static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Writes the frames top row first, as ffmpeg reads raw video.
class CRawSink : public IMovieSink {
public:
    explicit CRawSink(const std::string& path) : m_out(path, std::ios::binary) {}
    bool IsMovie() const override { return false; }
    bool AddFrame(const CFrameScaler& f, int) override
    {
        const size_t stride = (static_cast<size_t>(f.Width()) * 3 + 3) & ~size_t{3};
        for (int y = f.Height() - 1; y >= 0; --y)
            m_out.write(reinterpret_cast<const char*>(f.Rows() + stride * static_cast<size_t>(y)), f.Width() * 3);
        return static_cast<bool>(m_out);
    }
    bool Finish(bool) override { return static_cast<bool>(m_out.flush()); }
    std::string Failure() const override { return {}; }

private:
    std::ofstream m_out;
};

struct Scene {
    CQuietHost host;
    CDaubrixApp app{host};
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;
    std::string raw = TempPath("frames.raw");
    struct Figure {
        double wall = 0, cpu = 0;
        uintmax_t bytes = 0;
    };
    std::map<std::string, std::vector<Figure>> ours, theirs;

    Scene()
    {
        app.ShapeTable().LoadShapes(std::string(DAUBRIX_DATA_DIR) + "/", &host);
        app.ShapeTable().PrepareAll();
        doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &host);
        doc->SetWidth(kWidth);
        doc->SetHeight(kHeight);
        std::vector<int> small;
        for (int i = 0; i < app.ShapeTable().Count(); ++i)
            if (app.ShapeTable().m_shapeNames[static_cast<size_t>(i)].size() > 2
                && app.ShapeTable().m_shapeNames[static_cast<size_t>(i)][2] <= '1')
                small.push_back(i);
        CRandom rnd(4242);
        int x = 0, y = 0;
        for (int i = 0; i < kGlobs; ++i) {
            app.ShapeTable().m_currentShape = static_cast<uint8_t>(small[static_cast<size_t>(i / 2000) % small.size()]);
            if (i % 2000 == 0)
                doc->SetColorChange(i, rnd.Next() % 360, 128 + rnd.Next() % 128, 160 + rnd.Next() % 96);
            // Strokes: runs of nearby globs, as a hand would place them.
            if (i % 200 == 0) {
                x = rnd.Next() % kWidth;
                y = rnd.Next() % kHeight;
            }
            x = std::clamp(x + rnd.Next() % 7 - 3, 0, kWidth - 1);
            y = std::clamp(y + rnd.Next() % 7 - 3, 0, kHeight - 1);
            doc->AppendGlob(x, y);
        }
        view = std::make_unique<CDaubrixView>(app, *doc);
        view->OnInitialUpdate();
        view->Paint();
        // The pre-rendered frames ffmpeg is given.
        CLongOperation op(host);
        CRawSink sink(raw);
        CFrameScaler scaler(kWidth, kHeight);
        ExportMovieFrames(*view, Counts(), 0, scaler, sink, op, host);
    }
    ~Scene() { std::filesystem::remove(raw); }
    static std::vector<int> Counts() { return MovieFrameCounts(kGlobs, kFrames, false); }
};

Scene& TheScene()
{
    static Scene scene;
    return scene;
}

struct Kind {
    const char* key;
    const char* extension;
    uint32_t handler;
    int quality;
    const char* ffmpegArgs;   // the same encoder and settings for ffmpeg
};

// The colour conversion ours makes for MP4 and WebM: BT.709 limited range with accurate rounding.
// ffmpeg's plain -pix_fmt yuv420p would convert faster with the BT.601 matrix and tag the
// result BT.709, colours the drawing does not have.
#define kTo709 "scale=out_color_matrix=bt709:out_range=tv:flags=area+accurate_rnd,format=yuv420p"

// Quality 8000 is libjpeg's 80, whose files match ffmpeg's -q:v 3 in size; 7500 is x264's
// CRF 20 and VP9's CRF 18 in our mapping.
const Kind kKinds[] = {
    {"mjpeg", "avi", FourCC("MJPG"), 8000, "-c:v mjpeg -q:v 3 -pix_fmt yuvj420p"},
    {"h264", "mp4", FourCC("H264"), 7500,
     "-c:v libx264 -preset medium -crf 20 -bf 0 -vf " kTo709 " -colorspace bt709 -color_primaries bt709 "
     "-color_trc bt709 -movflags +faststart"},
    {"vp9", "webm", FourCC("VP90"), 7500,
     "-c:v libvpx-vp9 -crf 18 -b:v 0 -deadline good -cpu-used 4 -row-mt 1 -tile-columns 2 -vf " kTo709},
    {"gif", "gif", FourCC("GIF8"), 10000,
     "-filter_complex \"split[a][b];[a]palettegen=max_colors=256:stats_mode=full[p];"
     "[b][p]paletteuse=dither=sierra2_4a:diff_mode=rectangle\" -loop 0"},
};

void Ours(benchmark::State& state, const Kind& k)
{
    Scene& s = TheScene();
    MovieJob job;
    job.path = TempPath(std::string("ours.") + k.extension);
    job.kind = MovieKindFor(job.path);
    job.counts = Scene::Counts();
    job.width = kWidth;
    job.height = kHeight;
    job.fps = 30;
    job.options.handler = k.handler;
    job.options.quality = k.quality;
    job.options.keyFramesOn = 0;
    for (auto _ : state) {
        const double cpu = CpuSeconds(RUSAGE_SELF);
        const auto start = std::chrono::steady_clock::now();
        const MovieJobResult r = RunMovieJob(*s.view, job, s.host);
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!r.export_.completed)
            state.SkipWithError(r.failure.c_str());
        state.SetIterationTime(wall);
        s.ours[k.key].push_back({wall, CpuSeconds(RUSAGE_SELF) - cpu, std::filesystem::file_size(job.path)});
    }
    std::filesystem::remove(job.path);
}

void Ffmpeg(benchmark::State& state, const Kind& k)
{
    Scene& s = TheScene();
    const std::string out = TempPath(std::string("ffmpeg.") + k.extension);
    const std::string command = "ffmpeg -nostdin -v error -y -f rawvideo -pix_fmt bgr24 -s "
        + std::to_string(kWidth) + "x" + std::to_string(kHeight) + " -r 30 -i '" + s.raw + "' " + k.ffmpegArgs + " '"
        + out + "'";
    for (auto _ : state) {
        const double cpu = CpuSeconds(RUSAGE_CHILDREN);
        const auto start = std::chrono::steady_clock::now();
        const int status = std::system(command.c_str());
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (status != 0)
            state.SkipWithError("ffmpeg failed");
        state.SetIterationTime(wall);
        s.theirs[k.key].push_back({wall, CpuSeconds(RUSAGE_CHILDREN) - cpu, std::filesystem::file_size(out)});
    }
    std::filesystem::remove(out);
}

// The run of median wall time (the middle one of an odd count).
Scene::Figure Median(std::vector<Scene::Figure> runs)
{
    if (runs.empty())
        return {};
    std::sort(runs.begin(), runs.end(), [](const Scene::Figure& a, const Scene::Figure& b) { return a.wall < b.wall; });
    return runs[runs.size() / 2];
}

void BM_Summary(benchmark::State& state)
{
    Scene& s = TheScene();
    for (auto _ : state) {
    }
    std::printf("\n%-6s %10s %10s %12s %10s %10s %12s %8s  %s\n", "kind", "ours s", "ours cpu", "ours bytes",
                "ffmpeg s", "ffm cpu", "ffm bytes", "ratio", "each round");
    for (const Kind& k : kKinds) {
        const auto& ours = s.ours[k.key];
        const auto& theirs = s.theirs[k.key];
        const Scene::Figure o = Median(ours), t = Median(theirs);
        std::string rounds;
        for (size_t i = 0; i < ours.size() && i < theirs.size(); ++i) {
            char one[16];
            std::snprintf(one, sizeof one, " %.3f", theirs[i].wall > 0 ? ours[i].wall / theirs[i].wall : 0.0);
            rounds += one;
        }
        std::printf("%-6s %10.2f %10.2f %12ju %10.2f %10.2f %12ju %8.3f %s\n", k.key, o.wall, o.cpu, o.bytes, t.wall,
                    t.cpu, t.bytes, t.wall > 0 ? o.wall / t.wall : 0.0, rounds.c_str());
        state.counters[std::string(k.key) + " ours/ffmpeg"] = t.wall > 0 ? o.wall / t.wall : 0.0;
    }
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    for (const Kind& k : kKinds)
        for (int round = 1; round <= kRounds; ++round) {
            const std::string tail = std::string(k.key) + "/round:" + std::to_string(round);
            benchmark::RegisterBenchmark(("Ffmpeg/" + tail).c_str(), Ffmpeg, k)
                ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
            benchmark::RegisterBenchmark(("Ours/" + tail).c_str(), Ours, k)
                ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
        }
    benchmark::RegisterBenchmark("Summary", BM_Summary)->Iterations(1);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
