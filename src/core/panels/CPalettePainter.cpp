#include "core/panels/CPalettePainter.h"
#include "core/shapes/CShapePalette.h"

void CPalettePainter::FrameCell(CImage32& image, int x, int y, Pixel colour)
{
    const int h = CPaletteLayout::kHalfCell;
    auto line = [&](const CRect& r) { image.FillRect(r, colour); };
    line({x - h, y - h, x + h, y - h + 1});
    line({x - h, y + h - 1, x + h, y + h});
    line({x - h, y - h, x - h + 1, y + h});
    line({x + h - 1, y - h, x + h, y + h});
}

void CPalettePainter::PaintFull(CShapePalette& palette, CImage32& image)
{
    const CPaletteLayout& layout = palette.Layout();
    if (image.Width() != layout.Width() || image.Height() != layout.Height())
        image = CImage32(layout.Width(), layout.Height(), kBlack);
    else
        image.Fill(kBlack);
    if (image.IsNull() || !palette.ShapesReady())
        return;
    CShapeTable& shapes = palette.Shapes();
    int k = 0;
    for (int i = 0; i < shapes.Count(); ++i) {
        CShape& s = shapes.Shape(i);
        if (!s.m_shown)
            continue;
        const int n = k++;
        const int row = layout.RowOfShown(n);
        if (row < layout.ScrollRow())
            continue;
        if (!layout.RowReachesClient(row))
            break;
        if (s.m_recolorPending) {
            s.Recolor(s.m_hue, s.m_saturation, s.m_value);
            s.m_recolorPending = 0;
        }
        const int x = layout.CentreX(n), y = layout.CentreY(n);
        if (i == shapes.m_currentShape)
            FrameCell(image, x, y, kWhite);
        s.Draw(image, x, y);
    }
}

void CPalettePainter::PaintSelection(const CShapePalette& palette, CImage32& image)
{
    if (image.IsNull() || !palette.ShapesReady())
        return;
    int x, y;
    if (palette.CellCentre(palette.PreviousSelection(), x, y))
        FrameCell(image, x, y, kBlack);
    if (palette.CellCentre(palette.Shapes().m_currentShape, x, y))
        FrameCell(image, x, y, kWhite);
}
