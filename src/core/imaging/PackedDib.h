#pragma once
#include "core/imaging/CImage32.h"
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The in-memory image record exchanged with files: a 40-byte information header, a colour
// table for 8 bits per pixel or fewer, then the rows bottom row first, each padded to a
// multiple of 4 bytes; 24-bit pixels are blue, green, red. The accessors work on any record,
// also one read from elsewhere, and never look past the block.
class PackedDib {
public:
    static constexpr size_t kHeaderSize = 40;

    PackedDib() = default;
    explicit PackedDib(std::vector<uint8_t> block) : m_block(std::move(block)) {}

    bool IsNull() const { return m_block.size() < kHeaderSize; }
    int Width() const;
    // Rows in the record; negative stored heights (top-down records) count as their size.
    int Height() const;
    bool IsTopDown() const;
    int BitsPerPixel() const;
    uint32_t Compression() const;
    uint32_t ImageSize() const;
    size_t ColorTableEntries() const;
    size_t PixelOffset() const { return kHeaderSize + 4 * ColorTableEntries(); }
    size_t Stride() const;
    // The pixel rows, or null when the block is too short to hold all of them.
    const uint8_t* Pixels() const;

    const std::vector<uint8_t>& Block() const { return m_block; }
    size_t Size() const { return m_block.size(); }

private:
    std::vector<uint8_t> m_block;
};

// Bytes per row: the bit count rounded up to whole 32-bit words.
size_t DibStride(int width, int bitsPerPixel);

// The record of a drawing image. True-colour sources are stored with 24 bits per pixel.
// Returns a null record for an empty image or when memory runs out.
PackedDib BitmapToDib(const CImage32& bitmap);

// The BMP file: the 14-byte file header followed by the whole record.
std::vector<uint8_t> BmpFileBytes(const PackedDib& dib);
// Written through the atomic save path; reason, when given, receives why a file was refused.
bool WriteBmpFile(const std::string& path, const PackedDib& dib, std::string* reason = nullptr);
bool SaveBitmapAsBmp(const std::string& path, const CImage32& bitmap, std::string* reason = nullptr);
