#include "tests/core/movie/MovieFixture.h"

using namespace movietest;

using MovieExport = MovieFixture;

TEST_F(MovieExport, ImageSequenceFilesShowTheGrowingDrawingAndTheViewIsLeftAsItWas)
{
    const CImage32 before = view->DrawingImage();
    dialogs.path = dir.File("grow.bmp");
    dialogs.onMovie = [](MovieDialogValues& v) { v.frames = 4; v.firstEmpty = true; };
    CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);

    EXPECT_EQ(dialogs.optionDialogs, 0) << "a picture series has no compression options";
    EXPECT_FALSE(dialogs.shown.isMovie);
    EXPECT_EQ(dialogs.shown.frames, 10);
    const std::vector<int> counts = {0, 33, 66, 100};
    for (int i = 0; i < 4; ++i) {
        CImage32 frame;
        ASSERT_TRUE(LoadImageFile(SequenceFileName(dialogs.path, i), frame)) << i;
        EXPECT_EQ(frame, Regenerated(counts[i])) << "frame " << i << " should show " << counts[i] << " globs";
    }
    EXPECT_FALSE(std::filesystem::exists(SequenceFileName(dialogs.path, 4)));
    EXPECT_EQ(view->ShownCount(), 100);
    view->Paint();
    EXPECT_EQ(view->DrawingImage(), before);
    EXPECT_EQ(app.Movie().m_movieFrames, 4);
    EXPECT_EQ(app.Movie().m_movieFirstEmpty, 1);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.waitDepth, 0);
}

TEST_F(MovieExport, UncompressedMovieFramesAreTheNearestScaledDrawing)
{
    dialogs.path = dir.File("half.avi");
    dialogs.onMovie = [](MovieDialogValues& v) { v.frames = 5; v.scale = 50; v.fps = 12; };
    host.status = "Ready";
    CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
    ASSERT_TRUE(host.messages.empty()) << host.messages[0].text;

    RiffWalker avi(dialogs.path);
    ASSERT_TRUE(avi.Ok()) << avi.Errors();
    ASSERT_EQ(avi.frames.size(), 5u);
    const int w = 40, h = 30;   // 81 × 60 at half size
    EXPECT_EQ(avi.Field(FourCC("strh"), 24), 12u);
    int wrong = 0;
    for (int i = 0; i < 5; ++i) {
        const CImage32 full = Regenerated((i + 1) * 20);
        const std::vector<uint8_t> rows = avi.ReadFrame(dialogs.path, avi.frames[i]);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                wrong += FramePixel(rows, w, h, x, y) != (full.At(2 * x, 2 * y) | 0xFF000000u);
    }
    EXPECT_EQ(wrong, 0);
    // The status pane told what was going on and got its text back; the percentage moved.
    EXPECT_NE(std::find(host.statusHistory.begin(), host.statusHistory.end(), kMovieStatus), host.statusHistory.end());
    EXPECT_EQ(host.status, "Ready");
    EXPECT_EQ(host.progress, (std::vector<int>{0, 20, 40, 60, 80}));
    EXPECT_GE(host.progressCleared, 1);
    EXPECT_EQ(ProbeVideo(dialogs.path), "40,30,12/1,5");
}

TEST_F(MovieExport, LosslessMovieDecodesToExactlyWhatTheViewDrew)
{
    dialogs.path = dir.File("lossless.avi");
    dialogs.options.handler = FourCC("FFV1");
    dialogs.onMovie = [](MovieDialogValues& v) { v.frames = 4; v.firstEmpty = true; };
    CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
    ASSERT_TRUE(host.messages.empty()) << host.messages[0].text;
    const std::string rgb = DecodeRgb(dialogs.path);
    const size_t frameBytes = size_t{81} * 60 * 3;
    ASSERT_EQ(rgb.size(), frameBytes * 4);
    const int counts[] = {0, 33, 66, 100};
    for (int i = 0; i < 4; ++i) {
        const CImage32 want = Regenerated(counts[i]);
        int wrong = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 81; ++x) {
                const auto* p = reinterpret_cast<const uint8_t*>(rgb.data()) + frameBytes * i + 3 * (y * 81 + x);
                wrong += MakePixel(p[0], p[1], p[2]) != (want.At(x, y) | 0xFF000000u);
            }
        EXPECT_EQ(wrong, 0) << "frame " << i;
    }
}

TEST_F(MovieExport, EscapeAsksTwiceAndKeepsOrDeletesThePartialMovie)
{
    struct Case {
        MsgAnswer deleteAnswer;
        bool fileLeft;
    };
    for (const Case c : {Case{MsgAnswer::Yes, false}, Case{MsgAnswer::No, true}}) {
        host.questions.clear();
        host.keys = {0, 0, 'x', kEscape};   // another key is dropped; ESC before the fourth frame
        host.answers = {MsgAnswer::Yes, c.deleteAnswer};
        dialogs.path = dir.File(c.fileLeft ? "kept.avi" : "deleted.avi");
        dialogs.onMovie = [](MovieDialogValues& v) { v.frames = 10; };
        CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
        EXPECT_EQ(host.questions, (std::vector<std::string>{kCancelMovie, kDeletePartialMovie}));
        EXPECT_EQ(std::filesystem::exists(dialogs.path), c.fileLeft);
        if (c.fileLeft) {
            RiffWalker avi(dialogs.path);
            ASSERT_TRUE(avi.Ok()) << avi.Errors();
            EXPECT_EQ(avi.frames.size(), 3u);
        }
        EXPECT_EQ(view->ShownCount(), 100);
        EXPECT_TRUE(host.messages.empty());
    }
    // Only the two movie files: no temporary left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST_F(MovieExport, CancellingAMovieLeavesAnEarlierFileOfThatNameUntouched)
{
    dialogs.path = dir.File("movie.avi");
    ASSERT_TRUE(WriteFileAtomically(dialogs.path, std::vector<uint8_t>{'o', 'l', 'd'}));
    host.keys = {0, kEscape};
    host.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dialogs.path, bytes));
    EXPECT_EQ(bytes, "old");
}

TEST_F(MovieExport, PicturesThatCannotBeWrittenAreToldOnceAndTheOthersStillWritten)
{
    dialogs.path = dir.File("seq.bmp");
    std::filesystem::create_directory(dir.File("seq003.bmp"));   // cannot become a file
    std::filesystem::create_directory(dir.File("seq005.bmp"));
    dialogs.onMovie = [](MovieDialogValues& v) { v.frames = 8; };
    CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "2 of the 8 pictures could not be written, the first " + dir.File("seq003.bmp") + " (it is a folder).");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Stop);
    for (int i : {0, 1, 2, 4, 6, 7})
        EXPECT_TRUE(std::filesystem::is_regular_file(SequenceFileName(dialogs.path, i))) << i;
}

TEST_F(MovieExport, MovieFailuresAreToldInsteadOfPassingSilently)
{
    dialogs.path = dir.File("missing/folder.avi");
    CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "The movie was not written: the file cannot be created there.");

    host.messages.clear();
    dialogs.path = dir.File("tiny.avi");
    dialogs.onMovie = [](MovieDialogValues& v) { v.scale = 1; };   // 81 × 60 at 1 % is 0 × 0
    CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "The frames would be smaller than one pixel: choose a larger scale.");
    EXPECT_FALSE(std::filesystem::exists(dialogs.path));
}

TEST_F(MovieExport, CancelledDialogsWriteNothingAndTheOptionsAreRememberedAfterOk)
{
    dialogs.path = dir.File("m.avi");
    dialogs.acceptOptions = false;
    CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
    EXPECT_FALSE(std::filesystem::exists(dialogs.path));
    EXPECT_EQ(app.Movie().m_aviKeyFrameEvery, -1);

    dialogs.acceptOptions = true;
    dialogs.options.handler = 0;
    dialogs.options.listIndex = 3;
    dialogs.options.trackbarPosition = 4200;
    dialogs.options.keyFramesOn = 0;
    dialogs.options.keyFrameEvery = 9;
    CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
    EXPECT_TRUE(std::filesystem::exists(dialogs.path));
    EXPECT_EQ(app.Movie().m_aviCompressorIndex, 3);
    EXPECT_EQ(app.Movie().m_aviQuality, 4200);
    EXPECT_EQ(app.Movie().m_aviKeyFrameEvery, 9);
    CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
    EXPECT_EQ(dialogs.rememberedSeen.m_aviCompressorIndex, 3);
    EXPECT_EQ(dialogs.rememberedSeen.m_aviQuality, 4200);

    dialogs.acceptMovie = false;
    const int before = dialogs.optionDialogs;
    CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
    EXPECT_EQ(dialogs.optionDialogs, before);
}

TEST_F(MovieExport, Mp4AndWebMCancelLikeAviAndKeepWhatWasWritten)
{
    for (const char* name : {"m.mp4", "m.webm"}) {
        SCOPED_TRACE(name);
        dialogs.path = dir.File(name);
        ASSERT_TRUE(WriteFileAtomically(dialogs.path, std::vector<uint8_t>{'o', 'l', 'd'}));
        dialogs.options.handler = std::string(name) == "m.mp4" ? FourCC("H264") : FourCC("VP90");
        dialogs.options.quality = 9000;
        dialogs.onMovie = [](MovieDialogValues& v) { v.frames = 10; v.scale = 50; };
        // Delete: the earlier file stays as it was.
        host.keys = {0, 0, kEscape};
        host.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
        CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
        std::string bytes;
        ASSERT_TRUE(ReadWholeFile(dialogs.path, bytes));
        EXPECT_EQ(bytes, "old");
        // Keep: a shorter movie that plays to its end.
        host.keys = {0, 0, 0, 0, kEscape};
        host.answers = {MsgAnswer::Yes, MsgAnswer::No};
        CreateMovieCommand(app.Host(), app.Imaging(), app.Movie(), *view, dialogs);
        // ESC is looked for before each frame and again while the encoder is behind, so the
        // fifth look comes after at most four frames.
        const std::string probe = ProbeVideo(dialogs.path);
        ASSERT_EQ(probe.substr(0, 11), "40,30,30/1,");
        EXPECT_GE(std::stoi(probe.substr(11)), 1);
        EXPECT_LE(std::stoi(probe.substr(11)), 4);
        EXPECT_EQ(DecodeComplaints(dialogs.path), "");
        EXPECT_TRUE(host.messages.empty());
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2) << "no temporary left";
}
