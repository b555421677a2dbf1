#include "core/movie/AviWriter.h"
#include "core/movie/VideoCompressors.h"
#include "tests/core/support/Commands.h"
#include "tests/core/support/RiffWalker.h"
#include "tests/core/support/TempDir.h"
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Bottom-up 24-bit rows of a frame whose pixels depend on the frame number, so frames differ
// and a wrong order or a lost frame shows.
std::vector<uint8_t> TestFrame(int w, int h, int n)
{
    const BitmapInfo info = BitmapInfo::Rgb24(w, h);
    std::vector<uint8_t> rows(info.FrameSize(), 0);
    const size_t stride = info.FrameSize() / static_cast<size_t>(h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = rows.data() + static_cast<size_t>(y) * stride + 3 * static_cast<size_t>(x);
            const bool inBox = std::abs(x - (n * 3) % w) < w / 4 && std::abs(y - h / 2) < h / 4;
            p[0] = inBox ? 40 : static_cast<uint8_t>(x * 255 / w);
            p[1] = inBox ? 200 : static_cast<uint8_t>(y * 255 / h);
            p[2] = static_cast<uint8_t>(inBox ? 30 : 128 + n);
        }
    return rows;
}

struct Written {
    bool opened = false;
    int added = 0;
    bool closed = false;
    uint32_t error = 0;
};

Written WriteMovie(const std::string& path, int w, int h, int frames, uint32_t handler, int fps = 30,
                   int keyEvery = 0, uint64_t segmentLimit = 0)
{
    AviWriter writer;
    if (segmentLimit)
        writer.SetSegmentLimit(segmentLimit);
    writer.SetParams(BitmapInfo::Rgb24(w, h), handler, 7500, keyEvery > 0, keyEvery, false, 0, fps, {});
    Written r;
    r.opened = writer.Open(path);
    for (int i = 0; i < frames && r.opened; ++i)
        r.added += writer.AddFrame(TestFrame(w, h, i).data());
    r.closed = writer.Close(true);
    r.error = writer.LastError();
    return r;
}

std::vector<std::string> FolderEntries(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(AviWriterTest, UncompressedMovieHasTheStreamHeaderAndEveryFrameAsAKeyFrame)
{
    TempDir dir;
    const std::string path = dir.File("grow.avi");
    const int w = 33, h = 17, frames = 5;   // 99 pixel bytes per row, padded to 100
    const Written r = WriteMovie(path, w, h, frames, 0, 24);
    ASSERT_TRUE(r.opened && r.closed) << std::hex << r.error;
    EXPECT_EQ(r.added, frames);

    RiffWalker avi(path);
    ASSERT_TRUE(avi.Ok()) << avi.Errors();
    EXPECT_EQ(avi.riffCount, 1);
    const uint32_t frameSize = 100 * 17;
    const uint32_t strh = FourCC("strh");
    EXPECT_EQ(avi.Field(strh, 0), FourCC("vids"));
    EXPECT_EQ(avi.Field(strh, 4), 0u);            // no handler
    EXPECT_EQ(avi.Field(strh, 8), 0u);            // flags
    EXPECT_EQ(avi.Field(strh, 20), 1u);           // scale
    EXPECT_EQ(avi.Field(strh, 24), 24u);          // rate
    EXPECT_EQ(avi.Field(strh, 28), 0u);           // start
    EXPECT_EQ(avi.Field(strh, 36), frameSize + 48);
    EXPECT_EQ(avi.Field(strh, 40), 0xFFFFFFFFu);  // quality: default
    EXPECT_EQ(avi.Field(strh, 44), 0u);           // sample size
    EXPECT_EQ(avi.Field16(strh, 52), w);
    EXPECT_EQ(avi.Field16(strh, 54), h);
    EXPECT_EQ(avi.headerChunks[FourCC("strf")], BitmapInfo::Rgb24(w, h).Bytes());
    EXPECT_EQ(avi.Field(FourCC("avih"), 0), 1000000u / 24);

    ASSERT_EQ(avi.frames.size(), static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        EXPECT_TRUE(avi.frames[i].key);
        EXPECT_EQ(avi.frames[i].size, frameSize);
        EXPECT_EQ(avi.ReadFrame(path, avi.frames[i]), TestFrame(w, h, i)) << "frame " << i;
    }
    EXPECT_EQ(ProbeVideo(path), "33,17,24/1,5");
    EXPECT_EQ(DecodeComplaints(path), "");
}

TEST(AviWriterTest, SegmentsPastTheLimitContinueInAvixRiffsReachedThroughTheIndexes)
{
    TempDir dir;
    const std::string path = dir.File("long.avi");
    const int w = 64, h = 48, frames = 40;   // 9 KiB frames, about 7 to a 64 KiB segment
    const Written r = WriteMovie(path, w, h, frames, 0, 30, 0, 64 * 1024);
    ASSERT_TRUE(r.closed);
    RiffWalker avi(path);
    ASSERT_TRUE(avi.Ok()) << avi.Errors();
    EXPECT_GE(avi.riffCount, 5);
    ASSERT_EQ(avi.frames.size(), static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i)
        ASSERT_EQ(avi.ReadFrame(path, avi.frames[i]), TestFrame(w, h, i)) << "frame " << i;
    // A player finds every frame, also those in the AVIX segments, and in order.
    EXPECT_EQ(ProbeVideo(path), "64,48,30/1,40");
    EXPECT_EQ(DecodeComplaints(path), "");
    const std::string rgb = DecodeRgb(path);
    ASSERT_EQ(rgb.size(), size_t{64} * 48 * 3 * frames);
    const std::vector<uint8_t> last = TestFrame(w, h, frames - 1);
    const size_t lastStart = size_t{64} * 48 * 3 * (frames - 1);
    // Top-left pixel of the decoded last frame is the first pixel of the last stored row.
    const size_t topRow = size_t{64} * 3 * 47;
    EXPECT_EQ(static_cast<uint8_t>(rgb[lastStart + 0]), last[topRow + 2]);
    EXPECT_EQ(static_cast<uint8_t>(rgb[lastStart + 2]), last[topRow + 0]);
}

TEST(AviWriterTest, EveryCompressorWritesAMoviePlayersReadToTheEnd)
{
    for (const CompressorInfo& c : ListCompressors()) {
        if (c.handler == 0)
            continue;
        SCOPED_TRACE(c.description);
        TempDir dir;
        for (const auto& [w, h] : {std::pair{64, 48}, std::pair{63, 47}}) {
            const std::string path = dir.File("c" + std::to_string(w) + ".avi");
            const bool temporal = (c.flags & kCompressorTemporal) != 0;
            const Written r = WriteMovie(path, w, h, 12, c.handler, 25, temporal ? 5 : 0);
            ASSERT_TRUE(r.opened && r.closed) << std::hex << r.error;
            RiffWalker avi(path);
            ASSERT_TRUE(avi.Ok()) << avi.Errors();
            EXPECT_EQ(avi.Field(FourCC("strh"), 4), c.handler);
            EXPECT_EQ(avi.Field(FourCC("strh"), 40), 7500u);
            ASSERT_EQ(avi.frames.size(), 12u);
            EXPECT_TRUE(avi.frames[0].key);
            if (temporal) {
                // Key frames where the interval puts them, and the frames between them depend
                // on earlier ones.
                for (int i = 0; i < 12; ++i)
                    EXPECT_EQ(avi.frames[i].key, i % 5 == 0) << "frame " << i;
            }
            // Odd sizes of 4:2:0 encoders grow by one pixel; the others keep theirs, and so does
            // Motion JPEG with no data rate, which libjpeg codes at the frame's own size.
            const bool pads = c.evenSize && c.handler != FourCC("MJPG");
            const int cw = pads ? (w + 1) & ~1 : w, ch = pads ? (h + 1) & ~1 : h;
            EXPECT_EQ(ProbeVideo(path), std::to_string(cw) + "," + std::to_string(ch) + ",25/1,12");
            EXPECT_EQ(DecodeComplaints(path), "");
        }
    }
}

TEST(AviWriterTest, LosslessFramesDecodeToTheExactPixels)
{
    if (!FindCompressor(FourCC("FFV1")))
        GTEST_SKIP() << "the video library has no FFV1 encoder";
    TempDir dir;
    for (const uint32_t handler : {0u, FourCC("FFV1")}) {
        const std::string path = dir.File(handler ? "ffv1.avi" : "raw.avi");
        const int w = 45, h = 31, frames = 6;
        ASSERT_TRUE(WriteMovie(path, w, h, frames, handler).closed);
        const std::string rgb = DecodeRgb(path);
        ASSERT_EQ(rgb.size(), size_t{45} * 31 * 3 * frames);
        const size_t stride = BitmapInfo::Rgb24(w, h).FrameSize() / h;
        size_t at = 0;
        int wrong = 0;
        for (int i = 0; i < frames; ++i) {
            const std::vector<uint8_t> rows = TestFrame(w, h, i);
            for (int y = h - 1; y >= 0; --y)
                for (int x = 0; x < w; ++x, at += 3) {
                    const uint8_t* p = rows.data() + y * stride + 3 * x;
                    wrong += static_cast<uint8_t>(rgb[at]) != p[2] || static_cast<uint8_t>(rgb[at + 1]) != p[1]
                        || static_cast<uint8_t>(rgb[at + 2]) != p[0];
                }
        }
        EXPECT_EQ(wrong, 0) << (handler ? "FFV1" : "uncompressed");
    }
}

TEST(AviWriterTest, AnAbandonedOrFailedMovieLeavesTheEarlierFileAndNoTemporary)
{
    TempDir dir;
    const std::string path = dir.File("keep.avi");
    ASSERT_TRUE(WriteMovie(path, 16, 16, 3, 0).closed);
    std::string before;
    ASSERT_TRUE(ReadWholeFile(path, before));

    AviWriter writer;
    writer.SetParams(BitmapInfo::Rgb24(20, 20), 0, 0, false, 0, false, 0, 30, {});
    ASSERT_TRUE(writer.Open(path));
    ASSERT_TRUE(writer.AddFrame(TestFrame(20, 20, 0).data()));
    writer.Close(false);
    EXPECT_EQ(writer.GetState(), AviWriter::State::Closed);
    EXPECT_FALSE(writer.AddFrame(TestFrame(20, 20, 1).data()));
    std::string after;
    ASSERT_TRUE(ReadWholeFile(path, after));
    EXPECT_EQ(after, before);
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"keep.avi"});

    // A compressor that is not there: its error, and still nothing touched.
    writer.SetParams(BitmapInfo::Rgb24(20, 20), FourCC("XXXX"), 0, false, 0, false, 0, 30, {});
    EXPECT_FALSE(writer.Open(path));
    EXPECT_EQ(writer.LastError(), kAviErrNoCompressor);
    ASSERT_TRUE(ReadWholeFile(path, after));
    EXPECT_EQ(after, before);
    // A folder that does not exist.
    writer.SetParams(BitmapInfo::Rgb24(20, 20), 0, 0, false, 0, false, 0, 30, {});
    EXPECT_FALSE(writer.Open(dir.File("none/x.avi")));
    EXPECT_EQ(writer.LastError(), kAviErrFileOpen);
    // Open before any parameters.
    AviWriter fresh;
    EXPECT_FALSE(fresh.Open(dir.File("y.avi")));
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"keep.avi"});

    // Kept, the new movie replaces the old file whole.
    ASSERT_TRUE(WriteMovie(path, 20, 20, 2, 0).closed);
    RiffWalker avi(path);
    ASSERT_TRUE(avi.Ok()) << avi.Errors();
    EXPECT_EQ(avi.frames.size(), 2u);
}

// Past 1 GiB of uncompressed frames: the file goes on in AVIX segments, and every frame is
// found through the indexes and by a player.
TEST(AviWriterLargeTest, MoviePastOneGibibyteKeepsEveryFrameReachable)
{
    TempDir dir;
    const std::string path = dir.File("big.avi");
    const int w = 2048, h = 1536;   // 9 MiB frames
    const BitmapInfo info = BitmapInfo::Rgb24(w, h);
    const int frames = static_cast<int>((uint64_t{1} << 30) / info.FrameSize()) + 6;
    AviWriter writer;
    writer.SetParams(info, 0, 0, false, 0, false, 0, 30, {});
    ASSERT_TRUE(writer.Open(path));
    std::vector<uint8_t> rows(info.FrameSize(), 0x5A);
    for (int i = 0; i < frames; ++i) {
        std::memcpy(rows.data(), &i, sizeof i);   // each frame carries its number
        std::memcpy(rows.data() + rows.size() - sizeof i, &i, sizeof i);
        ASSERT_TRUE(writer.AddFrame(rows.data())) << "frame " << i;
    }
    ASSERT_TRUE(writer.Close(true)) << std::hex << writer.LastError();
    EXPECT_GT(std::filesystem::file_size(path), uint64_t{1} << 30);

    RiffWalker avi(path);
    ASSERT_TRUE(avi.Ok()) << avi.Errors();
    EXPECT_EQ(avi.riffCount, 2);
    ASSERT_EQ(avi.frames.size(), static_cast<size_t>(frames));
    std::FILE* in = std::fopen(path.c_str(), "rb");
    ASSERT_NE(in, nullptr);
    for (int i = 0; i < frames; ++i) {
        int head = -1, tail = -1;
        fseeko(in, static_cast<off_t>(avi.frames[i].dataOffset), SEEK_SET);
        ASSERT_EQ(std::fread(&head, sizeof head, 1, in), 1u);
        fseeko(in, static_cast<off_t>(avi.frames[i].dataOffset + avi.frames[i].size - sizeof tail), SEEK_SET);
        ASSERT_EQ(std::fread(&tail, sizeof tail, 1, in), 1u);
        EXPECT_EQ(head, i);
        EXPECT_EQ(tail, i);
    }
    std::fclose(in);
    EXPECT_EQ(ProbeVideo(path, false), "2048,1536,30/1," + std::to_string(frames));
}
