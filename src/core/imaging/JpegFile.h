#pragma once
#include "core/imaging/CImage32.h"
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class IHost;

// What the JPEG reader hands back: rows bottom row first, each padded with zero bytes to a
// multiple of 4, pixels blue, green, red.
struct JpegPixels {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    size_t stride = 0;
    std::vector<uint8_t> rows;
};

// Encodes the bitmap at quality 1..100 (baseline). Codec messages go to the host in a box
// captioned "JPEG Library Error"; host may be null (messages are then dropped).
bool WriteJpegBytes(std::vector<uint8_t>& out, int quality, const CImage32& bitmap, IHost* host);
// Same into a file; "Error writing JPG file." when the file cannot be written.
bool WriteJpegFile(const std::string& path, int quality, const CImage32& bitmap, IHost* host);

// Decodes a JPEG; greyscale is expanded to three components, CMYK is refused by the codec.
bool ReadJpegBytes(const uint8_t* data, size_t size, JpegPixels& out, IHost* host);
// Same from a file; "Can't open file." when it cannot be opened.
bool ReadJpegFile(const std::string& path, JpegPixels& out, IHost* host);

CImage32 JpegPixelsToImage(const JpegPixels& pixels);
