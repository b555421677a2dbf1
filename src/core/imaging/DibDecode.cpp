#include "core/imaging/DibDecode.h"
#include "core/base/ByteIO.h"
#include <algorithm>
#include <bit>
#include <climits>
#include <vector>

namespace {

constexpr size_t kMaxRlePixelsPerByte = 1024;

struct Masks {
    uint32_t mask[3];
    int shift[3];
    int bits[3];
};

void PrepareMask(Masks& m, int i, uint32_t mask)
{
    m.mask[i] = mask;
    m.shift[i] = mask ? std::countr_zero(mask) : 0;
    m.bits[i] = mask ? std::popcount(mask >> m.shift[i]) : 0;
}

int Channel(const Masks& m, int i, uint32_t v)
{
    if (!m.mask[i])
        return 0;
    uint32_t c = (v & m.mask[i]) >> m.shift[i];
    int bits = m.bits[i];
    if (bits >= 8)
        return static_cast<int>(c >> (bits - 8));
    // Spread a short field over 8 bits.
    uint32_t maxv = (1u << bits) - 1;
    return static_cast<int>((c * 255 + maxv / 2) / maxv);
}

// Runs of an RLE stream into a palette index image; absent pixels keep index 0.
bool DecodeRle(const uint8_t* p, size_t n, int width, int height, bool four, std::vector<uint8_t>& idx)
{
    idx.assign(static_cast<size_t>(width) * height, 0);
    int x = 0, y = 0;
    size_t i = 0;
    auto put = [&](int v) {
        if (x < width && y < height)
            idx[static_cast<size_t>(y) * width + x] = static_cast<uint8_t>(v);
        ++x;
    };
    while (i + 1 < n) {
        int count = p[i], val = p[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k)
                put(four ? ((k & 1) ? (val & 15) : (val >> 4)) : val);
        } else if (val == 0) {
            x = 0;
            ++y;
        } else if (val == 1) {
            return true;
        } else if (val == 2) {
            if (i + 1 >= n)
                return false;
            x += p[i];
            y += p[i + 1];
            i += 2;
        } else {
            size_t bytes = four ? (static_cast<size_t>(val) + 1) / 2 : static_cast<size_t>(val);
            if (i + bytes > n)
                return false;
            for (int k = 0; k < val; ++k) {
                int b = p[i + (four ? k / 2 : k)];
                put(four ? ((k & 1) ? (b & 15) : (b >> 4)) : b);
            }
            i += (bytes + 1) & ~static_cast<size_t>(1);
        }
    }
    return true;
}

} // namespace

bool ReadDibHeader(const uint8_t* dib, size_t size, DibHeader& h)
{
    if (size < kCoreHeaderSize)
        return false;
    h = DibHeader{};
    h.headerSize = ReadU32(dib);
    if (h.headerSize == kCoreHeaderSize) {
        // OS/2 1.x: 16-bit sizes, no compression, palette entries of three bytes.
        h.width = ReadU16(dib + 4);
        h.height = ReadU16(dib + 6);
        h.bpp = ReadU16(dib + 10);
        h.entrySize = 3;
        h.tableAt = kCoreHeaderSize;
        return true;
    }
    // OS/2 2.x may cut its 64-byte header short after any field; the rest reads as zero.
    if (h.headerSize < 16)
        return false;
    uint8_t info[kInfoHeaderSize] = {};
    const size_t stored = h.headerSize > size ? kInfoHeaderSize : std::min<size_t>(h.headerSize, kInfoHeaderSize);
    if (stored > size)
        return false;
    std::copy(dib, dib + stored, info);
    // Writers that claim more header than the block holds are read as the common 40 bytes.
    if (h.headerSize > size)
        h.headerSize = kInfoHeaderSize;
    h.width = ReadS32(info + 4);
    const int32_t rawHeight = ReadS32(info + 8);
    h.topDown = rawHeight < 0;
    h.height = h.topDown ? -static_cast<long long>(rawHeight) : rawHeight;
    h.bpp = ReadU16(info + 14);
    h.compression = ReadU32(info + 16);
    h.colorsUsed = ReadU32(info + 32);
    h.tableAt = h.headerSize;
    const bool bitfields = h.compression == kBitFields || h.compression == kAlphaBitFields;
    if (bitfields) {
        // Headers of 52 bytes and more carry the masks; the 40-byte one is followed by them.
        if (h.headerSize >= 52) {
            h.masksAt = kInfoHeaderSize;
        } else {
            h.masksAt = h.headerSize;
            h.tableAt += h.compression == kAlphaBitFields ? 16 : 12;
        }
    }
    return true;
}

bool DecodePackedDib(const uint8_t* dib, size_t size, CImage32& out, size_t pixelOffset)
{
    DibHeader head;
    if (!ReadDibHeader(dib, size, head))
        return false;
    const int32_t width = static_cast<int32_t>(std::min<long long>(head.width, INT32_MAX));
    const long long height = head.height;
    const bool topDown = head.topDown;
    const int bpp = head.bpp;
    const uint32_t compression = head.compression;
    if (width <= 0 || height <= 0 || width > kMaxDibSide || height > kMaxDibSide
        || static_cast<long long>(width) * height > kMaxDibPixels)
        return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return false;
    const bool rle8 = compression == 1, rle4 = compression == 2;
    const bool bitfields = compression == kBitFields || compression == kAlphaBitFields;
    if ((compression > kBitFields && compression != kAlphaBitFields) || (rle8 && bpp != 8) || (rle4 && bpp != 4)
        || (bitfields && bpp != 16 && bpp != 32) || ((rle8 || rle4) && topDown))
        return false;

    size_t pos = head.tableAt;
    Masks masks{};
    if (bitfields) {
        if (head.masksAt + 12 > size)
            return false;
        for (int i = 0; i < 3; ++i)
            PrepareMask(masks, i, ReadU32(dib + head.masksAt + 4 * i));
    } else if (bpp == 16) {
        PrepareMask(masks, 0, 0x7C00);
        PrepareMask(masks, 1, 0x03E0);
        PrepareMask(masks, 2, 0x001F);
    } else if (bpp == 32) {
        PrepareMask(masks, 0, 0xFF0000);
        PrepareMask(masks, 1, 0x00FF00);
        PrepareMask(masks, 2, 0x0000FF);
    }

    std::vector<Pixel> palette;
    if (bpp <= 8) {
        size_t entries = head.colorsUsed ? head.colorsUsed : (1u << bpp);
        // Some writers store fewer entries than the depth allows; the rows tell where it ends.
        if (pixelOffset > pos)
            entries = std::min(entries, (pixelOffset - pos) / head.entrySize);
        if (entries > 256 || pos + entries * head.entrySize > size)
            return false;
        for (size_t i = 0; i < entries; ++i) {
            const uint8_t* e = dib + pos + head.entrySize * i;
            palette.push_back(MakePixel(e[2], e[1], e[0]));
        }
        pos += entries * head.entrySize;
        palette.resize(256, MakePixel(0, 0, 0));
    } else if (head.colorsUsed <= 256) {
        pos += static_cast<size_t>(head.colorsUsed) * head.entrySize;
    }
    if (pixelOffset)
        pos = pixelOffset;
    if (pos > size)
        return false;

    const uint8_t* bits = dib + pos;
    size_t available = size - pos;
    int w = width, h = static_cast<int>(height);
    const size_t stride = ((static_cast<size_t>(w) * bpp + 31) / 32) * 4;
    // Check the pixel data is there before allocating for it, so a short file cannot claim a
    // large picture. Runs compress well but not without bound: the most a real file reaches
    // is a few hundred pixels a byte.
    if (rle4 || rle8) {
        if (static_cast<size_t>(w) * h / kMaxRlePixelsPerByte > available)
            return false;
    } else if (available / stride < static_cast<size_t>(h)) {
        // The last row may lack its padding in some writers; anything shorter is broken.
        size_t rowBytes = (static_cast<size_t>(w) * bpp + 7) / 8;
        if (available < stride * (h - 1) + rowBytes)
            return false;
    }
    CImage32 img(w, h);
    if (rle4 || rle8) {
        std::vector<uint8_t> idx;
        if (!DecodeRle(bits, available, w, h, rle4, idx))
            return false;
        for (int y = 0; y < h; ++y) {
            Pixel* row = img.Row(h - 1 - y);
            for (int x = 0; x < w; ++x)
                row[x] = palette[idx[static_cast<size_t>(y) * w + x]];
        }
        out = std::move(img);
        return true;
    }
    for (int y = 0; y < h; ++y) {
        const uint8_t* src = bits + stride * y;
        Pixel* row = img.Row(topDown ? y : h - 1 - y);
        for (int x = 0; x < w; ++x) {
            switch (bpp) {
            case 1: row[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1]; break;
            case 4: row[x] = palette[(x & 1) ? (src[x >> 1] & 15) : (src[x >> 1] >> 4)]; break;
            case 8: row[x] = palette[src[x]]; break;
            case 24: row[x] = MakePixel(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
            case 16: {
                uint32_t v = ReadU16(src + 2 * x);
                row[x] = MakePixel(Channel(masks, 0, v), Channel(masks, 1, v), Channel(masks, 2, v));
                break;
            }
            default: {
                uint32_t v = ReadU32(src + 4 * x);
                row[x] = MakePixel(Channel(masks, 0, v), Channel(masks, 1, v), Channel(masks, 2, v));
                break;
            }
            }
        }
    }
    out = std::move(img);
    return true;
}
