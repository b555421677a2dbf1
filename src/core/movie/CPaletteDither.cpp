#include "core/movie/CPaletteDither.h"
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {
constexpr uint32_t kOpaque = 128;
constexpr int kCellBits = 4;   // 16 levels a side: 4096 cells
constexpr int kCellSide = 256 >> kCellBits;
constexpr int kCells = 1 << (3 * kCellBits);

// Colours close in the cube close in memory: the bits of red, green and blue interleaved
// (r7 g7 b7 r6 g6 b6 ...), so the table is read a few cache lines at a time, not at random.
struct Interleave {
    uint32_t spread[256];
    Interleave()
    {
        for (uint32_t v = 0; v < 256; ++v) {
            uint32_t out = 0;
            for (int bit = 0; bit < 8; ++bit)
                out |= ((v >> bit) & 1u) << (3 * bit);
            spread[v] = out;
        }
    }
    uint32_t operator()(uint32_t c) const { return spread[c >> 16 & 0xFF] << 2 | spread[c >> 8 & 0xFF] << 1 | spread[c & 0xFF]; }
};
const Interleave kInterleave;

// Squared distances from a level to the nearest and the farthest level of [lo, lo + side).
inline int Near(int v, int lo) { return v < lo ? lo - v : v >= lo + kCellSide ? v - (lo + kCellSide - 1) : 0; }
inline int Far(int v, int lo) { return std::max(std::abs(v - lo), std::abs(v - (lo + kCellSide - 1))); }

inline int Channel(uint32_t c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

// A pixel with part of an error added, each channel kept in 0..255. The division truncates
// towards zero, as integer error diffusion does.
inline uint32_t Spread(uint32_t px, int er, int eg, int eb, int scale)
{
    const int r = std::clamp(Channel(px, 16) + er * scale / 4, 0, 255);
    const int g = std::clamp(Channel(px, 8) + eg * scale / 4, 0, 255);
    const int b = std::clamp(Channel(px, 0) + eb * scale / 4, 0, 255);
    return static_cast<uint32_t>(r << 16 | g << 8 | b);
}
} // namespace

CPaletteDither::CPaletteDither(const uint32_t* palette, int count)
    : m_palette(palette, palette + std::clamp(count, 0, 256))
{
    for (size_t i = 0; i < m_palette.size(); ++i)
        if ((m_palette[i] >> 24) >= kOpaque)
            m_opaque.push_back(static_cast<uint8_t>(i));
}

int CPaletteDither::Nearest(uint32_t colour)
{
    colour &= 0xFFFFFF;
    if (m_known.empty()) {
        try {
            m_known.assign((size_t{1} << 24) / 64, 0);
            m_nearest.assign(size_t{1} << 24, 0);
        } catch (const std::bad_alloc&) {
            m_known.clear();
            m_nearest.clear();
        }
    }
    const bool cached = !m_known.empty();
    const uint32_t slot = kInterleave(colour);
    if (cached && (m_known[slot >> 6] >> (slot & 63) & 1))
        return m_nearest[slot];
    const int r = Channel(colour, 16), g = Channel(colour, 8), b = Channel(colour, 0);
    int best = 0, bestDistance = 1 << 30;
    for (uint8_t i : Candidates(colour)) {
        const uint32_t p = m_palette[i];
        const int dr = r - Channel(p, 16), dg = g - Channel(p, 8), db = b - Channel(p, 0);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    if (cached) {
        m_nearest[slot] = static_cast<uint8_t>(best);
        m_known[slot >> 6] |= uint64_t{1} << (slot & 63);
    }
    return best;
}

const std::vector<uint8_t>& CPaletteDither::Candidates(uint32_t colour)
{
    const int shift = 8 - kCellBits;
    const int cr = Channel(colour, 16) >> shift, cg = Channel(colour, 8) >> shift, cb = Channel(colour, 0) >> shift;
    const size_t cell = static_cast<size_t>(cr << (2 * kCellBits) | cg << kCellBits | cb);
    if (m_cells.empty()) {
        m_cells.resize(kCells);
        m_cellKnown.assign(kCells, 0);
    }
    std::vector<uint8_t>& list = m_cells[cell];
    if (m_cellKnown[cell])
        return list;
    // An entry can be nearest to a colour of the cell only if its nearest point of the cell is
    // no farther than the farthest point of the cell is from the best entry.
    const int lr = cr * kCellSide, lg = cg * kCellSide, lb = cb * kCellSide;
    int bound = 1 << 30;
    for (uint8_t i : m_opaque) {
        const uint32_t p = m_palette[i];
        const int fr = Far(Channel(p, 16), lr), fg = Far(Channel(p, 8), lg), fb = Far(Channel(p, 0), lb);
        bound = std::min(bound, fr * fr + fg * fg + fb * fb);
    }
    for (uint8_t i : m_opaque) {
        const uint32_t p = m_palette[i];
        const int nr = Near(Channel(p, 16), lr), ng = Near(Channel(p, 8), lg), nb = Near(Channel(p, 0), lb);
        if (nr * nr + ng * ng + nb * nb <= bound)
            list.push_back(i);
    }
    m_cellKnown[cell] = 1;
    return list;
}

CPaletteDither::Window CPaletteDither::Changed(const uint32_t* pixels, int width, int height) const
{
    Window w{0, 0, width - 1, height - 1};
    if (m_previous.empty() || m_width != width || m_height != height)
        return w;
    const auto row = [&](const std::vector<uint32_t>& v, int y) { return v.data() + static_cast<size_t>(y) * width; };
    const auto same = [&](int y) {
        return std::memcmp(row(m_previous, y), pixels + static_cast<size_t>(y) * width, sizeof(uint32_t) * width) == 0;
    };
    while (w.y0 < w.y1 && same(w.y0))
        ++w.y0;
    while (w.y1 > w.y0 && same(w.y1))
        --w.y1;
    const auto sameColumn = [&](int x) {
        for (int y = w.y0; y <= w.y1; ++y)
            if (row(m_previous, y)[x] != pixels[static_cast<size_t>(y) * width + x])
                return false;
        return true;
    };
    while (w.x0 < w.x1 && sameColumn(w.x0))
        ++w.x0;
    while (w.x1 > w.x0 && sameColumn(w.x1))
        --w.x1;
    return w;
}

bool CPaletteDither::Dither(const uint32_t* pixels, int width, int height, uint8_t* indices, ptrdiff_t stride)
{
    if (width <= 0 || height <= 0 || m_opaque.empty())
        return false;
    const size_t n = static_cast<size_t>(width) * static_cast<size_t>(height);
    const Window w = Changed(pixels, width, height);
    const bool hasPrevious = !m_previousOut.empty() && m_width == width && m_height == height;
    try {
        m_work.resize(n);
        m_previous.resize(n);
        m_previousOut.resize(n);
    } catch (const std::bad_alloc&) {
        return false;
    }
    // Outside the changed rectangle the frame equals the one before and keeps its indices, so
    // only the rectangle is copied, worked on and remembered.
    const auto at = [width](int x, int y) { return static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x); };
    const size_t span = static_cast<size_t>(w.x1 - w.x0 + 1);
    for (int y = 0; y < height && hasPrevious; ++y)
        std::memcpy(indices + y * stride, m_previousOut.data() + at(0, y), static_cast<size_t>(width));
    for (int y = w.y0; y <= w.y1; ++y)
        std::memcpy(m_work.data() + at(w.x0, y), pixels + at(w.x0, y), span * sizeof(uint32_t));
    for (int y = w.y0; y <= w.y1; ++y) {
        uint32_t* src = m_work.data() + at(0, y);
        uint8_t* out = indices + y * stride;
        const bool down = y < w.y1;
        for (int x = w.x0; x <= w.x1; ++x) {
            const uint32_t c = src[x] & 0xFFFFFF;
            const int index = Nearest(c);
            out[x] = static_cast<uint8_t>(index);
            const uint32_t p = m_palette[static_cast<size_t>(index)];
            const int er = Channel(c, 16) - Channel(p, 16), eg = Channel(c, 8) - Channel(p, 8),
                      eb = Channel(c, 0) - Channel(p, 0);
            if (x < w.x1)
                src[x + 1] = Spread(src[x + 1], er, eg, eb, 2);
            if (down && x > w.x0)
                src[width + x - 1] = Spread(src[width + x - 1], er, eg, eb, 1);
            if (down)
                src[width + x] = Spread(src[width + x], er, eg, eb, 1);
        }
        std::memcpy(m_previousOut.data() + at(w.x0, y), out + w.x0, span);
        std::memcpy(m_previous.data() + at(w.x0, y), pixels + at(w.x0, y), span * sizeof(uint32_t));
    }
    m_width = width;
    m_height = height;
    return true;
}
