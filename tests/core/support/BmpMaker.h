#pragma once
// Writes BMP files of every header version and coding a reader may meet, from a picture of at
// most eight colours whose channels are 0 or 255 (so every coding holds them exactly).
#include "core/base/ByteIO.h"
#include "core/colour/ColorRef.h"
#include "core/imaging/CImage32.h"
#include <algorithm>
#include <cstdint>
#include <vector>

struct BmpSpec {
    int header = 40;          // 12 (OS/2 1.x), 16 or 64 (OS/2 2.x), 40, 108 or 124
    int bpp = 24;             // 1, 4, 8, 16, 24 or 32
    bool rle = false;         // RLE8 at 8 bits, RLE4 at 4
    bool bitFields = false;   // masks 5-6-5 at 16 bits, blue-green-red swapped at 32
    bool topDown = false;
};

// A w by h picture of runs of three pixels in up to `colours` colours, shifting by row.
inline CImage32 BmpTestPicture(int w, int h, int colours)
{
    CImage32 img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int c = (x / 3 + y) % colours + (colours == 2 ? 0 : 1);
            img.Row(y)[x] = MakePixel(c & 1 ? 255 : 0, c & 2 ? 255 : 0, c & 4 ? 255 : 0);
        }
    return img;
}

namespace bmpmaker {

inline std::vector<Pixel> Palette(const CImage32& img)
{
    std::vector<Pixel> p;
    for (int y = 0; y < img.Height(); ++y)
        for (int x = 0; x < img.Width(); ++x)
            if (std::find(p.begin(), p.end(), img.Row(y)[x]) == p.end())
                p.push_back(img.Row(y)[x]);
    return p;
}

inline uint32_t Pack(Pixel px, const uint32_t masks[3])
{
    const int ch[3] = {PixelRed(px), PixelGreen(px), PixelBlue(px)};
    uint32_t v = 0;
    for (int i = 0; i < 3; ++i)
        if (ch[i])
            v |= masks[i];
    return v;
}

inline void PutBits(std::vector<uint8_t>& row, int bpp, int x, int value)
{
    if (bpp == 8) {
        row[static_cast<size_t>(x)] = static_cast<uint8_t>(value);
    } else {
        const int perByte = 8 / bpp, shift = 8 - bpp * (x % perByte + 1);
        row[static_cast<size_t>(x / perByte)] |= static_cast<uint8_t>(value << shift);
    }
}

// One row of indices as runs: the first three pixels in absolute mode, the rest as runs.
inline void RleRow(std::vector<uint8_t>& out, const std::vector<int>& idx, bool four)
{
    size_t x = 0;
    if (idx.size() >= 3) {
        PutU8(out, 0);
        PutU8(out, 3);
        if (four) {
            PutU8(out, static_cast<uint32_t>(idx[0] << 4 | idx[1]));
            PutU8(out, static_cast<uint32_t>(idx[2] << 4));
        } else {
            for (int k = 0; k < 3; ++k)
                PutU8(out, static_cast<uint32_t>(idx[static_cast<size_t>(k)]));
            PutU8(out, 0);  // absolute runs end on a 16-bit boundary
        }
        x = 3;
    }
    while (x < idx.size()) {
        size_t n = 1;
        while (x + n < idx.size() && idx[x + n] == idx[x] && n < 255)
            ++n;
        PutU8(out, static_cast<uint32_t>(n));
        PutU8(out, static_cast<uint32_t>(four ? idx[x] << 4 | idx[x] : idx[x]));
        x += n;
    }
    PutU8(out, 0);
    PutU8(out, 0);
}

} // namespace bmpmaker

inline std::vector<uint8_t> MakeBmp(const CImage32& img, const BmpSpec& s)
{
    using namespace bmpmaker;
    const int w = img.Width(), h = img.Height();
    const bool indexed = s.bpp <= 8;
    const std::vector<Pixel> palette = indexed ? Palette(img) : std::vector<Pixel>{};
    const size_t entries = indexed ? size_t{1} << s.bpp : 0;
    const size_t entrySize = s.header == 12 ? 3 : 4;
    uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (s.bpp == 32)
        masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    if (s.bitFields && s.bpp == 16)
        masks[0] = 0xF800, masks[1] = 0x07E0, masks[2] = 0x001F;
    if (s.bitFields && s.bpp == 32)
        masks[0] = 0xFF, masks[1] = 0xFF00, masks[2] = 0xFF0000;
    const bool masksAfter = s.bitFields && s.header == 40;

    std::vector<uint8_t> pixels;
    for (int r = 0; r < h; ++r) {
        const int y = s.topDown ? r : h - 1 - r;
        std::vector<int> idx;
        for (int x = 0; x < w; ++x) {
            const Pixel px = img.Row(y)[x];
            idx.push_back(indexed ? static_cast<int>(std::find(palette.begin(), palette.end(), px) - palette.begin())
                                  : 0);
        }
        if (s.rle) {
            RleRow(pixels, idx, s.bpp == 4);
            continue;
        }
        std::vector<uint8_t> row((static_cast<size_t>(w) * s.bpp + 31) / 32 * 4, 0);
        for (int x = 0; x < w; ++x) {
            const Pixel px = img.Row(y)[x];
            const size_t at = static_cast<size_t>(x) * (s.bpp / 8);
            if (indexed) {
                PutBits(row, s.bpp, x, idx[static_cast<size_t>(x)]);
            } else if (s.bpp == 24) {
                row[at] = PixelBlue(px), row[at + 1] = PixelGreen(px), row[at + 2] = PixelRed(px);
            } else {
                const uint32_t v = Pack(px, masks);
                for (int k = 0; k < s.bpp / 8; ++k)
                    row[at + static_cast<size_t>(k)] = static_cast<uint8_t>(v >> (8 * k));
            }
        }
        PutBytes(pixels, row.data(), row.size());
    }
    if (s.rle) {
        PutU8(pixels, 0);
        PutU8(pixels, 1);
    }

    std::vector<uint8_t> head;
    PutU32(head, static_cast<uint32_t>(s.header));
    const uint32_t compression = s.rle ? (s.bpp == 8 ? 1 : 2) : s.bitFields ? 3 : 0;
    if (s.header == 12) {
        PutU16(head, static_cast<uint32_t>(w));
        PutU16(head, static_cast<uint32_t>(h));
        PutU16(head, 1);
        PutU16(head, static_cast<uint32_t>(s.bpp));
    } else {
        PutU32(head, static_cast<uint32_t>(w));
        PutU32(head, static_cast<uint32_t>(s.topDown ? -h : h));
        PutU16(head, 1);
        PutU16(head, static_cast<uint32_t>(s.bpp));
        const uint32_t fields[] = {compression, static_cast<uint32_t>(pixels.size()), 2835, 2835, 0, 0};
        for (uint32_t f : fields)
            PutU32(head, f);
        if (s.header >= 108)
            for (uint32_t m : {masks[0], masks[1], masks[2], 0u, 0x73524742u})  // masks, "sRGB"
                PutU32(head, m);
        head.resize(static_cast<size_t>(s.header), 0);  // colour space, gamma, intent, profile
    }
    if (masksAfter)
        for (uint32_t m : masks)
            PutU32(head, m);
    for (size_t i = 0; i < entries; ++i) {
        const Pixel px = i < palette.size() ? palette[i] : MakePixel(0, 0, 0);
        PutU8(head, PixelBlue(px));
        PutU8(head, PixelGreen(px));
        PutU8(head, PixelRed(px));
        if (entrySize == 4)
            PutU8(head, 0);
    }

    std::vector<uint8_t> file;
    PutU16(file, 0x4D42);
    PutU32(file, static_cast<uint32_t>(14 + head.size() + pixels.size()));
    PutU32(file, 0);
    PutU32(file, static_cast<uint32_t>(14 + head.size()));
    PutBytes(file, head.data(), head.size());
    PutBytes(file, pixels.data(), pixels.size());
    return file;
}
