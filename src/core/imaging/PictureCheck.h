#pragma once
#include "core/base/FileResult.h"
#include <cstddef>
#include <cstdint>
#include <string>

// The kinds of picture the program reads: by extension, ".bmp" and ".png", anything else JPEG.
enum class PictureKind { Bmp, Jpeg, Png };
PictureKind PictureKindFor(const std::string& path);

// Pictures larger than this on a side are refused: a full-size copy, a sized one and the
// drawing together would outgrow any sensible memory.
constexpr int kMaxPictureSide = 16384;

struct PictureHeader {
    bool found = false;   // the header could be read; otherwise the decoder has the last word
    long long width = 0;
    long long height = 0;
    bool damaged = false; // claims more pixels than the file's bytes can hold
};

// Reads the size a picture file claims, without decoding anything.
PictureHeader ReadPictureHeader(const uint8_t* data, size_t size, PictureKind kind);

// Refuses, with a PictureRefused note the user can read, a picture that is too large or claims
// more than its file holds; ok otherwise, so that nothing is allocated for such a file.
FileResult CheckPicture(const uint8_t* data, size_t size, PictureKind kind);
