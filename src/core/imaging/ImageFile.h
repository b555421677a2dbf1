#pragma once
#include "core/base/FileResult.h"
#include "core/imaging/CImage32.h"
#include <cstddef>
#include <cstdint>
#include <string>

// The extension of a path after its last dot, lower case; empty when there is none.
std::string LowerExtension(const std::string& path);

// Decodes a whole BMP file held in memory: 1, 4, 8, 16, 24 and 32 bits per pixel,
// uncompressed, bit-fields or run-length coded, bottom-up or top-down.
bool DecodeBmpFile(const uint8_t* data, size_t size, CImage32& out);

// Reads a ".bmp" file with our BMP reader, ".png" as PNG and any other name as JPEG. A picture
// above the side limit, or claiming more pixels than its file holds, is refused with a
// PictureRefused note before it is decoded. A BMP or PNG failure is CannotRead or NotThisKind
// (after the PNG codec's notes); a JPEG one carries the reader's and the codec's notes.
FileResult LoadImageFile(const std::string& path, CImage32& out);
