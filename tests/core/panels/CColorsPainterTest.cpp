#include "core/panels/CColorsLayout.h"
#include "core/panels/CColorsPainter.h"
#include "core/colour/ColorConversion.h"
#include <gtest/gtest.h>

namespace {
using L = CColorsLayout;
constexpr Pixel kBlack = MakePixel(0, 0, 0);
constexpr Pixel kWhite = MakePixel(255, 255, 255);

HsvColor C(int h, int s, int v)
{
    return {static_cast<int16_t>(h), static_cast<uint8_t>(s), static_cast<uint8_t>(v)};
}
Pixel Hsv(int h, int s, int v)
{
    return ColorRefToPixel(HsvToRgb(h, s * 0.003921569f, v * 0.003921569f));
}
} // namespace

TEST(CColorsLayout, ClickArithmeticAtTheFieldCorners)
{
    EXPECT_TRUE(L::InField(5, 5));
    EXPECT_EQ(L::HueAt(5), 0);
    EXPECT_EQ(L::LevelAt(5), 255);
    EXPECT_TRUE(L::InField(124, 67));
    EXPECT_EQ(L::HueAt(124), 357);
    EXPECT_EQ(L::LevelAt(67), 7);
    EXPECT_FALSE(L::InField(125, 67));
    EXPECT_FALSE(L::InField(5, 68));
    EXPECT_TRUE(L::InStrip(133, 5));
    EXPECT_FALSE(L::InStrip(143, 5));
    EXPECT_EQ(L::DragHueAt(200), 360);
    EXPECT_EQ(L::DragHueAt(0), 0);
    EXPECT_EQ(L::DragLevelAt(0), 255);
    EXPECT_EQ(L::DragLevelAt(100), 0);
}

TEST(CColorsLayout, HistoryHitsAndMarkers)
{
    EXPECT_EQ(L::HistoryIndexAt(4, 101, 20), 0);
    EXPECT_EQ(L::HistoryIndexAt(10, 108, 20), 0);
    EXPECT_EQ(L::HistoryIndexAt(11, 104, 20), 1);
    EXPECT_EQ(L::HistoryIndexAt(143, 104, 20), 19);
    EXPECT_EQ(L::HistoryIndexAt(11, 104, 1), -1);
    EXPECT_EQ(L::HistoryIndexAt(3, 104, 20), -1);
    EXPECT_EQ(L::HistoryIndexAt(20, 100, 20), -1);
    EXPECT_EQ(L::HistoryIndexAt(20, 109, 20), -1);

    EXPECT_EQ(L::FieldMarker(0, 255), (CRect{4, 4, 7, 7}));
    EXPECT_EQ(L::FieldMarker(360, 2), (CRect{123, 66, 126, 69}));
    EXPECT_EQ(L::StripMarker(255), (CRect{133, 4, 143, 7}));
    EXPECT_EQ(L::StripMarker(3), (CRect{133, 66, 143, 69}));
    EXPECT_EQ(L::SelectionFrame(2, 0), (CRect{17, 100, 25, 109}));
    EXPECT_EQ(L::SelectionFrame(2, 3), (CRect{20, 103, 22, 106}));
}

TEST(CColorsPainter, FieldAndStripImages)
{
    CColorsPainter p;
    ASSERT_EQ(p.Field().Width(), 120);
    ASSERT_EQ(p.Field().Height(), 63);
    EXPECT_EQ(p.Field().At(0, 0), Hsv(0, 255, 255));
    EXPECT_EQ(p.Field().At(40, 0), MakePixel(0, 255, 0));
    EXPECT_EQ(p.Field().At(119, 62), Hsv(357, 7, 255));
    EXPECT_EQ(p.Field().At(80, 31), Hsv(240, 131, 255));
    EXPECT_EQ(p.Strip().At(0, 0), MakePixel(255, 255, 255));
    EXPECT_EQ(p.Strip().At(9, 62), MakePixel(7, 7, 7));
    EXPECT_EQ(p.Strip().At(3, 20), Hsv(0, 0, 175));
}

// Every element of the layout lands on its rectangle.
TEST(CColorsPainter, RenderedClientMatchesTheLayout)
{
    CColorsPainter p;
    CColorsPainter::Palette pal;
    CColorHistory hist(C(0, 255, 255));
    hist.Add(C(120, 255, 255));
    hist.Add(C(240, 100, 200));
    hist.Select(1);
    CImage32 img;
    const HsvColor cur = C(150, 100, 200);
    p.Render(img, pal, cur, hist, false);
    ASSERT_EQ(img.Width(), L::kClientWidth);
    ASSERT_EQ(img.Height(), L::kClientHeight);

    // Field and its sunken border.
    EXPECT_EQ(img.At(60, 40), p.Field().At(55, 35));
    EXPECT_EQ(img.At(124, 67), p.Field().At(119, 62));
    EXPECT_EQ(img.At(4, 30), pal.shadow);
    EXPECT_EQ(img.At(60, 4), pal.shadow);
    EXPECT_EQ(img.At(125, 30), pal.highlight);
    EXPECT_EQ(img.At(60, 68), pal.highlight);
    EXPECT_EQ(img.At(126, 30), pal.face);
    // Field marker: hollow 3x3 at hue 150, saturation 100.
    const CRect fm = L::FieldMarker(150, 100);
    EXPECT_EQ(fm, (CRect{54, 42, 57, 45}));
    EXPECT_EQ(img.At(54, 42), kBlack);
    EXPECT_EQ(img.At(56, 44), kBlack);
    EXPECT_EQ(img.At(55, 43), p.Field().At(50, 38));
    // Strip, border and the red value marker.
    EXPECT_EQ(img.At(138, 10), p.Strip().At(5, 5));
    EXPECT_EQ(img.At(132, 30), pal.shadow);
    EXPECT_EQ(img.At(143, 30), pal.highlight);
    const CRect sm = L::StripMarker(200);
    EXPECT_EQ(img.At(sm.left, sm.top), MakePixel(255, 0, 0));
    EXPECT_EQ(img.At(sm.right - 1, sm.bottom - 1), MakePixel(255, 0, 0));
    EXPECT_EQ(img.At(138, sm.top + 1), p.Strip().At(5, sm.top + 1 - 5));
    // Swatch.
    EXPECT_EQ(img.At(52, 74), Hsv(150, 100, 200));
    EXPECT_EQ(img.At(81, 94), Hsv(150, 100, 200));
    EXPECT_EQ(img.At(51, 80), pal.shadow);
    EXPECT_EQ(img.At(82, 80), pal.highlight);
    EXPECT_EQ(img.At(60, 95), pal.highlight);
    // History row: entries 0 and 2 plain, the rest of the row button face.
    EXPECT_EQ(img.At(4, 101), Hsv(0, 255, 255));
    EXPECT_EQ(img.At(24, 107), Hsv(240, 100, 200));
    EXPECT_EQ(img.At(25, 104), pal.face);
    EXPECT_EQ(img.At(143, 107), pal.face);
    EXPECT_EQ(img.At(3, 104), pal.shadow);
    EXPECT_EQ(img.At(144, 104), pal.highlight);
    // Selected entry 1: frames white, black, white, black from outside, its colour in the middle.
    EXPECT_EQ(img.At(10, 100), kWhite);
    EXPECT_EQ(img.At(11, 101), kBlack);
    EXPECT_EQ(img.At(12, 102), kWhite);
    EXPECT_EQ(img.At(13, 103), kBlack);
    EXPECT_EQ(img.At(17, 108), kWhite);
    EXPECT_EQ(img.At(14, 104), kBlack);
    EXPECT_EQ(img.At(15, 104), kWhite);   // inner frame is 2 wide: x 13..14, so 15 belongs to the third
}

TEST(CColorsPainter, DragLeavesTheHistoryRowAlone)
{
    CColorsPainter p;
    CColorsPainter::Palette pal;
    CColorHistory hist(C(0, 255, 255));
    CImage32 img;
    p.Render(img, pal, C(0, 255, 255), hist, false);
    img.FillRect(L::HistoryEntry(0), MakePixel(1, 2, 3));
    p.Render(img, pal, C(200, 10, 10), hist, true);
    EXPECT_EQ(img.At(6, 104), MakePixel(1, 2, 3));
    EXPECT_EQ(img.At(60, 80), Hsv(200, 10, 10));
}
