#include "core/movie/CGifSink.h"
#include "core/movie/CFrameScaler.h"
#include "core/movie/CPaletteDither.h"
#include "core/movie/VideoCompressors.h"
#include <cstring>
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
}

namespace {

constexpr const char* kNotWritten = "The movie was not written: ";
constexpr int kCentiseconds = 100;
// The palette of the whole movie from every pixel of every frame.
constexpr const char* kCount = "[in]palettegen=max_colors=256:stats_mode=full[out]";

AVFilterContext* Source(AVFilterGraph* graph, const char* name, int w, int h, AVPixelFormat format)
{
    const std::string args = "video_size=" + std::to_string(w) + "x" + std::to_string(h) + ":pix_fmt="
        + std::to_string(format) + ":time_base=1/" + std::to_string(kCentiseconds) + ":pixel_aspect=1/1";
    AVFilterContext* ctx = nullptr;
    if (avfilter_graph_create_filter(&ctx, avfilter_get_by_name("buffer"), name, args.c_str(), nullptr, graph) < 0)
        return nullptr;
    return ctx;
}

AVFilterInOut* Link(const char* name, AVFilterContext* ctx, AVFilterInOut* next)
{
    AVFilterInOut* io = avfilter_inout_alloc();
    if (!io)
        return next;
    io->name = av_strdup(name);
    io->filter_ctx = ctx;
    io->pad_idx = 0;
    io->next = next;
    return io;
}

} // namespace

CGifSink::~CGifSink()
{
    if (!m_finished)
        Finish(false);
    FreeGraph();
    av_frame_free(&m_frame);
    av_frame_free(&m_indexed);
    avcodec_free_context(&m_encoder);
}

bool CGifSink::Fail(const char* why)
{
    if (m_failure.empty())
        m_failure = kNotWritten + std::string(why) + ".";
    m_file.Discard();
    m_finished = true;
    return false;
}

void CGifSink::FreeGraph()
{
    avfilter_graph_free(&m_graph);
    m_source = m_out = nullptr;
}

bool CGifSink::Open(const std::string& path, int fps, int width, int height)
{
    m_width = width;
    m_height = height;
    m_timing = CFrameTiming(fps, kCentiseconds, 2);
    const AVCodec* gif = LoadVideoLibraries() ? avcodec_find_encoder(AV_CODEC_ID_GIF) : nullptr;
    if (!gif || width > 65535 || height > 65535)
        return Fail("the chosen compressor is not available");
    if (!m_file.Open(path, "gif"))
        return Fail(m_file.Why().c_str());
    m_encoder = avcodec_alloc_context3(gif);
    m_frame = av_frame_alloc();
    m_indexed = av_frame_alloc();
    if (!m_encoder || !m_frame || !m_indexed)
        return Fail("there is not enough memory");
    m_encoder->width = width;
    m_encoder->height = height;
    m_encoder->pix_fmt = AV_PIX_FMT_PAL8;
    m_encoder->time_base = {1, kCentiseconds};
    if (avcodec_open2(m_encoder, gif, nullptr) < 0)
        return Fail("the compressor cannot take these frames");
    m_frame->format = AV_PIX_FMT_BGR24;
    m_frame->width = width;
    m_frame->height = height;
    if (av_frame_get_buffer(m_frame, 0) < 0)
        return Fail("there is not enough memory");
    AVDictionary* opts = nullptr;
    av_dict_set(&opts, "loop", "0", 0);   // for ever
    m_started = m_file.Start(m_encoder, fps, &opts);
    av_dict_free(&opts);
    return (m_started || Fail(m_file.Why().c_str())) && BuildCountingGraph();
}

bool CGifSink::BuildCountingGraph()
{
    FreeGraph();
    m_graph = avfilter_graph_alloc();
    if (!m_graph)
        return Fail("there is not enough memory");
    m_graph->nb_threads = 1;   // the frames' order of work must not depend on timing
    m_source = Source(m_graph, "in", m_width, m_height, AV_PIX_FMT_BGR24);
    avfilter_graph_create_filter(&m_out, avfilter_get_by_name("buffersink"), "out", nullptr, nullptr, m_graph);
    if (!m_source || !m_out)
        return Fail("the video library cannot write this kind of movie");
    AVFilterInOut* outputs = Link("in", m_source, nullptr);
    AVFilterInOut* inputs = Link("out", m_out, nullptr);
    const int parsed = avfilter_graph_parse_ptr(m_graph, kCount, &inputs, &outputs, nullptr);
    avfilter_inout_free(&inputs);
    avfilter_inout_free(&outputs);
    if (parsed < 0 || avfilter_graph_config(m_graph, nullptr) < 0)
        return Fail("the video library cannot write this kind of movie");
    return true;
}

bool CGifSink::BeginPass(int pass)
{
    if (m_finished)
        return false;
    m_timing.Restart();
    if (pass == 0)
        return true;
    // The counting graph gives its palette once every frame has been through it.
    AVFrame* palette = av_frame_alloc();
    const bool counted = palette && av_buffersrc_add_frame(m_source, nullptr) >= 0
        && av_buffersink_get_frame(m_out, palette) >= 0 && palette->width * palette->height <= 256;
    std::vector<uint32_t> words;
    for (int y = 0; counted && y < palette->height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(palette->data[0] + static_cast<ptrdiff_t>(y) * palette->linesize[0]);
        words.insert(words.end(), row, row + palette->width);
    }
    av_frame_free(&palette);
    FreeGraph();
    if (!counted)
        return Fail("the colours of the movie cannot be counted");
    words.resize(256, 0);
    m_dither = std::make_unique<CPaletteDither>(words.data(), static_cast<int>(words.size()));
    m_indexed->format = AV_PIX_FMT_PAL8;
    m_indexed->width = m_width;
    m_indexed->height = m_height;
    if (av_frame_get_buffer(m_indexed, 0) < 0)
        return Fail("there is not enough memory");
    std::memcpy(m_indexed->data[1], words.data(), AVPALETTE_SIZE);
    m_pass = pass;
    return true;
}

bool CGifSink::AddFrame(const CFrameScaler& frame, int index)
{
    if (m_finished || !m_started)
        return false;
    const size_t stride = (static_cast<size_t>(m_width) * 3 + 3) & ~size_t{3};
    const uint8_t* rows = frame.Rows();
    if (!m_timing.IsNew(index, rows, stride * static_cast<size_t>(m_height)))
        return true;   // the frame before simply stays longer
    if (m_pass > 0)
        return Dithered(rows, stride);
    if (av_frame_make_writable(m_frame) < 0)
        return Fail("there is not enough memory");
    for (int y = 0; y < m_height; ++y)   // bottom-up rows to top-down
        std::memcpy(m_frame->data[0] + static_cast<size_t>(y) * static_cast<size_t>(m_frame->linesize[0]),
                    rows + stride * static_cast<size_t>(m_height - 1 - y), static_cast<size_t>(m_width) * 3);
    m_frame->pts = m_timing.Start();
    if (av_buffersrc_add_frame_flags(m_source, m_frame, AV_BUFFERSRC_FLAG_KEEP_REF) < 0)
        return Fail("the video library cannot write this kind of movie");
    return true;
}

bool CGifSink::Dithered(const uint8_t* rows, size_t stride)
{
    m_pixels.resize(static_cast<size_t>(m_width) * static_cast<size_t>(m_height));
    for (int y = 0; y < m_height; ++y) {   // bottom-up rows to top-down words
        const uint8_t* src = rows + stride * static_cast<size_t>(m_height - 1 - y);
        uint32_t* dst = m_pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(m_width);
        for (int x = 0; x < m_width; ++x, src += 3)
            dst[x] = 0xFF000000u | uint32_t{src[2]} << 16 | uint32_t{src[1]} << 8 | src[0];
    }
    if (av_frame_make_writable(m_indexed) < 0
        || !m_dither->Dither(m_pixels.data(), m_width, m_height, m_indexed->data[0], m_indexed->linesize[0]))
        return Fail("there is not enough memory");
    m_indexed->pts = m_timing.Start();
    return Encode(m_indexed) || Fail("the file cannot be written (is the disk full?)");
}

bool CGifSink::Encode(AVFrame* frame)
{
    if (avcodec_send_frame(m_encoder, frame) < 0)
        return false;
    AVPacket* p = av_packet_alloc();
    bool ok = p != nullptr;
    while (ok) {
        const int r = avcodec_receive_packet(m_encoder, p);
        if (r == AVERROR(EAGAIN) || r == AVERROR_EOF)
            break;
        ok = r >= 0 && m_file.Write(p);
        av_packet_unref(p);
    }
    av_packet_free(&p);
    return ok;
}

bool CGifSink::Finish(bool keep)
{
    if (m_finished)
        return false;
    if (!keep || !m_started || m_pass == 0) {
        m_file.Discard();
        m_finished = true;
        return false;
    }
    if (!Encode(nullptr))
        return Fail("the file cannot be written (is the disk full?)");
    // The last frame stays until the movie's end, held frames included.
    av_opt_set_int(m_file.Format()->priv_data, "final_delay", m_timing.LastDuration(), 0);
    m_finished = true;
    return m_file.Commit() || Fail(m_file.Why().c_str());
}
