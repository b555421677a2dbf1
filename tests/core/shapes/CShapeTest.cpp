#include "core/shapes/CShape.h"
#include "core/colour/ColorConversion.h"
#include "tests/core/support/TestShapes.h"
#include <gtest/gtest.h>

namespace {
const Pixel kKey = MakePixel(0, 255, 0);
const Pixel kBlack = MakePixel(0, 0, 0);

CShape Prepared(CImage32 img)
{
    CShape s;
    s.SetImage(std::move(img));
    EXPECT_TRUE(s.Prepare());
    return s;
}
} // namespace

TEST(CShapeDraw, FifteenSquareAtHundredCoversItsRectangleExactly)
{
    CImage32 img(15, 15, MakePixel(200, 0, 0));
    img.Set(0, 0, kKey);   // the key is whatever (0, 0) holds: here only that pixel
    CShape s = Prepared(img);
    CImage32 surface(200, 200, kBlack);
    CRect r = s.Draw(surface, 100, 100);
    EXPECT_EQ(r, (CRect{93, 93, 108, 108}));
    EXPECT_EQ(surface.At(93, 93), kBlack) << "the key pixel itself is transparent";
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            bool inside = x >= 93 && x < 108 && y >= 93 && y < 108 && !(x == 93 && y == 93);
            ASSERT_EQ(surface.At(x, y) != kBlack, inside) << x << "," << y;
        }
}

TEST(CShapeDraw, KeyColourIsExactAndOddWidthPutsExtraPixelRight)
{
    CImage32 img(5, 3, kKey);
    img.Set(1, 1, MakePixel(0, 254, 0));   // one unit off the key: part of the shape
    img.Set(4, 2, MakePixel(255, 0, 0));
    CShape s = Prepared(img);
    CImage32 surface(20, 20, kBlack);
    CRect r = s.Draw(surface, 10, 10);
    EXPECT_EQ(r, (CRect{8, 9, 13, 12}));
    EXPECT_EQ(surface.At(9, 10), MakePixel(0, 254, 0));
    EXPECT_EQ(surface.At(12, 11), MakePixel(255, 0, 0));
    int changed = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            changed += surface.At(x, y) != kBlack;
    EXPECT_EQ(changed, 2);
}

TEST(CShapeDraw, AllKeyShapeStampsNothingAndHasEmptyOutline)
{
    CShape s = Prepared(CImage32(9, 9, kKey));
    CImage32 surface(30, 30, MakePixel(1, 2, 3));
    CImage32 before = surface;
    s.Draw(surface, 15, 15);
    EXPECT_EQ(surface, before);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            EXPECT_TRUE(s.Cursor().And(x, y));
            EXPECT_FALSE(s.Cursor().Xor(x, y));
        }
}

TEST(CShapeDraw, ClipsAtEveryEdgeOfTheSurface)
{
    CShape s = Prepared(MakeDiscShape(15));
    CImage32 surface(40, 30, kBlack);
    for (auto [x, y] : {std::pair{0, 0}, {39, 29}, {-7, 15}, {46, 15}, {20, -7}, {20, 36}, {-100, -100}, {60000, 5}})
        s.Draw(surface, x, y);   // must not write outside; ASan watches
    EXPECT_NE(surface.At(0, 0), kBlack);
    EXPECT_NE(surface.At(39, 29), kBlack);
}

TEST(CShapeCursor, OutlineRingsAndHotSpot)
{
    CImage32 img(3, 3, kKey);
    img.Set(1, 1, MakePixel(255, 0, 0));   // one shape pixel at cursor (3, 3)
    CShape s = Prepared(img);
    const CShapeCursor& c = s.Cursor();
    EXPECT_EQ(c.hotX, 3);
    EXPECT_EQ(c.hotY, 3);
    EXPECT_TRUE(c.And(3, 3));       // the shape itself is transparent
    EXPECT_FALSE(c.Xor(3, 3));
    for (auto [x, y] : {std::pair{2, 3}, {4, 3}, {3, 2}, {3, 4}}) {   // R1: white
        EXPECT_FALSE(c.And(x, y));
        EXPECT_TRUE(c.Xor(x, y));
    }
    for (auto [x, y] : {std::pair{1, 3}, {5, 3}, {3, 1}, {3, 5}}) {   // R2 only: black
        EXPECT_FALSE(c.And(x, y));
        EXPECT_FALSE(c.Xor(x, y));
    }
    EXPECT_TRUE(c.And(2, 2));       // diagonals are not part of the outline
    EXPECT_TRUE(c.And(4, 4));
}

TEST(CShapeCursor, LargeShapesAreCutAtTheCursorEdge)
{
    CImage32 img(40, 40, MakePixel(255, 0, 0));
    img.Set(0, 0, kKey);
    CShape s = Prepared(img);
    // (0, 0) is key; the rest fills the cursor from (2, 2) to its edge, so no outline below/right.
    EXPECT_TRUE(s.Cursor().And(31, 31));
    EXPECT_FALSE(s.Cursor().And(1, 10));
    EXPECT_EQ(s.Cursor().hotX, 22);
}

TEST(CShapeRecolor, TemplateRules)
{
    CImage32 img(4, 1, kKey);
    img.Set(1, 0, MakePixel(255, 0, 0));     // saturated
    img.Set(2, 0, MakePixel(128, 128, 128)); // grey highlight
    img.Set(3, 0, MakePixel(128, 0, 0));     // darker saturated
    CShape s = Prepared(img);
    s.Recolor(240, 255, 255);
    EXPECT_EQ(s.Colored().At(1, 0), MakePixel(0, 0, 255));
    // 128 * 0.003921569f * 255 comes out at 128.00001: the single-precision constant is a hair
    // above 1/255, so mid-grey survives the round trip.
    EXPECT_EQ(s.Colored().At(2, 0), MakePixel(128, 128, 128)) << "grey keeps its brightness";
    EXPECT_EQ(PixelBlue(s.Colored().At(3, 0)), 128);
    EXPECT_EQ(s.Colored().At(0, 0), kBlack) << "background stays black";

    s.Recolor(240, 0, 255);   // saturation 0: grey
    EXPECT_EQ(s.Colored().At(1, 0), MakePixel(255, 255, 255));
    s.Recolor(100, 255, 0);   // value 0: saturated pixels black, grey unchanged
    EXPECT_EQ(s.Colored().At(1, 0), kBlack);
    EXPECT_EQ(s.Colored().At(3, 0), kBlack);
    EXPECT_EQ(s.Colored().At(2, 0), MakePixel(128, 128, 128));
    EXPECT_EQ(s.m_hue, 0) << "Recolor leaves the shape's own colour fields alone";
    EXPECT_EQ(s.m_saturation, 255);
}

TEST(CShapeLoad, RejectsShortAndForeignFiles)
{
    CShape s;
    const uint8_t notBm[20] = {'P', 'K'};
    EXPECT_FALSE(s.LoadFromBytes(notBm, sizeof notBm));
    const uint8_t shortBm[10] = {'B', 'M'};
    EXPECT_FALSE(s.LoadFromBytes(shortBm, sizeof shortBm));
    EXPECT_FALSE(s.IsLoaded());
    EXPECT_FALSE(s.Prepare());
}
