#pragma once
#include <array>
#include <cstdint>

// A 32 x 32 two-mask cursor that outlines a shape: where and == 0 and xr == 1 the pixel is white,
// where and == 0 and xr == 0 it is black, where and == 1 it is transparent.
struct CShapeCursor {
    static constexpr int kSize = 32;
    std::array<uint8_t, kSize * kSize> andMask{};
    std::array<uint8_t, kSize * kSize> xorMask{};
    int hotX = 0;
    int hotY = 0;

    bool And(int x, int y) const { return andMask[y * kSize + x] != 0; }
    bool Xor(int x, int y) const { return xorMask[y * kSize + x] != 0; }
};
