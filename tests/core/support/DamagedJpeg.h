#pragma once
#include "core/imaging/JpegFile.h"
#include <cstdint>
#include <vector>

// The codec's words for a file that ends before its picture does.
inline constexpr const char* kPrematureEnd = "Premature end of JPEG file";

// A JPEG of a w by h picture, red above and blue below, cut off after `keep` (0..1) of its
// coded picture data, its headers whole: as a broken download or a full disk leaves it.
inline std::vector<uint8_t> DamagedJpeg(int w, int h, double keep = 0.4)
{
    CImage32 picture(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.Set(x, y, y < h / 2 ? MakePixel(230, 20, 20) : MakePixel(20, 20, 230));
    std::vector<uint8_t> bytes;
    WriteJpegBytes(bytes, 90, picture);
    size_t scan = 0;
    while (scan + 1 < bytes.size() && !(bytes[scan] == 0xFF && bytes[scan + 1] == 0xDA))
        ++scan;
    bytes.resize(scan + static_cast<size_t>(static_cast<double>(bytes.size() - scan) * keep));
    return bytes;
}
