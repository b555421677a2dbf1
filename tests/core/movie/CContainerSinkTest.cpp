#include "core/base/CRandom.h"
#include "core/movie/CContainerSink.h"
#include "core/movie/CFrameScaler.h"
#include "tests/core/support/TempDir.h"
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

// Blocks of random colour over noise, changing a little every frame, like a drawing growing.
CImage32 Picture(int w, int h, int frame)
{
    CRandom rnd(static_cast<uint32_t>(100 + frame));
    CImage32 image(w, h, 0xFF204060u);
    for (int i = 0; i < 6 + frame; ++i) {
        const int x = static_cast<int>(rnd.Next() % static_cast<uint32_t>(w));
        const int y = static_cast<int>(rnd.Next() % static_cast<uint32_t>(h));
        image.FillRect(CRect(x, y, x + 9, y + 7), 0xFF000000u | (rnd.Next() & 0xFFFFFF));
    }
    return image;
}

AviOptions Options(uint32_t handler)
{
    AviOptions o;
    o.handler = handler;
    o.quality = 8000;
    o.keyFramesOn = 0;
    return o;
}

// Writes frames through the sink, converted on the drawing's side or scaled; the file's bytes.
std::string Write(const std::string& path, MovieContainer container, uint32_t handler, int w, int h,
                  bool convert, bool& offered)
{
    CContainerSink sink;
    EXPECT_TRUE(sink.Open(path, container, Options(handler), 30, w, h)) << sink.Failure();
    CFrameScaler scaler(w, h);
    offered = false;
    for (int i = 0; i < 5; ++i) {
        const CImage32 picture = Picture(w, h, i);
        CDrawingConverter* converter = convert ? sink.Converter(picture) : nullptr;
        offered = offered || converter;
        if (converter) {
            std::vector<uint8_t> record;
            EXPECT_TRUE(converter->Convert(picture, record));
            EXPECT_TRUE(sink.AddRecord(record, i));
        } else {
            EXPECT_TRUE(scaler.Scale(picture));
            EXPECT_TRUE(sink.AddFrame(scaler, i));
        }
    }
    EXPECT_TRUE(sink.Finish(true)) << sink.Failure();
    return ReadBytes(path);
}

} // namespace

// The drawing converted straight to the encoder's planes makes the very file its 24-bit copy
// made; odd sizes, which the encoder pads, are left to the copy.
TEST(CContainerSink, DrawingConvertedDirectlyWritesTheSameFileAsItsScaledCopy)
{
    TempDir dir;
    struct Case {
        const char* name;
        MovieContainer container;
        uint32_t handler;
        int w, h;
        bool offered;
    };
    for (const Case& c : {Case{"a.mp4", MovieContainer::Mp4, FourCC("H264"), 96, 64, true},
                          Case{"a.webm", MovieContainer::WebM, FourCC("VP90"), 96, 64, true},
                          Case{"b.mp4", MovieContainer::Mp4, FourCC("H264"), 95, 63, false}}) {
        SCOPED_TRACE(c.name);
        bool offered = false, unused = false;
        const std::string direct = Write(dir.File(std::string("d") + c.name), c.container, c.handler, c.w, c.h, true, offered);
        const std::string scaled = Write(dir.File(std::string("s") + c.name), c.container, c.handler, c.w, c.h, false, unused);
        EXPECT_EQ(offered, c.offered);
        ASSERT_GT(direct.size(), 500u);
        EXPECT_TRUE(direct == scaled) << direct.size() << " bytes against " << scaled.size();
    }
}

TEST(CContainerSink, ConverterRefusesADrawingOfAnotherSize)
{
    TempDir dir;
    CContainerSink sink;
    ASSERT_TRUE(sink.Open(dir.File("c.mp4"), MovieContainer::Mp4, Options(FourCC("H264")), 30, 64, 48)) << sink.Failure();
    EXPECT_EQ(sink.Converter(CImage32(32, 24)), nullptr);
    CDrawingConverter* converter = sink.Converter(CImage32(64, 48));
    ASSERT_NE(converter, nullptr);
    std::vector<uint8_t> record;
    EXPECT_FALSE(converter->Convert(CImage32(64, 40), record));
    EXPECT_FALSE(sink.AddRecord(std::vector<uint8_t>(10), 0)) << "a record of the wrong size is no frame";
    sink.Finish(false);
}
