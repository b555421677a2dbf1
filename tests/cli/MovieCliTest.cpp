#include "tests/cli/CliFixture.h"
#include "core/movie/IMovieDialogs.h"
#include "core/movie/MovieCommand.h"
#include "core/movie/MovieSchedule.h"
#include "core/settings/CMovieSettings.h"
#include "tests/core/support/Commands.h"
#include "tests/core/support/RiffWalker.h"
#include <cmath>
#include <filesystem>

namespace {

// The program's dialogs left at what they offer, as a user who only presses OK.
struct DefaultDialogs : IMovieDialogs {
    std::string path;
    int frames = 10;
    int pickCompressor = -1;   // list entry to choose; -1 keeps the one offered
    std::string AskMoviePath(bool) override { return path; }
    bool AskMovieOptions(MovieDialogValues& v) override
    {
        v.frames = frames;
        return true;
    }
    bool AskAviOptions(AviOptions& o, const CMovieSettings& remembered, MovieContainer container) override
    {
        CAviOptionsModel m(ListCompressors(container), o);
        m.Open(remembered);
        if (pickCompressor >= 0)
            m.Select(pickCompressor);
        return m.Accept(o) == CAviOptionsModel::Invalid::None;
    }
};

using MovieCli = CliTest;

std::string Probe(const std::string& path, const std::string& entries)
{
    std::string out = RunCommand("ffprobe -v error -select_streams v:0 -count_frames -show_entries " + entries
                                 + " -of csv=p=0 " + Quoted(path))
                          .out;
    while (!out.empty() && (out.back() == '\n'))
        out.pop_back();
    return out;
}

} // namespace

TEST_F(MovieCli, HelpAndCodecListNameEveryCompressor)
{
    const CliRun help = Cli("--help");
    for (const char* word : {"movie", "--frames", "--fps", "--scale", "--first-empty", "--codec", "--quality",
                             "--keyframe-every", "--data-rate", "--hold", "--duration"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    const CliRun list = Cli("movie --codec list");
    ASSERT_EQ(list.status, 0) << list.err;
    for (const CompressorInfo& c : ListCompressors())
        EXPECT_NE(list.out.find(c.description), std::string::npos) << c.description;
    EXPECT_NE(list.out.find("uncompressed"), std::string::npos);
    EXPECT_NE(list.out.find("mjpeg"), std::string::npos);
}

TEST_F(MovieCli, WritesTheSameFileAsTheProgram)
{
    const std::string drawing = Saved();
    struct Case {
        std::string args;
        int pick;
    };
    const int uncompressed = static_cast<int>(ListCompressors().size()) - 1;
    for (const Case& c : {Case{"", -1}, Case{" --codec uncompressed", uncompressed}}) {
        SCOPED_TRACE(c.args);
        const std::string fromCli = dir.File("cli.avi");
        const CliRun r = Cli("movie " + Quote(drawing) + " " + Quote(fromCli) + " --frames 12" + c.args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.err.empty()) << r.err;

        DefaultDialogs dialogs;
        dialogs.path = dir.File("program.avi");
        dialogs.frames = 12;
        dialogs.pickCompressor = c.pick;
        app.Movie() = CMovieSettings{};
        CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
        ASSERT_TRUE(host.messages.empty()) << host.messages[0].text;

        std::string a, b;
        ASSERT_TRUE(ReadWholeFile(fromCli, a));
        ASSERT_TRUE(ReadWholeFile(dialogs.path, b));
        EXPECT_EQ(a.size(), b.size());
        EXPECT_TRUE(a == b) << "the files differ";
        EXPECT_EQ(ProbeVideo(fromCli), "120,90,30/1,12");
    }
}

TEST_F(MovieCli, AnimationsAreTheProgramsFileAndTheirToolsReadThem)
{
    const std::string drawing = Saved();
    for (const char* name : {"a.gif", "a.webp"}) {
        SCOPED_TRACE(name);
        const std::string fromCli = dir.File(std::string("cli-") + name);
        const CliRun r = Cli("movie " + Quote(drawing) + " " + Quote(fromCli) + " --frames 12 --fps 25");
        ASSERT_EQ(r.status, 0) << r.err;
        DefaultDialogs dialogs;
        dialogs.path = dir.File(std::string("program-") + name);
        dialogs.frames = 12;
        app.Movie() = CMovieSettings{};
        app.Movie().m_movieFps = 25;
        CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
        ASSERT_TRUE(host.messages.empty()) << host.messages[0].text;
        std::string a, b;
        ASSERT_TRUE(ReadWholeFile(fromCli, a));
        ASSERT_TRUE(ReadWholeFile(dialogs.path, b));
        EXPECT_TRUE(a == b) << "the files differ";
    }
    EXPECT_EQ(Probe(dir.File("cli-a.gif"), "stream=width,height,nb_read_frames"), "120,90,12");
    const CommandOutput info = RunCommand("webpmux -info " + Quoted(dir.File("cli-a.webp")));
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(info.out.find("Canvas size: 120 x 90"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Loop Count : 0"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Number of frames: 12"), std::string::npos) << info.out;
}

TEST_F(MovieCli, FrameCountFromDurationAndHeldLastFrame)
{
    const std::string drawing = Saved();
    struct Case {
        std::string args;
        std::string probe;   // width,height,rate,frames
    };
    const Case cases[] = {
        {"--duration 2 --fps 10 --codec uncompressed", "120,90,10/1,20"},
        {"--duration 10 --fps 10 --codec uncompressed", "120,90,10/1,40"},   // one frame per glob at most
        {"--frames 5 --fps 10 --hold 1 --codec uncompressed", "120,90,10/1,15"},
        {"--frames 40 --scale 50 --codec mjpeg", "60,45,30/1,40"},            // JPEG keeps 45 rows as they are
    };
    for (const Case& c : cases) {
        const std::string out = dir.File("d.avi");
        const CliRun r = Cli("movie " + Quote(drawing) + " " + Quote(out) + " " + c.args);
        ASSERT_EQ(r.status, 0) << c.args << ": " << r.err;
        EXPECT_EQ(ProbeVideo(out), c.probe) << c.args;
        EXPECT_EQ(DecodeComplaints(out), "") << c.args;
    }
    // The held frames repeat the finished drawing.
    const std::string held = dir.File("held.avi");
    ASSERT_EQ(Cli("movie " + Quote(drawing) + " " + Quote(held) + " --frames 3 --hold 1 --fps 2 --codec uncompressed")
                  .status,
              0);
    RiffWalker avi(held);
    ASSERT_TRUE(avi.Ok()) << avi.Errors();
    ASSERT_EQ(avi.frames.size(), 5u);
    for (size_t i = 3; i < 5; ++i)
        EXPECT_EQ(avi.ReadFrame(held, avi.frames[i]), avi.ReadFrame(held, avi.frames[2]));
}

TEST_F(MovieCli, PictureSeriesIsNumberedFromZero)
{
    const std::string drawing = Saved();
    const std::string base = dir.File("seq.bmp");
    const CliRun r = Cli("movie " + Quote(drawing) + " " + Quote(base) + " --frames 5 --first-empty");
    ASSERT_EQ(r.status, 0) << r.err;
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(std::filesystem::exists(SequenceFileName(base, i))) << i;
    EXPECT_FALSE(std::filesystem::exists(SequenceFileName(base, 5)));
    CImage32 first, last;
    ASSERT_TRUE(LoadImageFile(SequenceFileName(base, 0), first));
    ASSERT_TRUE(LoadImageFile(SequenceFileName(base, 4), last));
    EXPECT_EQ(first, CImage32(120, 90, ColorRefToPixel(doc->BackgroundColor())));
    EXPECT_EQ(last, view->DrawingImage());
}

TEST_F(MovieCli, Mp4AndWebMPlayFromTheStartAndEndOnTheDrawing)
{
    const std::string drawing = Saved();
    struct Case {
        std::string name;
        std::string args;
    };
    for (const Case& c : {Case{"m.mp4", "--quality 10000"}, Case{"m.webm", "--quality 10000"}}) {
        SCOPED_TRACE(c.name);
        const std::string out = dir.File(c.name);
        const CliRun r = Cli("movie " + Quote(drawing) + " " + Quote(out) + " --frames 20 --fps 10 --hold 1 " + c.args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(Probe(out, "stream=width,height,r_frame_rate,nb_read_frames"), "120,90,10/1,30");
        const double duration = std::atof(Probe(out, "format=duration").c_str());
        EXPECT_NEAR(duration, 3.0, 0.01);
        EXPECT_EQ(DecodeComplaints(out), "");
        // The last frame, decoded with the matrix and range the stream names, is close to the drawing.
        const std::string rgb = RunCommand("ffmpeg -nostdin -v error -i " + Quoted(out)
                                           + " -vf scale=in_color_matrix=bt709:in_range=tv:flags=accurate_rnd+full_chroma_int,format=rgb24"
                                             " -f rawvideo -")
                                    .out;
        ASSERT_EQ(rgb.size(), size_t{120} * 90 * 3 * 30);
        const CImage32& want = view->DrawingImage();
        const size_t last = size_t{120} * 90 * 3 * 29;
        double error = 0;
        for (int y = 0; y < 90; ++y)
            for (int x = 0; x < 120; ++x) {
                const Pixel p = want.At(x, y);
                const unsigned char* got = reinterpret_cast<const unsigned char*>(rgb.data()) + last + 3 * (y * 120 + x);
                error += std::abs(got[0] - PixelRed(p)) + std::abs(got[1] - PixelGreen(p)) + std::abs(got[2] - PixelBlue(p));
            }
        // 4:2:0 chroma at the globs' sharp edges makes most of it.
        EXPECT_LT(error / (120.0 * 90 * 3), 3.0);
    }
    // The MP4's index (moov) comes before its data (mdat).
    std::string mp4;
    ASSERT_TRUE(ReadWholeFile(dir.File("m.mp4"), mp4));
    const size_t moov = mp4.find("moov"), mdat = mp4.find("mdat");
    ASSERT_NE(moov, std::string::npos);
    EXPECT_LT(moov, mdat);
}

TEST_F(MovieCli, WrongUseAndFailuresAreToldInOneLine)
{
    const std::string drawing = Saved();
    const std::string out = Quote(dir.File("x.avi"));
    for (const std::string bad : {"--codec nope", "--codec ffv1 --quality 5000", "--frames 0", "--fps 121",
                                  "--scale 201", "--keyframe-every 0", "--hold 31", "--frames 5 --duration 2"})
        EXPECT_EQ(Cli("movie " + Quote(drawing) + " " + out + " " + bad).status, 2) << bad;
    EXPECT_EQ(Cli("movie " + Quote(drawing) + " " + Quote(dir.File("s.bmp")) + " --codec mjpeg").status, 2);
    EXPECT_EQ(Cli("movie " + Quote(drawing) + " " + Quote(dir.File("x.gif")) + " --quality 5000").status, 2)
        << "a GIF has no quality to choose";
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.avi")));
    // A name of no kind the program writes is refused, never written as some other kind.
    const CliRun unknown = Cli("movie " + Quote(drawing) + " " + Quote(dir.File("x.mov")));
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("name it .avi, .mp4, .webm, .gif or .webp"), std::string::npos) << unknown.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.mov")));

    const CliRun r = Cli("movie " + Quote(drawing) + " " + Quote(dir.File("none/x.avi")));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "The movie was not written: the file cannot be created there.\n");
}

TEST_F(MovieCli, WithoutTheVideoLibrariesUncompressedMoviesAndPicturesStillWork)
{
    const std::string drawing = Saved();
    const std::string off = "DAUBRIX_NO_VIDEO_LIBRARIES=1 ";
    auto run = [&](const std::string& args) {
        CliRun r;
        const std::string out = dir.File("o.txt");
        const int raw = std::system((off + Quote(DAUBRIX_CLI) + " " + args + " >" + Quote(out) + " 2>/dev/null").c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        ReadWholeFile(out, r.out);
        return r;
    };
    const CliRun list = run("movie --codec list");
    EXPECT_EQ(list.status, 0);
    EXPECT_NE(list.out.find("Full Frames (Uncompressed)"), std::string::npos);
    EXPECT_EQ(list.out.find("Motion JPEG"), std::string::npos);
    EXPECT_EQ(run("movie " + Quote(drawing) + " " + Quote(dir.File("a.avi")) + " --codec mjpeg").status, 2);
    EXPECT_EQ(run("movie " + Quote(drawing) + " " + Quote(dir.File("b.avi"))).status, 0);
    EXPECT_EQ(ProbeVideo(dir.File("b.avi")), "120,90,30/1,10");
    EXPECT_EQ(run("movie " + Quote(drawing) + " " + Quote(dir.File("c.bmp"))).status, 0);
    EXPECT_TRUE(std::filesystem::exists(dir.File("c009.bmp")));
}
