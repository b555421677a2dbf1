#include "core/movie/CContainerSink.h"
#include "core/movie/CFrameScaler.h"
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {
constexpr const char* kNotWritten = "The movie was not written: ";
}

CContainerSink::~CContainerSink()
{
    if (!m_finished)
        Finish(false);
}

bool CContainerSink::Fail(const std::string& why)
{
    if (m_failure.empty())
        m_failure = kNotWritten + why + ".";
    Release();
    m_file.Discard();
    m_finished = true;
    return false;
}

void CContainerSink::Release()
{
    if (m_format) {
        if (m_format->pb)
            avio_closep(&m_format->pb);
        avformat_free_context(m_format);
    }
    m_format = nullptr;
    m_stream = nullptr;
}

bool CContainerSink::Open(const std::string& path, MovieContainer container, const AviOptions& o, int fps,
                          int width, int height)
{
    const CompressorInfo* info = FindCompressor(o.handler, container);
    if (!info || !LoadVideoLibraries())
        return Fail("the chosen compressor is not available");
    if (!m_file.Open(path))
        return Fail(m_file.Refusal().empty() ? "the file cannot be created there" : m_file.Refusal());
    const std::string temp = m_file.ReleaseToNamedWriter();
    const char* kind = container == MovieContainer::Mp4 ? "mp4" : "webm";
    if (avformat_alloc_output_context2(&m_format, nullptr, kind, temp.c_str()) < 0 || !m_format)
        return Fail("the video library cannot write this kind of movie");
    CompressSettings s;
    s.quality = o.quality;
    s.keyEvery = o.keyFramesOn ? o.keyFrameEvery : 0;
    s.dataRate = o.dataRateOn ? o.dataRate : 0;
    s.fps = fps;
    s.state = o.state;
    const bool globalHeader = (m_format->oformat->flags & AVFMT_GLOBALHEADER) != 0;
    if (!m_encoder.Open(*info, width, height, s, globalHeader))
        return Fail("the compressor cannot take these frames");
    m_stream = avformat_new_stream(m_format, nullptr);
    if (!m_stream || avcodec_parameters_from_context(m_stream->codecpar, m_encoder.Context()) < 0)
        return Fail("there is not enough memory");
    m_stream->time_base = m_encoder.Context()->time_base;
    m_stream->avg_frame_rate = {fps, 1};
    if (avio_open(&m_format->pb, temp.c_str(), AVIO_FLAG_WRITE) < 0)
        return Fail("the file cannot be created there");
    AVDictionary* opts = nullptr;
    if (container == MovieContainer::Mp4)
        av_dict_set(&opts, "movflags", "+faststart", 0);
    const int r = avformat_write_header(m_format, &opts);
    av_dict_free(&opts);
    if (r < 0)
        return Fail("the file cannot be written");
    m_headerWritten = true;
    return true;
}

bool CContainerSink::WritePacket(AVPacket* p)
{
    av_packet_rescale_ts(p, m_encoder.Context()->time_base, m_stream->time_base);
    p->stream_index = m_stream->index;
    return av_interleaved_write_frame(m_format, p) >= 0;
}

bool CContainerSink::AddFrame(const CFrameScaler& frame, int)
{
    if (m_finished || !m_format)
        return false;
    const bool ok = m_encoder.Encode(frame.Rows(), [this](AVPacket* p) { return WritePacket(p); });
    return ok || Fail("the file cannot be written (is the disk full?)");
}

bool CContainerSink::Finish(bool keep)
{
    if (m_finished)
        return false;
    if (!keep || !m_format) {
        Release();
        m_file.Discard();
        m_finished = true;
        return false;
    }
    const bool drained = m_encoder.Drain([this](AVPacket* p) { return WritePacket(p); });
    if (!drained || av_write_trailer(m_format) < 0)
        return Fail("the file cannot be written (is the disk full?)");
    Release();
    m_finished = true;
    return m_file.Commit() || Fail("the file cannot be put in its place");
}
