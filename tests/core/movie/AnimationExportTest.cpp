#include "core/movie/CFramePipeline.h"
#include "core/movie/CFrameScaler.h"
#include "core/movie/CFrameTiming.h"
#include "core/movie/IMovieSink.h"
#include "core/movie/MovieExport.h"
#include "core/view/CLongOperation.h"
#include "tests/core/movie/MovieFixture.h"
#include <atomic>
#include <cmath>
#include <thread>
#include <webp/demux.h>

using namespace movietest;

namespace {

struct WebpFrame {
    std::vector<uint8_t> rgba;   // top row first
    int timestamp = 0;           // ms at which the frame ends
};

struct WebpMovie {
    int width = 0, height = 0, loops = -1;
    std::vector<WebpFrame> frames;
};

WebpMovie DecodeWebp(const std::string& path)
{
    WebpMovie m;
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return m;
    WebPData data{reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
    WebPAnimDecoderOptions o;
    WebPAnimDecoderOptionsInit(&o);
    o.color_mode = MODE_RGBA;
    WebPAnimDecoder* dec = WebPAnimDecoderNew(&data, &o);
    if (!dec)
        return m;
    WebPAnimInfo info;
    WebPAnimDecoderGetInfo(dec, &info);
    m.width = static_cast<int>(info.canvas_width);
    m.height = static_cast<int>(info.canvas_height);
    m.loops = static_cast<int>(info.loop_count);
    while (WebPAnimDecoderHasMoreFrames(dec)) {
        uint8_t* buf = nullptr;
        int ts = 0;
        if (!WebPAnimDecoderGetNext(dec, &buf, &ts))
            break;
        m.frames.push_back({{buf, buf + static_cast<size_t>(m.width) * m.height * 4}, ts});
    }
    WebPAnimDecoderDelete(dec);
    return m;
}

// Mean absolute difference per channel between decoded packed pixels (3 or 4 bytes each, top
// row first) and a drawing image.
double MeanError(const uint8_t* px, int bytesPerPixel, const CImage32& want)
{
    double sum = 0;
    for (int y = 0; y < want.Height(); ++y)
        for (int x = 0; x < want.Width(); ++x, px += bytesPerPixel) {
            const Pixel w = want.At(x, y);
            sum += std::abs(px[0] - static_cast<int>((w >> 16) & 0xFF)) + std::abs(px[1] - static_cast<int>((w >> 8) & 0xFF))
                + std::abs(px[2] - static_cast<int>(w & 0xFF));
        }
    return sum / (3.0 * want.Width() * want.Height());
}

std::string ReadAll(const std::string& path)
{
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

} // namespace

using AnimationExport = MovieFixture;

TEST(FrameTiming, StartsRoundToTheUnitWithoutDriftAndRepeatsLengthenTheFrameBefore)
{
    const uint8_t a[3] = {1, 2, 3}, b[3] = {4, 5, 6};
    CFrameTiming gif(30, 100, 2);   // 3.33 cs per frame
    std::vector<int64_t> starts;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(gif.IsNew(i, i % 2 ? b : a, 3));
        starts.push_back(gif.Start());
    }
    EXPECT_EQ(starts, (std::vector<int64_t>{0, 3, 7, 10}));
    EXPECT_EQ(gif.End(), 13);
    // Two held frames: no new starts, the last frame lasts until the end of all six.
    EXPECT_FALSE(gif.IsNew(4, b, 3));
    EXPECT_FALSE(gif.IsNew(5, b, 3));
    EXPECT_EQ(gif.End(), 20);
    EXPECT_EQ(gif.LastDuration(), 10);

    // 120 fps cannot be shown in GIF: each frame gets the shortest delay browsers keep.
    CFrameTiming fast(120, 100, 2);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(fast.IsNew(i, i % 2 ? b : a, 3));
        EXPECT_EQ(fast.Start(), 2 * i);
    }
    EXPECT_EQ(fast.LastDuration(), 2);
    // WebP counts milliseconds: 1000 frames at 30 fps end at 33333 ms, not 33000.
    CFrameTiming webp(30, 1000, 1);
    for (int i = 0; i < 1000; ++i)
        webp.IsNew(i, i % 2 ? b : a, 3), webp.Start();
    EXPECT_EQ(webp.End(), 33333);
    webp.Restart();
    EXPECT_TRUE(webp.IsNew(0, b, 3));
    EXPECT_EQ(webp.Start(), 0);
}

TEST_F(AnimationExport, LosslessWebPFramesAreExactlyTheDrawingAndLoopForEver)
{
    dialogs.path = dir.File("grow.webp");
    dialogs.options.handler = FourCC("WEBP");
    dialogs.options.quality = 10000;
    dialogs.onMovie = [](MovieDialogValues& v) { v.frames = 4; v.firstEmpty = true; v.fps = 30; v.hold = 1; };
    CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
    ASSERT_TRUE(host.messages.empty()) << host.messages[0].text;
    const WebpMovie m = DecodeWebp(dialogs.path);
    ASSERT_EQ(m.width, 81);
    ASSERT_EQ(m.loops, 0);
    ASSERT_EQ(m.frames.size(), 4u) << "the 30 held frames only lengthen the last";
    const int counts[] = {0, 33, 66, 100};
    // Frames end at 33, 67 and 100 ms; the last holds one second more.
    const int ends[] = {33, 67, 100, 1133};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(m.frames[i].timestamp, ends[i]) << i;
        EXPECT_EQ(MeanError(m.frames[i].rgba.data(), 4, Regenerated(counts[i])), 0.0) << "frame " << i;
    }
    // Below the top quality the frames are lossy.
    dialogs.options.quality = 9000;
    CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
    const WebpMovie lossy = DecodeWebp(dialogs.path);
    ASSERT_EQ(lossy.frames.size(), 4u);
    const double err = MeanError(lossy.frames[3].rgba.data(), 4, Regenerated(100));
    EXPECT_GT(err, 0.0);
    EXPECT_LT(err, 16.0) << "small sharp globs at 4:2:0";
}

TEST_F(AnimationExport, GifHasOnePaletteLoopsForEverAndComesBackWithinItsError)
{
    dialogs.path = dir.File("grow.gif");
    dialogs.options.handler = FourCC("GIF8");
    dialogs.onMovie = [](MovieDialogValues& v) { v.frames = 5; v.fps = 20; v.hold = 2; };
    CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
    ASSERT_TRUE(host.messages.empty()) << host.messages[0].text;
    EXPECT_EQ(DecodeComplaints(dialogs.path), "");
    const std::string probe = ProbeVideo(dialogs.path);
    EXPECT_EQ(probe.substr(0, 6), "81,60,");
    EXPECT_EQ(probe.substr(probe.rfind(',')), ",5") << "five frames";
    const CommandOutput delays = RunCommand("ffprobe -v error -show_entries frame=pkt_duration -of csv=p=0 "
                                            + Quoted(dialogs.path));
    // Five frames 5/100 s apart, the last held two seconds more.
    EXPECT_EQ(delays.out, "5\n5\n5\n5\n205\n");
    const std::string bytes = ReadAll(dialogs.path);
    EXPECT_NE(bytes.find(std::string("NETSCAPE2.0\x03\x01\x00\x00", 16)), std::string::npos) << "loops for ever";
    // Each frame once, as it is stored, not repeated to a constant rate.
    const std::string rgb = RunCommand("ffmpeg -nostdin -v error -i " + Quoted(dialogs.path)
                                       + " -vsync passthrough -f rawvideo -pix_fmt rgb24 -").out;
    const size_t frameBytes = size_t{81} * 60 * 3;
    ASSERT_EQ(rgb.size(), frameBytes * 5);
    const std::vector<int> counts = MovieFrameCounts(100, 5, false);
    for (int i = 0; i < 5; ++i) {
        const double err = MeanError(reinterpret_cast<const uint8_t*>(rgb.data()) + frameBytes * i, 3,
                                     Regenerated(counts[static_cast<size_t>(i)]));
        std::printf("GIF frame %d: mean error %.2f\n", i, err);
        EXPECT_LT(err, 6.0) << "frame " << i;
    }
}

TEST_F(AnimationExport, EveryKindIsByteIdenticalRunAfterRun)
{
    doc.SetWidth(192);   // large enough for every encoder to use its threads
    doc.SetHeight(144);
    BuildDrawing(app, doc, 600);
    view = std::make_unique<CDaubrixView>(app, doc);
    view->OnInitialUpdate();
    view->Paint();
    struct Kind {
        const char* name;
        uint32_t handler;
    };
    for (const Kind& k : {Kind{"a.avi", FourCC("MJPG")}, Kind{"a.avi", FourCC("H264")}, Kind{"a.avi", FourCC("FFV1")},
                          Kind{"a.avi", FourCC("FMP4")}, Kind{"a.mp4", FourCC("H264")}, Kind{"a.webm", FourCC("VP90")},
                          Kind{"a.gif", FourCC("GIF8")}, Kind{"a.webp", FourCC("WEBP")}}) {
        SCOPED_TRACE(std::string(k.name) + " " + std::to_string(k.handler));
        dialogs.options.handler = k.handler;
        dialogs.options.quality = 7000;
        dialogs.onMovie = [](MovieDialogValues& v) { v.frames = 8; };
        std::string runs[2];
        for (std::string& run : runs) {
            dialogs.path = dir.File(k.name);
            CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
            ASSERT_TRUE(host.messages.empty()) << host.messages[0].text;
            run = ReadAll(dialogs.path);
        }
        ASSERT_GT(runs[0].size(), 1000u);
        EXPECT_TRUE(runs[0] == runs[1]) << "the two runs differ";
    }
}

TEST_F(AnimationExport, Mp4AndWebMDescribeTheirColoursAndDecodeCloseToTheDrawing)
{
    doc.SetWidth(160);
    doc.SetHeight(120);
    doc.SetBackgroundColor(MakeColorRef(200, 40, 60));   // saturated: a wrong matrix shows here
    view = std::make_unique<CDaubrixView>(app, doc);
    view->OnInitialUpdate();
    view->Paint();
    const CImage32 want = Regenerated(100);
    // The best 4:2:0 can do: the drawing through BT.709 limited-range 4:2:0 and back, unencoded.
    std::string raw;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 160; ++x)
            for (int shift : {16, 8, 0})
                raw += static_cast<char>((want.At(x, y) >> shift) & 0xFF);
    ASSERT_TRUE(WriteFileAtomically(dir.File("drawing.raw"), std::vector<uint8_t>(raw.begin(), raw.end())));
    const std::string flags = ":flags=accurate_rnd+full_chroma_int";
    const std::string ideal = RunCommand("ffmpeg -nostdin -v error -f rawvideo -pix_fmt rgb24 -s 160x120 -i "
                                         + Quoted(dir.File("drawing.raw")) + " -vf scale=out_color_matrix=bt709:out_range=tv"
                                         + flags + ",format=yuv420p,scale=in_color_matrix=bt709:in_range=tv" + flags
                                         + ",format=rgb24 -f rawvideo -")
                                  .out;
    ASSERT_EQ(ideal.size(), raw.size());
    const double floor = MeanError(reinterpret_cast<const uint8_t*>(ideal.data()), 3, want);
    std::filesystem::remove(dir.File("drawing.raw"));
    for (const char* name : {"c.mp4", "c.webm"}) {
        SCOPED_TRACE(name);
        dialogs.path = dir.File(name);
        dialogs.options.handler = std::string(name) == "c.mp4" ? FourCC("H264") : FourCC("VP90");
        dialogs.options.quality = 10000;
        dialogs.onMovie = [](MovieDialogValues& v) { v.frames = 1; };
        CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
        ASSERT_TRUE(host.messages.empty()) << host.messages[0].text;
        const CommandOutput tags = RunCommand("ffprobe -v error -select_streams v:0 -show_entries "
                                              "stream=color_range,color_space,color_transfer,color_primaries -of csv=p=0 "
                                              + Quoted(dialogs.path));
        EXPECT_EQ(tags.out, "tv,bt709,bt709,bt709\n");
        auto decode = [&](const char* matrix) {
            return RunCommand("ffmpeg -nostdin -v error -i " + Quoted(dialogs.path) + " -vf scale=in_color_matrix="
                              + matrix + ":in_range=tv:flags=accurate_rnd+full_chroma_int,format=rgb24 -f rawvideo -")
                .out;
        };
        const std::string right = decode("bt709"), wrong = decode("bt601");
        ASSERT_EQ(right.size(), size_t{160} * 120 * 3);
        const auto* px = reinterpret_cast<const uint8_t*>(right.data());
        const double err = MeanError(px, 3, want);
        const double wrongErr = MeanError(reinterpret_cast<const uint8_t*>(wrong.data()), 3, want);
        std::printf("%s: mean error %.2f with BT.709, %.2f with BT.601, 4:2:0 alone %.2f\n", name, err, wrongErr,
                    floor);
        EXPECT_LT(err, floor + 1.0) << "the encoder adds little to what 4:2:0 loses";
        EXPECT_LT(err * 2, wrongErr);
        // A flat stretch of background comes back within a step or two.
        const size_t corner = 3 * (size_t{118} * 160 + 2);
        int far = 0;
        for (int c = 0; c < 3; ++c)
            far = std::max(far, std::abs(px[corner + c] - static_cast<int>((want.At(2, 118) >> (16 - 8 * c)) & 0xFF)));
        EXPECT_LE(far, 2);
    }
}

TEST_F(AnimationExport, NamesOfNoKnownKindAndImpossibleOptionsAreRefusedBeforeAnythingIsWritten)
{
    dialogs.path = dir.File("movie.mov");
    CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "No movie can be written as " + dialogs.path
                                         + ": name it .avi, .mp4, .webm, .gif or .webp, or .bmp for a series of pictures.");
    EXPECT_EQ(dialogs.optionDialogs, 0);
    EXPECT_EQ(MovieKindFor("A.GIF"), MovieKind::Gif);
    EXPECT_EQ(MovieKindFor("a.WebP"), MovieKind::WebP);
    EXPECT_EQ(MovieKindFor("noextension"), MovieKind::Unknown);

    MovieJob job;
    job.path = dir.File("refused.avi");
    job.counts = {10, 20};
    job.width = 32768;   // one past what the AVI frame rectangle holds
    job.height = 10;
    job.fps = 30;
    MovieJobResult r = RunMovieJob(*view, job, host);
    EXPECT_EQ(r.failure, "The frames would be wider or taller than this kind of movie can hold (32767 pixels): "
                         "choose a smaller scale.");
    EXPECT_FALSE(r.started);
    for (int fps : {0, 121}) {
        job.width = 40;
        job.fps = fps;
        r = RunMovieJob(*view, job, host);
        EXPECT_EQ(r.failure, "The frame rate must be 1 to 120 frames per second.") << fps;
    }
    job.kind = MovieKind::WebP;
    job.path = dir.File("refused.webp");
    job.fps = 30;
    job.height = 16384;
    EXPECT_NE(RunMovieJob(*view, job, host).failure.find("(16383 pixels)"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 0);
}

namespace {

// A sink that notes the thread and order of its frames and gives up at one of them.
struct RecordingSink : IMovieSink {
    int failAt = -1;
    std::vector<int> indexes;
    std::atomic<bool> otherThread{false};
    std::thread::id caller = std::this_thread::get_id();
    bool finished = false;
    bool IsMovie() const override { return true; }
    bool AddFrame(const CFrameScaler& f, int index) override
    {
        otherThread = otherThread || std::this_thread::get_id() != caller;
        if (index == failAt || f.Record().empty())
            return false;
        indexes.push_back(index);
        return true;
    }
    bool Finish(bool) override { return finished = true; }
    std::string Failure() const override { return {}; }
};

} // namespace

TEST_F(AnimationExport, FramesReachTheSinkInOrderOnAWorkerAndAFailureStopsTheDrawing)
{
    const std::vector<int> counts = MovieFrameCounts(100, 20, false);
    CLongOperation op(host);
    RecordingSink sink;
    CFrameScaler scaler(81, 60);
    MovieExportResult r = ExportMovieFrames(*view, counts, 5, scaler, sink, op, host);
    EXPECT_TRUE(r.completed);
    EXPECT_TRUE(sink.otherThread);
    ASSERT_EQ(sink.indexes.size(), 25u);
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(sink.indexes[static_cast<size_t>(i)], i);

    RecordingSink failing;
    failing.failAt = 7;
    r = ExportMovieFrames(*view, counts, 0, scaler, failing, op, host);
    EXPECT_FALSE(r.completed);
    EXPECT_FALSE(failing.finished) << "a sink that gave up keeps its own reason";
    EXPECT_EQ(failing.indexes.size(), 7u) << "nothing after the failure";
    EXPECT_LE(r.frames, 7 + static_cast<int>(CFramePipeline::kDepth) + 1) << "the drawing stopped soon after";
    EXPECT_EQ(view->ShownCount(), 100);
}
