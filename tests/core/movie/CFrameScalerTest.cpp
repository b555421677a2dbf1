#include "core/base/CRandom.h"
#include "core/imaging/PackedDib.h"
#include "core/movie/CFrameScaler.h"
#include <gtest/gtest.h>

namespace {
// The frame record's pixel (x, y), y counted from the top, as (B, G, R).
std::array<uint8_t, 3> At(const CFrameScaler& s, int w, int h, int x, int y)
{
    const size_t stride = (static_cast<size_t>(w) * 3 + 3) & ~size_t{3};
    const uint8_t* p = s.Record().data() + PackedDib::kHeaderSize + stride * static_cast<size_t>(h - 1 - y) + 3 * x;
    return {p[0], p[1], p[2]};
}

std::array<uint8_t, 3> Bgr(Pixel p)
{
    return {static_cast<uint8_t>(p), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p >> 16)};
}

CImage32 Noise(int w, int h, CRandom& rnd)
{
    CImage32 image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.Row(y)[x] = 0xFF000000u | (static_cast<Pixel>(rnd.Next() & 0xFFF) << 12) | (rnd.Next() & 0xFFF);
    return image;
}
} // namespace

// Every width's tail after whole groups of four pixels, at the drawing's size and at half of it.
TEST(CFrameScaler, EveryPixelLandsBottomUpAsBgrAtFullAndHalfSize)
{
    CRandom rnd(7);
    for (int w = 1; w <= 9; ++w) {
        const int h = 3;
        const CImage32 image = Noise(2 * w, 2 * h, rnd);
        CFrameScaler full(2 * w, 2 * h), half(w, h);
        ASSERT_TRUE(full.Scale(image));
        ASSERT_TRUE(half.Scale(image));
        for (int y = 0; y < 2 * h; ++y)
            for (int x = 0; x < 2 * w; ++x)
                ASSERT_EQ(At(full, 2 * w, 2 * h, x, y), Bgr(image.Row(y)[x])) << w << " " << x << "," << y;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(At(half, w, h, x, y), Bgr(image.Row(2 * y)[2 * x])) << w << " " << x << "," << y;
    }
}
