#pragma once
#include "core/colour/HsvColor.h"
#include "core/imaging/CImage32.h"
#include "core/shapes/CShapeCursor.h"
#include <cstdint>
#include <string>
#include <vector>

// One glob shape: its image as loaded, its own current colour, and what is prepared from the
// image for stamping (mask, coloured image, row spans) and for the outline cursor.
class CShape {
public:
    CShape() = default;
    // Reads a BMP file; false when it cannot be opened, is not "BM" or is short.
    bool Load(const std::string& path);
    // Same from bytes already in memory.
    bool LoadFromBytes(const uint8_t* data, size_t size);
    // Uses an image directly (tests, generated shapes).
    void SetImage(CImage32 image);

    bool IsLoaded() const { return !m_image.IsNull(); }
    bool IsPrepared() const { return m_prepared; }
    int Width() const { return m_image.Width(); }
    int Height() const { return m_image.Height(); }

    // Builds the mask, the coloured image and the cursor. True when the cursor was made.
    bool Prepare();
    // Recolours the coloured image from the shading template; does not touch m_hue etc.
    void Recolor(int hue, int saturation, int value);
    // What the coloured image shows now: 0 as prepared, otherwise the last Recolor's colour.
    uint64_t Coloring() const { return m_coloring; }
    // Brings the coloured image back to what Coloring() returned then.
    void SetColoring(uint64_t coloring);
    // Stamps the shape centred at (x, y); returns the rectangle it covers (unclipped).
    CRect Draw(CImage32& surface, int x, int y) const;
    // The rectangle Draw would touch, without drawing.
    CRect Extent(int x, int y) const;

    const CImage32& Image() const { return m_image; }
    const CImage32& Colored() const { return m_colored; }
    // 1 where the source pixel equals the key colour.
    bool IsBackground(int x, int y) const { return m_mask[static_cast<size_t>(y) * Width() + x] != 0; }
    const CShapeCursor& Cursor() const { return m_cursor; }
    bool HasCursor() const { return m_hasCursor; }

    int32_t m_recolorPending = 1;
    int32_t m_shown = 0;
    int16_t m_hue = 0;
    uint8_t m_saturation = 255;
    uint8_t m_value = 255;
    // The colour fields together.
    HsvColor Color() const { return {m_hue, m_saturation, m_value}; }

private:
    struct Span {
        int16_t y, x0, len;
    };
    void BuildCursor();

    CImage32 m_image;
    bool m_prepared = false;
    std::vector<uint8_t> m_mask;
    CImage32 m_colored;
    std::vector<Span> m_spans;
    CShapeCursor m_cursor;
    bool m_hasCursor = false;
    uint64_t m_coloring = 0;
};
