#include "core/imaging/PngFile.h"
#include "core/base/AtomicFile.h"
#include "core/imaging/ImageFile.h"
#include "core/imaging/PackedDib.h"
#include "core/imaging/PictureCheck.h"
#include "tests/core/support/TempDir.h"
#include <gtest/gtest.h>
#include <png.h>
#include <string>
#include <vector>

namespace {

CImage32 Colourful(int w, int h)
{
    CImage32 img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.Set(x, y, MakePixel((x * 37) & 255, (y * 91) & 255, (x * y) & 255));
    return img;
}

// A PNG written by another writer than ours: libpng straight from raw rows, so every colour
// type, depth and interlacing our reader meets can be made.
std::vector<uint8_t> RawPng(int w, int h, int colourType, int depth, bool interlaced,
                            const std::vector<std::vector<uint8_t>>& rows, const std::vector<png_color>& palette = {})
{
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep d, size_t n) {
            auto* v = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
            v->insert(v->end(), d, d + n);
        },
        nullptr);
    png_set_IHDR(png, info, w, h, depth, colourType, interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty())
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    png_write_info(png, info);
    std::vector<png_bytep> pointers;
    for (const auto& r : rows)
        pointers.push_back(const_cast<png_bytep>(r.data()));
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

} // namespace

TEST(PngFile, OurPngHoldsExactlyThePixelsTheBmpHolds)
{
    TempDir dir;
    const CImage32 picture = Colourful(37, 23);   // odd width: the BMP pads its rows
    ASSERT_TRUE(WritePngFile(dir.File("a.png"), picture));
    ASSERT_TRUE(SaveBitmapAsBmp(dir.File("a.bmp"), picture));
    CImage32 fromPng, fromBmp;
    ASSERT_TRUE(LoadImageFile(dir.File("a.png"), fromPng));
    ASSERT_TRUE(LoadImageFile(dir.File("a.bmp"), fromBmp));
    EXPECT_EQ(fromPng, picture);
    EXPECT_EQ(fromPng, fromBmp);
}

TEST(PngFile, ReadsGreyPaletteSixteenBitInterlacedAndTransparentPictures)
{
    struct Case {
        const char* name;
        int colourType, depth;
        bool interlaced;
        std::vector<std::vector<uint8_t>> rows;
        std::vector<Pixel> expected;   // two pixels
        std::vector<png_color> palette;
    } cases[] = {
        {"grey 8", PNG_COLOR_TYPE_GRAY, 8, false, {{0, 200}}, {MakePixel(0, 0, 0), MakePixel(200, 200, 200)}, {}},
        {"grey 1", PNG_COLOR_TYPE_GRAY, 1, false, {{0x40}}, {MakePixel(0, 0, 0), MakePixel(255, 255, 255)}, {}},
        {"palette", PNG_COLOR_TYPE_PALETTE, 8, false, {{1, 0}}, {MakePixel(0, 0, 255), MakePixel(255, 0, 0)},
         {{255, 0, 0}, {0, 0, 255}}},
        {"rgb 16", PNG_COLOR_TYPE_RGB, 16, false, {{0xFF, 0xFF, 0, 0, 0x80, 0x00, 0, 0, 0x12, 0x34, 0xAB, 0xCD}},
         {MakePixel(255, 0, 128), MakePixel(0, 0x12, 0xAB)}, {}},
        {"rgba", PNG_COLOR_TYPE_RGB_ALPHA, 8, false, {{10, 20, 30, 255, 0, 0, 0, 0}},
         {MakePixel(10, 20, 30), MakePixel(255, 255, 255)}, {}},
        {"interlaced", PNG_COLOR_TYPE_RGB, 8, true, {{1, 2, 3, 4, 5, 6}}, {MakePixel(1, 2, 3), MakePixel(4, 5, 6)}, {}},
    };
    for (const Case& c : cases) {
        const auto bytes = RawPng(2, 1, c.colourType, c.depth, c.interlaced, c.rows, c.palette);
        CImage32 img;
        ASSERT_TRUE(ReadPngBytes(bytes.data(), bytes.size(), img)) << c.name;
        ASSERT_EQ(img.Width(), 2) << c.name;
        EXPECT_EQ(img.At(0, 0), c.expected[0]) << c.name;
        EXPECT_EQ(img.At(1, 0), c.expected[1]) << c.name;
    }
}

TEST(PngFile, DamagedFilesAreRefusedWithTheCodecsWords)
{
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(WritePngBytes(bytes, Colourful(40, 40)));
    CImage32 img;
    const FileResult cut = ReadPngBytes(bytes.data(), bytes.size() / 2, img);
    EXPECT_FALSE(cut);
    EXPECT_TRUE(cut.Has(FileReason::PngCodec));
    EXPECT_TRUE(img.IsNull());
    const std::vector<uint8_t> notPng = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(ReadPngBytes(notPng.data(), notPng.size(), img));
}

namespace {

struct Header {
    const char* name;
    std::string file;
    std::vector<uint8_t> bytes;
    bool tooLarge;
};

std::vector<uint8_t> BmpHeader(int w, int h, int bpp, size_t total)
{
    std::vector<uint8_t> b(total, 0);
    auto put32 = [&b](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(w));
    put32(22, static_cast<uint32_t>(h));
    b[26] = 1;
    b[28] = static_cast<uint8_t>(bpp);
    return b;
}

std::vector<uint8_t> PngHeader(uint32_t w, uint32_t h)
{
    std::vector<uint8_t> b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (uint32_t v : {w, h})
        for (int i = 3; i >= 0; --i)
            b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    b.insert(b.end(), {8, 2, 0, 0, 0, 0, 0, 0, 0});
    b.resize(200, 0);
    return b;
}

std::vector<uint8_t> JpegHeader(int w, int h)
{
    std::vector<uint8_t> b = {0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 0, 0, 0xFF, 0xC0, 0, 11, 8,
                              static_cast<uint8_t>(h >> 8), static_cast<uint8_t>(h), static_cast<uint8_t>(w >> 8),
                              static_cast<uint8_t>(w), 1, 1, 0x11, 0};
    b.resize(300, 0);
    return b;
}

} // namespace

TEST(PictureCheck, HugeOrHollowPicturesAreRefusedBeforeDecoding)
{
    const Header cases[] = {
        {"bmp wide", "a.bmp", BmpHeader(20000, 10, 24, 600000), true},
        {"bmp hollow", "a.bmp", BmpHeader(16000, 16000, 24, 400), false},
        {"bmp top-down tall", "a.bmp", BmpHeader(10, -17000, 24, 600000), true},
        {"png tall", "a.png", PngHeader(100, 100000), true},
        {"png hollow", "a.png", PngHeader(16384, 16384), false},
        {"jpeg wide", "a.jpg", JpegHeader(30000, 20), true},
        {"jpeg hollow", "a.jpg", JpegHeader(16000, 16000), false},
    };
    TempDir dir;
    for (const Header& c : cases) {
        const std::string path = dir.File(c.file);
        ASSERT_TRUE(WriteFileAtomically(path, c.bytes));
        CImage32 img;
        const FileResult r = LoadImageFile(path, img);
        EXPECT_FALSE(r) << c.name;
        ASSERT_FALSE(r.notes.empty()) << c.name;
        EXPECT_EQ(r.notes.front().reason, FileReason::PictureRefused) << c.name;
        const std::string& text = r.notes.front().text;
        EXPECT_NE(text.find(c.tooLarge ? "too large" : "damaged"), std::string::npos) << c.name << ": " << text;
        EXPECT_TRUE(img.IsNull());
    }
    // The largest side allowed still reads when the file holds its pixels.
    const CImage32 wide(kMaxPictureSide, 2, MakePixel(1, 2, 3));
    ASSERT_TRUE(WritePngFile(dir.File("wide.png"), wide));
    CImage32 img;
    EXPECT_TRUE(LoadImageFile(dir.File("wide.png"), img));
    EXPECT_EQ(img.Width(), kMaxPictureSide);
}
