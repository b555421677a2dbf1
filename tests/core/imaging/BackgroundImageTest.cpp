#include "core/imaging/BackgroundImage.h"
#include <gtest/gtest.h>

namespace {
struct Placed {
    int w, h, x, y;
};
Placed Place(int iw, int ih, BackgroundSizing s)
{
    CImage32 src(iw, ih, MakePixel(1, 2, 3));
    CImage32 out = SizeBackground(src, 200, 200, s);
    return {out.Width(), out.Height(), BackgroundOffset(200, out.Width()), BackgroundOffset(200, out.Height())};
}
} // namespace

TEST(BackgroundImage, SizingExamples)
{
    const Placed wide = Place(400, 100, BackgroundSizing::Fit);
    EXPECT_EQ((std::array{wide.w, wide.h, wide.x, wide.y}), (std::array{200, 50, 0, 75}));
    const Placed tall = Place(100, 400, BackgroundSizing::Fit);
    EXPECT_EQ((std::array{tall.w, tall.h, tall.x, tall.y}), (std::array{50, 200, 75, 0}));
    const Placed small = Place(100, 50, BackgroundSizing::Normal);
    EXPECT_EQ((std::array{small.w, small.h, small.x, small.y}), (std::array{100, 50, 50, 75}));
    const Placed big = Place(300, 300, BackgroundSizing::Normal);
    EXPECT_EQ((std::array{big.w, big.h, big.x, big.y}), (std::array{200, 200, 0, 0}));
    const Placed squash = Place(30, 700, BackgroundSizing::SquashStretch);
    EXPECT_EQ((std::array{squash.w, squash.h, squash.x, squash.y}), (std::array{200, 200, 0, 0}));
    // Too thin to survive fitting: still one pixel high.
    const Placed thin = Place(5000, 1, BackgroundSizing::Fit);
    EXPECT_EQ(thin.w, 200);
    EXPECT_EQ(thin.h, 1);
    EXPECT_EQ(BackgroundOffset(200, 51), 74);   // truncated toward zero
}

TEST(BackgroundImage, NormalKeepsTheTopLeftCorner)
{
    CImage32 src(300, 300, MakePixel(0, 0, 0));
    src.Set(0, 0, MakePixel(255, 0, 0));
    src.Set(199, 199, MakePixel(0, 255, 0));
    src.Set(250, 250, MakePixel(0, 0, 255));
    CImage32 out = SizeBackground(src, 200, 200, BackgroundSizing::Normal);
    EXPECT_EQ(out.At(0, 0), MakePixel(255, 0, 0));
    EXPECT_EQ(out.At(199, 199), MakePixel(0, 255, 0));
}

TEST(BackgroundImage, NearestStretchDoesNotBlend)
{
    // Four columns of distinct colours, stretched to 10 and squeezed to 2.
    CImage32 src(4, 1);
    const Pixel c[4] = {MakePixel(255, 0, 0), MakePixel(0, 255, 0), MakePixel(0, 0, 255), MakePixel(9, 9, 9)};
    for (int x = 0; x < 4; ++x)
        src.Set(x, 0, c[x]);
    CImage32 wide = StretchNearest(src, 10, 3);
    const int expected[10] = {0, 0, 0, 1, 1, 2, 2, 2, 3, 3};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(wide.At(x, y), c[expected[x]]) << x;
    CImage32 narrow = StretchNearest(src, 2, 1);
    EXPECT_EQ(narrow.At(0, 0), c[0]);
    EXPECT_EQ(narrow.At(1, 0), c[2]);
    EXPECT_TRUE(StretchNearest(CImage32(), 3, 3).IsNull());
}

TEST(BackgroundImage, JpegRoundTripIsCloseButCoded)
{
    CImage32 src(20, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            src.Set(x, y, MakePixel(40 + x * 5, 60 + y * 9, 100 + x * y / 4));
    CImage32 out;
    std::vector<uint8_t> jpeg;
    ASSERT_TRUE(JpegRoundTrip(src, out, jpeg));
    ASSERT_EQ(out.Width(), 20);
    ASSERT_EQ(out.Height(), 10);
    int worst = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            worst = std::max(worst, std::abs(PixelRed(out.At(x, y)) - PixelRed(src.At(x, y))));
    EXPECT_LE(worst, 12);
    EXPECT_GT(jpeg.size(), 100u);
}
