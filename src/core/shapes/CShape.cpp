#include "core/shapes/CShape.h"
#include "core/base/ByteIO.h"
#include "core/imaging/DibDecode.h"
#include "core/colour/ColorConversion.h"
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

bool CShape::Load(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return LoadFromBytes(bytes.data(), bytes.size());
}

bool CShape::LoadFromBytes(const uint8_t* data, size_t size)
{
    if (size < 14 || ReadU16(data) != 0x4D42)
        return false;
    CImage32 img;
    // The file header's pixel offset is ignored: rows follow the header and colour table.
    if (!DecodePackedDib(data + 14, size - 14, img))
        return false;
    SetImage(std::move(img));
    return true;
}

void CShape::SetImage(CImage32 image)
{
    m_image = std::move(image);
    m_prepared = false;
}

bool CShape::Prepare()
{
    if (m_prepared)
        return true;
    if (!IsLoaded())
        return false;
    const int w = Width(), h = Height();
    const Pixel key = m_image.At(0, 0);
    m_mask.assign(static_cast<size_t>(w) * h, 0);
    m_colored = CImage32(w, h, 0xFF000000u);
    m_spans.clear();
    for (int y = 0; y < h; ++y) {
        int runStart = -1;
        for (int x = 0; x <= w; ++x) {
            bool shape = x < w && m_image.At(x, y) != key;
            if (x < w) {
                m_mask[static_cast<size_t>(y) * w + x] = shape ? 0 : 1;
                if (shape)
                    m_colored.Set(x, y, m_image.At(x, y));
            }
            if (shape && runStart < 0)
                runStart = x;
            if (!shape && runStart >= 0) {
                m_spans.push_back({static_cast<int16_t>(y), static_cast<int16_t>(runStart),
                                   static_cast<int16_t>(x - runStart)});
                runStart = -1;
            }
        }
    }
    m_coloring = 0;
    m_prepared = true;
    BuildCursor();
    return m_hasCursor;
}

void CShape::BuildCursor()
{
    constexpr int N = CShapeCursor::kSize;
    auto inS = [&](int cx, int cy) {
        int x = cx - 2, y = cy - 2;
        return cx >= 0 && cy >= 0 && cx < N && cy < N && x >= 0 && y >= 0 && x < Width() && y < Height()
            && !IsBackground(x, y);
    };
    m_cursor.andMask.fill(1);
    m_cursor.xorMask.fill(0);
    for (int cy = 0; cy < N; ++cy) {
        for (int cx = 0; cx < N; ++cx) {
            if (inS(cx, cy))
                continue;
            bool r1 = inS(cx - 1, cy) || inS(cx + 1, cy) || inS(cx, cy - 1) || inS(cx, cy + 1);
            bool r2 = r1 || inS(cx - 2, cy) || inS(cx + 2, cy) || inS(cx, cy - 2) || inS(cx, cy + 2);
            m_cursor.andMask[cy * N + cx] = r2 ? 0 : 1;
            m_cursor.xorMask[cy * N + cx] = r1 ? 1 : 0;
        }
    }
    m_cursor.hotX = Width() / 2 + 2;
    m_cursor.hotY = Height() / 2 + 2;
    m_hasCursor = true;
}

void CShape::Recolor(int hue, int saturation, int value)
{
    if (!m_prepared)
        return;
    m_coloring = uint64_t{1} << 32 | uint64_t{static_cast<uint16_t>(hue)} << 16 | uint64_t{static_cast<uint8_t>(saturation)} << 8
        | static_cast<uint8_t>(value);
    const float sf = static_cast<float>(saturation & 255) * 0.003921569f;
    const float vf = static_cast<float>(value & 255) * 0.003921569f;
    const Pixel key = m_image.At(0, 0);
    // Template pixels repeat a lot; remember the last conversion.
    Pixel lastSrc = key;
    Pixel lastOut = 0;
    for (int x = 0; x < Width(); ++x) {
        for (int y = 0; y < Height(); ++y) {
            Pixel c = m_image.At(x, y);
            if (c == key)
                continue;
            if (c != lastSrc) {
                HsvF p = RgbToHsv(PixelRed(c), PixelGreen(c), PixelBlue(c));
                float s2 = p.saturation * sf;
                float v2 = p.value * (1.0f - p.saturation + p.saturation * vf);
                lastOut = ColorRefToPixel(HsvToRgb(hue, s2, v2));
                lastSrc = c;
            }
            m_colored.Set(x, y, lastOut);
        }
    }
}

void CShape::SetColoring(uint64_t coloring)
{
    if (!m_prepared || coloring == m_coloring)
        return;
    if (coloring != 0) {
        Recolor(static_cast<int16_t>(coloring >> 16), static_cast<int>((coloring >> 8) & 255), static_cast<int>(coloring & 255));
        return;
    }
    const Pixel key = m_image.At(0, 0);
    for (int y = 0; y < Height(); ++y)
        for (int x = 0; x < Width(); ++x)
            if (m_image.At(x, y) != key)
                m_colored.Set(x, y, m_image.At(x, y));
    m_coloring = 0;
}

CRect CShape::Extent(int x, int y) const
{
    int left = x - Width() / 2, top = y - Height() / 2;
    return {left, top, left + Width(), top + Height()};
}

CRect CShape::Draw(CImage32& surface, int x, int y) const
{
    CRect r = Extent(x, y);
    if (!m_prepared)
        return r;
    const int sw = surface.Width(), sh = surface.Height();
    if (r.right <= 0 || r.bottom <= 0 || r.left >= sw || r.top >= sh)
        return r;
    // Copy every run of shape pixels; key pixels leave the surface as it was.
    for (const Span& s : m_spans) {
        int dy = r.top + s.y;
        if (dy < 0 || dy >= sh)
            continue;
        int dx0 = r.left + s.x0, dx1 = dx0 + s.len;
        int sx0 = s.x0;
        if (dx0 < 0) {
            sx0 -= dx0;
            dx0 = 0;
        }
        dx1 = std::min(dx1, sw);
        if (dx1 <= dx0)
            continue;
        std::memcpy(surface.Row(dy) + dx0, m_colored.Row(s.y) + sx0, static_cast<size_t>(dx1 - dx0) * sizeof(Pixel));
    }
    return r;
}
