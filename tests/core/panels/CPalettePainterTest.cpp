#include "core/panels/CPalettePainter.h"
#include "tests/core/support/PaletteFixture.h"

namespace {
struct Painter : PaletteFixture {
    CImage32 image;
    void SetUp() override { Build(ElevenFamilies(), 170, 68); }
    static constexpr Pixel kWhite = CPalettePainter::kWhite;
    static constexpr Pixel kBlack = CPalettePainter::kBlack;
    // Every pixel on the one-pixel frame of the cell centred at (x, y) has colour p.
    bool Framed(int x, int y, Pixel p) const
    {
        for (int d = -17; d < 17; ++d)
            if (image.At(x + d, y - 17) != p || image.At(x + d, y + 16) != p || image.At(x - 17, y + d) != p
                || image.At(x + 16, y + d) != p)
                return false;
        return true;
    }
    int CountNonBlack(const CRect& r) const
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += image.At(x, y) != kBlack;
        return n;
    }
};
} // namespace

TEST_F(Painter, ShapesSitOnBlackInTheirOwnColourWithTheCurrentFramed)
{
    palette.Resize(170, 60);
    SetColour(Shapes().m_currentShape, 120, 255, 255);
    CPalettePainter::PaintFull(palette, image);
    ASSERT_EQ(image.Width(), 170);
    ASSERT_EQ(image.Height(), 60);
    EXPECT_TRUE(Framed(17, 17, kWhite));
    EXPECT_FALSE(Framed(51, 17, kWhite));
    // The current shape was pending: it is recoloured green on the way and the flag cleared.
    const Pixel centre = image.At(17, 19);
    EXPECT_GT(PixelGreen(centre), 100);
    EXPECT_LT(PixelRed(centre), 20);
    EXPECT_FALSE(Shapes().Current().m_recolorPending);
    // Every cell of the two visible rows holds a shape; corners stay black.
    for (int k = 0; k < 10; ++k) {
        const int x = palette.Layout().CentreX(k), y = palette.Layout().CentreY(k);
        EXPECT_GT(CountNonBlack({x - 6, y - 6, x + 6, y + 6}), 100) << k;
        EXPECT_EQ(image.At(x - 15, y - 15), kBlack) << k;
    }
    // The third row's centre is more than half a cell below the bottom: neither drawn nor recoloured.
    EXPECT_TRUE(Shapes().Shape(3 * 10 + 1).m_recolorPending);
    // Hidden variants are never recoloured for display.
    EXPECT_TRUE(Shapes().Shape(0).m_recolorPending);
}

TEST_F(Painter, ScrolledRowsMoveUpAndRowsAboveAreNotDrawn)
{
    palette.Layout().LineDown();
    for (int i = 0; i < Shapes().Count(); ++i)
        Shapes().Shape(i).m_recolorPending = 1;
    CPalettePainter::PaintFull(palette, image);
    // Row 1 now on top; row 0 shapes untouched, including the framed current shape.
    EXPECT_TRUE(Shapes().Shape(1).m_recolorPending);
    EXPECT_FALSE(Shapes().Shape(3 * 5 + 1).m_recolorPending);
    EXPECT_FALSE(Shapes().Shape(3 * 10 + 1).m_recolorPending);
    EXPECT_FALSE(Framed(17, 17, kWhite));
    EXPECT_GT(CountNonBlack({11, 45, 23, 57}), 100);    // the lone shape of row 2
    EXPECT_EQ(CountNonBlack({40, 34, 170, 68}), 0);     // nothing else on that row
}

TEST_F(Painter, NothingButBlackBeforeTheShapesArePrepared)
{
    CShapeTable& t = Shapes();
    std::vector<CImage32> images(3, MakeDiscShape(15));
    t.LoadFromImages({"A_1_a.bmp", "B_1_b.bmp", "C_1_c.bmp"}, images);
    palette.Relayout();
    CPalettePainter::PaintFull(palette, image);
    EXPECT_EQ(CountNonBlack(image.Bounds()), 0);
    t.PrepareAll();
    CPalettePainter::PaintFull(palette, image);
    EXPECT_GT(CountNonBlack(image.Bounds()), 0);
}

TEST_F(Painter, SelectionPaintMovesOnlyTheFrames)
{
    CPalettePainter::PaintFull(palette, image);
    SetColour(Shapes().m_currentShape, 200, 255, 255);   // would show if shapes were redrawn
    const Pixel shapePixel = image.At(17, 19);
    palette.LeftDown(palette.Layout().CentreX(7), palette.Layout().CentreY(7));
    palette.LeftUp(palette.Layout().CentreX(7), palette.Layout().CentreY(7));
    CPalettePainter::PaintSelection(palette, image);
    EXPECT_TRUE(Framed(17, 17, kBlack));
    const int x = palette.Layout().CentreX(7), y = palette.Layout().CentreY(7);
    EXPECT_TRUE(Framed(x, y, kWhite));
    EXPECT_EQ(image.At(17, 19), shapePixel);
}
