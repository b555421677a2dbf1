#include "core/imaging/CImage32.h"
#include <algorithm>
#include <cstring>

CImage32::CImage32(int width, int height, Pixel fill)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_pixels(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), fill)
{
}

void CImage32::Fill(Pixel p)
{
    std::fill(m_pixels.begin(), m_pixels.end(), p);
}

void CImage32::FillRect(const CRect& r, Pixel p)
{
    CRect c = r.Intersected(Bounds());
    for (int y = c.top; y < c.bottom; ++y)
        std::fill(Row(y) + c.left, Row(y) + c.right, p);
}

void CImage32::Blit(const CImage32& src, int x, int y)
{
    CRect dst = CRect{x, y, x + src.Width(), y + src.Height()}.Intersected(Bounds());
    for (int row = dst.top; row < dst.bottom; ++row)
        std::memcpy(Row(row) + dst.left, src.Row(row - y) + (dst.left - x),
                    static_cast<size_t>(dst.Width()) * sizeof(Pixel));
}

void CImage32::CopyRect(const CImage32& src, const CRect& r)
{
    CRect c = r.Intersected(Bounds()).Intersected(src.Bounds());
    for (int y = c.top; y < c.bottom; ++y)
        std::memcpy(Row(y) + c.left, src.Row(y) + c.left, static_cast<size_t>(c.Width()) * sizeof(Pixel));
}

uint64_t CImage32::Checksum() const
{
    uint64_t h = 1469598103934665603ull;
    auto mix = [&h](uint8_t b) {
        h ^= b;
        h *= 1099511628211ull;
    };
    mix(static_cast<uint8_t>(m_width));
    mix(static_cast<uint8_t>(m_width >> 8));
    mix(static_cast<uint8_t>(m_height));
    mix(static_cast<uint8_t>(m_height >> 8));
    for (Pixel p : m_pixels) {
        mix(static_cast<uint8_t>(p >> 16));
        mix(static_cast<uint8_t>(p >> 8));
        mix(static_cast<uint8_t>(p));
    }
    return h;
}
