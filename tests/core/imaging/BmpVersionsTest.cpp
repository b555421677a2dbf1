#include "core/base/AtomicFile.h"
#include "core/imaging/ImageFile.h"
#include "tests/core/support/BmpMaker.h"
#include "tests/core/support/TempDir.h"
#include <gtest/gtest.h>
#include <string>

namespace {

std::string Name(const BmpSpec& s)
{
    return "header " + std::to_string(s.header) + ", " + std::to_string(s.bpp) + " bits" + (s.rle ? ", RLE" : "")
        + (s.bitFields ? ", bit fields" : "") + (s.topDown ? ", top-down" : "");
}

// Every pixel of what was read equals the picture, or the first that differs is named.
::testing::AssertionResult SamePicture(const CImage32& got, const CImage32& want)
{
    if (got.Width() != want.Width() || got.Height() != want.Height())
        return ::testing::AssertionFailure() << "size " << got.Width() << "x" << got.Height();
    for (int y = 0; y < want.Height(); ++y)
        for (int x = 0; x < want.Width(); ++x)
            if ((got.At(x, y) & 0xFFFFFF) != (want.At(x, y) & 0xFFFFFF))
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " is " << std::hex << got.At(x, y)
                                                     << " not " << want.At(x, y);
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(BmpVersions, EveryHeaderVersionAndCodingReadsBackExactly)
{
    const std::vector<BmpSpec> specs = {
        // OS/2 1.x: 16-bit sizes and three-byte palette entries.
        {12, 1}, {12, 4}, {12, 8}, {12, 24},
        // OS/2 2.x, full and cut short after the depth.
        {64, 8}, {16, 4},
        {40, 1}, {40, 4}, {40, 8}, {40, 16}, {40, 24}, {40, 32},
        {40, 4, true}, {40, 8, true},
        {40, 16, false, true}, {40, 32, false, true},
        {40, 8, false, false, true}, {40, 24, false, false, true},
        {108, 24}, {108, 16, false, true}, {108, 32, false, true, true}, {108, 8, true},
        {124, 32, false, true}, {124, 4, false, false, true}, {124, 24, false, false, true},
    };
    for (const BmpSpec& s : specs) {
        const CImage32 picture = BmpTestPicture(13, 7, s.bpp == 1 ? 2 : 7);
        const std::vector<uint8_t> file = MakeBmp(picture, s);
        CImage32 got;
        ASSERT_TRUE(DecodeBmpFile(file.data(), file.size(), got)) << Name(s);
        EXPECT_TRUE(SamePicture(got, picture)) << Name(s);
    }
}

TEST(BmpVersions, CoreHeaderFileLoadsAndIsCheckedLikeAnyOther)
{
    TempDir dir;
    const CImage32 picture = BmpTestPicture(300, 20, 7);
    std::vector<uint8_t> file = MakeBmp(picture, {12, 8});
    ASSERT_TRUE(WriteFileAtomically(dir.File("os2.bmp"), file));
    CImage32 got;
    ASSERT_TRUE(LoadImageFile(dir.File("os2.bmp"), got));
    EXPECT_TRUE(SamePicture(got, picture));

    // Its 16-bit height claims more rows than the file holds: refused before decoding.
    file[14 + 6] = 0xFF;
    file[14 + 7] = 0x30;
    ASSERT_TRUE(WriteFileAtomically(dir.File("short.bmp"), file));
    const FileResult refused = LoadImageFile(dir.File("short.bmp"), got);
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.Has(FileReason::PictureRefused));

    // A palette cut short to the colours used, its end told only by the pixel offset.
    const CImage32 seven = BmpTestPicture(5, 3, 7);
    const std::vector<uint8_t> full = MakeBmp(seven, {12, 8});
    const size_t tableAt = 14 + 12, kept = 7 * 3;
    std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<long>(tableAt + kept));
    cut.insert(cut.end(), full.begin() + static_cast<long>(tableAt + 256 * 3), full.end());
    cut[10] = static_cast<uint8_t>(tableAt + kept);
    cut[11] = 0;
    CImage32 few;
    ASSERT_TRUE(DecodeBmpFile(cut.data(), cut.size(), few));
    EXPECT_TRUE(SamePicture(few, seven));
}

TEST(BmpVersions, HeadersOfNoKnownSizeAreRefused)
{
    std::vector<uint8_t> file = MakeBmp(BmpTestPicture(4, 4, 2), {40, 1});
    CImage32 got;
    for (uint32_t size : {0u, 8u, 13u, 15u}) {
        file[14] = static_cast<uint8_t>(size);
        EXPECT_FALSE(DecodeBmpFile(file.data(), file.size(), got)) << size;
    }
    // A core header whose file ends inside its palette.
    std::vector<uint8_t> core = MakeBmp(BmpTestPicture(4, 4, 7), {12, 8});
    core.resize(14 + 12 + 10);
    EXPECT_FALSE(DecodeBmpFile(core.data(), core.size(), got));
}
