#include "core/base/ByteIO.h"
#include "core/imaging/ImageFile.h"
#include "core/imaging/PackedDib.h"
#include "core/base/AtomicFile.h"
#include "tests/core/support/TempDir.h"
#include <gtest/gtest.h>

namespace {
CImage32 Gradient(int w, int h)
{
    CImage32 img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.Set(x, y, MakePixel(x * 40 % 256, y * 30 % 256, (x + y) * 17 % 256));
    return img;
}
} // namespace

TEST(PackedDib, StrideRule)
{
    EXPECT_EQ(DibStride(1, 24), 4u);
    EXPECT_EQ(DibStride(4, 24), 12u);
    EXPECT_EQ(DibStride(5, 24), 16u);
    EXPECT_EQ(DibStride(33, 1), 8u);
    EXPECT_EQ(DibStride(9, 4), 8u);
    EXPECT_EQ(DibStride(3, 8), 4u);
    EXPECT_EQ(DibStride(0, 24), 0u);
}

TEST(PackedDib, BitmapToDibLayout)
{
    CImage32 img = Gradient(3, 2);
    PackedDib dib = BitmapToDib(img);
    ASSERT_FALSE(dib.IsNull());
    const uint8_t* b = dib.Block().data();
    EXPECT_EQ(ReadU32(b), 40u);
    EXPECT_EQ(ReadS32(b + 4), 3);
    EXPECT_EQ(ReadS32(b + 8), 2);
    EXPECT_EQ(ReadU16(b + 12), 1);
    EXPECT_EQ(ReadU16(b + 14), 24);
    EXPECT_EQ(ReadU32(b + 16), 0u);
    EXPECT_EQ(ReadU32(b + 20), 24u);
    for (int off = 24; off < 40; off += 4)
        EXPECT_EQ(ReadU32(b + off), 0u);
    EXPECT_EQ(dib.Size(), 40u + 24u);
    EXPECT_EQ(dib.ColorTableEntries(), 0u);
    // Bottom row first, blue green red, padding zero.
    const uint8_t* row0 = dib.Pixels();
    ASSERT_NE(row0, nullptr);
    const Pixel bottomRight = img.At(2, 1);
    EXPECT_EQ(row0[6], PixelBlue(bottomRight));
    EXPECT_EQ(row0[7], PixelGreen(bottomRight));
    EXPECT_EQ(row0[8], PixelRed(bottomRight));
    EXPECT_EQ(row0[9], 0);
    EXPECT_EQ(row0[12 + 2], PixelRed(img.At(0, 0)));
    EXPECT_TRUE(BitmapToDib(CImage32()).IsNull());
}

TEST(PackedDib, LocatesPixelsOfForeignRecords)
{
    std::vector<uint8_t> block(40 + 16 * 4 + 8, 0);
    block[0] = 40;
    block[4] = 8;     // width 8
    block[8] = 2;     // height 2
    block[14] = 8;    // 8 bits
    block[32] = 16;   // 16 colours used
    PackedDib dib(block);
    EXPECT_EQ(dib.ColorTableEntries(), 16u);
    EXPECT_EQ(dib.PixelOffset(), 40u + 64u);
    EXPECT_EQ(dib.Stride(), 8u);
    EXPECT_EQ(dib.Pixels(), nullptr);   // 8 bytes where two rows need 16
    block.resize(block.size() + 8);
    EXPECT_NE(PackedDib(block).Pixels(), nullptr);
    // Bit-fields: three masks after the header.
    std::vector<uint8_t> bf(40 + 12 + 8, 0);
    bf[0] = 40;
    bf[4] = 2;
    bf[8] = 1;
    bf[14] = 32;
    bf[16] = 3;
    EXPECT_EQ(PackedDib(bf).PixelOffset(), 52u);
    EXPECT_TRUE(PackedDib(std::vector<uint8_t>(39)).IsNull());
}

TEST(BmpFile, OnePixelWideHasFourByteRowsAndOffset54)
{
    TempDir dir;
    CImage32 img(1, 3);
    img.Set(0, 0, MakePixel(1, 2, 3));
    img.Set(0, 2, MakePixel(250, 251, 252));
    const std::string path = dir.File("thin.bmp");
    ASSERT_TRUE(SaveBitmapAsBmp(path, img));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    const auto* b = reinterpret_cast<const uint8_t*>(bytes.data());
    ASSERT_EQ(bytes.size(), 54u + 12u);
    EXPECT_EQ(ReadU16(b), 0x4D42);
    EXPECT_EQ(ReadU32(b + 2), 66u);
    EXPECT_EQ(ReadU32(b + 6), 0u);
    EXPECT_EQ(ReadU32(b + 10), 54u);
    // The bottom row comes first: 252, 251, 250 then one padding byte.
    EXPECT_EQ(b[54], 252);
    EXPECT_EQ(b[56], 250);
    EXPECT_EQ(b[57], 0);
    EXPECT_EQ(b[62], 3);
}

TEST(BmpFile, RoundTripThroughOurReader)
{
    TempDir dir;
    for (int w : {1, 2, 3, 4, 5, 17}) {
        CImage32 img = Gradient(w, 7);
        const std::string path = dir.File("g.BMP");
        ASSERT_TRUE(SaveBitmapAsBmp(path, img));
        CImage32 back;
        ASSERT_TRUE(LoadImageFile(path, back)) << w;
        EXPECT_EQ(back, img) << w;
    }
}

TEST(BmpFile, UnwritablePathFails)
{
    EXPECT_FALSE(SaveBitmapAsBmp("/nonexistent-folder-xyz/a.bmp", Gradient(2, 2)));
    EXPECT_FALSE(SaveBitmapAsBmp("/tmp/empty.bmp", CImage32()));
}
