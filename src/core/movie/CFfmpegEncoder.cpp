#include "core/movie/CFfmpegEncoder.h"
#include "core/movie/CDrawingConverter.h"
#include <algorithm>
#include <cstring>
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace {

AVPixelFormat PixelFormatFor(const std::string& encoder)
{
    if (encoder == "ffv1")
        return AV_PIX_FMT_BGR0;   // lossless: the drawing's own RGB
    if (encoder == "mjpeg")
        return AV_PIX_FMT_YUVJ420P;
    return AV_PIX_FMT_YUV420P;
}

// Quality 0..10000 onto a scale where lower numbers are better.
int Scale(int quality, int best, int worst)
{
    const int q = std::clamp(quality, 0, 10000);
    return best + (10000 - q) * (worst - best) / 10000;
}

void ApplyRateControl(AVCodecContext* ctx, const std::string& encoder, const CompressSettings& s)
{
    if (s.dataRate > 0) {
        ctx->bit_rate = static_cast<int64_t>(s.dataRate) * 8000;
        ctx->rc_max_rate = ctx->bit_rate;
        ctx->rc_buffer_size = static_cast<int>(std::min<int64_t>(ctx->bit_rate, INT32_MAX));
        return;
    }
    if (encoder == "libx264") {
        av_opt_set_double(ctx->priv_data, "crf", Scale(s.quality, 10, 51), 0);
    } else if (encoder == "libvpx-vp9") {
        ctx->bit_rate = 0;
        av_opt_set_int(ctx->priv_data, "crf", Scale(s.quality, 4, 63), 0);
    } else if (encoder != "ffv1") {
        ctx->flags |= AV_CODEC_FLAG_QSCALE;
        ctx->global_quality = FF_QP2LAMBDA * Scale(s.quality, 2, 31);
    }
}

void ApplyPreset(AVCodecContext* ctx, const std::string& encoder, const CompressSettings& s)
{
    const std::string preset(s.state.begin(), s.state.end());
    if (encoder == "libx264") {
        av_opt_set(ctx->priv_data, "preset", preset.empty() ? "medium" : preset.c_str(), 0);
    } else if (encoder == "libvpx-vp9") {
        // Speed 0..8 in the stored text; faster than the library's default unless asked.
        av_opt_set(ctx->priv_data, "deadline", "good", 0);
        av_opt_set(ctx->priv_data, "cpu-used", preset.empty() ? "4" : preset.c_str(), 0);
    }
}

// Every core, with settings that still give the same bytes run after run on one machine:
// frame threads for Motion JPEG (each frame is coded alone), slices for FFV1 and MPEG-4,
// x264's own frame threads (deterministic unless asked otherwise), VP9 row threads over tile
// columns.
void ApplyThreads(AVCodecContext* ctx, const std::string& encoder)
{
    ctx->thread_count = 0;   // as many as the machine has
    if (encoder == "ffv1") {
        ctx->thread_type = FF_THREAD_SLICE;
        ctx->slices = 4;
        ctx->level = 3;   // slices need version 3
    } else if (encoder == "libvpx-vp9") {
        av_opt_set_int(ctx->priv_data, "row-mt", 1, 0);
        av_opt_set_int(ctx->priv_data, "tile-columns", 2, 0);
    }
}

// The colours' description of the 4:2:0 streams that carry one: BT.709 matrix, primaries and
// transfer, limited range, the tags players assume for HD and honour when present.
bool DescribesColour(const std::string& encoder)
{
    return encoder == "libx264" || encoder == "libvpx-vp9";
}

void ApplyColourTags(AVCodecContext* ctx)
{
    ctx->colorspace = AVCOL_SPC_BT709;
    ctx->color_primaries = AVCOL_PRI_BT709;
    ctx->color_trc = AVCOL_TRC_BT709;
    ctx->color_range = AVCOL_RANGE_MPEG;
}

} // namespace

CFfmpegEncoder::~CFfmpegEncoder()
{
    sws_freeContext(m_sws);
    av_packet_free(&m_packet);
    av_frame_free(&m_frame);
    av_frame_free(&m_source);
    avcodec_free_context(&m_ctx);
}

int CFfmpegEncoder::CodedWidth() const { return m_ctx ? m_ctx->width : 0; }
int CFfmpegEncoder::CodedHeight() const { return m_ctx ? m_ctx->height : 0; }

bool CFfmpegEncoder::Open(const CompressorInfo& info, int width, int height, const CompressSettings& s,
                          bool globalHeader)
{
    const AVCodec* codec = avcodec_find_encoder_by_name(info.encoder.c_str());
    if (!codec || width <= 0 || height <= 0 || s.fps <= 0) {
        m_error = "no encoder " + info.encoder;
        return false;
    }
    m_ctx = avcodec_alloc_context3(codec);
    m_frame = av_frame_alloc();
    m_source = av_frame_alloc();
    m_packet = av_packet_alloc();
    if (!m_ctx || !m_frame || !m_source || !m_packet)
        return false;
    m_width = width;
    m_height = height;
    const int pad = info.evenSize ? 1 : 0;
    m_ctx->width = (width + pad) & ~pad;
    m_ctx->height = (height + pad) & ~pad;
    m_ctx->pix_fmt = PixelFormatFor(info.encoder);
    m_ctx->time_base = {1, s.fps};
    m_ctx->framerate = {s.fps, 1};
    m_ctx->max_b_frames = 0;   // frames leave in the order they came
    if (s.keyEvery > 0)
        m_ctx->gop_size = s.keyEvery;
    if (m_ctx->pix_fmt == AV_PIX_FMT_YUVJ420P)
        m_ctx->color_range = AVCOL_RANGE_JPEG;
    if (globalHeader)
        m_ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    const bool tagged = DescribesColour(info.encoder);
    m_tagged = tagged;
    if (tagged)
        ApplyColourTags(m_ctx);
    ApplyThreads(m_ctx, info.encoder);
    ApplyRateControl(m_ctx, info.encoder, s);
    ApplyPreset(m_ctx, info.encoder, s);
    const int err = avcodec_open2(m_ctx, codec, nullptr);
    if (err < 0) {
        char text[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(err, text, sizeof text);
        m_error = text;
        return false;
    }
    m_frame->format = m_ctx->pix_fmt;
    m_frame->width = m_ctx->width;
    m_frame->height = m_ctx->height;
    if (av_frame_get_buffer(m_frame, 0) < 0)
        return false;
    m_sws = CDrawingConverter::MakeContext(m_ctx->width, m_ctx->height, AV_PIX_FMT_BGR24, m_ctx->pix_fmt, tagged);
    return m_sws != nullptr;
}

const uint8_t* CFfmpegEncoder::Padded(const uint8_t* rows, int& stride)
{
    stride = (m_width * 3 + 3) & ~3;
    if (m_ctx->width == m_width && m_ctx->height == m_height)
        return rows;
    // Bottom-up: the extra row goes below the picture, i.e. first in the buffer.
    const int w = m_ctx->width, h = m_ctx->height;
    const int padStride = (w * 3 + 3) & ~3;
    m_padded.assign(static_cast<size_t>(padStride) * static_cast<size_t>(h), 0);
    const int extraRows = h - m_height;
    for (int y = 0; y < h; ++y) {
        const int from = std::max(y - extraRows, 0);
        uint8_t* dst = m_padded.data() + static_cast<size_t>(y) * static_cast<size_t>(padStride);
        std::memcpy(dst, rows + static_cast<size_t>(from) * static_cast<size_t>(stride), static_cast<size_t>(m_width) * 3);
        for (int x = m_width; x < w; ++x)
            std::memcpy(dst + 3 * x, dst + 3 * (m_width - 1), 3);
    }
    stride = padStride;
    return m_padded.data();
}

bool CFfmpegEncoder::Encode(const uint8_t* rows, const PacketSink& sink)
{
    if (!m_ctx || !m_sws || m_drained)
        return false;
    int stride = 0;
    const uint8_t* src = Padded(rows, stride);
    if (av_frame_make_writable(m_frame) < 0)
        return false;
    // Rows are stored bottom row first: start at the top row and step backwards. The converter
    // takes a reference to its source; the rows stay the caller's.
    const size_t bytes = static_cast<size_t>(stride) * static_cast<size_t>(m_ctx->height);
    if (!CDrawingConverter::Lend(m_source, const_cast<uint8_t*>(src), bytes))
        return false;
    m_source->format = AV_PIX_FMT_BGR24;
    m_source->width = m_ctx->width;
    m_source->height = m_ctx->height;
    m_source->data[0] = const_cast<uint8_t*>(src) + bytes - static_cast<size_t>(stride);
    m_source->linesize[0] = -stride;
    const int converted = sws_scale_frame(m_sws, m_frame, m_source);
    av_buffer_unref(&m_source->buf[0]);
    if (converted < 0)
        return false;
    return Send(sink);
}

std::unique_ptr<CDrawingConverter> CFfmpegEncoder::MakeDrawingConverter(int width, int height) const
{
    if (!m_ctx || width != m_ctx->width || height != m_ctx->height || width != m_width || height != m_height)
        return nullptr;
    auto converter = std::make_unique<CDrawingConverter>(width, height, m_ctx->pix_fmt, m_tagged);
    return converter->Ready() ? std::move(converter) : nullptr;
}

bool CFfmpegEncoder::EncodeRecord(const std::vector<uint8_t>& record, const PacketSink& sink)
{
    if (!m_ctx || m_drained)
        return false;
    const AVPixelFormat format = m_ctx->pix_fmt;
    const int w = m_ctx->width, h = m_ctx->height;
    if (record.size() != static_cast<size_t>(std::max(av_image_get_buffer_size(format, w, h, 1), 0)) || record.empty())
        return false;
    if (av_frame_make_writable(m_frame) < 0)
        return false;
    const uint8_t* planes[4] = {};
    int strides[4] = {};
    if (av_image_fill_arrays(const_cast<uint8_t**>(planes), strides, record.data(), format, w, h, 1) < 0)
        return false;
    av_image_copy(m_frame->data, m_frame->linesize, planes, strides, format, w, h);
    return Send(sink);
}

bool CFfmpegEncoder::Send(const PacketSink& sink)
{
    m_frame->pts = m_next++;
    if (avcodec_send_frame(m_ctx, m_frame) < 0)
        return false;
    return Receive(sink);
}

bool CFfmpegEncoder::Drain(const PacketSink& sink)
{
    if (!m_ctx || m_drained)
        return m_drained;
    m_drained = true;
    if (avcodec_send_frame(m_ctx, nullptr) < 0)
        return false;
    return Receive(sink);
}

bool CFfmpegEncoder::Receive(const PacketSink& sink)
{
    for (;;) {
        const int r = avcodec_receive_packet(m_ctx, m_packet);
        if (r == AVERROR(EAGAIN) || r == AVERROR_EOF)
            return true;
        if (r < 0)
            return false;
        const bool ok = sink(m_packet);
        av_packet_unref(m_packet);
        if (!ok)
            return false;
    }
}
