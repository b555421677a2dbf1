#pragma once
#include "core/movie/IVideoCompressor.h"
#include <functional>
#include <memory>
#include <vector>

class CDrawingConverter;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;

// One FFmpeg video encoder fed with bottom-up 24-bit rows. Odd sizes of 4:2:0 encoders are
// coded one pixel larger, the last column and row repeated, so no picture is cropped.
class CFfmpegEncoder {
public:
    using PacketSink = std::function<bool(AVPacket*)>;

    CFfmpegEncoder() = default;
    ~CFfmpegEncoder();
    CFfmpegEncoder(const CFfmpegEncoder&) = delete;
    CFfmpegEncoder& operator=(const CFfmpegEncoder&) = delete;

    // globalHeader: decoder set-up in the context's extradata instead of in the stream.
    bool Open(const CompressorInfo& info, int width, int height, const CompressSettings& settings,
              bool globalHeader);
    AVCodecContext* Context() const { return m_ctx; }
    int CodedWidth() const;
    int CodedHeight() const;
    // One frame of rows (stride rounded up to 4) in, every packet that became ready out.
    bool Encode(const uint8_t* rows, const PacketSink& sink);
    // Turns a drawing of this size into records for EncodeRecord on another thread; null when
    // the drawing is not the coded size (odd sizes go through Encode, which pads them).
    std::unique_ptr<CDrawingConverter> MakeDrawingConverter(int width, int height) const;
    bool EncodeRecord(const std::vector<uint8_t>& record, const PacketSink& sink);
    // The packets still held back.
    bool Drain(const PacketSink& sink);
    const std::string& Error() const { return m_error; }

private:
    bool Send(const PacketSink& sink);
    bool Receive(const PacketSink& sink);
    const uint8_t* Padded(const uint8_t* rows, int& stride);

    AVCodecContext* m_ctx = nullptr;
    AVFrame* m_frame = nullptr;
    AVFrame* m_source = nullptr;   // the caller's rows, lent to the converter for one frame
    AVPacket* m_packet = nullptr;
    SwsContext* m_sws = nullptr;
    int m_width = 0;
    int m_height = 0;
    int64_t m_next = 0;
    bool m_drained = false;
    bool m_tagged = false;   // BT.709, limited range
    std::vector<uint8_t> m_padded;
    std::string m_error;
};
