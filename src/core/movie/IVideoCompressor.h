#pragma once
#include "core/movie/AviFormat.h"
#include <cstdint>
#include <string>
#include <vector>

// Capability flags of a compressor.
constexpr uint32_t kCompressorQuality = 1;
constexpr uint32_t kCompressorDataRate = 2;
constexpr uint32_t kCompressorTemporal = 4;

// One entry of the compressor list.
struct CompressorInfo {
    uint32_t handler = 0;          // four-character code stored in the movie; 0 = uncompressed
    std::string description;       // the list's text
    std::string encoder;           // the library's encoder name
    uint32_t flags = 0;
    int defaultKeyRate = 0;        // frames between key frames
    int defaultQuality = 0;        // 0..10000
    bool canConfigure = false;     // offers a speed preset
    bool evenSize = false;         // 4:2:0 sampling: odd sizes are padded by one pixel
};

// How to compress: quality 0..10000, key frame every n frames (0 = as the encoder likes),
// data rate in kilobytes per second (0 = quality decides), frames per second, and the
// configuration the Configure button stored.
struct CompressSettings {
    int quality = 10000;
    int keyEvery = 0;
    int dataRate = 0;
    int fps = 30;
    std::vector<uint8_t> state;
};

// A compressed frame as it leaves the encoder.
struct CompressedFrame {
    std::vector<uint8_t> data;
    bool key = false;
};

// A video compressor for one movie: started for an input format, fed bottom-up 24-bit rows,
// drained at the end. Encoders may hold frames back; every frame fed comes out once drained.
class IVideoCompressor {
public:
    virtual ~IVideoCompressor() = default;
    virtual bool Start(const BitmapInfo& input, const CompressSettings& settings) = 0;
    // The stream's format block: the output bitmap header and any decoder set-up after it.
    virtual std::vector<uint8_t> OutputFormat() const = 0;
    virtual uint32_t MaxFrameSize() const = 0;
    // Frames that became ready, in order.
    virtual bool Compress(const uint8_t* rows, std::vector<CompressedFrame>& out) = 0;
    virtual bool Drain(std::vector<CompressedFrame>& out) = 0;
};
