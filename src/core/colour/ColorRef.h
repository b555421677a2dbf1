#pragma once
#include <cstdint>

// 24-bit colour with red in the low byte, green in the middle byte and blue in the high byte.
using ColorRef = uint32_t;

// Pixels of every image are 32-bit 0xFFRRGGBB (what a Qt RGB32 image holds).
using Pixel = uint32_t;

constexpr ColorRef MakeColorRef(int r, int g, int b)
{
    return static_cast<ColorRef>((r & 255) | ((g & 255) << 8) | ((b & 255) << 16));
}
constexpr int RedOf(ColorRef c) { return static_cast<int>(c & 255); }
constexpr int GreenOf(ColorRef c) { return static_cast<int>((c >> 8) & 255); }
constexpr int BlueOf(ColorRef c) { return static_cast<int>((c >> 16) & 255); }

constexpr Pixel MakePixel(int r, int g, int b)
{
    return 0xFF000000u | (static_cast<uint32_t>(r & 255) << 16) | (static_cast<uint32_t>(g & 255) << 8)
        | static_cast<uint32_t>(b & 255);
}
constexpr int PixelRed(Pixel p) { return static_cast<int>((p >> 16) & 255); }
constexpr int PixelGreen(Pixel p) { return static_cast<int>((p >> 8) & 255); }
constexpr int PixelBlue(Pixel p) { return static_cast<int>(p & 255); }

constexpr Pixel ColorRefToPixel(ColorRef c) { return MakePixel(RedOf(c), GreenOf(c), BlueOf(c)); }
constexpr ColorRef PixelToColorRef(Pixel p) { return MakeColorRef(PixelRed(p), PixelGreen(p), PixelBlue(p)); }
