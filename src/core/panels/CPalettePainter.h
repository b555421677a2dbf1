#pragma once
#include "core/imaging/CImage32.h"

class CShapePalette;

// Draws the palette into an off-screen image of the client size: every shown shape on black in
// its own colour, the current shape inside a white frame.
class CPalettePainter {
public:
    static constexpr Pixel kBlack = 0xFF000000u;
    static constexpr Pixel kWhite = 0xFFFFFFFFu;

    // Recolours shapes marked pending on the way. Before the shapes are ready only black.
    static void PaintFull(CShapePalette& palette, CImage32& image);
    // Only moves the frame: black around the previous selection, white around the current.
    static void PaintSelection(const CShapePalette& palette, CImage32& image);
    // A one-pixel frame around the cell centred on (x, y), clipped to the image.
    static void FrameCell(CImage32& image, int x, int y, Pixel colour);
};
