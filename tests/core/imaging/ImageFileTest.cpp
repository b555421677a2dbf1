#include "core/base/ByteIO.h"
#include "core/imaging/ImageFile.h"
#include "core/base/AtomicFile.h"
#include "tests/core/support/TempDir.h"
#include <gtest/gtest.h>

namespace {
// A BMP file of the given depth with a grey ramp palette; rows as given (bottom row first).
std::vector<uint8_t> PaletteBmp(int w, int h, int bits, const std::vector<std::vector<uint8_t>>& rows)
{
    const int entries = 1 << bits;
    std::vector<uint8_t> b;
    PutU16(b, 0x4D42);
    PutU32(b, 0);
    PutU32(b, 0);
    PutU32(b, static_cast<uint32_t>(54 + 4 * entries));
    PutU32(b, 40);
    PutU32(b, static_cast<uint32_t>(w));
    PutU32(b, static_cast<uint32_t>(h));
    PutU16(b, 1);
    PutU16(b, static_cast<uint32_t>(bits));
    for (int i = 0; i < 6; ++i)
        PutU32(b, 0);
    for (int i = 0; i < entries; ++i) {
        const int g = entries == 1 ? 0 : i * 255 / (entries - 1);
        PutU8(b, static_cast<uint32_t>(g));          // blue
        PutU8(b, static_cast<uint32_t>(255 - g));    // green
        PutU8(b, 7);                                 // red
        PutU8(b, 0);
    }
    for (const auto& r : rows)
        PutBytes(b, r.data(), r.size());
    return b;
}

Pixel Entry(int i, int entries)
{
    const int g = i * 255 / (entries - 1);
    return MakePixel(7, 255 - g, g);
}
} // namespace

TEST(LoadImageFile, ExtensionDecidesTheReader)
{
    EXPECT_EQ(LowerExtension("/a/b.BmP"), "bmp");
    EXPECT_EQ(LowerExtension("/a.d/b"), "");
    EXPECT_EQ(LowerExtension("x.tar.JPEG"), "jpeg");
    EXPECT_EQ(LowerExtension("noext"), "");
}

TEST(LoadImageFile, PaletteDepthsBottomUp)
{
    TempDir dir;
    // 1 bit: 9 pixels wide spills into a second byte.
    auto one = PaletteBmp(9, 2, 1, {{0b10000000, 0b10000000, 0, 0}, {0b01111111, 0, 0, 0}});
    // 4 bits: nibbles high first.
    auto four = PaletteBmp(3, 1, 4, {{0x0F, 0x50, 0, 0}});
    // 8 bits.
    auto eight = PaletteBmp(2, 2, 8, {{1, 2, 0, 0}, {200, 255, 0, 0}});
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    const std::vector<Case> cases = {{"one.bmp", one}, {"four.bmp", four}, {"eight.bmp", eight}};
    for (const Case& c : cases)
        ASSERT_TRUE(WriteFileAtomically(dir.File(c.name), c.bytes));

    CImage32 img;
    ASSERT_TRUE(LoadImageFile(dir.File("one.bmp"), img));
    ASSERT_EQ(img.Width(), 9);
    EXPECT_EQ(img.At(0, 1), Entry(1, 2));   // bottom row, first pixel set
    EXPECT_EQ(img.At(8, 1), Entry(1, 2));
    EXPECT_EQ(img.At(1, 1), Entry(0, 2));
    EXPECT_EQ(img.At(0, 0), Entry(0, 2));   // top row
    EXPECT_EQ(img.At(1, 0), Entry(1, 2));

    ASSERT_TRUE(LoadImageFile(dir.File("four.bmp"), img));
    EXPECT_EQ(img.At(0, 0), Entry(0, 16));
    EXPECT_EQ(img.At(1, 0), Entry(15, 16));
    EXPECT_EQ(img.At(2, 0), Entry(5, 16));

    ASSERT_TRUE(LoadImageFile(dir.File("eight.bmp"), img));
    EXPECT_EQ(img.At(0, 1), Entry(1, 256));
    EXPECT_EQ(img.At(1, 0), Entry(255, 256));
}

TEST(LoadImageFile, BrokenBmpFilesFail)
{
    TempDir dir;
    auto good = PaletteBmp(2, 2, 8, {{1, 2, 0, 0}, {3, 4, 0, 0}});
    std::vector<std::vector<uint8_t>> bad;
    bad.push_back({'B', 'M'});
    auto notBm = good;
    notBm[0] = 'X';
    bad.push_back(notBm);
    auto shortRows = good;
    shortRows.resize(shortRows.size() - 5);
    bad.push_back(shortRows);
    auto hugeWidth = good;
    hugeWidth[18 + 3] = 0x7F;
    bad.push_back(hugeWidth);
    for (size_t i = 0; i < bad.size(); ++i) {
        const std::string path = dir.File("bad" + std::to_string(i) + ".bmp");
        ASSERT_TRUE(WriteFileAtomically(path, bad[i]));
        CImage32 img;
        const FileResult r = LoadImageFile(path, img);
        EXPECT_FALSE(r) << i;
        // Short rows and a width past the limit are told from the header, before decoding.
        EXPECT_TRUE(r.Has(i >= 2 ? FileReason::PictureRefused : FileReason::NotThisKind)) << i;
    }
    CImage32 img;
    const FileResult missingBmp = LoadImageFile(dir.File("missing.bmp"), img);
    EXPECT_FALSE(missingBmp);
    EXPECT_TRUE(missingBmp.Has(FileReason::CannotRead));
    // A missing file under another name goes to the JPEG reader, which says so.
    const FileResult missingJpeg = LoadImageFile(dir.File("missing.jpg"), img);
    EXPECT_FALSE(missingJpeg);
    EXPECT_TRUE(missingJpeg.Has(FileReason::JpegCannotOpen));
}
