#pragma once
#include "core/imaging/CImage32.h"
#include <cstddef>
#include <cstdint>

// The facts of a bitmap header of any version: the 12-byte core header of OS/2 1.x, OS/2 2.x
// headers of 16 to 64 bytes, and the 40-, 52-, 56-, 108- and 124-byte information headers.
struct DibHeader {
    uint32_t headerSize = 0;
    long long width = 0;
    long long height = 0;      // always positive; topDown tells the row order
    bool topDown = false;
    int bpp = 0;
    uint32_t compression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 bit fields, 6 bit fields with alpha
    uint32_t colorsUsed = 0;
    size_t entrySize = 4;      // bytes per colour-table entry: 3 in the core header's tables
    size_t tableAt = 0;        // where the colour table starts, counted from the header
    size_t masksAt = 0;        // where the bit-field masks are, when the compression has them
};
inline constexpr uint32_t kCoreHeaderSize = 12;
inline constexpr uint32_t kInfoHeaderSize = 40;
inline constexpr uint32_t kBitFields = 3;
inline constexpr uint32_t kAlphaBitFields = 6;

// Reads the header at the start of a packed bitmap; false when no known version fits.
bool ReadDibHeader(const uint8_t* dib, size_t size, DibHeader& h);

// Decodes a packed device-independent bitmap: a header of any version above, the colour table
// and the pixel rows, as they follow the 14-byte file header of a BMP file.
// Handles 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed or bit-fields, RLE4 and RLE8,
// bottom-up and top-down rows. Every offset is checked against size. pixelOffset, when not
// zero, is where the rows start counted from the start of the block; zero means right after
// the colour table. Returns false on anything malformed.
bool DecodePackedDib(const uint8_t* dib, size_t size, CImage32& out, size_t pixelOffset = 0);

// Largest width or height accepted, and the largest pixel count, so a hostile header cannot
// make the decoder allocate gigabytes.
constexpr int kMaxDibSide = 32768;
constexpr long long kMaxDibPixels = 1LL << 28;
