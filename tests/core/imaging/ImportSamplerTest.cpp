#include "core/imaging/ImportSampler.h"
#include "core/base/CPoint.h"
#include "core/colour/ColorConversion.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A picture whose every pixel differs from pixel (0, 0), so no grid point is background.
CImage32 Ramp(int w, int h)
{
    CImage32 img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.Set(x, y, MakePixel(static_cast<uint8_t>(x * 3 + 1), static_cast<uint8_t>(y * 5 + 1), 90));
    img.Set(0, 0, MakePixel(0, 0, 0));
    return img;
}

ImportGrid Grid(int W, int H, int t, bool remove = false)
{
    ImportGrid g;
    g.drawingWidth = W;
    g.drawingHeight = H;
    g.step = t;
    g.removeBackground = remove;
    return g;
}

std::vector<CPoint> Points(const std::vector<ImportSample>& s)
{
    std::vector<CPoint> out;
    for (const ImportSample& x : s)
        out.push_back({x.x, x.y});
    return out;
}

std::vector<ImportSample> Collect(const CImage32& img, const ImportGrid& g, std::vector<int>* progress = nullptr)
{
    std::vector<ImportSample> out;
    CollectImportSamples(img, g, out, [progress](int p) {
        if (progress)
            progress->push_back(p);
        return true;
    });
    return out;
}

} // namespace

TEST(ImportSampler, GridStepFromShapeSizeAndSlider)
{
    struct Case {
        char digit;
        int slider, step;
    } cases[] = {{'1', 5, 12}, {'1', 1, 16}, {'1', 10, 7}, {'0', 10, 2}, {'0', 5, 7}, {'2', 1, 22}, {'x', 5, 18},
                 {'0', 11, 2}};
    for (const Case& c : cases)
        EXPECT_EQ(ImportGridStep(c.digit, c.slider), c.step) << c.digit << " slider " << c.slider;
}

TEST(ImportSampler, MediumSliderFiveLaysAStaggeredTwelvePixelGrid)
{
    const auto samples = Collect(Ramp(60, 40), Grid(60, 40, 12));
    std::vector<CPoint> expected;
    for (int row = 0, y = 6; y < 40; y += 12, ++row)
        for (int x = row % 2 == 0 ? 6 : 0; x < 60; x += 12)
            expected.push_back({x, y});
    EXPECT_EQ(Points(samples), expected);
    EXPECT_EQ(expected.front(), (CPoint{6, 6}));
    EXPECT_EQ(expected[5], (CPoint{0, 18}));
}

TEST(ImportSampler, SmallSliderTenSamplesEveryTwoByTwoBlock)
{
    CImage32 img(8, 6, MakePixel(10, 10, 10));
    // The window of (1, 1) is the block (0..1, 0..1); (2, 2) lies outside it.
    img.Set(1, 0, MakePixel(50, 10, 10));
    img.Set(1, 1, MakePixel(90, 10, 10));
    img.Set(2, 2, MakePixel(250, 250, 250));
    const auto samples = Collect(img, Grid(8, 6, 2));
    ASSERT_EQ(samples.size(), 12u);
    EXPECT_EQ((CPoint{samples[0].x, samples[0].y}), (CPoint{1, 1}));
    EXPECT_EQ((CPoint{samples[4].x, samples[4].y}), (CPoint{0, 3}));
    // Average (10 + 50 + 90 + 10) / 4 = 40 red, 10 green, 10 blue.
    const HsvF hsv = RgbToHsv(40, 10, 10);
    EXPECT_EQ(samples[0].hue, 0);
    EXPECT_EQ(samples[0].saturation, static_cast<int>(hsv.saturation * 255.0f));
    EXPECT_EQ(samples[0].value, static_cast<int>(hsv.value * 255.0f));
    EXPECT_NEAR(samples[0].value, 40, 1);
}

TEST(ImportSampler, OneColourPictureIsAllBackgroundOrAFullGrid)
{
    const CImage32 flat(50, 30, MakePixel(0, 0, 255));
    EXPECT_TRUE(Collect(flat, Grid(50, 30, 12, true)).empty());
    const auto kept = Collect(flat, Grid(50, 30, 12, false));
    // Row 6 at x = 6..42 and row 18 at x = 0..48, all of the picture's colour.
    ASSERT_EQ(kept.size(), 9u);
    for (const ImportSample& s : kept) {
        EXPECT_EQ(s.hue, 240);
        EXPECT_EQ(s.saturation, 255);
        EXPECT_EQ(s.value, 255);
    }
}

TEST(ImportSampler, AQuarterOfTheWindowInBackgroundSkipsThePoint)
{
    // The window of (6, 6) is 144 pixels, (0..11, 0..11); column 12 lies outside it.
    for (int background : {35, 36}) {
        CImage32 img(13, 12, MakePixel(200, 100, 50));
        const Pixel bg = MakePixel(1, 2, 3);
        img.Set(0, 0, bg);
        for (int i = 0; i < background - 1; ++i)
            img.Set(11 - i % 12, 11 - i / 12, bg);
        for (int y = 0; y < 12; ++y)
            img.Set(12, y, bg);
        const auto samples = Collect(img, Grid(13, 12, 12, true));
        EXPECT_EQ(samples.size(), background == 36 ? 0u : 1u) << background;
    }
}

TEST(ImportSampler, CentresSmallerAndLargerPictures)
{
    // 24 x 24 in a 100 x 100 drawing: offset 12 - 50 = -38, so the grid lands in the middle.
    EXPECT_EQ(ImportOffset(24, 100), -38);
    auto small = Collect(Ramp(24, 24), Grid(100, 100, 12));
    ASSERT_FALSE(small.empty());
    EXPECT_EQ(small.front().x, 6);
    // 300 wide in a 100 drawing: offset 100; only points with -12 < x - 100 < 112 are sampled.
    auto wide = Collect(Ramp(300, 24), Grid(100, 24, 12));
    ASSERT_FALSE(wide.empty());
    for (const ImportSample& s : wide) {
        EXPECT_GT(s.x - 100, -12);
        EXPECT_LT(s.x - 100, 112);
    }
    EXPECT_EQ(wide.front().x, 90);
}

TEST(ImportSampler, ProgressStaysWithinTheFirstHalfAndAShortPictureDoesNotDivideByZero)
{
    std::vector<int> progress;
    Collect(Ramp(40, 60), Grid(40, 60, 12), &progress);
    ASSERT_EQ(progress.size(), 5u);
    EXPECT_EQ(progress.front(), 10);
    EXPECT_EQ(progress.back(), 50);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));

    progress.clear();
    const auto samples = Collect(Ramp(40, 8), Grid(40, 8, 12), &progress);
    EXPECT_EQ(progress, std::vector<int>{50});
    EXPECT_EQ(samples.size(), 3u);
}

TEST(ImportSampler, CancelAfterARowKeepsNothing)
{
    std::vector<ImportSample> out;
    int rows = 0;
    const ImportSampling r = CollectImportSamples(Ramp(40, 60), Grid(40, 60, 12), out, [&rows](int) {
        return ++rows < 2;
    });
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(rows, 2);
    EXPECT_TRUE(out.empty());
}

TEST(ImportSampler, BrightnessOrderIsAscendingAndStable)
{
    std::vector<ImportSample> s;
    const int values[] = {200, 10, 200, 0, 10, 255, 10};
    for (int i = 0; i < 7; ++i)
        s.push_back({i, 0, 0, 0, static_cast<uint8_t>(values[i])});
    OrderByBrightness(s);
    std::vector<int> xs, vs;
    for (const ImportSample& x : s) {
        xs.push_back(x.x);
        vs.push_back(x.value);
    }
    EXPECT_EQ(vs, (std::vector<int>{0, 10, 10, 10, 200, 200, 255}));
    EXPECT_EQ(xs, (std::vector<int>{3, 1, 4, 6, 0, 2, 5}));
}
