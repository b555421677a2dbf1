#pragma once
#include "core/colour/ColorRef.h"
#include "core/base/CRect.h"
#include <cstdint>
#include <vector>

// A 32-bit image, rows top-down without padding (stride = width). The pixel layout is
// 0xFFRRGGBB, so the GUI can show the buffer directly.
class CImage32 {
public:
    CImage32() = default;
    CImage32(int width, int height, Pixel fill = 0xFF000000u);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool IsNull() const { return m_width <= 0 || m_height <= 0; }
    CRect Bounds() const { return {0, 0, m_width, m_height}; }

    Pixel* Row(int y) { return m_pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(m_width); }
    const Pixel* Row(int y) const { return m_pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(m_width); }
    Pixel* Data() { return m_pixels.data(); }
    const Pixel* Data() const { return m_pixels.data(); }
    size_t ByteCount() const { return m_pixels.size() * sizeof(Pixel); }

    Pixel At(int x, int y) const { return Row(y)[x]; }
    void Set(int x, int y, Pixel p) { Row(y)[x] = p; }

    void Fill(Pixel p);
    void FillRect(const CRect& r, Pixel p);
    // Copies src's whole area to (x, y), clipped to this image.
    void Blit(const CImage32& src, int x, int y);
    // Copies the rectangle r of src to the same place here (same-size images).
    void CopyRect(const CImage32& src, const CRect& r);

    bool operator==(const CImage32& o) const
    {
        return m_width == o.m_width && m_height == o.m_height && m_pixels == o.m_pixels;
    }

    // FNV-1a over the pixels' RGB bytes; stable across runs, used for golden images.
    uint64_t Checksum() const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Pixel> m_pixels;
};
