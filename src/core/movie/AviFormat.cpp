#include "core/movie/AviFormat.h"
#include "core/base/ByteIO.h"
#include <cstdlib>

BitmapInfo BitmapInfo::Rgb24(int width, int height)
{
    BitmapInfo b;
    b.width = width;
    b.height = height;
    b.sizeImage = static_cast<uint32_t>(width) * static_cast<uint32_t>(height) * 3;
    return b;
}

uint32_t BitmapInfo::FrameSize() const
{
    const uint32_t row = ((static_cast<uint32_t>(bitCount) + 7) / 8 * static_cast<uint32_t>(width) + 3) & ~3u;
    return row * static_cast<uint32_t>(std::abs(height));
}

std::vector<uint8_t> BitmapInfo::Bytes() const
{
    std::vector<uint8_t> out;
    out.reserve(kSize);
    PutU32(out, kSize);
    PutU32(out, static_cast<uint32_t>(width));
    PutU32(out, static_cast<uint32_t>(height));
    PutU16(out, planes);
    PutU16(out, bitCount);
    PutU32(out, compression);
    PutU32(out, sizeImage);
    for (int i = 0; i < 4; ++i)   // resolutions and colour counts
        PutU32(out, 0);
    return out;
}
