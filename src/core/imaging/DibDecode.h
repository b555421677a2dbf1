#pragma once
#include "core/imaging/CImage32.h"
#include <cstddef>
#include <cstdint>

// Decodes a packed device-independent bitmap: a 40-byte (or larger) information header, the
// colour table and the pixel rows, as they follow the 14-byte file header of a BMP file.
// Handles 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed or bit-fields, RLE4 and RLE8,
// bottom-up and top-down rows. Every offset is checked against size. pixelOffset, when not
// zero, is where the rows start counted from the start of the block; zero means right after
// the colour table. Returns false on anything malformed.
bool DecodePackedDib(const uint8_t* dib, size_t size, CImage32& out, size_t pixelOffset = 0);

// Largest width or height accepted, and the largest pixel count, so a hostile header cannot
// make the decoder allocate gigabytes.
constexpr int kMaxDibSide = 32768;
constexpr long long kMaxDibPixels = 1LL << 28;
