#pragma once
#include "core/base/FileResult.h"
#include "core/imaging/CImage32.h"
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Encodes the picture as an 8-bit RGB PNG, lossless. The codec's messages come back as PngCodec
// notes.
FileResult WritePngBytes(std::vector<uint8_t>& out, const CImage32& picture);
// Same into a file, through the atomic save path; CannotWrite when the file cannot be written.
FileResult WritePngFile(const std::string& path, const CImage32& picture);

// Decodes any PNG: palette, grey and 16-bit samples are brought to 8-bit RGB, interlacing is
// undone, and transparent pixels are laid over white.
FileResult ReadPngBytes(const uint8_t* data, size_t size, CImage32& out);
