#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Frames of 0xAARRGGBB words onto one palette, with Sierra-2-4A error diffusion: each pixel
// takes the nearest palette colour and passes half its error to the right and a quarter to
// each of the two pixels below. A frame is dithered anew only inside the rectangle where it
// differs from the frame before; outside it keeps the indices it had, so still parts of a
// movie do not shimmer. The nearest colour of every colour met is remembered in a table of
// all 2^24 colours, so a long movie costs a lookup a pixel.
class CPaletteDither {
public:
    // palette: count words 0xAARRGGBB (at most 256); entries with alpha under 128 (the
    // transparent one) are never chosen for an opaque pixel.
    CPaletteDither(const uint32_t* palette, int count);

    // pixels: width × height words, top row first (alpha ignored: every pixel is opaque).
    // indices: rows of width bytes, stride apart. False when memory runs out.
    bool Dither(const uint32_t* pixels, int width, int height, uint8_t* indices, ptrdiff_t stride);

    // The palette entry nearest to colour (0xRRGGBB), the first of equals.
    int Nearest(uint32_t colour);

private:
    struct Window {
        int x0, y0, x1, y1;   // inclusive
    };
    Window Changed(const uint32_t* pixels, int width, int height) const;
    // The entries that can be nearest to some colour of a cell of the colour cube, in index order.
    const std::vector<uint8_t>& Candidates(uint32_t colour);

    std::vector<uint32_t> m_palette;
    std::vector<uint8_t> m_opaque;   // the entries that may be chosen
    std::vector<std::vector<uint8_t>> m_cells;   // per cell of 16 levels a side, once asked
    std::vector<uint8_t> m_cellKnown;
    std::vector<uint8_t> m_nearest;  // per 24-bit colour, once known
    std::vector<uint64_t> m_known;   // a bit per 24-bit colour
    std::vector<uint32_t> m_work;    // the frame being dithered, errors added
    std::vector<uint32_t> m_previous;
    std::vector<uint8_t> m_previousOut;
    int m_width = 0;
    int m_height = 0;
};
