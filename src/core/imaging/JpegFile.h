#pragma once
#include "core/base/FileResult.h"
#include "core/imaging/CImage32.h"
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What the JPEG reader hands back: rows bottom row first, each padded with zero bytes to a
// multiple of 4, pixels blue, green, red.
struct JpegPixels {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    size_t stride = 0;
    std::vector<uint8_t> rows;
};

// Encodes the bitmap at quality 1..100 (baseline). Every message of the codec comes back as a
// JpegCodec note, in the order the codec gave them.
FileResult WriteJpegBytes(std::vector<uint8_t>& out, int quality, const CImage32& bitmap);
// Same into a file; JpegCannotWrite when the file cannot be written.
FileResult WriteJpegFile(const std::string& path, int quality, const CImage32& bitmap);

// Decodes a JPEG; greyscale is expanded to three components, CMYK is refused by the codec.
FileResult ReadJpegBytes(const uint8_t* data, size_t size, JpegPixels& out);
// Same from a file; JpegCannotOpen when it cannot be opened.
FileResult ReadJpegFile(const std::string& path, JpegPixels& out);

CImage32 JpegPixelsToImage(const JpegPixels& pixels);
