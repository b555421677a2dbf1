#include "core/movie/VideoCompressors.h"
#include "core/movie/CFfmpegEncoder.h"
#include "core/movie/CMotionJpegCompressor.h"
#include <cstdlib>
#include <cstring>
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}
#include <webp/encode.h>

const char* const kUncompressedName = "Full Frames (Uncompressed)";

namespace {

constexpr uint32_t kAll = kCompressorQuality | kCompressorDataRate | kCompressorTemporal;

// What each encoder we know stores, and how it behaves, in list order.
const CompressorInfo kKnown[] = {
    {FourCC("MJPG"), "Motion JPEG", "mjpeg", kCompressorQuality | kCompressorDataRate, 0, 8500, false, true},
    {FourCC("FMP4"), "MPEG-4 Part 2", "mpeg4", kAll, 15, 8000, false, true},
    {FourCC("H264"), "H.264 (x264)", "libx264", kAll, 30, 7500, true, true},
    {FourCC("FFV1"), "FFV1 Lossless", "ffv1", 0, 0, 10000, false, false},
    {FourCC("VP90"), "VP9", "libvpx-vp9", kAll, 60, 7500, true, true},
    // The animations' own coders: one palette for the whole GIF, so nothing to choose; WebP
    // is lossless at the top quality.
    {FourCC("GIF8"), "GIF (one palette, dithered)", "gif", 0, 0, 10000, false, false},
    {FourCC("WEBP"), "WebP (lossless at the top quality)", "libwebp", kCompressorQuality, 0, 10000, false, false},
};

bool InContainer(const CompressorInfo& c, MovieContainer container)
{
    switch (container) {
    case MovieContainer::Avi: return c.encoder != "libvpx-vp9" && c.encoder != "gif" && c.encoder != "libwebp";
    case MovieContainer::Mp4: return c.encoder == "libx264";
    case MovieContainer::WebM: return c.encoder == "libvpx-vp9";
    case MovieContainer::Gif: return c.encoder == "gif";
    case MovieContainer::WebP: return c.encoder == "libwebp";
    }
    return false;
}

std::string VersionText(unsigned v)
{
    return std::to_string(v >> 16) + "." + std::to_string((v >> 8) & 0xFF) + "." + std::to_string(v & 0xFF);
}

// The encoder behind an AVI stream: every frame is one sample, in order.
class CFfmpegCompressor : public IVideoCompressor {
public:
    explicit CFfmpegCompressor(const CompressorInfo& info) : m_info(info) {}

    bool Start(const BitmapInfo& input, const CompressSettings& settings) override
    {
        m_input = input;
        return m_encoder.Open(m_info, input.width, std::abs(input.height), settings, false);
    }
    std::vector<uint8_t> OutputFormat() const override
    {
        BitmapInfo out = BitmapInfo::Rgb24(m_encoder.CodedWidth(), m_encoder.CodedHeight());
        out.compression = m_info.handler;
        out.sizeImage = out.FrameSize();
        std::vector<uint8_t> block = out.Bytes();
        const AVCodecContext* ctx = m_encoder.Context();
        if (ctx && ctx->extradata_size > 0) {
            block.insert(block.end(), ctx->extradata, ctx->extradata + ctx->extradata_size);
            const uint32_t size = static_cast<uint32_t>(block.size());
            std::memcpy(block.data(), &size, 4);   // the header's size counts the set-up bytes
        }
        return block;
    }
    uint32_t MaxFrameSize() const override
    {
        return static_cast<uint32_t>(m_encoder.CodedWidth()) * static_cast<uint32_t>(m_encoder.CodedHeight()) * 3
            + 4096;
    }
    bool Compress(const uint8_t* rows, std::vector<CompressedFrame>& out) override
    {
        return m_encoder.Encode(rows, [&](AVPacket* p) { return Keep(p, out); });
    }
    bool Drain(std::vector<CompressedFrame>& out) override
    {
        return m_encoder.Drain([&](AVPacket* p) { return Keep(p, out); });
    }

private:
    static bool Keep(AVPacket* p, std::vector<CompressedFrame>& out)
    {
        out.push_back({{p->data, p->data + p->size}, (p->flags & AV_PKT_FLAG_KEY) != 0});
        return true;
    }

    CompressorInfo m_info;
    BitmapInfo m_input;
    CFfmpegEncoder m_encoder;
};

} // namespace

bool LoadVideoLibraries()
{
    // A stand-in for a machine without the libraries, so that path can be tried.
    if (const char* off = std::getenv("DAUBRIX_NO_VIDEO_LIBRARIES"); off && *off && std::strcmp(off, "0") != 0)
        return false;
    // The encoders' statistics are not the user's business; errors still reach stderr.
    av_log_set_level(AV_LOG_ERROR);
    return (avcodec_version() >> 16) == LIBAVCODEC_VERSION_MAJOR
        && (avformat_version() >> 16) == LIBAVFORMAT_VERSION_MAJOR;
}

std::vector<CompressorInfo> ListCompressors(MovieContainer container)
{
    std::vector<CompressorInfo> list;
    if (LoadVideoLibraries())
        for (const CompressorInfo& c : kKnown)
            if (InContainer(c, container) && (c.encoder == "libwebp" || avcodec_find_encoder_by_name(c.encoder.c_str())))
                list.push_back(c);
    if (container == MovieContainer::Avi)
        list.push_back({0, kUncompressedName, "", 0, 0, 0, false, false});
    return list;
}

const CompressorInfo* FindCompressor(uint32_t handler, MovieContainer container)
{
    static const std::vector<CompressorInfo> lists[] = {ListCompressors(MovieContainer::Avi),
                                                         ListCompressors(MovieContainer::Mp4),
                                                         ListCompressors(MovieContainer::WebM),
                                                         ListCompressors(MovieContainer::Gif),
                                                         ListCompressors(MovieContainer::WebP)};
    for (const CompressorInfo& c : lists[static_cast<int>(container)])
        if (c.handler == handler)
            return &c;
    return nullptr;
}

std::string CompressorAbout(const CompressorInfo& info)
{
    if (info.handler == 0)
        return info.description + "\n24-bit frames written as they are, without a library.";
    if (info.encoder == "libwebp")
        return info.description + "\n\nEncoder: libwebp " + VersionText(static_cast<unsigned>(WebPGetEncoderVersion()));
    const AVCodec* codec = avcodec_find_encoder_by_name(info.encoder.c_str());
    std::string text = info.description + "\n\nEncoder: " + info.encoder;
    if (codec && codec->long_name)
        text += std::string(" (") + codec->long_name + ")";
    text += "\nFFmpeg libavcodec " + VersionText(avcodec_version());
    return text;
}

std::vector<std::string> CompressorPresets(const CompressorInfo& info)
{
    if (info.encoder == "libx264")
        return {"ultrafast", "superfast", "veryfast", "faster", "fast", "medium", "slow", "slower", "veryslow"};
    if (info.encoder == "libvpx-vp9")
        return {"8", "7", "6", "5", "4", "3", "2", "1", "0"};
    return {};
}

std::string DefaultPreset(const CompressorInfo& info)
{
    if (info.encoder == "libx264")
        return "medium";
    if (info.encoder == "libvpx-vp9")
        return "4";
    return {};
}

std::unique_ptr<IVideoCompressor> OpenFfmpegCompressor(const CompressorInfo& info)
{
    return std::make_unique<CFfmpegCompressor>(info);
}

std::unique_ptr<IVideoCompressor> OpenCompressor(uint32_t handler)
{
    const CompressorInfo* info = FindCompressor(handler);
    if (!info || handler == 0 || !LoadVideoLibraries())
        return nullptr;
    // libjpeg-turbo codes a frame several times faster than the video library's JPEG coder.
    if (info->encoder == "mjpeg")
        return std::make_unique<CMotionJpegCompressor>(*info);
    return OpenFfmpegCompressor(*info);
}
