#include "core/imaging/ImageFile.h"
#include "core/imaging/JpegFile.h"
#include "core/base/AtomicFile.h"
#include "tests/core/support/TempDir.h"
#include <cstdio>
#include <gtest/gtest.h>
#include <jpeglib.h>

namespace {
CImage32 Colours(int w, int h)
{
    CImage32 img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.Set(x, y, x < w / 2 ? MakePixel(230, 20, 20) : MakePixel(20, 20, 230));
    return img;
}

FileResult Codec(const std::string& text)
{
    FileResult r;
    r.Note(FileReason::JpegCodec, text);
    return r;
}

// Writes a JPEG straight through the codec, for colour models the program never writes.
void WriteRawJpeg(const std::string& path, int w, int h, int components, J_COLOR_SPACE space)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, f);
    c.image_width = static_cast<JDIMENSION>(w);
    c.image_height = static_cast<JDIMENSION>(h);
    c.input_components = components;
    c.in_color_space = space;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(w * components));
    for (int y = 0; y < h; ++y) {
        for (size_t i = 0; i < row.size(); ++i)
            row[i] = static_cast<uint8_t>(100 + y);
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(f);
}
} // namespace

TEST(JpegFile, RoundTripKeepsColoursAndOrientation)
{
    TempDir dir;
    CImage32 img = Colours(16, 8);
    img.FillRect({0, 0, 16, 2}, MakePixel(20, 220, 20));   // green top band
    const std::string path = dir.File("c.jpg");
    const FileResult written = WriteJpegFile(path, 100, img);
    ASSERT_TRUE(written);
    JpegPixels px;
    const FileResult read = ReadJpegFile(path, px);
    ASSERT_TRUE(read);
    EXPECT_EQ(px.width, 16);
    EXPECT_EQ(px.height, 8);
    EXPECT_EQ(px.bitsPerPixel, 24);
    CImage32 back = JpegPixelsToImage(px);
    const Pixel red = back.At(3, 5), blue = back.At(12, 5), green = back.At(8, 0);
    EXPECT_GT(PixelRed(red), 200);
    EXPECT_LT(PixelBlue(red), 50);
    EXPECT_GT(PixelBlue(blue), 200);
    EXPECT_LT(PixelRed(blue), 50);
    EXPECT_GT(PixelGreen(green), 200);
    EXPECT_TRUE(written.notes.empty());
    EXPECT_TRUE(read.notes.empty());
}

TEST(JpegFile, QualityChangesSize)
{
    CImage32 img(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            img.Set(x, y, MakePixel((x * 37) ^ (y * 11), x * y, y * 4));
    std::vector<uint8_t> low, high;
    ASSERT_TRUE(WriteJpegBytes(low, 5, img));
    ASSERT_TRUE(WriteJpegBytes(high, 100, img));
    EXPECT_LT(low.size() * 2, high.size());
}

TEST(JpegFile, FivePixelsWideGivesSixteenByteRowsWithZeroPadding)
{
    CImage32 img(5, 3, MakePixel(255, 255, 255));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(WriteJpegBytes(bytes, 100, img));
    JpegPixels px;
    ASSERT_TRUE(ReadJpegBytes(bytes.data(), bytes.size(), px));
    EXPECT_EQ(px.stride, 16u);
    ASSERT_EQ(px.rows.size(), 48u);
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(px.rows[16 * r + 15], 0);
        EXPECT_GT(px.rows[16 * r + 14], 240);
    }
}

TEST(JpegFile, GreyscaleLoadsAsTwentyFourBits)
{
    TempDir dir;
    const std::string path = dir.File("g.jpg");
    WriteRawJpeg(path, 7, 4, 1, JCS_GRAYSCALE);
    JpegPixels px;
    ASSERT_TRUE(ReadJpegFile(path, px));
    EXPECT_EQ(px.bitsPerPixel, 24);
    EXPECT_EQ(px.stride, 24u);
    CImage32 img;
    ASSERT_TRUE(LoadImageFile(path, img));
    const Pixel top = img.At(3, 0);
    EXPECT_NEAR(PixelRed(top), 100, 3);
    EXPECT_EQ(PixelRed(top), PixelBlue(top));
    EXPECT_NEAR(PixelGreen(img.At(3, 3)), 103, 3);
}

TEST(JpegFile, CmykFailsWithTheCodecMessage)
{
    TempDir dir;
    const std::string path = dir.File("cmyk.jpeg");
    WriteRawJpeg(path, 4, 4, 4, JCS_CMYK);
    CImage32 img;
    const FileResult r = LoadImageFile(path, img);
    EXPECT_FALSE(r);
    EXPECT_EQ(r.notes, Codec("Unsupported color conversion request").notes);
}

TEST(JpegFile, DamagedAndMissingFilesFail)
{
    TempDir dir;
    const std::string junk = dir.File("junk.jpg");
    const std::vector<uint8_t> bytes(100, 0x42);
    ASSERT_TRUE(WriteFileAtomically(junk, bytes));
    JpegPixels px;
    const FileResult damaged = ReadJpegFile(junk, px);
    EXPECT_FALSE(damaged);
    ASSERT_EQ(damaged.notes.size(), 1u);
    EXPECT_EQ(damaged.notes[0].reason, FileReason::JpegCodec);
    EXPECT_NE(damaged.notes[0].text.find("JPEG"), std::string::npos);

    const FileResult missing = ReadJpegFile(dir.File("none.jpg"), px);
    EXPECT_FALSE(missing);
    EXPECT_TRUE(missing.Has(FileReason::JpegCannotOpen));

    const FileResult unwritable = WriteJpegFile("/nonexistent-folder-xyz/a.jpg", 80, Colours(4, 4));
    EXPECT_FALSE(unwritable);
    EXPECT_TRUE(unwritable.Has(FileReason::JpegCannotWrite));
    std::vector<uint8_t> out;
    EXPECT_FALSE(WriteJpegBytes(out, 80, CImage32()));
    EXPECT_TRUE(out.empty());
    // No bytes at all: the codec's own wording.
    EXPECT_EQ(ReadJpegBytes(nullptr, 0, px).notes, Codec("Empty input file").notes);
}
