#pragma once
#include <cstdint>
#include <vector>

// Four-character codes as stored in RIFF files: the first character in the lowest byte.
constexpr uint32_t FourCC(const char (&s)[5])
{
    return static_cast<uint32_t>(static_cast<uint8_t>(s[0])) | (static_cast<uint32_t>(static_cast<uint8_t>(s[1])) << 8)
        | (static_cast<uint32_t>(static_cast<uint8_t>(s[2])) << 16)
        | (static_cast<uint32_t>(static_cast<uint8_t>(s[3])) << 24);
}

// Last-error codes of the writer; the values are those players and older tools know.
constexpr uint32_t kAviErrBadSize = 0x8004406B;
constexpr uint32_t kAviErrMemory = 0x80044067;
constexpr uint32_t kAviErrFileWrite = 0x8004406E;
constexpr uint32_t kAviErrFileOpen = 0x8004406F;
constexpr uint32_t kAviErrCompressor = 0x80044070;
constexpr uint32_t kAviErrNoCompressor = 0x80044071;
constexpr uint32_t kAviErrReadOnly = 0x80044072;

// Index flag of a sample that can be decoded on its own.
constexpr uint32_t kAviIndexKeyFrame = 0x10;

// The 40-byte bitmap information header that describes a frame format.
struct BitmapInfo {
    static constexpr uint32_t kSize = 40;

    int32_t width = 0;
    int32_t height = 0;
    uint16_t planes = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t sizeImage = 0;

    // An uncompressed 24-bit bottom-up frame.
    static BitmapInfo Rgb24(int width, int height);
    // Bytes of one frame: rows of whole bytes rounded up to 4, times the rows.
    uint32_t FrameSize() const;
    std::vector<uint8_t> Bytes() const;
};
