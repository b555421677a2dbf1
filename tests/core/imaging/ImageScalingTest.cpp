#include "core/imaging/ImageScaling.h"
#include <gtest/gtest.h>

namespace {

int Red(Pixel p) { return static_cast<int>((p >> 16) & 0xFF); }

} // namespace

TEST(ImageScaling, KeepsTheAspectAndNeverEnlarges)
{
    struct Case {
        int w, h, box, outW, outH;
    } cases[] = {
        {400, 100, 100, 100, 25}, {100, 400, 100, 25, 100}, {1000, 3, 10, 10, 1},   // the short side keeps a pixel
        {641, 480, 128, 128, 96}, {120, 90, 120, 120, 90},  {50, 40, 256, 50, 40},  // fits already: as it is
    };
    for (const Case& c : cases) {
        const CImage32 out = ScaleDownToFit(CImage32(c.w, c.h, 0xFF102030u), c.box);
        EXPECT_EQ(out.Width(), c.outW) << c.w << "x" << c.h << " in " << c.box;
        EXPECT_EQ(out.Height(), c.outH) << c.w << "x" << c.h << " in " << c.box;
    }
    CImage32 small(5, 4);
    small.Set(2, 1, 0xFFABCDEFu);
    EXPECT_EQ(ScaleDownToFit(small, 5), small);
    EXPECT_TRUE(ScaleDownToFit(CImage32(), 16).IsNull());
}

TEST(ImageScaling, EachPixelIsTheAverageOfWhatItCovers)
{
    // A one-pixel checkerboard halved: every pixel grey, none black or white as picking would give.
    CImage32 board(64, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            board.Set(x, y, (x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u);
    const CImage32 grey = ScaleDownToFit(board, 32);
    ASSERT_EQ(grey.Width(), 32);
    for (int y = 0; y < grey.Height(); ++y)
        for (int x = 0; x < grey.Width(); ++x)
            ASSERT_EQ(grey.At(x, y), 0xFF808080u) << x << "," << y;

    // 3 to 2: the first output column covers column 0 whole and half of column 1.
    CImage32 stripe(3, 3);
    for (int y = 0; y < 3; ++y)
        stripe.Set(0, y, 0xFFFF0000u);
    const CImage32 two = ScaleDownToFit(stripe, 2);
    ASSERT_EQ(two.Width(), 2);
    EXPECT_EQ(Red(two.At(0, 0)), 170);
    EXPECT_EQ(Red(two.At(0, 1)), 170);
    EXPECT_EQ(Red(two.At(1, 0)), 0);
}

TEST(ImageScaling, UnevenRatiosLeaveAFlatColourFlat)
{
    const CImage32 flat = ScaleDownToFit(CImage32(1000, 777, 0xFF11C863u), 256);
    ASSERT_EQ(flat.Width(), 256);
    ASSERT_EQ(flat.Height(), 199);
    for (int y = 0; y < flat.Height(); ++y)
        for (int x = 0; x < flat.Width(); ++x)
            ASSERT_EQ(flat.At(x, y), 0xFF11C863u) << x << "," << y;
}
